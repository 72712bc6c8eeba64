#include "app/cli/ephemeris.h"

#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/cli_options.h"
#include "astro/angles.h"
#include "astro/apparent.h"
#include "astro/body_table.h"
#include "astro/eye.h"
#include "astro/julian_day.h"
#include "astro/local_frame.h"
#include "astro/positions.h"
#include "astro/time_scales.h"
#include "astro/time_zone.h"
#include "astro/topocentric.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/star.h"
#include "framework/datetime.h"
#include "framework/format.h"
#include "framework/text.h"
#include "sky/event_texts.h"

namespace {
const char kEphemerisWho[] = "lumo ephemeris";

struct EphemerisOptions {
    PlaceAndTime place;
    bool astrometric = false;
    bool events = false;
    std::vector<std::string> stars;
};

// NAME[,NAME...] split at the commas; empty names are refused.
bool SplitNames(const std::string& list, std::vector<std::string>& names) {
    size_t start = 0;
    for (;;) {
        const size_t comma = list.find(',', start);
        std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (name.empty()) return false;
        names.push_back(std::move(name));
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

// Reads the options. Returns -1 when the command is to run, else the exit
// status (0 after --help, 2 after a fault, whose reason is on err).
int ParseOptions(int argc, char** args, EphemerisOptions& e, std::ostream& out,
                 std::ostream& err) {
    PlaceAndTime& o = e.place;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = args[i];
        if (IsHelpOption(arg)) return PrintHelp(EphemerisHelp(), out);
        if (arg == "--events") {
            e.events = true;
            continue;
        }
        if (arg == "--astrometric") {
            e.astrometric = true;
            continue;
        }
        if (arg == "--stars") {
            if (i + 1 >= argc || !SplitNames(args[i + 1], e.stars)) {
                err << kEphemerisWho << ": --stars needs NAME[,NAME...]\n";
                return UsageError(EphemerisHelp(), err);
            }
            ++i;
            continue;
        }
        int taken = ParsePlaceAndTime(argc, args, i, o, kEphemerisWho, err);
        if (taken < 0) return UsageError(EphemerisHelp(), err);
        if (taken == 0) {
            err << kEphemerisWho << ": unexpected '" << args[i] << "'\n";
            return UsageError(EphemerisHelp(), err);
        }
    }
    if (!CheckPlace(o, kEphemerisWho, err)) return UsageError(EphemerisHelp(), err);
    return -1;
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
// The catalogue star of that name: exact first, else ignoring case.
const CStar* FindStar(const CLumoDoc& doc, const std::string& name) {
    for (const auto& s : doc.m_stars)
        if (s->m_strName == name) return s.get();
    for (const auto& s : doc.m_stars)
        if (EqualNoCase(s->m_strName, name)) return s.get();
    return nullptr;
}

// A point so far along a direction (standard equatorial coordinates) from
// the eye that the eye's offset from the Earth's centre does not show.
std::array<double, 3> FarAlong(const std::array<double, 3>& eye, const DVec3& standard) {
    const DVec3 b = BodyFromStandard(standard);
    constexpr double kFarKm = 1e18;
    return {eye[0] + b[0] * kFarKm, eye[1] + b[1] * kFarKm, eye[2] + b[2] * kFarKm};
}

void PrintRow(std::ostream& out, const std::string& name, const TopocentricPlace& p, bool star) {
    const std::string distance = star ? std::string("-") : Format("%.1f", p.distanceKm);
    out << Format("%s\t%.6f\t%.5f\t%s\t%.4f\t%.4f\n", name.c_str(), p.rightAscensionHours,
                  p.declinationDeg, distance.c_str(), p.altitudeDeg, p.azimuthDeg);
}
}  // namespace

CommandHelp EphemerisHelp() {
    CommandHelp help{
        "ephemeris [OPTION]...",
        "Prints where every body of the solar system (the Sun, the planets, the Moon and "
        "the other moons) stands for an observer on the Earth: "
        "right ascension, declination, distance, altitude and azimuth as seen from the "
        "observer's place, one body a line, tab-separated, after a line with the Julian day, the time in UT and the place. "
        "The catalogue is read, never written.",
        {{"--events",
          "Prints instead the rise, transit (with its altitude) and set of the Sun, the Moon "
          "and the planets over the calendar day of the chosen time, then the Sun's civil, "
          "nautical and astronomical twilights and the length of the night; times HH:MM in "
          "the same time as --time (local, or UT with --utc), - where an event does not "
          "happen."},
         {"--astrometric",
          "Prints astrometric places referred to the J2000 equator and equinox instead of "
          "apparent places of date."},
         {"--stars NAME[,NAME...]",
          "Adds a line for each catalogue star named (exact name, else ignoring case), in "
          "the same columns; its distance is -."}}};
    for (const OptionHelp& option : PlaceAndTimeHelp()) help.options.push_back(option);
    help.options.push_back({"--help", "Prints this text and exits."});
    return help;
}

int RunEphemeris(int argc, char** args, std::ostream& out, std::ostream& err) {
    EphemerisOptions e;
    if (int status = ParseOptions(argc, args, e, out, err); status >= 0) return status;
    const PlaceAndTime& o = e.place;
    CLumoDoc doc;
    // The saved place is needed only when none is given; the stars always
    // come from the catalogue.
    if (!o.latitudeDeg || !e.stars.empty()) LoadDocument(doc, kEphemerisWho, err);
    ApplyPlace(doc, o);
    if (e.events) {
        WriteEvents(doc, o, out);
        return 0;
    }
    std::vector<const CStar*> stars;
    for (const std::string& name : e.stars) {
        const CStar* s = FindStar(doc, name);
        if (!s) {
            err << kEphemerisWho << ": no star named '" << name << "' in the catalogue\n";
            return 2;
        }
        stars.push_back(s);
    }

    CDateTime ut = GetUniversalTime(ChosenTime(o), o.utc);
    double jd = DateTimeToJulianDay(ut);
    FrameOfDate frame;
    ComputePositions(doc.m_planets, doc.m_dJulianDay, jd, PositionKind::kApparent, &frame);
    CPlanet* earth = FindPlanet(doc.m_planets, "Earth");
    if (!earth) {
        err << "lumo ephemeris: no body named Earth\n";
        return 1;
    }
    LocalFrame(earth, doc.m_fLatitude, doc.m_fLongitude, doc.m_pObserverBody, doc.m_vZenith,
               doc.m_vEast, doc.m_vSouth);
    std::array<double, 3> eye = EyePositionKm(*earth, doc.m_vZenith, false);
    // Astrometric places: the same bodies on the J2000 equator, light time
    // only, seen from the same eye turned back to J2000; the altitude and
    // azimuth stay those of the apparent places (where the body is seen).
    PlanetArray astrometric;
    std::array<double, 3> eyeJ2000 = eye;
    if (e.astrometric) {
        Mat3f unused;
        BuildBodyTable(astrometric, unused);
        double cache = std::nan("");
        ComputePositions(astrometric, cache, jd, PositionKind::kAstrometric);
        const DMat3 toJ2000 = Mat3Transpose(frame.precessionNutation);
        const std::array<double, 3> offset = EyeOffsetKm(*earth, doc.m_vZenith, false);
        const DVec3 o2000 = BodyFromStandard(Mat3Apply(toJ2000, StandardFromBody({offset[0], offset[1], offset[2]})));
        const CPlanet* e2000 = FindPlanet(astrometric, "Earth");
        for (int k = 0; k < 3; ++k) eyeJ2000[k] = (e2000 ? e2000->m_dPos[k] : 0) + o2000[k];
    }

    out << Format("JD %.6f\tUT %s\tDelta T %.2f s\tlatitude %.4f deg\tlongitude %.4f deg%s\n", jd,
                  IsoTime(ut).c_str(), DeltaTSeconds(jd), doc.m_fLatitude * kRadToDeg,
                  doc.m_fLongitude * kRadToDeg, e.astrometric ? "\tastrometric J2000" : "");
    out << "body\tRA (h)\tdec (deg)\tdistance (km)\taltitude (deg)\tazimuth (deg, N to E)\n";
    for (size_t i = 0; i < doc.m_planets.size(); ++i) {
        const CPlanet& body = *doc.m_planets[i];
        std::array<double, 3> pos = {body.m_dPos[0], body.m_dPos[1], body.m_dPos[2]};
        TopocentricPlace p = PlaceFromEye(pos, eye, doc.m_vZenith, doc.m_vEast, doc.m_vSouth);
        if (e.astrometric && i < astrometric.size()) {
            const CPlanet& a = *astrometric[i];
            const TopocentricPlace q = PlaceFromEye({a.m_dPos[0], a.m_dPos[1], a.m_dPos[2]}, eyeJ2000,
                                                    doc.m_vZenith, doc.m_vEast, doc.m_vSouth);
            p.rightAscensionHours = q.rightAscensionHours;
            p.declinationDeg = q.declinationDeg;
            p.distanceKm = q.distanceKm;
        }
        PrintRow(out, body.m_strName, p, false);
    }
    // Stars through the matrix the sky view draws them with, then their
    // aberration (the view folds it in at its centre).
    const DMat3 toDate = CatalogueToDateSky(frame);
    for (const CStar* s : stars) {
        const DVec3 j2000 = UnitFromAngles(s->m_pos.a, s->m_pos.b);
        const DVec3 date = Aberrate(StandardFromSky(Mat3Apply(toDate, SkyFromStandard(j2000))),
                                    frame.earthVelocityOverC);
        TopocentricPlace p = PlaceFromEye(FarAlong(eye, date), eye, doc.m_vZenith, doc.m_vEast, doc.m_vSouth);
        if (e.astrometric) {
            const TopocentricPlace q = PlaceFromEye(FarAlong(eye, j2000), eye, doc.m_vZenith, doc.m_vEast, doc.m_vSouth);
            p.rightAscensionHours = q.rightAscensionHours;
            p.declinationDeg = q.declinationDeg;
        }
        PrintRow(out, s->m_strName, p, true);
    }
    return 0;
}
