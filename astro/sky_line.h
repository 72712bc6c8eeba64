#pragma once
// CSkyLine: a straight segment between two sky points. Constellation figures
// and boundaries are stored as these; the grid and ecliptic are built of them.

#include "astro/sky_point.h"
#include "framework/object.h"

class CSkyLine : public CObject {
public:
    CSkyLine() = default;
    CSkyLine(const SkyPoint& start, const SkyPoint& end) : m_start(start), m_end(end) {}
    SkyPoint m_start;
    SkyPoint m_end;

    // Archive layout: start then end point, 88 bytes, no tag and no name.
    void Serialize(CArchive& ar) override;
};

constexpr int kSkyLineBytes = 2 * kSkyPointBytes;
