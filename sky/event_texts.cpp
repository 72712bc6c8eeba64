#include "sky/event_texts.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/positions.h"
#include "catalogue/lumo_doc.h"
#include "framework/format.h"

namespace {
// The Sun's radius (IAU 2015 nominal value), km: the body table leaves it 0.
constexpr double kSunRadiusKm = 695700.0;

std::string JoinTexts(const std::vector<std::string>& parts) {
    if (parts.empty()) return "-";
    std::string s = parts[0];
    for (size_t i = 1; i < parts.size(); ++i) s += " " + parts[i];
    return s;
}

// A rise or set line: the times, or why there are none.
std::string CrossingLine(const char* label, const ShownDay& shown, const DayEvents& e,
                         const EventTimes& times) {
    std::string text;
    if (e.kind == DayKind::AlwaysUp) text = "always above the horizon";
    else if (e.kind == DayKind::NeverRises) text = "never rises";
    else if (times.empty()) text = "none this day";
    else text = EventTimesText(shown, times);
    return Format("%s %s", label, text.c_str());
}

double Length(const std::array<double, 3>& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

bool IsSun(const CPlanet& body) { return body.m_strName == "Sun"; }
}  // namespace

std::string ClockText(const ShownDay& shown, double julianDay) {
    CDateTime t = ShownTime(shown.day, julianDay + 30.0 / 86400.0, shown.utc);
    return Format("%02d:%02d", t.GetHour(), t.GetMinute());
}

std::string EventTimesText(const ShownDay& shown, const EventTimes& times) {
    std::vector<std::string> parts;
    for (int i = 0; i < times.count; ++i) parts.push_back(ClockText(shown, times.julianDay[i]));
    return JoinTexts(parts);
}

std::string TransitAltitudesText(const DayEvents& e) {
    std::vector<std::string> parts;
    for (int i = 0; i < e.transits.count; ++i) parts.push_back(Format("%.1f", e.transitAltitudeDeg[i]));
    return JoinTexts(parts);
}

std::string DurationText(double days) {
    long minutes = std::lround(days * 1440.0);
    return Format("%ldh %02ldm", minutes / 60, minutes % 60);
}

std::vector<std::string> EventLines(const ShownDay& shown, const DayEvents& e) {
    std::string transit = "Transit: -";
    if (!e.transits.empty()) {
        std::vector<std::string> parts;
        for (int i = 0; i < e.transits.count; ++i)
            parts.push_back(Format("%s (altitude %.1f\u00b0)", ClockText(shown, e.transits.julianDay[i]).c_str(),
                                   e.transitAltitudeDeg[i]));
        transit = "Transit: " + JoinTexts(parts);
    }
    return {CrossingLine("Rise:", shown, e, e.rises), transit, CrossingLine("Set:", shown, e, e.sets)};
}

std::vector<std::string> TwilightLines(const ShownDay& shown, const Twilights& t, const DayEvents& sun) {
    auto line = [&](const char* name, const DayEvents& e) {
        return Format("%s: %s - %s", name, EventTimesText(shown, e.rises).c_str(),
                      EventTimesText(shown, e.sets).c_str());
    };
    return {line("Civil twilight", t.civil), line("Nautical twilight", t.nautical),
            line("Astronomical twilight", t.astronomical),
            "Night: " + DurationText(shown.day.jdEnd - shown.day.jdStart - sun.daysUp)};
}

ObserverDay::ObserverDay(const CLumoDoc& doc, const CDateTime& chosen, bool utc)
    : shown{DayOfChosenTime(chosen, utc), utc},
      place{doc.m_fLatitude, doc.m_fLongitude},
      tracks(doc.m_planets, doc.m_eclipticMatrix, shown.day.jdStart, shown.day.jdEnd) {}

std::vector<std::string> BodyAppearanceLines(const PlanetArray& planets, const CPlanet& body) {
    const CPlanet* earth = FindPlanet(planets, "Earth");
    if (!earth || earth == &body) return {};
    const std::array<double, 3> fromEarth = {body.m_dPos[0] - earth->m_dPos[0], body.m_dPos[1] - earth->m_dPos[1],
                                             body.m_dPos[2] - earth->m_dPos[2]};
    const double distanceKm = Length(fromEarth);
    if (!(distanceKm > 0)) return {};
    const bool sun = IsSun(body), moon = body.m_nTheory == kTheoryMoon;
    const double radiusKm = sun ? kSunRadiusKm : body.m_fRadius * kEarthRadiusKm;
    const double diameterDeg = 2 * std::asin(std::min(1.0, radiusKm / distanceKm)) * kRadToDeg;
    std::vector<std::string> lines;
    lines.push_back(moon ? Format("Distance: %.0f km", distanceKm)
                         : Format("Distance: %.6f au", distanceKm / kAstronomicalUnitKm));
    lines.push_back(sun || moon ? Format("Apparent diameter: %.1f'", diameterDeg * 60)
                                : Format("Apparent diameter: %.2f\"", diameterDeg * 3600));
    if (!sun) {
        // The phase angle Sun-body-Earth; the Sun is at the origin.
        const std::array<double, 3> toSun = {-body.m_dPos[0], -body.m_dPos[1], -body.m_dPos[2]};
        const double sunKm = Length(toSun);
        double cosPhase = 1;
        if (sunKm > 0)
            cosPhase = -(toSun[0] * fromEarth[0] + toSun[1] * fromEarth[1] + toSun[2] * fromEarth[2]) /
                       (sunKm * distanceKm);
        lines.push_back(Format("Illuminated: %.0f %%", 50 * (1 + cosPhase)));
    }
    return lines;
}

std::vector<std::string> BodyDayLines(const CLumoDoc& doc, const CPlanet& body, const CDateTime& chosen,
                                      bool utc) {
    std::vector<std::string> lines = BodyAppearanceLines(doc.m_planets, body);
    ObserverDay day(doc, chosen, utc);
    int index = -1;
    for (size_t i = 0; i < doc.m_planets.size(); ++i)
        if (doc.m_planets[i].get() == &body) index = static_cast<int>(i);
    if (!day.tracks.Valid() || index < 0 || index == day.tracks.EarthIndex()) return lines;
    const DayEvents e = FindDayEvents(BodyTrack(day.tracks, index), day.place, day.shown.day.jdStart,
                                      day.shown.day.jdEnd);
    for (std::string& s : EventLines(day.shown, e)) lines.push_back(std::move(s));
    if (index == day.tracks.SunIndex())
        for (std::string& s : TwilightLines(day.shown, SunTwilights(day.tracks, day.place, day.shown.day.jdStart,
                                                                    day.shown.day.jdEnd), e))
            lines.push_back(std::move(s));
    return lines;
}

std::vector<std::string> FixedObjectDayLines(const CLumoDoc& doc, double ra, double dec, const CDateTime& chosen,
                                             bool utc) {
    const ShownDay shown{DayOfChosenTime(chosen, utc), utc};
    if (!(shown.day.jdEnd > shown.day.jdStart)) return {};
    const EarthPlace place{doc.m_fLatitude, doc.m_fLongitude};
    FixedTrack track(EquatorialEventPlace(ra, dec, kStarStandardAltitudeDeg));
    return EventLines(shown, FindDayEvents(track, place, shown.day.jdStart, shown.day.jdEnd));
}
