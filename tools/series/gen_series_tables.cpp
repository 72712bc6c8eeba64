// Build-time generator of the series coefficient tables.
//
//   lumo-series-gen VSOP.tsv MOON.tsv PLUTO.tsv DELTAT.tsv NUTATION.tsv MOONS.tsv OUT.cpp
//
// Reads the coefficient files of astro/data (comment lines starting with '#'
// before the header are skipped: they carry the provenance), checks every row (column
// count, numbers, the order of planets, coordinates, powers and term indices,
// the range of the argument multiples) and writes a C++ source file that
// defines the tables declared in astro/series_tables.h. The numbers are copied
// as the decimal text of the data files, so the compiler reads exactly the
// published digits. On any fault it names the file and line, writes nothing
// and exits with status 1. It uses only the standard library, so it builds
// before anything else.

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kMaxMoonMultiple = 4;   // as in astro/series_tables.h
constexpr int kMaxPlutoMultiple = 6;  // as in astro/series_tables.h
constexpr int kMaxNutationMultiple = 4;  // as in astro/series_tables.h
constexpr size_t kMaxSeriesFrequencies = 1024;  // as in astro/series_tables.h
const char* const kPlanets[] = {"Mercury", "Venus", "Earth", "Mars",
                                "Jupiter", "Saturn", "Uranus", "Neptune"};
const char kCoordinates[] = {'L', 'B', 'R'};

struct Failure {
    std::string message;
};

struct Table {
    std::string path;
    std::vector<std::vector<std::string>> rows;  // data rows, header removed
    std::vector<int> lines;                      // file line of each row
};

[[noreturn]] void Fail(const Table& t, size_t row, const std::string& what) {
    throw Failure{t.path + ":" + std::to_string(t.lines[row]) + ": " + what};
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return out;
        start = tab + 1;
    }
}

Table ReadTable(const std::string& path, const std::string& header, size_t columns) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure{path + ": cannot open"};
    Table t{path, {}, {}};
    std::string line;
    int number = 0;
    bool sawHeader = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!sawHeader) {
            if (!line.empty() && line[0] == '#') continue;
            if (line != header) throw Failure{path + ":" + std::to_string(number) + ": unexpected header"};
            sawHeader = true;
            continue;
        }
        if (line.empty()) continue;
        std::vector<std::string> cells = SplitTabs(line);
        if (cells.size() != columns)
            throw Failure{path + ":" + std::to_string(number) + ": expected " +
                          std::to_string(columns) + " columns, found " +
                          std::to_string(cells.size())};
        t.rows.push_back(std::move(cells));
        t.lines.push_back(number);
    }
    if (!sawHeader) throw Failure{path + ": empty file"};
    return t;
}

long Integer(const Table& t, size_t row, size_t col, long lo, long hi) {
    const std::string& s = t.rows[row][col];
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0' || errno != 0) Fail(t, row, "not an integer: '" + s + "'");
    if (v < lo || v > hi)
        Fail(t, row, "value " + s + " outside " + std::to_string(lo) + ".." + std::to_string(hi));
    return v;
}

// A decimal number as C++ source text: the file's own digits, made a double
// literal.
std::string Decimal(const Table& t, size_t row, size_t col) {
    const std::string& s = t.rows[row][col];
    errno = 0;
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != '\0' || errno != 0 || !std::isfinite(v))
        Fail(t, row, "not a finite number: '" + s + "'");
    if (s.find_first_of("xXpP") != std::string::npos) Fail(t, row, "not a decimal number: '" + s + "'");
    return s.find_first_of(".eE") == std::string::npos ? s + ".0" : s;
}

