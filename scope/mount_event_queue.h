#pragma once
// A queue of the link's events for a caller that waits for them (the
// command-line mode and the tests): the link's sink pushes, the caller
// takes events until the one it waits for.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "scope/mount_status.h"

class MountEventQueue {
public:
    // The sink to give TelescopeLink.
    std::function<void(const MountEvent&)> Sink() {
        return [this](const MountEvent& e) { Push(e); };
    }
    void Push(const MountEvent& e);
    // Takes events in order until one of the kinds, an Error, or the time
    // runs out (null). Events taken on the way are dropped, except that
    // each is first shown to seen (when given).
    std::optional<MountEvent> WaitFor(std::initializer_list<MountEventKind> kinds,
                                      std::chrono::milliseconds limit,
                                      const std::function<void(const MountEvent&)>& seen = {});

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<MountEvent> m_events;
};
