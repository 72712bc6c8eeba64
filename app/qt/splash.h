#pragma once
// The splash: the program's picture in a borderless window centred on the
// screen, painted as soon as it is shown (before the start-up work that
// follows), closing itself 750 ms after it appears.

#include <QWidget>

class CSplashWindow : public QWidget {
public:
    // Shows the splash; it deletes itself when its time is up. Returns null
    // when the picture cannot be made.
    static CSplashWindow* ShowSplash();
    // How often the picture was painted.
    int Paints() const { return m_paints; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    explicit CSplashWindow(const QImage& picture);
    QImage m_picture;
    int m_paints = 0;
};

constexpr int kSplashMilliseconds = 750;
// The longest wait for the window system to show the splash.
constexpr int kSplashExposeWaitMs = 500;
