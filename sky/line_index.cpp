#include "sky/line_index.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kQ15 = 32768.0;
// A group spans at most this many segments and this angle round its centre.
constexpr uint32_t kGroupSegments = 32;
constexpr double kGroupRadius = 0.15;  // radians, about 8.6 degrees
constexpr size_t kSetsKept = 8;
// The radius is widened by this (radians) for the rounding of the Q15 ends.
constexpr double kRadiusMargin = 1e-3;

struct Dir {
    double v[3];
};

Dir Unit(const SkyPoint& p) {
    const double x = p.X / kQ15, y = p.Y / kQ15, z = p.Z / kQ15;
    const double n = std::sqrt(x * x + y * y + z * z);
    if (n == 0) return {{0, 0, 0}};
    return {{x / n, y / n, z / n}};
}

// The cap round the normalised sum of the ends: its centre and the cosine
// of its radius (the nearest end); false when the ends do not fix one.
bool CapOf(const std::vector<Dir>& ends, double centre[3], double& cosRadius) {
    double sum[3] = {0, 0, 0};
    for (const Dir& d : ends)
        for (int k = 0; k < 3; ++k) sum[k] += d.v[k];
    const double n = std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]);
    if (!(n > 1e-9)) return false;
    for (int k = 0; k < 3; ++k) centre[k] = sum[k] / n;
    cosRadius = 1;
    for (const Dir& d : ends)
        cosRadius = std::min(cosRadius, d.v[0] * centre[0] + d.v[1] * centre[1] + d.v[2] * centre[2]);
    return true;
}

LineGroup MakeGroup(uint32_t first, uint32_t end, const std::vector<Dir>& ends) {
    LineGroup g;
    g.first = first;
    g.end = end;
    double centre[3], cosRadius;
    if (!CapOf(ends, centre, cosRadius) || cosRadius < std::cos(kGroupRadius)) {
        g.everywhere = true;
        return g;
    }
    // The cap's base circle: centre cos(r) c, radius sin(r).
    const double r = std::acos(std::clamp(cosRadius, -1.0, 1.0)) + kRadiusMargin;
    g.x = static_cast<int32_t>(std::lround(std::cos(r) * centre[0] * kQ15));
    g.y = static_cast<int32_t>(std::lround(std::cos(r) * centre[1] * kQ15));
    g.z = static_cast<int32_t>(std::lround(std::cos(r) * centre[2] * kQ15));
    g.radius = static_cast<int32_t>(std::ceil(std::sin(r) * kQ15));
    return g;
}

// The Q15 end points of every segment, in order: a set whose ends differ
// anywhere is indexed again.
std::vector<int32_t> EndsOf(const std::vector<CSkyLine>& lines) {
    std::vector<int32_t> ends;
    ends.reserve(6 * lines.size());
    for (const CSkyLine& line : lines)
        for (const SkyPoint* p : {&line.m_start, &line.m_end}) ends.insert(ends.end(), {p->X, p->Y, p->Z});
    return ends;
}

bool SameEnds(const std::vector<CSkyLine>& lines, const std::vector<int32_t>& ends) {
    if (ends.size() != 6 * lines.size()) return false;
    // Every end compared, without a branch per segment.
    int32_t differ = 0;
    const int32_t* e = ends.data();
    for (const CSkyLine& line : lines) {
        const SkyPoint &a = line.m_start, &b = line.m_end;
        differ |= (a.X ^ e[0]) | (a.Y ^ e[1]) | (a.Z ^ e[2]) | (b.X ^ e[3]) | (b.Y ^ e[4]) | (b.Z ^ e[5]);
        e += 6;
    }
    return differ == 0;
}

// Consecutive segments joined while their ends stay within a small cap.
std::vector<LineGroup> Group(const std::vector<CSkyLine>& lines) {
    std::vector<LineGroup> groups;
    const uint32_t n = static_cast<uint32_t>(lines.size());
    std::vector<Dir> ends;
    uint32_t first = 0;
    while (first < n) {
        ends = {Unit(lines[first].m_start), Unit(lines[first].m_end)};
        uint32_t end = first + 1;
        for (; end < n && end - first < kGroupSegments; ++end) {
            ends.push_back(Unit(lines[end].m_start));
            ends.push_back(Unit(lines[end].m_end));
            double centre[3], cosRadius;
            if (!CapOf(ends, centre, cosRadius) || cosRadius < std::cos(kGroupRadius)) {
                ends.resize(ends.size() - 2);
                break;
            }
        }
        groups.push_back(MakeGroup(first, end, ends));
        first = end;
    }
    return groups;
}

}  // namespace

const std::vector<LineGroup>& LineIndex::GroupsOf(const std::vector<CSkyLine>& lines) {
    for (Set& set : m_sets) {
        if (set.data != lines.data()) continue;
        if (!SameEnds(lines, set.ends)) {
            set.ends = EndsOf(lines);
            set.groups = Group(lines);
        }
        return set.groups;
    }
    // Sets that went away (a catalogue opened again) are forgotten.
    if (m_sets.size() >= kSetsKept) m_sets.erase(m_sets.begin());
    m_sets.push_back({lines.data(), EndsOf(lines), Group(lines)});
    return m_sets.back().groups;
}
