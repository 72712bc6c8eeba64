#include "scope/telescope_link.h"

#include <libindi/baseclient.h>
#include <libindi/basedevice.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "framework/format.h"

namespace {
constexpr const char* kCoordsOfDate = "EQUATORIAL_EOD_COORD";
constexpr const char* kCoordsJ2000 = "EQUATORIAL_COORD";
constexpr const char* kConnection = "CONNECTION";
constexpr const char* kPark = "TELESCOPE_PARK";
constexpr const char* kTrackState = "TELESCOPE_TRACK_STATE";
constexpr const char* kTrackMode = "TELESCOPE_TRACK_MODE";
constexpr const char* kOnCoordSet = "ON_COORD_SET";
constexpr const char* kAbortMotion = "TELESCOPE_ABORT_MOTION";

bool SwitchOn(const INDI::Property& p, const char* element) {
    auto* view = p.getSwitch();
    if (!view) return false;
    ISwitch* s = view->findWidgetByName(element);
    return s && s->s == ISS_ON;
}

const char* TrackModeElement(TrackRate rate) {
    switch (rate) {
        case TrackRate::Lunar: return "TRACK_LUNAR";
        case TrackRate::Solar: return "TRACK_SOLAR";
        default: return "TRACK_SIDEREAL";
    }
}
}  // namespace

class TelescopeLink::Impl {
public:
    Impl(Sink sink, LinkTimeouts timeouts) : m_sink(std::move(sink)), m_timeouts(timeouts) {
        m_thread = std::thread([this] { Run(); });
    }

    ~Impl() {
        {
            std::lock_guard lock(m_mutex);
            m_cancel = true;
            m_stop = true;
        }
        m_work.notify_all();
        m_changed.notify_all();
        m_thread.join();
        DropClient(true);
    }

    void Post(std::function<void()> task, bool first = false) {
        {
            std::lock_guard lock(m_mutex);
            if (first) m_tasks.push_front(std::move(task));
            else m_tasks.push_back(std::move(task));
        }
        m_work.notify_one();
    }

    // Stops whatever the link's thread waits for (a connection, an unpark).
    void Cancel() {
        {
            std::lock_guard lock(m_mutex);
            m_cancel = true;
        }
        m_changed.notify_all();
    }

    MountStatus Status() const {
        std::lock_guard lock(m_mutex);
        return m_status;
    }

    void DoConnect(const MountAddress& address);
    void DoDisconnect();
    void DoGoto(const MountTarget& target);
    void DoSync(const MountTarget& target);
    void DoAbort();
    void DoPark();

    // INDI callbacks, on the client library's thread.
    void OnNewDevice(INDI::BaseDevice device);
    void OnRemoveDevice(INDI::BaseDevice device);
    // defined: the property's definition, else an update of its values.
    void OnProperty(INDI::Property property, bool defined);
    void OnMessage(INDI::BaseDevice device, int id);
    void OnServerConnected();
    void OnServerDisconnected();

private:
    class Client;

    void Run();
    void Emit(MountEventKind kind) {
        MountEvent event{kind, Status()};
        if (m_sink) m_sink(event);
    }
    // Under m_mutex: the activity the mount's properties show.
    MountActivity ActivityLocked() const;
    // Ends the link with an error message (under no lock).
    void Fail(const std::string& message);
    // Fail on the link's thread, unless another connection was made since
    // the given one.
    void FailLater(int generation, const std::string& message);
    // Waits until done() holds (under m_mutex), the wait is cancelled or the
    // time runs out; true when done() holds.
    template <class Done>
    bool WaitFor(std::chrono::milliseconds limit, Done done) {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, limit, [&] { return done() || m_cancel || m_lost; });
        return done() && !m_lost;
    }
    void DropClient(bool disconnect);
    std::string Where() const { return Format("%s:%d", m_address.host.c_str(), m_address.port); }
    bool SendSwitch(const char* property, const char* element);
    // The target's place in the frame of the mount's coordinates; false
    // (and the link ended) when they have no RA and DEC.
    bool SendCoordinates(const MountTarget& target);
    // False, with the Error event, when no mount is connected.
    bool RequireConnection();
    // Sets the message and sends the event.
    void Report(MountEventKind kind, const std::string& message) {
        {
            std::lock_guard lock(m_mutex);
            m_status.message = message;
        }
        Emit(kind);
    }
    bool HasProperty(const char* property) const;

    Sink m_sink;
    LinkTimeouts m_timeouts;
    std::thread m_thread;

    mutable std::mutex m_mutex;
    std::condition_variable m_work, m_changed;
    std::deque<std::function<void()>> m_tasks;
    bool m_stop = false;
    std::atomic<bool> m_cancel{false};

    // The link's state, under m_mutex.
    MountStatus m_status;
    MountAddress m_address;
    std::unique_ptr<Client> m_client;  // touched only by the link's thread
    std::vector<std::string> m_devicesSeen;
    bool m_deviceSeen = false, m_connectionSeen = false;
    bool m_deviceConnected = false, m_connectFailed = false;
    std::atomic<bool> m_lost{false};
    bool m_leaving = false;
    bool m_serverUp = false;  // the client library reported the connection
    int m_generation = 0;     // counts connections; a late report of an old one is dropped
    const char* m_coords = nullptr;  // the coordinate property the mount has
    int m_positionReports = 0;       // updates of it since the connection
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_lastReport;  // of the position, or the slew's start
    Clock::time_point m_slewStart;
    IPState m_coordsState = IPS_IDLE;
    bool m_parked = false, m_parking = false, m_tracking = false;
    bool m_slewing = false, m_busySeen = false;
    std::string m_driverMessage;
};

