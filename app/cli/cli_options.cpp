#include "app/cli/cli_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <ostream>

#include "astro/angles.h"
#include "astro/time_zone.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "framework/program_files.h"
#include "framework/format.h"

namespace {
bool IsDigits(const std::string& s, size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}
}  // namespace

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

std::optional<double> ParseDegrees(const std::string& s, double limit) {
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0' || errno != 0 || !std::isfinite(v) || std::fabs(v) > limit)
        return std::nullopt;
    return v;
}

std::optional<long> ParseInteger(const std::string& s, long lo, long hi) {
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0' || errno != 0 || v < lo || v > hi) return std::nullopt;
    return v;
}

std::string IsoTime(const CDateTime& t) {
    return Format("%04d-%02d-%02dT%02d:%02d:%02d", t.GetYear(), t.GetMonth(), t.GetDay(),
                  t.GetHour(), t.GetMinute(), t.GetSecond());
}

std::vector<OptionHelp> PlaceAndTimeHelp() {
    return {
        {"--time YYYY-MM-DDTHH:MM:SS",
         "The instant, in local time (years 100 to 9999). By default, now."},
        {"--utc", "The time given (or the present instant) is Universal Time, not local time."},
        {"--lat DEG --lon DEG",
         "The observer's place: latitude in degrees north (-90 to 90) and longitude in degrees "
         "east (-180 to 180), given together. By default, the place saved in the catalogue."},
    };
}

int PrintHelp(const CommandHelp& command, std::ostream& out) {
    WriteUsage(out, "lumo", {command});
    return 0;
}

int UsageError(const CommandHelp& command, std::ostream& err) {
    WriteUsage(err, "lumo", {command});
    return 2;
}

int ParsePlaceAndTime(int argc, char** args, int& i, PlaceAndTime& o, const std::string& who,
                      std::ostream& err) {
    const std::string a = args[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--utc") {
        o.utc = true;
    } else if (a == "--time" && hasValue) {
        o.time = ParseTime(args[++i]);
        if (!o.time) {
            err << who << ": bad time '" << args[i] << "' (YYYY-MM-DDTHH:MM:SS, years 100 to 9999)\n";
            return -1;
        }
    } else if (a == "--lat" && hasValue) {
        o.latitudeDeg = ParseDegrees(args[++i], 90);
        if (!o.latitudeDeg) {
            err << who << ": bad latitude '" << args[i] << "' (degrees, -90 to 90)\n";
            return -1;
        }
    } else if (a == "--lon" && hasValue) {
        o.longitudeDeg = ParseDegrees(args[++i], 180);
        if (!o.longitudeDeg) {
            err << who << ": bad longitude '" << args[i] << "' (degrees east, -180 to 180)\n";
            return -1;
        }
    } else {
        return 0;
    }
    return 1;
}

bool CheckPlace(const PlaceAndTime& o, const std::string& who, std::ostream& err) {
    if (o.latitudeDeg.has_value() == o.longitudeDeg.has_value()) return true;
    err << who << ": --lat and --lon go together\n";
    return false;
}

CDateTime ChosenTime(const PlaceAndTime& o) {
    if (o.time) return *o.time;
    CDateTime now = CDateTime::GetCurrentTime();
    return o.utc ? GetUniversalTime(now, false) : now;
}

bool LoadDocument(CLumoDoc& doc, const std::string& who, std::ostream& err) {
    CDocFile file;
    const ProgramFiles files = LocateProgramFiles(ExecutableFolder());
    bool loaded = file.Open(doc, files.DocumentToRead()) == CDocFile::OpenResult::Loaded;
    if (!loaded) err << who << ": " << file.Error() << "; using the initial place and settings\n";
    return loaded;
}

void ApplyPlace(CLumoDoc& doc, const PlaceAndTime& o) {
    if (o.latitudeDeg && o.longitudeDeg) {
        doc.m_fLatitude = static_cast<float>(*o.latitudeDeg * kDegToRad);
        doc.m_fLongitude = static_cast<float>(*o.longitudeDeg * kDegToRad);
    }
}
