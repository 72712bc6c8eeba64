#pragma once
// Pointing the view at an object: the Aim menu's commands (lock the view on
// a body, or release the lock) with their check marks and enabled states,
// and the Seek command (turn the view once towards the first body or star
// whose name contains a text). Called by the main view's command handlers.

#include <string_view>

class CLumoDoc;
class CLumoWnd;

// An Aim item, on the window's document: the body named (exact name)
// becomes the locked-on body, or, when it already is, the lock is released;
// a name no body has releases the lock too. The window repaints. Nothing
// happens to a window without a document.
void AimCommand(CLumoWnd& wnd, std::string_view bodyName);

// The check mark of an Aim item: the view is locked on that body.
bool AimItemChecked(const CLumoDoc& doc, std::string_view bodyName);
// The "Earth" item is enabled only in VR mode (standing on another body);
// every other item always.
bool AimItemEnabled(const CLumoDoc& doc, std::string_view bodyName);

// The Seek command once its dialog closed with OK: the lock is released and
// the view switches to Equatorial mode, whatever the search finds. A body
// (or a star at right ascension and declination both 0) is aimed at by its
// position as seen from the window's eye; any other star by its right
// ascension and declination. The window repaints when something was found;
// false (and no repaint) when nothing was, for the caller's "Not found".
bool SeekCommand(CLumoWnd& wnd, std::string_view text);
