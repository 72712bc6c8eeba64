#pragma once
// The time bar's widgets: unit list, count with up and down arrows, "<<" and
// ">>", date and time pickers and the zoom slider, placed as the narrow
// (below the sky) or wide (left column) layout has them. The logic is the
// core's CTimeBarCore; this widget is its host.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <map>

#include "sky/tick_schedule.h"
#include "sky/time_bar.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimeEdit;
class QToolButton;
class CLumoView;
class CRotateWidget;
struct EngineObject;

class CTimeBar : public QWidget, public TimeBarHost {
public:
    // pointerModel: the trackball's model; without one there is no trackball.
    CTimeBar(CLumoView& view, CLumoDoc* doc, EngineObject* pointerModel);

    CTimeBarCore& Core() { return m_core; }
    // Places the controls for the narrow or the wide layout.
    void SetWide(bool wide);
    bool IsWide() const { return m_wide; }
    // Where the trackball goes in the current layout (bar coordinates).
    QRect PointerRect() const;
    void SetDocument(CLumoDoc* doc);
    // Puts the zoom slider where the document's zoom is.
    void ShowZoom();
    // ">>" as clicked (also the Space key): starts or stops running forward.
    void ToggleForward();

    // TimeBarHost
    bool UpdateData(CTimeBarCore& bar, bool save) override;
    void StartTimer(int32_t id, int32_t milliseconds) override;
    void KillTimer(int32_t id) override;
    void SetViewTime(const CDateTime& time) override;
    void ShowRunning(int32_t running) override;
    void RedrawSky() override;
    void ShowZoomPosition(int32_t p) override;

    QComboBox* m_unit;
    QLineEdit* m_count;
    QToolButton* m_up;
    QToolButton* m_down;
    QPushButton* m_back;
    QPushButton* m_forward;
    QDateEdit* m_datePicker;
    QTimeEdit* m_timePicker;
    QSlider* m_zoom;
    CRotateWidget* m_pointer = nullptr;

protected:
    // Up and Down in the count field step the count, as its arrows do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StepCount(int delta);
    CLumoView& m_view;
    CTimeBarCore m_core;
    std::map<int32_t, QTimer*> m_timers;
    // Running time ticks 10 ms after the previous tick was due: a timer
    // started again from its own tick keeps its schedule.
    std::map<int32_t, TickSchedule> m_schedules;
    int32_t m_tickingTimer = -1;  // the timer whose tick runs now, if any
    QElapsedTimer m_clock;
    bool m_wide = false;
    bool m_refreshing = false;  // controls being set from the bar's values
};
