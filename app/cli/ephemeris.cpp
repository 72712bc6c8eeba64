#include "app/cli/ephemeris.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

#include "astro/angles.h"
#include "astro/body_table.h"
#include "astro/eye.h"
#include "astro/julian_day.h"
#include "astro/local_frame.h"
#include "astro/positions.h"
#include "astro/time_zone.h"
#include "astro/topocentric.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/datetime.h"
#include "framework/file.h"
#include "framework/format.h"

namespace {
const char kUsage[] =
    "usage: lumo ephemeris [--time YYYY-MM-DDTHH:MM:SS] [--utc] [--lat DEG --lon DEG]\n";

struct Options {
    std::optional<CDateTime> time;
    bool utc = false;
    std::optional<double> latitudeDeg, longitudeDeg;
};

bool IsDigits(const std::string& s, size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

// YYYY-MM-DDTHH:MM:SS, every field in range (years 100 to 9999).
std::optional<CDateTime> ParseTime(const std::string& s) {
    if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
        s[16] != ':' || !IsDigits(s, 0, 4) || !IsDigits(s, 5, 2) || !IsDigits(s, 8, 2) ||
        !IsDigits(s, 11, 2) || !IsDigits(s, 14, 2) || !IsDigits(s, 17, 2))
        return std::nullopt;
    auto field = [&](size_t at, size_t n) { return std::stoi(s.substr(at, n)); };
    CDateTime t(field(0, 4), field(5, 2), field(8, 2), field(11, 2), field(14, 2), field(17, 2));
    if (!t.IsValid()) return std::nullopt;
    return t;
}

// A finite decimal number within [-limit, limit].
std::optional<double> ParseDegrees(const std::string& s, double limit) {
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0' || errno != 0 || !std::isfinite(v) || std::fabs(v) > limit)
        return std::nullopt;
    return v;
}

// Reads the options; on a fault writes the reason and returns false.
bool ParseOptions(int argc, char** args, Options& o, std::ostream& err) {
    for (int i = 0; i < argc; ++i) {
        std::string a = args[i];
        bool hasValue = i + 1 < argc;
        if (a == "--utc") {
            o.utc = true;
        } else if (a == "--time" && hasValue) {
            o.time = ParseTime(args[++i]);
            if (!o.time) {
                err << "lumo ephemeris: bad time '" << args[i]
                    << "' (YYYY-MM-DDTHH:MM:SS, years 100 to 9999)\n";
                return false;
            }
        } else if (a == "--lat" && hasValue) {
            o.latitudeDeg = ParseDegrees(args[++i], 90);
            if (!o.latitudeDeg) {
                err << "lumo ephemeris: bad latitude '" << args[i] << "' (degrees, -90 to 90)\n";
                return false;
            }
        } else if (a == "--lon" && hasValue) {
            o.longitudeDeg = ParseDegrees(args[++i], 180);
            if (!o.longitudeDeg) {
                err << "lumo ephemeris: bad longitude '" << args[i]
                    << "' (degrees east, -180 to 180)\n";
                return false;
            }
        } else {
            err << "lumo ephemeris: unexpected '" << a << "'\n" << kUsage;
            return false;
        }
    }
    if (o.latitudeDeg.has_value() != o.longitudeDeg.has_value()) {
        err << "lumo ephemeris: --lat and --lon go together\n" << kUsage;
        return false;
    }
    return true;
}

// The observer's place: given on the command line, else the one saved in
// stars.db, else the document's initial one.
void SetPlace(CLumoDoc& doc, const Options& o, std::ostream& err) {
    if (o.latitudeDeg) {
        doc.m_fLatitude = static_cast<float>(*o.latitudeDeg * kDegToRad);
        doc.m_fLongitude = static_cast<float>(*o.longitudeDeg * kDegToRad);
        return;
    }
    CDocFile file;
    if (file.Open(doc, JoinPath(ExecutableFolder(), "stars.db")) != CDocFile::OpenResult::Loaded)
        err << "lumo ephemeris: " << file.Error() << "; using the initial place\n";
}

std::string IsoTime(const CDateTime& t) {
    return Format("%04d-%02d-%02dT%02d:%02d:%02d", t.GetYear(), t.GetMonth(), t.GetDay(),
                  t.GetHour(), t.GetMinute(), t.GetSecond());
}
}  // namespace

int RunEphemeris(int argc, char** args, std::ostream& out, std::ostream& err) {
    Options o;
    if (!ParseOptions(argc, args, o, err)) return 2;
    CLumoDoc doc;
    SetPlace(doc, o, err);

    CDateTime chosen = o.time ? *o.time : CDateTime::GetCurrentTime();
    CDateTime ut = GetUniversalTime(chosen, o.utc);
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
