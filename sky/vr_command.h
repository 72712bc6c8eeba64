#pragma once
// VR mode on and off: the observer stands at the centre of the aimed body
// (VR) or on the Earth's surface. Either way the ground goes off. The menu's
// "VR..." toggles; `lumo render --vr BODY` switches it on.

class CLumoDoc;

void SetVrMode(CLumoDoc& doc, bool on);
// The "VR..." command: VR mode the other way round.
void VrCommand(CLumoDoc& doc);
