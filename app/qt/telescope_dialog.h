#pragma once
// The "Connect..." dialog of the Telescope menu: the INDI server's host and
// port and the mount's device name.

#include <QDialog>

#include "scope/mount_status.h"

class QLineEdit;
class QSpinBox;

class CTelescopeDialog : public QDialog {
public:
    CTelescopeDialog(const MountAddress& address, QWidget* parent);
    // What the fields hold (an empty host or device keeps the given one).
    MountAddress Address() const;

private:
    MountAddress m_given;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_device;
};
