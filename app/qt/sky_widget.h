#pragma once
// The sky window's widget: hosts the sky core (CLumoWnd), shows its surface
// one pixel right of the left edge, turns mouse events into the stylus
// handlers and runs the 10 ms timer from press to release. The surface has
// the screen's physical pixels: the widget's size times its device pixel
// ratio, which is also the sky's scale (sky_scale.h); mouse positions are
// turned into those pixels. The wheel is handed on in whole notches.

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "sky/lumo_wnd.h"
#include "sky/sky_host.h"

class CLumoDoc;
struct SkyTools;

class CSkyWidget : public QWidget, public SkyHost {
public:
    CSkyWidget(CLumoDoc* doc, const SkyTimeSource* time, SkyTools* tools, QWidget* parent);
    ~CSkyWidget() override;

    CLumoWnd& Wnd() { return m_wnd; }
    void Redraw() { m_wnd.Redraw(); }
    void SetDocument(CLumoDoc* doc) { m_wnd.m_pDoc = doc; }
    // The picture shown now (the last presented frame).
    const QImage& Picture() const { return m_picture; }
    int Paints() const { return m_paints; }
    // Called with the number of wheel notches turned (positive away from
    // the user), once a whole notch has gathered.
    void SetWheelHandler(std::function<void(int)> handler) { m_onWheel = std::move(handler); }
    // While set, the Star and Planet dialogs have a "Slew" button that calls
    // it with the record's name.
    void SetSlewHandler(std::function<void(const std::string&)> handler) { m_onSlew = std::move(handler); }
    // Takes the window's current device pixel ratio as the sky's scale;
    // when it changed, the surface is made again and the sky repainted.
    void UpdateScale();

    // SkyHost
    void GetClientSize(int32_t& width, int32_t& height) const override;
    void Present(const PresentedFrame& frame) override;
    void StartTimer(int32_t id, int32_t milliseconds) override;
    void StopTimer(int32_t id) override;
    void CaptureStylus() override;
    void ReleaseStylus() override;
    void ShowLockedMessage() override;
    void ShowStarInfo(const CStar& star) override;
    void ShowDeepSkyInfo(const DeepSkyObject& object) override;
    void ShowPlanetInfo(const CPlanet& planet) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A position in the widget as a surface pixel.
    QPoint ToSurface(const QPointF& position) const;
    // Adds the rise, transit and set lines of a catalogue place (J2000) for
    // the day the time bar shows.
    void AddDayLines(std::vector<std::string>& lines, const SkyPoint& place) const;
    // The Slew button's action for a record, or none.
    std::function<void()> SlewAction(const std::string& name) const;
    // Ends the mouse grab, if this widget holds it: every box shown from a
    // mouse handler calls it first, so the box can be clicked.
    void LetGoOfMouse();
    // The scale of the screen the widget is on.
    SkyScale ScreenScale() const;

    CLumoWnd m_wnd;
    std::function<void(int)> m_onWheel;
    std::function<void(const std::string&)> m_onSlew;
    int m_wheelEighths = 0;  // wheel turn gathered toward the next notch
    bool m_screenWatched = false;
    QImage m_picture;
    QPoint m_blit;
    QTimer m_timer;
    int m_paints = 0;
};
