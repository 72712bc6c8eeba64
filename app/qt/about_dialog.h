#pragma once
// About: the program's picture and one line of notice.

#include <QDialog>

class CAboutDialog : public QDialog {
public:
    explicit CAboutDialog(QWidget* parent);
};
