#pragma once
// The Star and Planet dialogs: a title and static lines, read only, and a
// "Slew" button when a telescope can be sent there.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class CInfoDialog : public QDialog {
public:
    // With slew set, the "Slew" button calls it and closes the dialog.
    CInfoDialog(const QString& title, const std::vector<std::string>& lines, QWidget* parent,
                std::function<void()> slew = nullptr);
};
