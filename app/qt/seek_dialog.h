#pragma once
// "Seek": asks for a name or part of a name. The search itself is the
// Seek command's (sky/aim_commands.h).

#include <QDialog>
#include <string>

class QLineEdit;

class CSeekDialog : public QDialog {
public:
    static constexpr int kText = 1043;  // control id of the text field

    explicit CSeekDialog(QWidget* parent);

    // The text typed, UTF-8.
    std::string Text() const;

private:
    QLineEdit* m_text;
};

constexpr const char* kSeekPrompt =
    "Insert the name or part of the name of the entitle you want find.";