class TelescopeLink::Impl::Client : public INDI::BaseClient {
public:
    explicit Client(Impl& link) : m_link(link) {}
    void newDevice(INDI::BaseDevice device) override { m_link.OnNewDevice(device); }
    void removeDevice(INDI::BaseDevice device) override { m_link.OnRemoveDevice(device); }
    void newProperty(INDI::Property property) override { m_link.OnProperty(property, true); }
    void updateProperty(INDI::Property property) override { m_link.OnProperty(property, false); }
    void newMessage(INDI::BaseDevice device, int id) override { m_link.OnMessage(device, id); }
    void serverConnected() override { m_link.OnServerConnected(); }
    void serverDisconnected(int) override { m_link.OnServerDisconnected(); }

private:
    Impl& m_link;
};

void TelescopeLink::Impl::Run() {
    for (;;) {
        std::function<void()> task;
        std::string silent;
        bool refused = false;
        {
            std::unique_lock lock(m_mutex);
            m_work.wait_for(lock, std::chrono::milliseconds(500),
                            [this] { return m_stop || !m_tasks.empty(); });
            if (m_stop) return;
            if (!m_tasks.empty()) {
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
                m_cancel = false;
            } else if (m_slewing && Clock::now() - m_lastReport > m_timeouts.device) {
                // A mount that moves reports where it is several times a second.
                silent = Format("\"%s\" stopped answering during the slew to %s",
                                m_address.device.c_str(), m_status.target.c_str());
            } else if (m_slewing && !m_busySeen && Clock::now() - m_slewStart > m_timeouts.device) {
                m_slewing = false;
                m_status.message = Format("\"%s\" did not start the slew to %s", m_address.device.c_str(),
                                          m_status.target.c_str());
                if (!m_driverMessage.empty()) m_status.message += ": " + m_driverMessage;
                refused = true;
            }
        }
        if (task) task();
        else if (!silent.empty()) Fail(silent);
        else if (refused) Emit(MountEventKind::Error);
    }
}

MountActivity TelescopeLink::Impl::ActivityLocked() const {
    if (!m_deviceConnected) return MountActivity::Disconnected;
    if (m_parking) return MountActivity::Parking;
    if (m_parked) return MountActivity::Parked;
    if (m_coordsState == IPS_BUSY) return MountActivity::Slewing;
    if (m_tracking) return MountActivity::Tracking;
    return MountActivity::Idle;
}

void TelescopeLink::Impl::DropClient(bool disconnect) {
    std::unique_ptr<Client> client;
    {
        std::lock_guard lock(m_mutex);
        client = std::move(m_client);
        m_leaving = true;
    }
    if (client && disconnect && client->isServerConnected()) client->disconnectServer();
    client.reset();
    std::lock_guard lock(m_mutex);
    m_devicesSeen.clear();
    m_deviceSeen = m_connectionSeen = m_deviceConnected = m_connectFailed = false;
    m_coords = nullptr;
    m_positionReports = 0;
    m_coordsState = IPS_IDLE;
    m_parked = m_parking = m_tracking = m_slewing = m_busySeen = false;
    m_serverUp = false;
    m_status.activity = MountActivity::Disconnected;
    m_status.havePosition = false;
    m_leaving = false;
}

void TelescopeLink::Impl::Fail(const std::string& message) {
    DropClient(true);
    Report(MountEventKind::Error, message);
}

bool TelescopeLink::Impl::HasProperty(const char* property) const {
    return m_client && m_client->getDevice(m_address.device.c_str()).getProperty(property).isValid();
}

