#pragma once
// The help window: the help file "lumo.htm" from the program folder.

#include <QString>
#include <QTextBrowser>

class CHelpWindow : public QTextBrowser {
public:
    // Shows the help file of the program folder in a window of its own.
    explicit CHelpWindow(const QString& programFolder, QWidget* parent);
};

constexpr const char* kHelpFile = "lumo.htm";
