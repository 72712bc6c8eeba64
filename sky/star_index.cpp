#include "sky/star_index.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "catalogue/star.h"

namespace {
constexpr int32_t kBands = 30;  // 6 degrees each
constexpr double kBandHeight = kPi / kBands;

int32_t SectorsOf(int32_t band) {
    if (band == 0 || band == kBands - 1) return 1;  // the polar caps
    const double lower = std::min(std::fabs(-kPi / 2 + band * kBandHeight),
                                  std::fabs(-kPi / 2 + (band + 1) * kBandHeight));
    return std::max(3, static_cast<int32_t>(std::ceil(60 * std::cos(lower))));
}

void Direction(double ra, double dec, double out[3]) {
    // Sky frame: x to 0h, y to the pole, z to 18h.
    out[0] = std::cos(dec) * std::cos(ra);
    out[1] = std::sin(dec);
    out[2] = -std::cos(dec) * std::sin(ra);
}
}  // namespace

void StarIndex::BuildCells() {
    if (!m_cells.empty()) return;
    for (int32_t band = 0; band < kBands; ++band) {
        m_bandFirst.push_back(static_cast<uint16_t>(m_cells.size()));
        const int32_t sectors = SectorsOf(band);
        const double dec0 = -kPi / 2 + band * kBandHeight, dec1 = dec0 + kBandHeight;
        for (int32_t s = 0; s < sectors; ++s) {
            Cell c{};
            const double ra0 = 2 * kPi * s / sectors, ra1 = 2 * kPi * (s + 1) / sectors;
            if (sectors == 1) {
                c.centre[1] = band == 0 ? -1 : 1;
            } else {
                Direction((ra0 + ra1) / 2, (dec0 + dec1) / 2, c.centre);
            }
            // The farthest of the corners and edge middles, and a margin.
            double lowest = 1;
            for (double ra : {ra0, (ra0 + ra1) / 2, ra1})
                for (double dec : {dec0, dec1}) {
                    double v[3];
                    Direction(ra, dec, v);
                    lowest = std::min(lowest, v[0] * c.centre[0] + v[1] * c.centre[1] + v[2] * c.centre[2]);
                }
            const double radius = std::acos(std::clamp(lowest, -1.0, 1.0)) + 0.5 * kDegToRad;
            c.cosRadius = std::cos(radius);
            c.sinRadius = std::sin(radius);
            m_cells.push_back(c);
        }
    }
    m_visible.assign(m_cells.size(), 1);
}

uint16_t StarIndex::CellOf(double ra, double dec) const {
    const int32_t band = std::clamp(static_cast<int32_t>(std::floor((dec + kPi / 2) / kBandHeight)), 0, kBands - 1);
    const int32_t sectors = SectorsOf(band);
    double turn = std::fmod(ra, 2 * kPi);
    if (turn < 0) turn += 2 * kPi;
    const int32_t s = std::clamp(static_cast<int32_t>(std::floor(turn / (2 * kPi) * sectors)), 0, sectors - 1);
    return static_cast<uint16_t>(m_bandFirst[band] + s);
}

bool StarIndex::Update(const Stars& stars) {
    if (m_data == stars.data() && m_size == stars.size() && m_cellOf.size() == stars.size()) return false;
    BuildCells();
    m_data = stars.data();
    m_size = stars.size();
    m_cellOf.resize(m_size);
    for (size_t i = 0; i < m_size; ++i) {
        const CStar& s = *stars[i];
        // The cell of the star's direction as drawn (its Q15 vector).
        const double x = s.m_pos.X, y = s.m_pos.Y, z = s.m_pos.Z;
        m_cellOf[i] = CellOf(std::atan2(-z, x), std::atan2(y, std::hypot(x, z)));
    }
    return true;
}

void StarIndex::MarkVisible(const Vec3i& depth, double reach) {
    const double d[3] = {depth.x / 32768.0, depth.y / 32768.0, depth.z / 32768.0};
    // The view: the cone of half-angle asin(reach) round the depth, at most
    // the front hemisphere. A cell is seen when its cap reaches into it.
    const double sinView = std::min(1.0, reach);
    const double cosView = std::sqrt(1 - sinView * sinView);
    for (size_t i = 0; i < m_cells.size(); ++i) {
        const Cell& c = m_cells[i];
        const double cd = c.centre[0] * d[0] + c.centre[1] * d[1] + c.centre[2] * d[2];
        m_visible[i] = cd >= cosView * c.cosRadius - sinView * c.sinRadius;
    }
}
