#pragma once
// Filling the Milky Way's levels: each level is the part of the sky inside an
// odd number of its rings (catalogue/deep_sky.h), and is filled where it lies
// on the visible hemisphere, whatever part of its rings is behind the viewer
// or off the surface.
//
// A ring is cut where it passes behind the viewer (depth Z < 0) and its
// visible pieces are joined along the rim (the circle of radius F round the
// surface centre, where Z = 0) counter-clockwise. The even-odd inside of
// that closed outline differs from the ring's visible inside at most by the
// whole disc (two ways round the rim differ by a whole turn), so comparing
// the two at the view centre, where the ring's inside is counted on the
// sphere, settles it. A ring that is all behind the viewer, or whose cap
// lies outside the view, adds either nothing or a whole disc.

#include <cstdint>
#include <vector>

#include "catalogue/deep_sky.h"

class CSkyCamera;
struct Surface;

// A ring point in camera coordinates (Q15 units).
struct CameraPoint {
    double x, y, z;
};

// A straight edge of an outline, surface pixels (y up).
struct FillEdge {
    double x0, y0, x1, y1;
};

// The outlines of one level on the surface, ready for FillEvenOdd.
class MilkyWayOutline {
public:
    // focal: F, surface pixels per unit of X or Y; (centreX, centreY): the
    // optical axis; viewCos: the cosine of the angle from the view centre to
    // the farthest corner of the surface (-1 when the whole hemisphere shows).
    MilkyWayOutline(const CSkyCamera& camera, double focal, double centreX, double centreY,
                    double viewCos);

    // Adds a ring's visible outline (or its whole-disc contribution).
    void AddRing(const MilkyWayRing& ring);
    // The edges to fill: the outlines, plus the rim once when the flips add
    // up to an odd number.
    const std::vector<FillEdge>& Finish();
    void Clear();

private:
    void AddRim();
    // Rim vertices from angle a to angle b (radians, counter-clockwise),
    // appended to the path.
    void RimArc(double a, double b, std::vector<double>& path) const;
    // Traces the visible pieces of a ring from its first visible point,
    // joined along the rim, into m_path.
    void TracePath(const std::vector<CameraPoint>& cam, size_t firstVisible);
    // Adds the edges of a closed path; returns its even-odd inside at the
    // surface centre.
    bool AddPath(const std::vector<double>& path);

    const CSkyCamera& m_camera;
    double m_focal, m_cx, m_cy, m_viewCos;
    int32_t m_rimSteps;
    bool m_flip = false;
    std::vector<FillEdge> m_edges;
    std::vector<double> m_path;  // x, y pairs
    std::vector<CameraPoint> m_cameraPoints;
};

// Fills, in palette index `index`, every pixel of the surface whose centre
// lies inside an odd number of the closed outlines the edges make (the edges
// of each outline joined end to end).
void FillEvenOdd(Surface& surface, const std::vector<FillEdge>& edges, uint8_t index);
