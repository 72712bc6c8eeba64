#include "sky/vr_command.h"

#include "catalogue/lumo_doc.h"

void SetVrMode(CLumoDoc& doc, bool on) {
    doc.m_bObserverOnBody = on ? 1 : 0;
    doc.m_bGround = 0;
}

void VrCommand(CLumoDoc& doc) { SetVrMode(doc, !doc.m_bObserverOnBody); }