bool TelescopeLink::Impl::SendSwitch(const char* property, const char* element) {
    if (!HasProperty(property)) return false;
    INDI::PropertySwitch p = m_client->getDevice(m_address.device.c_str()).getSwitch(property);
    ISwitch* on = p.findWidgetByName(element);
    if (!on) return false;
    // The whole vector goes: the one element on, the others off.
    p.reset();
    on->s = ISS_ON;
    m_client->sendNewSwitch(p);
    return true;
}

void TelescopeLink::Impl::DoConnect(const MountAddress& address) {
    DropClient(true);
    {
        std::lock_guard lock(m_mutex);
        m_address = address;
        m_lost = false;
        ++m_generation;
        m_status = MountStatus{};
        m_status.activity = MountActivity::Connecting;
        m_status.device = address.device;
        m_client = std::make_unique<Client>(*this);
        m_client->setServer(address.host.c_str(), static_cast<unsigned>(address.port));
        const auto ms = m_timeouts.server.count();
        m_client->setConnectionTimeout(static_cast<uint32_t>(ms / 1000),
                                       static_cast<uint32_t>(ms % 1000) * 1000);
    }
    if (!m_client->connectServer()) {
        Fail(Format("No telescope server answers at %s (is indiserver running there?)", Where().c_str()));
        return;
    }
    const std::string& name = address.device;
    if (!WaitFor(m_timeouts.device, [this] { return m_connectionSeen; })) {
        if (m_cancel || m_lost) return;  // Disconnect follows; a lost server reports itself
        std::string offered;
        {
            std::lock_guard lock(m_mutex);
            for (const std::string& d : m_devicesSeen) offered += (offered.empty() ? "" : ", ") + d;
        }
        Fail(Format("No device named \"%s\" at %s (%s)", name.c_str(), Where().c_str(),
                    offered.empty() ? "the server offers no devices"
                                    : ("it offers: " + offered).c_str()));
        return;
    }
    m_client->connectDevice(name.c_str());
    if (!WaitFor(m_timeouts.device,
                 [this] { return (m_deviceConnected && m_coords) || m_connectFailed; })) {
        if (!m_cancel && !m_lost)
            Fail(Format("\"%s\" did not answer the connection request within %.0f s", name.c_str(),
                        m_timeouts.device.count() / 1000.0));
        return;
    }
    std::string driverSays;
    {
        std::lock_guard lock(m_mutex);
        if (m_connectFailed) driverSays = m_driverMessage.empty() ? "no reason given" : m_driverMessage;
    }
    if (!driverSays.empty()) {
        Fail(Format("\"%s\" could not connect: %s", name.c_str(), driverSays.c_str()));
        return;
    }
    // A definition may carry placeholder values: wait briefly for the
    // mount's first report of where it points.
    WaitFor(std::min(m_timeouts.device, std::chrono::milliseconds(2000)),
            [this] { return m_positionReports > 0; });
    if (m_lost) return;
    {
        std::lock_guard lock(m_mutex);
        m_status.activity = ActivityLocked();
    }
    Report(MountEventKind::Connected, Format("Connected to %s at %s", name.c_str(), Where().c_str()));
}

void TelescopeLink::Impl::DoDisconnect() {
    DropClient(true);
    Report(MountEventKind::Disconnected, "Disconnected");
}

bool TelescopeLink::Impl::RequireConnection() {
    if (Status().activity != MountActivity::Disconnected) return true;
    Fail("Not connected to a telescope");
    return false;
}

bool TelescopeLink::Impl::SendCoordinates(const MountTarget& target) {
    const char* coords;
    {
        std::lock_guard lock(m_mutex);
        coords = m_coords;
    }
    const bool ofDate = std::strcmp(coords, kCoordsOfDate) == 0;
    INDI::PropertyNumber p = m_client->getDevice(m_address.device.c_str()).getNumber(coords);
    INumber* ra = p.findWidgetByName("RA");
    INumber* dec = p.findWidgetByName("DEC");
    if (!ra || !dec) {
        Fail(Format("\"%s\" has no RA and DEC in %s", m_address.device.c_str(), coords));
        return false;
    }
    ra->value = ofDate ? target.raHoursOfDate : target.raHoursJ2000;
    dec->value = ofDate ? target.decDegOfDate : target.decDegJ2000;
    m_client->sendNewNumber(p);
    return true;
}

