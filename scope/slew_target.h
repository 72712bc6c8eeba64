#pragma once
// What a slew is sent to: a body or star found by name, placed for the
// instant of the slew as seen from the observer's place, and the horizon
// check every slew passes first.

#include <optional>
#include <string>
#include <string_view>

#include "scope/mount_status.h"

class CDeepSky;
class CLumoDoc;

struct SlewTarget {
    MountTarget mount;
    double altitudeDeg = 0;  // above the observer's horizon at the instant
};

// The body or star named (exact name first, letter case ignored, else the
// first whose name contains the text, as Seek finds it) for the Julian day
// (UT) at the document's place: a body's right ascension and declination
// from the eye on the Earth's surface as the position update gives them (the
// Moon tracked at the lunar rate, the Sun at the solar rate), a star's from
// its catalogue direction, a deep-sky object's (of deepSky, which may be
// null) likewise. The document is only read. Null with the reason in error
// when nothing has the name.
std::optional<SlewTarget> FindSlewTarget(const CLumoDoc& doc, std::string_view name,
                                         double julianDay, std::string& error,
                                         const CDeepSky* deepSky = nullptr);

// Empty when the target stands on or above the horizon, else why no slew is
// sent: "Jupiter is 12 deg below the horizon".
std::string HorizonRefusal(const SlewTarget& target);
