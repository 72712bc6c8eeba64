#pragma once
// CLocalizacion: a city of the Where list.

#include <string>

#include "framework/object.h"

class CLocalizacion : public CObject {
    LUMO_DECLARE_SERIAL(CLocalizacion)
public:
    std::string m_strName;
    float m_fLatitude = 0;   // radians, north positive
    float m_fLongitude = 0;  // radians, east positive

    // Archive layout: name, latitude f32, longitude f32.
    void Serialize(CArchive& ar) override;
};
