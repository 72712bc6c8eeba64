#include "app/qt/sky_widget.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>

#include "app/qt/commands.h"
#include "app/qt/frame_image.h"
#include "app/qt/info_dialogs.h"
#include "catalogue/deep_sky.h"
#include "sky/event_texts.h"
#include "sky/sky_texts.h"

CSkyWidget::CSkyWidget(CLumoDoc* doc, const SkyTimeSource* time, SkyTools* tools, QWidget* parent)
    : QWidget(parent) {
    setObjectName("SkyWindow");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);  // a click on the sky takes the keys from the bar's fields
    m_wnd.m_pDoc = doc;
    m_wnd.m_pHost = this;
    m_wnd.m_pTimeSource = time;
    m_wnd.m_pTools = tools;
    m_wnd.SetScale(ScreenScale());
    m_wnd.OnCreate();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);  // 10 ms ticks: coarse timers would stretch them
    connect(&m_timer, &QTimer::timeout, this, [this] { m_wnd.OnTick(kStylusTimer); });
}

CSkyWidget::~CSkyWidget() {
    m_timer.stop();
    m_wnd.OnDestroy();
}

SkyScale CSkyWidget::ScreenScale() const { return SkyScaleOf(devicePixelRatioF()); }

void CSkyWidget::UpdateScale() {
    if (ScreenScale() == m_wnd.m_scale) return;
    m_wnd.SetScale(ScreenScale());
    m_wnd.OnSize();
    m_wnd.Redraw();
}

void CSkyWidget::GetClientSize(int32_t& w, int32_t& h) const {
    const double f = m_wnd.m_scale.factor;
    w = static_cast<int32_t>(std::lround(width() * f));
    h = static_cast<int32_t>(std::lround(height() * f));
}

QPoint CSkyWidget::ToSurface(const QPointF& position) const {
    const double f = m_wnd.m_scale.factor;
    return QPoint(static_cast<int>(std::floor(position.x() * f)),
                  static_cast<int>(std::floor(position.y() * f)));
}

void CSkyWidget::Present(const PresentedFrame& frame) {
    FrameToRgb(frame, m_picture);
    // One surface pixel to one device pixel.
    m_picture.setDevicePixelRatio(m_wnd.m_scale.factor);
    m_blit = QPoint(frame.BlitX, frame.BlitY);
    ++m_paints;
    repaint();
}

void CSkyWidget::StartTimer(int32_t, int32_t milliseconds) { m_timer.start(milliseconds); }
void CSkyWidget::StopTimer(int32_t) { m_timer.stop(); }
void CSkyWidget::CaptureStylus() { grabMouse(); }
void CSkyWidget::ReleaseStylus() { releaseMouse(); }

void CSkyWidget::LetGoOfMouse() {
    if (QWidget::mouseGrabber() == this) releaseMouse();
}

void CSkyWidget::ShowLockedMessage() {
    LetGoOfMouse();
    QMessageBox::information(this, kAppTitle, QString::fromUtf8(kLockedViewMessage));
}

std::function<void()> CSkyWidget::SlewAction(const std::string& name) const {
    if (!m_onSlew) return nullptr;
    return [handler = m_onSlew, name] { handler(name); };
}

void CSkyWidget::AddDayLines(std::vector<std::string>& lines, const SkyPoint& place) const {
    const SkyTimeSource* time = m_wnd.m_pTimeSource;
    if (m_wnd.m_pDoc && time)
        for (std::string& line : FixedObjectDayLines(*m_wnd.m_pDoc, place.a, place.b,
                                                     time->ChosenTime(), time->IsUtc()))
            lines.push_back(std::move(line));
}

void CSkyWidget::ShowStarInfo(const CStar& star) {
    LetGoOfMouse();
    std::vector<std::string> lines = StarInfoLines(star);
    AddDayLines(lines, star.m_pos);
    CInfoDialog dialog("Star", lines, this, SlewAction(star.m_strName));
    dialog.exec();
}

void CSkyWidget::ShowDeepSkyInfo(const DeepSkyObject& object) {
    LetGoOfMouse();
    std::vector<std::string> lines = DeepSkyInfoLines(object);
    AddDayLines(lines, object.pos);
    CInfoDialog dialog("Deep sky", lines, this, SlewAction(object.designation));
    dialog.exec();
}

void CSkyWidget::ShowPlanetInfo(const CPlanet& planet) {
    LetGoOfMouse();
    std::vector<std::string> lines = PlanetInfoLines(planet);
    const SkyTimeSource* time = m_wnd.m_pTimeSource;
    if (m_wnd.m_pDoc && time)
        for (std::string& line : BodyDayLines(*m_wnd.m_pDoc, planet, time->ChosenTime(), time->IsUtc()))
            lines.push_back(std::move(line));
    CInfoDialog dialog("Planet", lines, this, SlewAction(planet.m_strName));
    dialog.exec();
}

void CSkyWidget::resizeEvent(QResizeEvent*) {
    m_wnd.SetScale(ScreenScale());
    m_wnd.OnSize();
    m_wnd.Redraw();
}

void CSkyWidget::showEvent(QShowEvent*) {
    // A window moved to a screen of another density paints anew.
    QWindow* handle = window()->windowHandle();
    if (handle && !m_screenWatched) {
        connect(handle, &QWindow::screenChanged, this, [this] { UpdateScale(); });
        m_screenWatched = true;
    }
    UpdateScale();
}

void CSkyWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The frame is two columns wider than the window and starts BlitX
    // pixels in: only the columns left of it need the background. Both are
    // counted in surface pixels.
    const double f = m_wnd.m_scale.factor;
    const QPointF blit(m_blit.x() / f, m_blit.y() / f);
    if (m_picture.isNull())
        p.fillRect(rect(), Qt::black);
    else if (m_blit.x() > 0)
        p.fillRect(QRectF(0, 0, blit.x(), height()), Qt::black);
    if (!m_picture.isNull()) p.drawImage(blit, m_picture);
}

void CSkyWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint p = ToSurface(e->position());
    if (e->button() == Qt::LeftButton) m_wnd.OnPenDown(p.x(), p.y());
}

void CSkyWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = ToSurface(e->position());
    m_wnd.OnPenMove(p.x(), p.y());
}

void CSkyWidget::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = ToSurface(e->position());
    if (e->button() == Qt::LeftButton) m_wnd.OnPenUp(p.x(), p.y());
}

void CSkyWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint p = ToSurface(e->position());
    if (e->button() == Qt::LeftButton) m_wnd.HitTest(p.x(), p.y());
}

void CSkyWidget::wheelEvent(QWheelEvent* e) {
    // A notch is 120 eighths of a degree; fine-grained wheels and touch pads
    // send less at a time.
    constexpr int kNotch = 120;
    m_wheelEighths += e->angleDelta().y();
    const int notches = m_wheelEighths / kNotch;
    m_wheelEighths -= notches * kNotch;
    if (notches != 0 && m_onWheel) m_onWheel(notches);
    e->accept();
}
