#include "sky/milky_way_fill.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "engine/surface.h"
#include "sky/sky_camera.h"

namespace {
constexpr double kQ15 = 32768.0;
// The depth of a point in front that the outline leaves out.
constexpr double kSkipped = 1e30;

// ceil(v) for v in [0, 2^31 - 1): exact, without a library
// call.
int32_t CeilSmall(double v) {
    const int32_t t = static_cast<int32_t>(v);
    return t + (static_cast<double>(t) < v);
}

// ceil(v) held inside [0, limit] (a whole number below 2^31), as the low
// end of a span: NaN gives 0.
int32_t CeilLow(double v, int32_t limit) {
    return CeilSmall(std::min(double(limit), std::max(0.0, v)));
}

// The same as the high end of a span: NaN gives limit.
int32_t CeilHigh(double v, int32_t limit) {
    return CeilSmall(std::max(0.0, std::min(double(limit), v)));
}

}  // namespace

MilkyWayOutline::MilkyWayOutline(const CSkyCamera& camera, double focal, double centreX,
                                 double centreY, double viewCos)
    : m_camera(camera), m_focal(focal), m_cx(centreX), m_cy(centreY), m_viewCos(viewCos) {
    // Enough rim vertices that a chord strays less than a quarter pixel.
    m_rimSteps = std::max(64, 4 * static_cast<int32_t>(std::ceil(kPi * std::sqrt(2 * focal) / 4)));
}

void MilkyWayOutline::Clear() {
    m_edges.clear();
    m_flip = false;
}

void MilkyWayOutline::RimArc(double a, double b, std::vector<double>& path) const {
    const double step = 2 * kPi / m_rimSteps;
    if (b < a) b += 2 * kPi;
    for (int32_t k = static_cast<int32_t>(std::floor(a / step)) + 1; k * step < b; ++k) {
        const double t = k * step;
        path.push_back(m_cx + m_focal * std::cos(t));
        path.push_back(m_cy + m_focal * std::sin(t));
    }
}

bool MilkyWayOutline::AddPath(const std::vector<double>& p) {
    const size_t n = p.size() / 2, base = m_edges.size();
    m_edges.resize(base + n);
    FillEdge* edge = m_edges.data() + base;
    // Whether the surface centre lies inside: a ray from it to the right.
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = p[2 * i], yi = p[2 * i + 1], xj = p[2 * j], yj = p[2 * j + 1];
        *edge++ = {xj, yj, xi, yi};
        if ((yi > m_cy) == (yj > m_cy)) continue;
        if (xj + (m_cy - yj) * (xi - xj) / (yi - yj) > m_cx) inside = !inside;
    }
    return inside;
}

void MilkyWayOutline::AddRim() {
    std::vector<double> rim;
    RimArc(0, 2 * kPi - 1e-12, rim);
    rim.insert(rim.begin(), {m_cx + m_focal, m_cy});
    AddPath(rim);
}

void MilkyWayOutline::AddRing(const MilkyWayRing& ring) {
    const Vec3i& d = m_camera.m_vDepth;
    const size_t n = ring.directions.size();
    if (n < 3) return;
    // Whether the view centre lies inside the ring: beyond a cap that holds
    // the ring that is known from the ring alone, else it is counted.
    const double centre[3] = {d.x / kQ15, d.y / kQ15, d.z / kQ15};
    bool centreInside;
    if (ring.capCos > 0) {
        const double c = ring.capCentre[0] * centre[0] + ring.capCentre[1] * centre[1] +
                         ring.capCentre[2] * centre[2];
        const double toCap = std::acos(std::clamp(c, -1.0, 1.0));
        const double capRadius = std::acos(ring.capCos);
        // A cap wholly outside the view: the ring adds nothing or a whole disc.
        if (m_viewCos > -1 && toCap > capRadius + std::acos(m_viewCos)) {
            if (ring.insideBeyondCap) m_flip = !m_flip;
            return;
        }
        centreInside = toCap > capRadius ? ring.insideBeyondCap : InsideRing(ring, centre);
    } else {
        centreInside = InsideRing(ring, centre);
    }
    // At most n points are placed (a run's stand-in point replaces at least
    // one of its points).
    std::vector<CameraPoint>& cam = m_cameraPoints;
    cam.resize(n);
    size_t placed = 0;
    auto place = [&](size_t i) {
        const SkyDirQ15& v = ring.directions[i % n];
        const Vec3i c = m_camera.ToCamera(v.x, v.y, v.z);
        cam[placed++] = {double(c.x), double(c.y), double(c.z)};
    };
    // A run wholly behind the viewer keeps only its ends (the points between
    // are hidden); a run in front but wholly outside the view is replaced by
    // the chord between its ends, which changes nothing on the surface (the
    // run and the chord lie in the run's cap, off the view). The points
    // between such ends stand as one point behind, or one point left out:
    // the outline is traced the same through one as through many. Runs that
    // do not follow one another from point 0 round to it are not used.
    const double sinView = std::sqrt(std::max(0.0, 1 - m_viewCos * m_viewCos));
    if (!RunsCoverRing(ring)) {
        for (size_t i = 0; i < n; ++i) place(i);
    } else {
        for (const MilkyWayRing::Chunk& k : ring.chunks) {
            const double cd = (k.centre[0] * d.x + k.centre[1] * d.y + k.centre[2] * d.z) / kQ15;
            const bool behind = cd < -k.sinRadius;
            const bool offView = m_viewCos > -1 && k.cosRadius > 0 && cd > k.sinRadius &&
                                 cd < m_viewCos * k.cosRadius - sinView * k.sinRadius;
            place(k.first);  // its last point is the next run's first
            if (k.last == k.first + 1) continue;
            if (behind)
                cam[placed++] = {0, 0, -1};
            else if (offView)
                cam[placed++] = {0, 0, kSkipped};
            else
                for (uint32_t i = k.first + 1; i < k.last; ++i) place(i);
        }
    }
    cam.resize(placed);
    size_t firstVisible = placed;
    for (size_t i = 0; i < placed && firstVisible == placed; ++i)
        if (cam[i].z >= 0) firstVisible = i;
    m_path.clear();
    if (firstVisible < placed) TracePath(cam, firstVisible);
    // The outline's even-odd inside differs from the ring's by the whole
    // disc or not at all: the centre tells which.
    const bool outlineInside = m_path.size() >= 6 && AddPath(m_path);
    if (outlineInside != centreInside) m_flip = !m_flip;
}

