#include "app/qt/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {
// The pipe from the handler to the window thread: the one place a signal
// handler may reach.
int g_quitPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnQuitSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(g_quitPipe[1], &byte, 1);
    errno = saved;
}
}  // namespace

CQuitSignals::CQuitSignals(std::function<void()> onQuit) : m_onQuit(std::move(onQuit)) {
    if (g_quitPipe[0] >= 0 || ::pipe2(g_quitPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = new QSocketNotifier(g_quitPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_quitPipe[0], bytes, sizeof bytes) > 0) {
        }
        if (m_onQuit) m_onQuit();
    });
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

CQuitSignals::~CQuitSignals() {
    if (!m_notifier) return;
    for (int s : kSignals) std::signal(s, SIG_DFL);
    delete m_notifier;
    for (int& fd : g_quitPipe) {
        ::close(fd);
        fd = -1;
    }
}
