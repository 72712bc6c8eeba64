#pragma once
// TelescopeLink: one mount on an INDI server, driven from a thread of the
// link's own. Every command returns at once; what happens is reported to the
// sink as events (from the link's threads, never the caller's), so a window
// that shows them never waits for the telescope. A server that is not
// there, a device that does not answer and a connection lost in the middle
// of a slew each end in an Error event with a message for the user.

#include <chrono>
#include <functional>
#include <memory>

#include "scope/mount_status.h"

// How long the link waits for each answer.
struct LinkTimeouts {
    std::chrono::milliseconds server{3000};  // the TCP connection
    std::chrono::milliseconds device{5000};  // the device to appear and to connect
};

class TelescopeLink {
public:
    // The sink is called from the link's threads; it must be thread-safe and
    // must not call back into the link synchronously.
    using Sink = std::function<void(const MountEvent&)>;

    explicit TelescopeLink(Sink sink, LinkTimeouts timeouts = {});
    // Disconnects and ends the link's thread.
    ~TelescopeLink();
    TelescopeLink(const TelescopeLink&) = delete;
    TelescopeLink& operator=(const TelescopeLink&) = delete;

    // Connects to the server and the device (dropping any earlier link):
    // Connected, or Error with the reason.
    void Connect(const MountAddress& address);
    void Disconnect();
    // Unparks when parked, starts tracking at the target's rate where the
    // mount offers it, and slews to the target's place in the mount's frame
    // (of date when it has EQUATORIAL_EOD_COORD, else J2000): SlewStarted,
    // Moved while it slews, then Arrived (or Error). The caller checks the
    // horizon first.
    void Goto(const MountTarget& target);
    // Tells the mount it points at the target now.
    void Sync(const MountTarget& target);
    // Stops any motion; goes before every command still waiting.
    void Abort();
    void Park();

    // The latest snapshot, from any thread.
    MountStatus Status() const;

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};