void MilkyWayOutline::TracePath(const std::vector<CameraPoint>& cam, size_t firstVisible) {
    const size_t n = cam.size();
    auto sx = [&](const CameraPoint& p) { return m_cx - m_focal * p.x / kQ15; };
    auto sy = [&](const CameraPoint& p) { return m_cy + m_focal * p.y / kQ15; };
    double exitAngle = 0;
    // From the first visible point once round: a is point i, b the next.
    size_t i = firstVisible;
    for (size_t k = 0; k < n; ++k) {
        const size_t next = i + 1 == n ? 0 : i + 1;
        const CameraPoint& a = cam[i];
        const CameraPoint& b = cam[next];
        i = next;
        if (a.z < 0 && b.z < 0) continue;  // behind the viewer
        if (a.z >= 0 && a.z != kSkipped) {
            m_path.push_back(sx(a));
            m_path.push_back(sy(a));
        }
        if ((a.z >= 0) == (b.z >= 0)) continue;
        // Where the edge meets the rim, as an angle round the surface centre.
        const double t = a.z / (a.z - b.z);
        const double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y);
        const double angle = std::atan2(y, -x);  // surface x runs against X
        const double fold = angle < 0 ? angle + 2 * kPi : angle;
        if (a.z >= 0)
            exitAngle = fold;
        else
            RimArc(exitAngle, fold, m_path);
        m_path.push_back(m_cx + m_focal * std::cos(fold));
        m_path.push_back(m_cy + m_focal * std::sin(fold));
    }
}

const std::vector<FillEdge>& MilkyWayOutline::Finish() {
    if (m_flip) AddRim();
    m_flip = false;
    return m_edges;
}

void FillEvenOdd(Surface& s, const std::vector<FillEdge>& edges, uint8_t index) {
    const int32_t height = s.Height, width = s.Stride;
    if (height <= 0 || width <= 0 || edges.empty()) return;
    // The rows each edge crosses: those whose centre y satisfies y0 <= y < y1.
    std::vector<std::pair<int32_t, int32_t>> rows(edges.size());
    int32_t top = height, bottom = 0;  // the rows any edge crosses: top .. bottom - 1
    for (size_t i = 0; i < edges.size(); ++i) {
        const FillEdge& e = edges[i];
        rows[i] = {CeilLow(std::min(e.y0, e.y1), height), CeilHigh(std::max(e.y0, e.y1), height)};
        if (rows[i].first < rows[i].second) {
            top = std::min(top, rows[i].first);
            bottom = std::max(bottom, rows[i].second);
        }
    }
    // Crossings of each row's centre line, bucketed by row.
    std::vector<int32_t> start(static_cast<size_t>(height) + 1, 0);
    for (const auto& [lo, hi] : rows)
        for (int32_t y = lo; y < hi; ++y) ++start[y + 1];
    for (int32_t y = 0; y < height; ++y) start[y + 1] += start[y];
    std::vector<double> xs(static_cast<size_t>(start[height]));
    std::vector<int32_t> fill(start.begin(), start.end() - 1);
    for (size_t i = 0; i < edges.size(); ++i) {
        const auto [lo, hi] = rows[i];
        if (lo >= hi) continue;
        const FillEdge& e = edges[i];
        const double slope = (e.x1 - e.x0) / (e.y1 - e.y0);
        for (int32_t y = lo; y < hi; ++y) xs[fill[y]++] = e.x0 + (y - e.y0) * slope;
    }
    for (int32_t y = top; y < bottom; ++y) {
        double* first = xs.data() + start[y];
        double* last = xs.data() + start[y + 1];
        // Mostly a few crossings a row: an insertion sort for those.
        if (last - first > 32) std::sort(first, last);
        for (double* p = first + 1; p < last; ++p) {
            const double v = *p;
            double* q = p;
            for (; q > first && v < q[-1]; --q) *q = q[-1];
            *q = v;
        }
        uint8_t* row = s.RowBase + static_cast<ptrdiff_t>(y) * s.RowStep;
        for (double* p = first; p + 1 < last; p += 2) {
            // Columns whose centre x satisfies x0 <= x < x1.
            const int32_t x0 = CeilLow(p[0], width), x1 = CeilHigh(p[1], width);
            if (x0 < x1) std::fill(row + x0, row + x1, index);
        }
    }
}
