#include "app/cli/ephemeris.h"

#include <array>
#include <cmath>
#include <ostream>
#include <string>

#include "app/cli/cli_options.h"
#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/eye.h"
#include "astro/julian_day.h"
#include "astro/local_frame.h"
#include "astro/positions.h"
#include "astro/time_zone.h"
#include "astro/topocentric.h"
#include "catalogue/lumo_doc.h"
#include "framework/datetime.h"
#include "framework/format.h"
#include "sky/event_texts.h"

namespace {
const char kUsage[] =
    "usage: lumo ephemeris [--events] [--time YYYY-MM-DDTHH:MM:SS] [--utc] [--lat DEG --lon DEG]\n";
const char kWho[] = "lumo ephemeris";

// Reads the options; on a fault writes the reason and returns false.
bool ParseOptions(int argc, char** args, PlaceAndTime& o, bool& events, std::ostream& err) {
    for (int i = 0; i < argc; ++i) {
        if (std::string(args[i]) == "--events") {
            events = true;
            continue;
        }
        int taken = ParsePlaceAndTime(argc, args, i, o, kWho, err);
        if (taken < 0) return false;
        if (taken == 0) {
            err << kWho << ": unexpected '" << args[i] << "'\n" << kUsage;
            return false;
        }
    }
    if (!CheckPlace(o, kWho, err)) {
        err << kUsage;
        return false;
    }
    return true;
}

// The day's rise, transit and set of the Sun, the Moon and the planets, then
// the Sun's twilights and the length of the night, in the time shown.
void WriteEvents(const CLumoDoc& doc, const PlaceAndTime& o, std::ostream& out) {
    ObserverDay day(doc, ChosenTime(o), o.utc);
    const ShownDay& shown = day.shown;
    const std::vector<DayEvents> events =
        AllBodyEvents(day.tracks, day.place, shown.day.jdStart, shown.day.jdEnd);
    out << "body\trise\ttransit\taltitude (deg)\tset\n";
    for (size_t i = 0; i < events.size(); ++i) {
        const CPlanet& body = *doc.m_planets[i];
        const bool planetOrMoon = body.m_nParent == 0 || body.m_nTheory == kTheoryMoon;
        if (static_cast<int>(i) == day.tracks.EarthIndex() || !planetOrMoon) continue;
        const DayEvents& e = events[i];
        out << body.m_strName << '\t' << EventTimesText(shown, e.rises) << '\t'
            << EventTimesText(shown, e.transits) << '\t' << TransitAltitudesText(e) << '\t'
            << EventTimesText(shown, e.sets) << '\n';
    }
    const Twilights t = SunTwilights(day.tracks, day.place, shown.day.jdStart, shown.day.jdEnd);
    auto twilight = [&](const char* name, const DayEvents& e) {
        out << name << '\t' << EventTimesText(shown, e.rises) << '\t' << EventTimesText(shown, e.sets)
            << '\n';
    };
    twilight("civil twilight", t.civil);
    twilight("nautical twilight", t.nautical);
    twilight("astronomical twilight", t.astronomical);
    if (day.tracks.SunIndex() >= 0)
        out << "night\t" << DurationText(shown.day.jdEnd - shown.day.jdStart -
                                         events[day.tracks.SunIndex()].daysUp)
            << '\n';
}
}  // namespace

int RunEphemeris(int argc, char** args, std::ostream& out, std::ostream& err) {
    PlaceAndTime o;
    bool events = false;
    if (!ParseOptions(argc, args, o, events, err)) return 2;
    CLumoDoc doc;
    // The saved place is needed only when none is given.
    if (o.latitudeDeg) ApplyPlace(doc, o);
    else LoadDocument(doc, kWho, err);
    if (events) {
        WriteEvents(doc, o, out);
        return 0;
    }

    CDateTime ut = GetUniversalTime(ChosenTime(o), o.utc);
    double jd = DateTimeToJulianDay(ut);
    ComputePositions(doc.m_planets, doc.m_eclipticMatrix, doc.m_dJulianDay, jd);
    CPlanet* earth = FindPlanet(doc.m_planets, "Earth");
    if (!earth) {
        err << "lumo ephemeris: no body named Earth\n";
        return 1;
    }
    LocalFrame(earth, doc.m_fLatitude, doc.m_fLongitude, doc.m_pObserverBody, doc.m_vZenith,
               doc.m_vEast, doc.m_vSouth);
    std::array<double, 3> eye = EyePositionKm(*earth, doc.m_vZenith, false);

    out << Format("JD %.6f\tUT %s\tlatitude %.4f deg\tlongitude %.4f deg\n", jd,
                  IsoTime(ut).c_str(), doc.m_fLatitude * kRadToDeg, doc.m_fLongitude * kRadToDeg);
    out << "body\tRA (h)\tdec (deg)\tdistance (km)\taltitude (deg)\tazimuth (deg, N to E)\n";
    for (const auto& body : doc.m_planets) {
        std::array<double, 3> pos = {body->m_dPos[0], body->m_dPos[1], body->m_dPos[2]};
        TopocentricPlace p = PlaceFromEye(pos, eye, doc.m_vZenith, doc.m_vEast, doc.m_vSouth);
        out << Format("%s\t%.6f\t%.5f\t%.1f\t%.4f\t%.4f\n", body->m_strName.c_str(),
                      p.rightAscensionHours, p.declinationDeg, p.distanceKm, p.altitudeDeg,
                      p.azimuthDeg);
    }
    return 0;
}
