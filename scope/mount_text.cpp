#include "scope/mount_text.h"

#include <cmath>

#include "astro/angles.h"
#include "framework/format.h"

std::string FormatRaDec(double raHours, double decDeg) {
    const long tenths = std::lround(Reduce360(raHours * 15.0) / 15.0 * 36000.0) % 864000;
    const long arcsec = std::lround(std::fabs(decDeg) * 3600.0);
    return Format("RA %02ldh%02ldm%04.1fs Dec %c%02ld°%02ld'%02ld\"", tenths / 36000,
                  tenths / 600 % 60, static_cast<double>(tenths % 600) / 10.0,
                  decDeg < 0 ? '-' : '+', arcsec / 3600, arcsec / 60 % 60, arcsec % 60);
}

std::string MountStatusText(const MountStatus& status, bool afterError) {
    if (afterError) return "Telescope: " + status.message;
    const std::string who = status.device + ": ";
    switch (status.activity) {
        case MountActivity::Disconnected: return "Telescope: not connected";
        case MountActivity::Connecting: return "Telescope: connecting to " + status.device;
        case MountActivity::Idle: return who + "connected";
        case MountActivity::Slewing:
            return who + (status.target.empty() ? "slewing" : "slewing to " + status.target);
        case MountActivity::Tracking: return who + "tracking";
        case MountActivity::Parking: return who + "parking";
        case MountActivity::Parked: return who + "parked";
    }
    return who;
}
