#pragma once
// What the information dialogs and `lumo ephemeris --events` say of an
// object's day: rise, transit and set in the time the program shows, the
// Sun's twilights and the length of the night, and a body's distance,
// apparent diameter and lit fraction.

#include <string>
#include <vector>

#include "astro/body_tracks.h"
#include "astro/day_span.h"
#include "astro/rise_set.h"

class CLumoDoc;
class CPlanet;

// Events of one day, with what is needed to show their times.
struct ShownDay {
    DaySpan day;
    bool utc = false;
};

// "HH:MM" of an instant (UT Julian day) in the time shown, to the nearest minute.
std::string ClockText(const ShownDay& shown, double julianDay);
// The instants as "HH:MM", two of them joined by a blank; none gives "-".
std::string EventTimesText(const ShownDay& shown, const EventTimes& times);
// The transit altitudes, degrees with one decimal, joined the same way ("-" for none).
std::string TransitAltitudesText(const DayEvents& events);
// A length in days as hours and minutes ("14h 05m").
std::string DurationText(double days);

// The "Rise:", "Transit:" and "Set:" lines of a dialog. An object that does
// not cross the horizon that day says so on its rise and set lines.
std::vector<std::string> EventLines(const ShownDay& shown, const DayEvents& events);
// The Sun's "Civil twilight:", "Nautical twilight:", "Astronomical
// twilight:" lines (begin - end) and "Night:" (the time the Sun spends below
// the horizon that day).
std::vector<std::string> TwilightLines(const ShownDay& shown, const Twilights& twilights,
                                       const DayEvents& sun);

// The day the time bar shows at the document's place, and every body's track
// through it (from the document's bodies, which are not changed).
struct ObserverDay {
    ObserverDay(const CLumoDoc& doc, const CDateTime& chosen, bool utc);
    ShownDay shown;
    EarthPlace place;
    BodyTracks tracks;
};

// The dialog lines of a body for the chosen day: "Distance:", "Apparent
// diameter:", "Illuminated:" (from the document's current positions, not
// for the Earth; no lit fraction for the Sun), then the event lines, then for
// the Sun its twilights.
std::vector<std::string> BodyDayLines(const CLumoDoc& doc, const CPlanet& body,
                                      const CDateTime& chosen, bool utc);
// The event lines of a fixed object (a star, a deep-sky object) at right
// ascension and declination of date (radians) for the chosen day.
std::vector<std::string> FixedObjectDayLines(const CLumoDoc& doc, double rightAscensionRad,
                                             double declinationRad, const CDateTime& chosen,
                                             bool utc);
// Distance, apparent diameter and lit fraction of body seen from the
// Earth's centre, from the bodies' current positions.
std::vector<std::string> BodyAppearanceLines(const PlanetArray& planets, const CPlanet& body);
