#pragma once
// The trackball ("ROTATE", id 1000): the pointer model drawn by the engine
// in its own surface, turned with the mouse; every turn is reported to the
// time bar, which turns the sky view.

#include <QImage>
#include <QWidget>
#include <functional>

#include "engine/rotate.h"

class CRotateWidget : public QWidget {
public:
    // onTurned receives the state after every turn (the message to the parent).
    CRotateWidget(EngineObject* model, std::function<void(const RotateState&)> onTurned,
                  QWidget* parent);

    RotateState& State() { return m_state; }
    const QImage& Picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Show();
    RotateState m_state;
    std::function<void(const RotateState&)> m_onTurned;
    QImage m_picture;
};

constexpr int kRotateControlId = 1000;
