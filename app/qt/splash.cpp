#include "app/qt/splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

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
    return splash;
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}