void TelescopeLink::Impl::DoGoto(const MountTarget& target) {
    if (!RequireConnection()) return;
    const MountActivity before = Status().activity;
    if (before == MountActivity::Parking) {
        // A slew ordered while parking ends the parking.
        SendSwitch(kAbortMotion, "ABORT");
        std::lock_guard lock(m_mutex);
        m_parking = false;
    }
    if (before == MountActivity::Parked || before == MountActivity::Parking) {
        SendSwitch(kPark, "UNPARK");
        if (!WaitFor(m_timeouts.device, [this] { return !m_parked; })) {
            if (!m_cancel && !m_lost)
                Report(MountEventKind::Error, Format("\"%s\" did not unpark", m_address.device.c_str()));
            return;
        }
    }
    // Tracking first: the mount then holds the target from the moment it
    // arrives.
    SendSwitch(kTrackMode, TrackModeElement(target.rate));
    SendSwitch(kTrackState, "TRACK_ON");
    if (!SendSwitch(kOnCoordSet, "TRACK")) SendSwitch(kOnCoordSet, "SLEW");
    {
        std::lock_guard lock(m_mutex);
        m_slewing = true;
        m_busySeen = false;
        m_lastReport = m_slewStart = Clock::now();
        m_driverMessage.clear();
        m_status.target = target.name;
        m_status.activity = MountActivity::Slewing;
    }
    if (SendCoordinates(target)) Report(MountEventKind::SlewStarted, "Slewing to " + target.name);
}

void TelescopeLink::Impl::DoSync(const MountTarget& target) {
    if (!RequireConnection()) return;
    if (!SendSwitch(kOnCoordSet, "SYNC")) {
        Report(MountEventKind::Error, Format("\"%s\" cannot sync", m_address.device.c_str()));
        return;
    }
    if (!SendCoordinates(target)) return;
    if (!SendSwitch(kOnCoordSet, "TRACK")) SendSwitch(kOnCoordSet, "SLEW");
    Report(MountEventKind::Synced, "Synced on " + target.name);
}

void TelescopeLink::Impl::DoAbort() {
    if (Status().activity == MountActivity::Disconnected) return;
    bool moving;
    {
        // Before the order goes, so the mount's stop is not taken for
        // someone else's.
        std::lock_guard lock(m_mutex);
        moving = m_slewing || m_parking;
        m_slewing = m_parking = false;
    }
    SendSwitch(kAbortMotion, "ABORT");
    Report(MountEventKind::Aborted, moving ? "Slew aborted" : "Stopped");
}

void TelescopeLink::Impl::DoPark() {
    if (!RequireConnection()) return;
    if (!SendSwitch(kPark, "PARK")) {
        Report(MountEventKind::Error, Format("\"%s\" cannot park", m_address.device.c_str()));
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_slewing = false;
        m_parking = true;
        m_status.activity = MountActivity::Parking;
    }
    Report(MountEventKind::Moved, "Parking");
}

void TelescopeLink::Impl::OnNewDevice(INDI::BaseDevice device) {
    {
        std::lock_guard lock(m_mutex);
        m_devicesSeen.push_back(device.getDeviceName());
        if (device.isDeviceNameMatch(m_address.device)) m_deviceSeen = true;
    }
    m_changed.notify_all();
}

void TelescopeLink::Impl::OnRemoveDevice(INDI::BaseDevice device) {
    bool ours;
    int generation;
    {
        std::lock_guard lock(m_mutex);
        ours = device.isDeviceNameMatch(m_address.device) && m_deviceConnected && !m_leaving;
        if (ours) m_lost = true;
        generation = m_generation;
    }
    m_changed.notify_all();
    if (ours) FailLater(generation, "\"" + std::string(device.getDeviceName()) + "\" went away");
}

