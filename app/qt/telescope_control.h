#pragma once
// The shell's side of the telescope link: the Telescope menu's commands, the
// address remembered in the profile, the reticle kept current in the sky
// window and the status text at the foot of the main window. The link's
// events arrive on the link's threads and are handed to the window's
// thread, so the map never waits for the telescope.

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "scope/mount_status.h"

class CLumoApp;
class CLumoView;
class QLabel;
class QMainWindow;
class TelescopeLink;

class CTelescopeControl : public QObject {
public:
    CTelescopeControl(CLumoApp& app, CLumoView& view, QMainWindow& frame);
    ~CTelescopeControl() override;

    bool IsConnected() const { return m_connected; }
    bool IsSlewing() const { return m_last.activity == MountActivity::Slewing; }
    const MountStatus& Last() const { return m_last; }
    // The status text shown (empty until the telescope is first used).
    std::string StatusText() const;

    // "Connect...": the dialog, then a connection to what it names (which
    // the profile remembers); when connected, disconnects instead.
    void OnConnectCommand();
    void ConnectTo(const MountAddress& address);
    // A slew to the named body or star at this moment, after the horizon
    // check (a refusal is shown and nothing is sent).
    void SlewTo(const std::string& name);
    void SyncOn(const std::string& name);
    void Abort();
    void Park();

    // The Julian day (UT) of "this moment"; the clock by default.
    void SetClock(std::function<double()> julianDayNow) { m_clock = std::move(julianDayNow); }
    // Called after each event is handled (the main frame refreshes its menus).
    void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

private:
    void OnEvent(const MountEvent& e);
    void ShowStatus(const std::string& text);
    void Refuse(const std::string& why);

    CLumoApp& m_app;
    CLumoView& m_view;
    QMainWindow& m_frame;
    QLabel* m_status = nullptr;
    bool m_connected = false;
    MountStatus m_last;
    std::function<double()> m_clock;
    std::function<void()> m_onChange;
    std::unique_ptr<TelescopeLink> m_link;
};
