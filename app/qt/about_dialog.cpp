#include "app/qt/about_dialog.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "app/qt/pictures.h"

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Acerca de lumo");
    auto* layout = new QVBoxLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(SplashPicture()));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    auto* notice = new QLabel(
        "Lumo star map. Star data from the Hipparcos catalogue (BSD-licensed, "
        "Olaf Frohn); cities from the tz database.",
        this);
    notice->setWordWrap(true);
    notice->setObjectName("notice");
    layout->addWidget(notice);
}
