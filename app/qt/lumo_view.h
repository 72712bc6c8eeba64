#pragma once
// The main view: the sky window and the time bar's strip, laid out by the
// narrow/wide rule of the main window's size; it holds the chosen time and
// the UTC flag, and handles "VR...", "Now", "UTC Time", the View options,
// Where and Seek dialogs, and passes the Aim items to the document's commands.

#include <QWidget>
#include <string>

#include "framework/datetime.h"
#include "sky/sky_host.h"

class CLumoApp;
class CLumoDoc;
class CSkyWidget;
class CTimeBar;

class CLumoView : public QWidget, public SkyTimeSource {
public:
    explicit CLumoView(CLumoApp& app);
    ~CLumoView() override;

    CDateTime ChosenTime() const override { return m_time; }
    bool IsUtc() const override { return m_bUtc; }
    // Stores the chosen time, shows it in the time bar and repaints the sky.
    void SetViewTime(const CDateTime& time);

    void OnCommand(int id);
    // The enabled state and check mark of a command's menu item and button.
    void UpdateCommand(int id, bool& enabled, bool& checked) const;
    // Shows another document (a new or opened one).
    void SetDocument(CLumoDoc* doc);

    CSkyWidget* Sky() const { return m_sky; }
    // The body the view is locked on, else what Seek last found; empty when
    // neither.
    std::string AimedObject() const;
    CTimeBar* TimeBar() const { return m_timeBar; }
    // Lays out the children for the current size of the main window.
    void Relayout();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CLumoApp& m_app;
    CSkyWidget* m_sky;
    CTimeBar* m_timeBar;
    CDateTime m_time;
    bool m_bUtc;
    std::string m_lastSought;
};

// The current time as the view takes it: local time, or Universal Time when
// times are given in UTC.
CDateTime CurrentViewTime(bool utc);
