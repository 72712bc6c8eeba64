#pragma once
// The session's or a terminal's request to end the program (SIGTERM, SIGINT,
// SIGHUP) ends it as closing its window does, so the document and the
// window's placement are saved. The signal handler only writes a byte into
// a pipe; the request is handled on the window thread, inside its event
// loop. One instance at a time, made after the QApplication.

#include <QObject>
#include <functional>

class QSocketNotifier;

class CQuitSignals : public QObject {
public:
    // onQuit runs on the window thread for each request.
    explicit CQuitSignals(std::function<void()> onQuit);
    ~CQuitSignals() override;
    // True once the handlers are in place.
    bool Installed() const { return m_notifier != nullptr; }

private:
    std::function<void()> m_onQuit;
    QSocketNotifier* m_notifier = nullptr;
};
