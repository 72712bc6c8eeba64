#include "app/qt/telescope_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

CTelescopeDialog::CTelescopeDialog(const MountAddress& address, QWidget* parent)
    : QDialog(parent), m_given(address) {
    setWindowTitle("Connect to a telescope");
    setObjectName("TelescopeDialog");
    auto* form = new QFormLayout(this);
    m_host = new QLineEdit(QString::fromStdString(address.host), this);
    m_host->setObjectName("host");
    m_port = new QSpinBox(this);
    m_port->setObjectName("port");
    m_port->setRange(1, 65535);
    m_port->setValue(address.port);
    m_device = new QLineEdit(QString::fromStdString(address.device), this);
    m_device->setObjectName("device");
    form->addRow("Host", m_host);
    form->addRow("Port", m_port);
    form->addRow("Device", m_device);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("Connect");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

MountAddress CTelescopeDialog::Address() const {
    MountAddress a = m_given;
    const QString host = m_host->text().trimmed(), device = m_device->text().trimmed();
    if (!host.isEmpty()) a.host = host.toStdString();
    if (!device.isEmpty()) a.device = device.toStdString();
    a.port = m_port->value();
    return a;
}
