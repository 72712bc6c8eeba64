#include "scope/mount_event_queue.h"

#include <algorithm>

void MountEventQueue::Push(const MountEvent& e) {
    {
        std::lock_guard lock(m_mutex);
        m_events.push_back(e);
    }
    m_arrived.notify_all();
}

std::optional<MountEvent> MountEventQueue::WaitFor(std::initializer_list<MountEventKind> kinds,
                                                   std::chrono::milliseconds limit,
                                                   const std::function<void(const MountEvent&)>& seen) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (!m_arrived.wait_until(lock, deadline, [this] { return !m_events.empty(); }))
            return std::nullopt;
        const MountEvent e = m_events.front();
        m_events.pop_front();
        if (seen) seen(e);
        if (e.kind == MountEventKind::Error ||
            std::find(kinds.begin(), kinds.end(), e.kind) != kinds.end())
            return e;
    }
}
