#pragma once
// Rise, transit and set of one object over a span of time (normally one
// calendar day) at a place on the Earth. The altitude is sampled every ten
// minutes through the span and every crossing of the standard altitude, and
// every upper culmination, is iterated to under a second of time on the
// object's own track (Meeus, Astronomical Algorithms, ch. 15, with the
// altitude sampled instead of the three-day interpolation). Times are Julian
// days in UT, as everywhere in the program.

#include <array>

// An observer on the Earth: geographic latitude and east longitude, radians.
struct EarthPlace {
    double latitudeRad = 0;
    double eastLongitudeRad = 0;
};

// Where an object stands at an instant, seen from the Earth's centre: its
// direction as a unit vector of the body-position frame of date (z to right
// ascension 0h, x to 6h, y to the north pole), and the sine of the altitude
// at which it is said to rise and set (negative below the horizon).
struct EventPlace {
    std::array<double, 3> direction = {0, 0, 1};
    double sinStandardAltitude = 0;
};

// The place of an object at right ascension and declination of date
// (radians) with its standard altitude (degrees).
EventPlace EquatorialEventPlace(double rightAscensionRad, double declinationRad,
                                double standardAltitudeDeg);

// The path of an object through the sky over time. At(jd) is called with
// Julian days (UT) inside the span being searched.
class EventTrack {
public:
    virtual ~EventTrack() = default;
    virtual EventPlace At(double julianDay) const = 0;
};

// An object that does not move (a star, a deep-sky object).
class FixedTrack : public EventTrack {
public:
    explicit FixedTrack(const EventPlace& place) : m_place(place) {}
    EventPlace At(double) const override { return m_place; }

private:
    EventPlace m_place;
};

// Standard altitudes, degrees: stars, planets and deep-sky objects (refraction
// at the horizon), the Sun (refraction and semi-diameter), and the twilights.
constexpr double kStarStandardAltitudeDeg = -34.0 / 60.0;
constexpr double kSunStandardAltitudeDeg = -50.0 / 60.0;
constexpr double kCivilTwilightDeg = -6.0;
constexpr double kNauticalTwilightDeg = -12.0;
constexpr double kAstronomicalTwilightDeg = -18.0;

// The Moon's standard altitude, degrees, for its distance from the Earth's
// centre (km): 0.7275 times the horizontal parallax, less 34' of refraction.
double MoonStandardAltitudeDeg(double distanceKm);

// Up to three instants of one kind within a span (a sidereal day is shorter
// than a solar one, so a star can transit twice in a day; three leaves room).
struct EventTimes {
    static constexpr int kCapacity = 3;
    int count = 0;
    double julianDay[kCapacity] = {0, 0, 0};
    // Appends t when there is room.
    void Add(double t) {
        if (count < kCapacity) julianDay[count++] = t;
    }
    bool empty() const { return count == 0; }
};

// Whether the object crosses its standard altitude in the span at all.
enum class DayKind {
    RisesOrSets,  // at least one rise or set
    AlwaysUp,     // above the standard altitude all through the span
    NeverRises,   // below it all through the span
};

struct DayEvents {
    EventTimes rises, transits, sets;  // in time order within each kind
    double transitAltitudeDeg[EventTimes::kCapacity] = {0, 0, 0};  // geometric, at each transit
    DayKind kind = DayKind::NeverRises;
    double daysUp = 0;  // how long the object is above its standard altitude in the span, days
};

// The rises (crossing the standard altitude upwards), upper transits (hour
// angle through zero, with the geometric altitude then) and sets of track in
// [jdStart, jdEnd) (Julian days, UT) at place. Crossings closer together than the ten-minute sampling (an
// object grazing the horizon) can be missed. The mean sidereal time gives
// the hour angle.
DayEvents FindDayEvents(const EventTrack& track, const EarthPlace& place, double jdStart,
                        double jdEnd);