// The planetary series. Emits the term array and each planet's layout.
void EmitVsop(const Table& t, std::ostream& out) {
    out << "const SeriesTerm kTerms[] = {\n";
    std::ostringstream layout;
    size_t row = 0;
    std::set<double> frequencies;
    for (int p = 0; p < 8; ++p) {
        layout << "    {  // " << kPlanets[p] << "\n";
        std::string counts;
        for (int c = 0; c < 3; ++c) {
            layout << "        {";
            int powers = 0;
            while (row < t.rows.size() && t.rows[row][0] == kPlanets[p] &&
                   t.rows[row][1] == std::string(1, kCoordinates[c])) {
                long power = Integer(t, row, 2, 0, 5);
                if (power != powers)
                    Fail(t, row, "power " + std::to_string(power) + " where " +
                                     std::to_string(powers) + " was due");
                size_t first = row;
                long index = 0;
                while (row < t.rows.size() && t.rows[row][0] == kPlanets[p] &&
                       t.rows[row][1] == std::string(1, kCoordinates[c]) &&
                       t.rows[row][2] == t.rows[first][2]) {
                    if (Integer(t, row, 3, 0, 65535) != index)
                        Fail(t, row, "term index " + t.rows[row][3] + " where " +
                                         std::to_string(index) + " was due");
                    Integer(t, row, 4, -999999999999999L, 999999999999999L);  // exact in a double
                    out << "    {" << Decimal(t, row, 4) << ", " << Decimal(t, row, 5) << ", "
                        << Decimal(t, row, 6) << "},\n";
                    frequencies.insert(std::strtod(t.rows[row][6].c_str(), nullptr));
                    if (frequencies.size() > kMaxSeriesFrequencies)
                        Fail(t, row, "more than " + std::to_string(kMaxSeriesFrequencies) +
                                         " distinct frequencies");
                    ++index;
                    ++row;
                }
                layout << "{" << first << ", " << (row - first) << "}, ";
                ++powers;
            }
            if (powers == 0) {
                if (row < t.rows.size()) Fail(t, row, std::string("no ") + kCoordinates[c] +
                                                          " series for " + kPlanets[p]);
                throw Failure{t.path + ": ends before the " + kCoordinates[c] + " series of " +
                              kPlanets[p]};
            }
            layout << "},\n";
            counts += (c ? ", " : "") + std::to_string(powers);
        }
        layout << "        " << counts << "},\n";
    }
    if (row != t.rows.size()) Fail(t, row, "unexpected row (planet '" + t.rows[row][0] + "')");
    if (row > 65535) throw Failure{t.path + ": too many terms"};
    out << "};\n\n";
    out << "const PlanetSeries kPlanets[8] = {\n" << layout.str() << "};\n\n";
}

void EmitMoonRow(const Table& t, size_t row, bool withDistance, std::ostream& out) {
    out << "    {";
    for (size_t col = 2; col <= 5; ++col)
        out << Integer(t, row, col, -kMaxMoonMultiple, kMaxMoonMultiple) << ", ";
    out << Integer(t, row, 6, -2000000000L, 2000000000L) << ", ";
    if (withDistance)
        out << Integer(t, row, 7, -2000000000L, 2000000000L);
    else if (!t.rows[row][7].empty())
        Fail(t, row, "a latitude row has a distance coefficient");
    else
        out << 0;
    out << "},\n";
}

// The Moon's two tables, A (longitude and distance) then B (latitude).
void EmitMoon(const Table& t, std::ostream& out) {
    size_t row = 0;
    for (const char* table : {"A", "B"}) {
        out << "const MoonTerm kMoon" << table << "[] = {\n";
        long index = 0;
        for (; row < t.rows.size() && t.rows[row][0] == table; ++row, ++index) {
            if (Integer(t, row, 1, 0, 1000) != index)
                Fail(t, row, "row index " + t.rows[row][1] + " where " + std::to_string(index) +
                                 " was due");
            EmitMoonRow(t, row, table[0] == 'A', out);
        }
        if (index == 0) throw Failure{t.path + ": table " + table + " is empty"};
        out << "};\n\n";
    }
    if (row != t.rows.size()) Fail(t, row, "unexpected table '" + t.rows[row][0] + "'");
}

void EmitPluto(const Table& t, std::ostream& out) {
    if (t.rows.empty()) throw Failure{t.path + ": no terms"};
    out << "const PlutoTerm kPluto[] = {\n";
    for (size_t row = 0; row < t.rows.size(); ++row) {
        out << "    {";
        for (size_t col = 0; col < 3; ++col)
            out << Integer(t, row, col, -kMaxPlutoMultiple, kMaxPlutoMultiple) << ", ";
        for (size_t col = 3; col < 9; ++col)
            out << Integer(t, row, col, -2000000000L, 2000000000L) << (col < 8 ? ", " : "");
        out << "},\n";
    }
    out << "};\n\n";
}

// A decimal cell that may be empty (then 0).
std::string DecimalOrZero(const Table& t, size_t row, size_t col) {
    return t.rows[row][col].empty() ? "0.0" : Decimal(t, row, col);
}

// Delta T: one polynomial per range of decimal years, ranges in order and
// touching.
void EmitDeltaT(const Table& t, std::ostream& out) {
    if (t.rows.empty()) throw Failure{t.path + ": no rows"};
    out << "const DeltaTRange kDeltaT[] = {\n";
    for (size_t row = 0; row < t.rows.size(); ++row) {
        if (row > 0 && t.rows[row][0] != t.rows[row - 1][1])
            Fail(t, row, "range does not start where the previous one ends");
        if (std::strtod(t.rows[row][3].c_str(), nullptr) <= 0) Fail(t, row, "scale must be positive");
        out << "    {";
        for (size_t col = 0; col < 4; ++col) out << Decimal(t, row, col) << ", ";
        out << "{";
        for (size_t col = 4; col < 12; ++col) out << DecimalOrZero(t, row, col) << (col < 11 ? ", " : "");
        out << "}},\n";
    }
    out << "};\n\n";
}

