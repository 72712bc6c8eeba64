#include "app/qt/info_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CInfoDialog::CInfoDialog(const QString& title, const std::vector<std::string>& lines,
                         QWidget* parent)
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
    layout->addWidget(buttons);
}
