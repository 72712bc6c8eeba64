#pragma once
// What the telescope link reports: the mount's activity, where it points and
// the last message, as a snapshot that travels with every event.

#include <string>

// The mount's coordinates: right ascension and declination of one frame.
enum class MountFrame {
    OfDate,  // apparent place of date (the mount's EQUATORIAL_EOD_COORD)
    J2000,   // astrometric place, mean equator and equinox of J2000 (EQUATORIAL_COORD)
};

enum class MountActivity { Disconnected, Connecting, Idle, Slewing, Tracking, Parking, Parked };

// How the mount follows a target once there.
enum class TrackRate { Sidereal, Lunar, Solar };

// Where to find the mount: the INDI server and the device's name.
struct MountAddress {
    std::string host = "localhost";
    int port = 7624;
    std::string device = "Telescope Simulator";
};
constexpr int kDefaultIndiPort = 7624;

// A slew or sync target: both places, so the link can send the one the
// mount takes.
struct MountTarget {
    std::string name;
    double raHoursOfDate = 0, decDegOfDate = 0;  // apparent place of date
    double raHoursJ2000 = 0, decDegJ2000 = 0;    // astrometric place, J2000
    TrackRate rate = TrackRate::Sidereal;
};

struct MountStatus {
    MountActivity activity = MountActivity::Disconnected;
    std::string device;
    // Where the mount reports it points (hours, degrees) in frame.
    bool havePosition = false;
    double raHours = 0, decDeg = 0;
    MountFrame frame = MountFrame::OfDate;
    std::string target;   // name of the last slew's target
    std::string message;  // the last error or notice, for the user
};

enum class MountEventKind {
    Connected,     // the device answered; status holds its first position
    Disconnected,  // on request
    Moved,         // a new position
    SlewStarted,
    Arrived,       // the slew ended on the target; the mount tracks
    Aborted,
    Synced,
    Parked,
    Error,         // status.message says what; the link may be disconnected
};

struct MountEvent {
    MountEventKind kind;
    MountStatus status;
};
