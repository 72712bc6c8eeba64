#include "catalogue/sky_label.h"

#include "framework/archive.h"

void CSkyLabel::Serialize(CArchive& ar) {
    m_pos.Serialize(ar);
    ar.Exchange(m_strName);
}
