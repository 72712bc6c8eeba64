#pragma once
// The Star and Planet dialogs: a title and static lines, read only.

#include <QDialog>
#include <string>
#include <vector>

class CInfoDialog : public QDialog {
public:
    CInfoDialog(const QString& title, const std::vector<std::string>& lines, QWidget* parent);
};
