#include "astro/sky_line.h"

void CSkyLine::Serialize(CArchive& ar) {
    m_start.Serialize(ar);
    m_end.Serialize(ar);
}
