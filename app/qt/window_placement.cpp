#include "app/qt/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/qt/lumo_app.h"

namespace {
constexpr const char* kWindowSection = "WINDOW";

long long Area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}
}  // namespace

WindowPlacement ReadWindowPlacement(CLumoApp& app) {
    WindowPlacement placement;
    const int width = app.GetProfileInt(kWindowSection, "Width", 0);
    const int height = app.GetProfileInt(kWindowSection, "Height", 0);
    // A size too small to use (or none) is not taken.
    if (width < kMinWindowWidth || height < kMinWindowHeight) return placement;
    placement.normal = QRect(app.GetProfileInt(kWindowSection, "Left", 0), app.GetProfileInt(kWindowSection, "Top", 0),
                             width, height);
    placement.maximised = app.GetProfileInt(kWindowSection, "Maximized", 0) == 1;
    return placement;
}

void WriteWindowPlacement(CLumoApp& app, const WindowPlacement& placement) {
    app.WriteProfileInt(kWindowSection, "Left", placement.normal.x());
    app.WriteProfileInt(kWindowSection, "Top", placement.normal.y());
    app.WriteProfileInt(kWindowSection, "Width", placement.normal.width());
    app.WriteProfileInt(kWindowSection, "Height", placement.normal.height());
    app.WriteProfileInt(kWindowSection, "Maximized", placement.maximised ? 1 : 0);
}

WindowPlacement PlacementOf(const QWidget& window) {
    WindowPlacement placement;
    placement.maximised = window.isMaximized();
    placement.normal = placement.maximised ? window.normalGeometry() : window.geometry();
    return placement;
}

QRect FitOnScreens(const QRect& wanted, const QList<QRect>& screens) {
    if (screens.isEmpty()) return wanted;
    const QRect* best = nullptr;
    for (const QRect& s : screens)
        if (Area(s & wanted) > 0 && (!best || Area(s & wanted) > Area(*best & wanted))) best = &s;
    const QRect& screen = best ? *best : screens.front();
    QRect fitted(wanted.topLeft(), QSize(std::min(wanted.width(), screen.width()),
                                         std::min(wanted.height(), screen.height())));
    if (!best) fitted.moveCenter(screen.center());
    // Wholly on the screen: pushed in from the right and bottom, then the left and top.
    fitted.moveRight(std::min(fitted.right(), screen.right()));
    fitted.moveBottom(std::min(fitted.bottom(), screen.bottom()));
    fitted.moveLeft(std::max(fitted.left(), screen.left()));
    fitted.moveTop(std::max(fitted.top(), screen.top()));
    return fitted;
}

void ShowWindowAsSaved(CLumoApp& app, QWidget& window) {
    const WindowPlacement placement = ReadWindowPlacement(app);
    if (placement.normal.isEmpty()) {
        window.resize(kFirstWindowWidth, kFirstWindowHeight);
        window.show();
        return;
    }
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
    for (QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen()) screens << s->availableGeometry();
    window.setGeometry(FitOnScreens(placement.normal, screens));
    if (placement.maximised)
        window.showMaximized();
    else
        window.show();
}