void TelescopeLink::Impl::OnProperty(INDI::Property property, bool defined) {
    MountEventKind kind = MountEventKind::Moved;
    bool emit = false;
    {
        std::lock_guard lock(m_mutex);
        if (m_address.device != property.getDeviceName() || m_leaving) return;
        const char* name = property.getName();
        const IPState state = property.getState();
        if (std::strcmp(name, kConnection) == 0) {
            m_connectionSeen = true;
            const bool on = SwitchOn(property, "CONNECT") && state == IPS_OK;
            if (state == IPS_ALERT) m_connectFailed = true;
            m_deviceConnected = on;
        } else if (std::strcmp(name, kCoordsOfDate) == 0 ||
                   (std::strcmp(name, kCoordsJ2000) == 0 && m_coords != kCoordsOfDate)) {
            auto* view = property.getNumber();
            INumber* ra = view ? view->findWidgetByName("RA") : nullptr;
            INumber* dec = view ? view->findWidgetByName("DEC") : nullptr;
            if (!ra || !dec) return;
            m_coords = std::strcmp(name, kCoordsOfDate) == 0 ? kCoordsOfDate : kCoordsJ2000;
            m_status.havePosition = true;
            m_status.raHours = ra->value;
            m_status.decDeg = dec->value;
            m_status.frame = m_coords == kCoordsOfDate ? MountFrame::OfDate : MountFrame::J2000;
            m_coordsState = state;
            if (!defined) ++m_positionReports;
            m_lastReport = Clock::now();
            emit = m_deviceConnected;
            if (state == IPS_BUSY) m_busySeen = true;
            if (m_slewing && m_busySeen && state == IPS_OK) {
                m_slewing = false;
                kind = MountEventKind::Arrived;
                m_status.message = "Arrived at " + m_status.target;
            } else if (m_slewing && m_busySeen && state == IPS_IDLE) {
                // Stopped by someone else (a hand box, another program).
                m_slewing = false;
                kind = MountEventKind::Error;
                m_status.message = "The slew to " + m_status.target + " was stopped before it arrived";
            } else if (m_slewing && state == IPS_ALERT) {
                m_slewing = false;
                kind = MountEventKind::Error;
                m_status.message = "The mount reported a fault during the slew to " + m_status.target +
                                   (m_driverMessage.empty() ? "" : ": " + m_driverMessage);
            }
        } else if (std::strcmp(name, kPark) == 0) {
            // Parked once the switch is on and the motion there is over.
            const bool parked = SwitchOn(property, "PARK") && state != IPS_BUSY;
            if (parked && m_parking) {
                kind = MountEventKind::Parked;
                m_status.message = "Parked";
            }
            m_parked = parked;
            if (state != IPS_BUSY) m_parking = false;
            emit = m_deviceConnected;
        } else if (std::strcmp(name, kTrackState) == 0) {
            m_tracking = SwitchOn(property, "TRACK_ON");
        } else {
            return;
        }
        if (m_status.activity != MountActivity::Connecting) m_status.activity = ActivityLocked();
        if (!m_deviceConnected || m_status.activity == MountActivity::Connecting) emit = false;
    }
    m_changed.notify_all();
    if (emit) Emit(kind);
}

void TelescopeLink::Impl::OnMessage(INDI::BaseDevice device, int id) {
    std::lock_guard lock(m_mutex);
    if (!device.isDeviceNameMatch(m_address.device)) return;
    std::string text = device.messageQueue(static_cast<size_t>(id));
    // "2026-12-07T01:20:29: [INFO] text": keep the text.
    const size_t tag = text.find("] ");
    m_driverMessage = tag == std::string::npos ? text : text.substr(tag + 2);
}

void TelescopeLink::Impl::OnServerConnected() {
    std::lock_guard lock(m_mutex);
    m_serverUp = true;
}

void TelescopeLink::Impl::OnServerDisconnected() {
    std::string message;
    int generation;
    {
        std::lock_guard lock(m_mutex);
        // Only a connection that was up and not being closed by the link.
        if (!m_serverUp || m_leaving) return;
        m_serverUp = false;
        m_lost = true;
        generation = m_generation;
        message = "Lost the connection to the telescope server at " + Where() +
                  (m_slewing ? " during the slew to " + m_status.target : "");
    }
    m_changed.notify_all();
    FailLater(generation, message);
}

void TelescopeLink::Impl::FailLater(int generation, const std::string& message) {
    // The client goes on the link's thread, never on the library's own;
    // a connection made since then is left alone.
    Post([this, generation, message] {
        {
            std::lock_guard lock(m_mutex);
            if (generation != m_generation) return;
        }
        Fail(message);
    }, true);
}

TelescopeLink::TelescopeLink(Sink sink, LinkTimeouts timeouts)
    : m_impl(std::make_unique<Impl>(std::move(sink), timeouts)) {}

TelescopeLink::~TelescopeLink() = default;

void TelescopeLink::Connect(const MountAddress& address) {
    m_impl->Post([this, address] { m_impl->DoConnect(address); });
}

void TelescopeLink::Disconnect() {
    m_impl->Cancel();
    m_impl->Post([this] { m_impl->DoDisconnect(); });
}

void TelescopeLink::Goto(const MountTarget& target) {
    m_impl->Post([this, target] { m_impl->DoGoto(target); });
}

void TelescopeLink::Sync(const MountTarget& target) {
    m_impl->Post([this, target] { m_impl->DoSync(target); });
}

void TelescopeLink::Abort() {
    m_impl->Post([this] { m_impl->DoAbort(); }, true);
}

void TelescopeLink::Park() {
    m_impl->Post([this] { m_impl->DoPark(); });
}

MountStatus TelescopeLink::Status() const { return m_impl->Status(); }