// The nutation series: multiples of D, M, M', F, Om and four coefficients.
void EmitNutation(const Table& t, std::ostream& out) {
    if (t.rows.empty()) throw Failure{t.path + ": no terms"};
    out << "const NutationTerm kNutation[] = {\n";
    for (size_t row = 0; row < t.rows.size(); ++row) {
        if (Integer(t, row, 0, 1, 1000) != static_cast<long>(row + 1))
            Fail(t, row, "term number out of order");
        out << "    {";
        for (size_t col = 1; col <= 5; ++col)
            out << Integer(t, row, col, -kMaxNutationMultiple, kMaxNutationMultiple) << ", ";
        for (size_t col = 6; col <= 9; ++col) out << Decimal(t, row, col) << (col < 9 ? ", " : "");
        out << "},\n";
    }
    out << "};\n\n";
}

// The mean elements of the planetary moons, one row per moon.
void EmitMoonElements(const Table& t, std::ostream& out) {
    if (t.rows.empty()) throw Failure{t.path + ": no moons"};
    out << "const MoonElements kMoonElements[] = {\n";
    for (size_t row = 0; row < t.rows.size(); ++row) {
        for (size_t col : {0u, 1u})
            if (t.rows[row][col].empty() ||
                t.rows[row][col].find_first_of("\"\\") != std::string::npos)
                Fail(t, row, "bad name '" + t.rows[row][col] + "'");
        out << "    {\"" << t.rows[row][0] << "\", \"" << t.rows[row][1] << "\", ";
        for (size_t col = 2; col <= 11; ++col) out << Decimal(t, row, col) << ", ";
        for (size_t col : {10u, 11u})
            if (std::strtod(t.rows[row][col].c_str(), nullptr) <= 0) Fail(t, row, "period must be positive");
        for (size_t col = 12; col <= 13; ++col) out << Integer(t, row, col, -1, 1) << ", ";
        out << Decimal(t, row, 14) << ", " << Decimal(t, row, 15) << "},\n";
    }
    out << "};\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::cerr << "usage: lumo-series-gen VSOP.tsv MOON.tsv PLUTO.tsv DELTAT.tsv NUTATION.tsv "
                     "MOONS.tsv OUT.cpp\n";
        return 2;
    }
    std::ostringstream out;
    try {
        Table vsop = ReadTable(argv[1], "planet\tcoordinate\tpower\tindex\tA\tB\tC", 7);
        Table moon = ReadTable(argv[2], "table\tindex\tD\tM\tMp\tF\tsl_sb\tsr", 8);
        Table pluto = ReadTable(argv[3], "i\tj\tk\tlA\tlB\tbA\tbB\trA\trB", 9);
        Table deltaT = ReadTable(argv[4], "y_min\ty_max\tx0\txscale\tc0\tc1\tc2\tc3\tc4\tc5\tc6\tc7\tpublished", 13);
        Table nutation = ReadTable(argv[5], "i\tD\tM\tMp\tF\tOm\tpsi\tpsi_T\teps\teps_T\tmeeus22A", 11);
        Table moons = ReadTable(argv[6],
                                "moon\tplanet\tepoch_jd\ta_km\te\tw_deg\tM_deg\ti_deg\tnode_deg\t"
                                "n_deg_per_day\tPw_yr\tPnode_yr\tPw_sense\tnode_sense\tpole_ra_deg\t"
                                "pole_dec_deg\tsrc", 17);
        out << "// Generated by tools/series/gen_series_tables.cpp from astro/data/*.tsv.\n"
               "// Do not edit: change the data files and rebuild.\n\n"
               "#include \"astro/series_tables.h\"\n\n"
               "namespace {\n\n";
        EmitVsop(vsop, out);
        EmitMoon(moon, out);
        EmitPluto(pluto, out);
        EmitDeltaT(deltaT, out);
        EmitNutation(nutation, out);
        EmitMoonElements(moons, out);
        out << "}  // namespace\n\n"
               "std::span<const SeriesTerm> VsopTerms() { return kTerms; }\n"
               "std::span<const PlanetSeries> VsopPlanets() { return kPlanets; }\n"
               "std::span<const MoonTerm> MoonLongitudeDistanceTerms() { return kMoonA; }\n"
               "std::span<const MoonTerm> MoonLatitudeTerms() { return kMoonB; }\n"
               "std::span<const PlutoTerm> PlutoTerms() { return kPluto; }\n"
               "std::span<const DeltaTRange> DeltaTRanges() { return kDeltaT; }\n"
               "std::span<const NutationTerm> NutationTerms() { return kNutation; }\n"
               "std::span<const MoonElements> MoonElementRows() { return kMoonElements; }\n";
    } catch (const Failure& f) {
        std::cerr << "lumo-series-gen: " << f.message << "\n";
        return 1;
    }
    // Write beside the target and rename, so a failed run leaves no half file.
    std::string target = argv[7];
    std::string temporary = target + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << out.str();
        if (!file.flush()) {
            std::cerr << "lumo-series-gen: cannot write " << temporary << "\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::cerr << "lumo-series-gen: cannot rename " << temporary << " to " << target << "\n";
        std::remove(temporary.c_str());
        return 1;
    }
    return 0;
}
