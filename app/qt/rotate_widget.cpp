#include "app/qt/rotate_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/qt/frame_image.h"

CRotateWidget::CRotateWidget(EngineObject* model, std::function<void(const RotateState&)> onTurned,
                             QWidget* parent)
    : QWidget(parent), m_onTurned(std::move(onTurned)) {
    setObjectName("ROTATE");
    setAttribute(Qt::WA_OpaquePaintEvent);
    RotateInit(m_state, model);
}

void CRotateWidget::Show() {
    m_picture = SurfaceToImage(m_state.surface);
    repaint();
}

void CRotateWidget::resizeEvent(QResizeEvent*) {
    if (RotateResize(m_state, width(), height())) Show();
}

void CRotateWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawImage(0, 0, m_picture);
}

void CRotateWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) RotatePenDown(m_state, e->pos().x(), e->pos().y());
}

void CRotateWidget::mouseMoveEvent(QMouseEvent* e) {
    if (!RotatePenMove(m_state, e->pos().x(), e->pos().y())) return;
    Show();
    if (m_onTurned) m_onTurned(m_state);
}

void CRotateWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) RotatePenUp(m_state);
}
