#include "app/qt/info_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CInfoDialog::CInfoDialog(const QString& title, const std::vector<std::string>& lines,
                         QWidget* parent, std::function<void()> slew)
    : QDialog(parent) {
    setWindowTitle(title);
    setObjectName(title + "Dialog");
    auto* layout = new QVBoxLayout(this);
    int i = 0;
    for (const std::string& line : lines) {
        auto* label = new QLabel(QString::fromStdString(line), this);
        label->setObjectName(QString("line%1").arg(i++));
        layout->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (slew) {
        QPushButton* button = buttons->addButton("Slew", QDialogButtonBox::ActionRole);
        button->setObjectName("Slew");
        connect(button, &QPushButton::clicked, this, [this, slew] {
            accept();
            slew();
        });
    }
    layout->addWidget(buttons);
}
