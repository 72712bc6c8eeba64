#pragma once
// CSkyLabel: a constellation name and where it is drawn.

#include <string>

#include "astro/sky_point.h"
#include "framework/object.h"

class CSkyLabel : public CObject {
public:
    std::string m_strName;
    SkyPoint m_pos;

    // Archive layout: the point first (44 bytes), then the name.
    void Serialize(CArchive& ar) override;
};
