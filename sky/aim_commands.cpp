#include "sky/aim_commands.h"

#include "astro/aim.h"
#include "astro/body_table.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/seek.h"
#include "sky/lumo_wnd.h"

void AimCommand(CLumoWnd& wnd, std::string_view bodyName) {
    if (!wnd.m_pDoc) return;
    CLumoDoc& doc = *wnd.m_pDoc;
    CPlanet* body = FindPlanet(doc.m_planets, bodyName);
    doc.m_pAim = body == doc.m_pAim ? nullptr : body;
    wnd.Redraw();
}

bool AimItemChecked(const CLumoDoc& doc, std::string_view bodyName) {
    return doc.m_pAim && doc.m_pAim == FindPlanet(doc.m_planets, bodyName);
}

bool AimItemEnabled(const CLumoDoc& doc, std::string_view bodyName) {
    return bodyName != "Earth" || doc.m_bObserverOnBody != 0;
}

bool SeekCommand(CLumoWnd& wnd, std::string_view text) {
    if (!wnd.m_pDoc) return false;
    CLumoDoc& doc = *wnd.m_pDoc;
    doc.m_pAim = nullptr;
    doc.m_nViewMode = 0;
    SeekResult r = SeekSearch(doc, text, wnd.m_pDeepSky);
    if (!r.found) return false;
    if (r.rightAscension == 0 && r.declination == 0) {
        AimAtPoint(r.target[0], r.target[1], r.target[2], wnd.m_vEye, doc.m_bObserverOnBody,
                   doc.m_nViewElevation, doc.m_nViewAzimuth, doc.m_nViewMode);
    } else {
        doc.m_nViewElevation = static_cast<int32_t>(r.declination * -kAngleUnitsPerRadian);
        doc.m_nViewAzimuth = static_cast<int32_t>(r.rightAscension * kAngleUnitsPerRadian);
    }
    wnd.Redraw();
    return true;
}
