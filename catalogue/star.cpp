#include "catalogue/star.h"

#include "framework/archive.h"

LUMO_IMPLEMENT_SERIAL(CStar, 1)

void CStar::Serialize(CArchive& ar) {
    ar.Exchange(m_strName);
    m_pos.Serialize(ar);
    ar.Exchange(m_ptScreen[0]);
    ar.Exchange(m_ptScreen[1]);
    ar.Exchange(m_fMagnitude);
    ar.Exchange(m_cType);
}
