#include "app/qt/sky_widget.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "app/qt/commands.h"
#include "app/qt/frame_image.h"
#include "app/qt/info_dialogs.h"
#include "sky/sky_texts.h"

CSkyWidget::CSkyWidget(CLumoDoc* doc, const SkyTimeSource* time, SkyTools* tools, QWidget* parent)
    : QWidget(parent) {
    setObjectName("SkyWindow");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    m_wnd.m_pDoc = doc;
    m_wnd.m_pHost = this;
    m_wnd.m_pTimeSource = time;
    m_wnd.m_pTools = tools;
    m_wnd.OnCreate();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);  // 10 ms ticks: coarse timers would stretch them
    connect(&m_timer, &QTimer::timeout, this, [this] { m_wnd.OnTick(kStylusTimer); });
}

CSkyWidget::~CSkyWidget() {
    m_timer.stop();
    m_wnd.OnDestroy();
}

void CSkyWidget::GetClientSize(int32_t& w, int32_t& h) const {
    w = width();
    h = height();
}

void CSkyWidget::Present(const PresentedFrame& frame) {
    FrameToRgb(frame, m_picture);
    m_blit = QPoint(frame.BlitX, frame.BlitY);
    ++m_paints;
    repaint();
}

void CSkyWidget::StartTimer(int32_t, int32_t milliseconds) { m_timer.start(milliseconds); }
void CSkyWidget::StopTimer(int32_t) { m_timer.stop(); }
void CSkyWidget::CaptureStylus() { grabMouse(); }
void CSkyWidget::ReleaseStylus() { releaseMouse(); }

void CSkyWidget::ShowLockedMessage() {
    QMessageBox::information(this, kAppTitle, QString::fromUtf8(kLockedViewMessage));
}

void CSkyWidget::ShowStarInfo(const CStar& star) {
    CInfoDialog dialog("Star", StarInfoLines(star), this);
    dialog.exec();
}

void CSkyWidget::ShowPlanetInfo(const CPlanet& planet) {
    CInfoDialog dialog("Planet", PlanetInfoLines(planet), this);
    dialog.exec();
}

void CSkyWidget::resizeEvent(QResizeEvent*) {
    m_wnd.OnSize();
    m_wnd.Redraw();
}

void CSkyWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The frame is two columns wider than the window and starts BlitX
    // pixels in: only the columns left of it need the background.
    if (m_picture.isNull())
        p.fillRect(rect(), Qt::black);
    else if (m_blit.x() > 0)
        p.fillRect(QRect(0, 0, m_blit.x(), height()), Qt::black);
    if (!m_picture.isNull()) p.drawImage(m_blit, m_picture);
}

void CSkyWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) m_wnd.OnPenDown(e->pos().x(), e->pos().y());
}

void CSkyWidget::mouseMoveEvent(QMouseEvent* e) {
    m_wnd.OnPenMove(e->pos().x(), e->pos().y());
}

void CSkyWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) m_wnd.OnPenUp(e->pos().x(), e->pos().y());
}

void CSkyWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) m_wnd.HitTest(e->pos().x(), e->pos().y());
}
