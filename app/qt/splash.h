#pragma once
// The splash: the program's picture in a borderless window centred on the
// screen, closing itself 750 ms after it appears.

#include <QWidget>

class CSplashWindow : public QWidget {
public:
    // Shows the splash; it deletes itself when its time is up. Returns null
    // when the picture cannot be made.
    static CSplashWindow* ShowSplash();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    explicit CSplashWindow(const QImage& picture);
    QImage m_picture;
};

constexpr int kSplashMilliseconds = 750;
