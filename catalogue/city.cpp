#include "catalogue/city.h"

#include "framework/archive.h"

LUMO_IMPLEMENT_SERIAL(CLocalizacion, 1)

void CLocalizacion::Serialize(CArchive& ar) {
    ar.Exchange(m_strName);
    ar.Exchange(m_fLatitude);
    ar.Exchange(m_fLongitude);
}
