#include "app/qt/splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
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
    QElapsedTimer waited;
    waited.start();
    while (splash->windowHandle() && !splash->windowHandle()->isExposed() &&
           waited.elapsed() < kSplashExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    splash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return splash;
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    ++m_paints;
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}
