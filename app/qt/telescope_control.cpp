#include "app/qt/telescope_control.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "app/qt/lumo_app.h"
#include "app/qt/lumo_view.h"
#include "app/qt/telescope_dialog.h"
#include "app/qt/sky_widget.h"
#include "astro/julian_day.h"
#include "astro/time_zone.h"
#include "framework/message_sink.h"
#include "scope/mount_text.h"
#include "scope/slew_target.h"
#include "scope/telescope_link.h"

namespace {
constexpr const char* kTelescopeSection = "TELESCOPE";
constexpr const char* kCaption = "Telescope";
}  // namespace

CTelescopeControl::CTelescopeControl(CLumoApp& app, CLumoView& view, QMainWindow& frame)
    : m_app(app), m_view(view), m_frame(frame) {
    m_clock = [] {
        return DateTimeToJulianDay(GetUniversalTime(CDateTime::GetCurrentTime(), false));
    };
    // Each event goes to the window's thread; one that comes after this
    // object is gone is dropped by Qt.
    m_link = std::make_unique<TelescopeLink>([this](const MountEvent& e) {
        QMetaObject::invokeMethod(this, [this, e] { OnEvent(e); }, Qt::QueuedConnection);
    });
}

// The link goes first: its threads end before the object they report to.
CTelescopeControl::~CTelescopeControl() { m_link.reset(); }

std::string CTelescopeControl::StatusText() const {
    return m_status ? m_status->text().toStdString() : std::string();
}

void CTelescopeControl::ShowStatus(const std::string& text) {
    // The status bar appears with the first use of the telescope.
    if (!m_status) {
        m_status = new QLabel(&m_frame);
        m_status->setObjectName("TelescopeStatus");
        m_frame.statusBar()->addWidget(m_status, 1);
    }
    m_status->setText(QString::fromStdString(text));
}

void CTelescopeControl::Refuse(const std::string& why) {
    ShowStatus("Telescope: " + why);
    ShowMessage(why, kCaption);
}

void CTelescopeControl::OnConnectCommand() {
    if (m_connected) {
        m_link->Disconnect();
        return;
    }
    MountAddress a;
    a.host = m_app.GetProfileString(kTelescopeSection, "Host", a.host);
    a.port = m_app.GetProfileInt(kTelescopeSection, "Port", a.port);
    a.device = m_app.GetProfileString(kTelescopeSection, "Device", a.device);
    CTelescopeDialog dialog(a, &m_frame);
    if (dialog.exec() != QDialog::Accepted) return;
    ConnectTo(dialog.Address());
}

void CTelescopeControl::ConnectTo(const MountAddress& address) {
    m_app.WriteProfileString(kTelescopeSection, "Host", address.host);
    m_app.WriteProfileInt(kTelescopeSection, "Port", address.port);
    m_app.WriteProfileString(kTelescopeSection, "Device", address.device);
    ShowStatus("Telescope: connecting to " + address.device + " at " + address.host + ":" +
               std::to_string(address.port));
    m_link->Connect(address);
}

void CTelescopeControl::SlewTo(const std::string& name) {
    if (!m_connected) return;
    std::string error;
    std::optional<SlewTarget> target = FindSlewTarget(m_app.Doc(), name, m_clock(), error, m_app.DeepSky());
    if (!target) return Refuse(error);
    if (std::string refusal = HorizonRefusal(*target); !refusal.empty()) return Refuse(refusal);
    m_link->Goto(target->mount);
}

void CTelescopeControl::SyncOn(const std::string& name) {
    if (!m_connected) return;
    std::string error;
    std::optional<SlewTarget> target = FindSlewTarget(m_app.Doc(), name, m_clock(), error, m_app.DeepSky());
    if (!target) return Refuse(error);
    m_link->Sync(target->mount);
}

void CTelescopeControl::Abort() { m_link->Abort(); }

void CTelescopeControl::Park() {
    if (m_connected) m_link->Park();
}

void CTelescopeControl::OnEvent(const MountEvent& e) {
    m_last = e.status;
    const bool error = e.kind == MountEventKind::Error;
    if (e.kind == MountEventKind::Connected) m_connected = true;
    if (e.status.activity == MountActivity::Disconnected) m_connected = false;
    ShowStatus(MountStatusText(e.status, error));

    CSkyWidget* sky = m_view.Sky();
    TelescopeMark& mark = sky->Wnd().m_telescope;
    mark.shown = m_connected && e.status.havePosition;
    mark.raHours = e.status.raHours;
    mark.decDeg = e.status.decDeg;
    sky->SetSlewHandler(m_connected ? std::function<void(const std::string&)>(
                                          [this](const std::string& name) { SlewTo(name); })
                                    : nullptr);
    sky->Redraw();
    if (m_onChange) m_onChange();
    if (error) ShowMessage(e.status.message, kCaption);
}
