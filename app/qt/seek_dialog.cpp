#include "app/qt/seek_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/control_names.h"

CSeekDialog::CSeekDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Seek");
    setObjectName("SeekDialog");
    auto* prompt = new QLabel(kSeekPrompt, this);
    prompt->setWordWrap(true);
    m_text = NamedControl(new QLineEdit(this), kText);
    auto* seek = new QPushButton("Seek", this);
    seek->setObjectName(ControlName(1));
    seek->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setAutoDefault(false);
    connect(seek, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(seek);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(260, 130);
}

std::string CSeekDialog::Text() const { return m_text->text().toStdString(); }
