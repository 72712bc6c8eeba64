#pragma once
// The main window's size, position and maximised state across runs. They are
// kept in the profile beside "TIME"/"GMT": section "WINDOW", entries "Left",
// "Top", "Width", "Height" (the window's normal, not maximised, geometry in
// screen pixels, without the frame) and "Maximized" (0 or 1). Saved when the
// window closes, applied before it is first shown. A place that is no longer
// on any screen (a screen was removed) is moved onto one.

#include <QList>
#include <QRect>

class CLumoApp;
class QWidget;

struct WindowPlacement {
    QRect normal;  // empty: nothing saved yet
    bool maximised = false;
};

// The smallest window kept from the profile, and the size of the first run.
constexpr int kMinWindowWidth = 320, kMinWindowHeight = 240;
constexpr int kFirstWindowWidth = 800, kFirstWindowHeight = 600;

WindowPlacement ReadWindowPlacement(CLumoApp& app);
void WriteWindowPlacement(CLumoApp& app, const WindowPlacement& placement);
// The placement of a window now.
WindowPlacement PlacementOf(const QWidget& window);

// A saved rectangle made to fit the screens (their available areas, the
// primary first): no larger than the screen it is put on and wholly on it.
// It stays on the screen it overlaps most; when it overlaps none it is
// centred on the primary screen. Without screens it is returned as it is.
QRect FitOnScreens(const QRect& wanted, const QList<QRect>& screens);

// Sizes and places the main window as saved (the first run: 800 x 600,
// placed by the window manager) and shows it, maximised when it was.
void ShowWindowAsSaved(CLumoApp& app, QWidget& window);
