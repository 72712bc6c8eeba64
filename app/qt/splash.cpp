#include "app/qt/splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "app/qt/pictures.h"

CSplashWindow::CSplashWindow(const QImage& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(picture) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QTimer::singleShot(kSplashMilliseconds, this, &QWidget::close);
}

CSplashWindow* CSplashWindow::ShowSplash() {
    QImage picture = SplashPicture();
    if (picture.isNull()) return nullptr;
    auto* splash = new CSplashWindow(picture);
    splash->show();
    // The picture is on the screen before the rest of the start-up work:
    // wait (briefly) for the window system to map the window, then paint.
    constexpr int kWaitStepMs = 10;
    for (int waited = 0; waited < kSplashExposeWaitMs; waited += kWaitStepMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!splash->windowHandle() || splash->windowHandle()->isExposed()) break;
        QThread::msleep(kWaitStepMs);
    }
    splash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return splash;
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    ++m_paints;
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}
