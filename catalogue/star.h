#pragma once
// CStar: one star of the catalogue.

#include <cstdint>
#include <string>

#include "astro/sky_point.h"
#include "framework/object.h"

class CStar : public CObject {
    LUMO_DECLARE_SERIAL(CStar)
public:
    std::string m_strName;
    SkyPoint m_pos;                        // right ascension, declination, direction
    int32_t m_ptScreen[2] = {2000, 2000};  // kept in the archive only, unused
    float m_fMagnitude = 0;                // visual magnitude, smaller is brighter
    uint8_t m_cType = 0;                   // spectral type letter

    // Archive layout: name, point (44), screen x y (8), magnitude (4), type (1).
    void Serialize(CArchive& ar) override;
};
