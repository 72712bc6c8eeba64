#pragma once
// The time bar's logic: the step of one tick (unit and count), running
// forward or backward on timers 100 and 200 (re-armed after each tick's
// paint; the host keeps the ticks 10 ms apart, tick_schedule.h), the date and time pickers with the midnight rule, the zoom
// slider and the trackball's turns. The widgets live in the desktop shell;
// it implements TimeBarHost and calls the handlers below.

#include <cstdint>
#include <string_view>

#include "framework/datetime.h"

class CLumoDoc;

enum TimeUnit : int32_t { kSeconds, kMinutes, kHours, kDays, kWeeks, kMonths, kYears };
constexpr int32_t kTimeUnitCount = 7;
// The unit list's texts, in list order.
extern const char* const kTimeUnitNames[kTimeUnitCount];

constexpr int32_t kForwardTimer = 100;
constexpr int32_t kBackwardTimer = 200;
constexpr int32_t kTimeBarTickMs = 10;
constexpr int32_t kZoomSliderMin = 0;
constexpr int32_t kZoomSliderMax = 100;
constexpr int32_t kMinCount = 1;
constexpr int32_t kMaxCount = 9999;
// Shown by the host when a typed count is refused.
constexpr const char* kBadCountMessage = "Please enter an integer between 1 and 9999.";

class CTimeBarCore;

// What the time bar needs from its widgets and from the main view.
class TimeBarHost {
public:
    virtual ~TimeBarHost() = default;
    // Copies the controls into the bar's date, time, count and unit (save
    // true) or the bar's values into the controls (save false). Saving fails
    // (false, with kBadCountMessage shown, the bar unchanged and the count
    // field showing m_nCount again) when TakeCount refuses the typed count.
    virtual bool UpdateData(CTimeBarCore& bar, bool save) = 0;
    virtual void StartTimer(int32_t id, int32_t milliseconds) = 0;
    virtual void KillTimer(int32_t id) = 0;
    // The view stores the chosen time, shows it in the bar and repaints.
    virtual void SetViewTime(const CDateTime& time) = 0;
    // Shows ">>" (forward) or "<<" (backward) pressed, or neither.
    virtual void ShowRunning(int32_t running) = 0;
    // Repaints the sky window.
    virtual void RedrawSky() = 0;
    // Puts the zoom slider at position p (0..100) without it counting as
    // the user's move.
    virtual void ShowZoomPosition(int32_t p) = 0;
};

class CTimeBarCore {
public:
    CTimeBarCore(CLumoDoc* doc, TimeBarHost* host);

    // The values the controls show.
    CDateTime m_date;
    CDateTime m_time;
    int32_t m_nCount = 1;
    int32_t m_nUnit = kSeconds;  // -1: nothing selected
    CTimeSpan m_step;
    int32_t m_nRunning = 0;  // 0 stopped, 1 forward, -1 backward
    int32_t m_bBusy = 0;
    double m_zoomA = 0.2, m_zoomB = -0.16, m_zoomC = 64.0;  // zoom = (a p + b) p + c

    // The step of one tick from the unit and the count (months 31 days,
    // years 365); with no unit selected the step stays as it was.
    CTimeSpan ComputeStep();
    // Reads the controls and returns the chosen time.
    CDateTime ReadTime();
    // Shows a time in both pickers; the midnight rule then compares the
    // next pick with it.
    void ShowTime(const CDateTime& time);
    // The count as typed, for the host's UpdateData: a whole number from
    // kMinCount to kMaxCount (blanks around it allowed) becomes m_nCount
    // (true); anything else leaves m_nCount as it was (false).
    bool TakeCount(std::string_view typed);

    void OnForward();   // ">>"
    void OnBackward();  // "<<"
    void OnTimer(int32_t id);
    void OnDateChanged();
    void OnTimeChanged();
    // The zoom slider moved to position p (0..100).
    void OnZoomSlider(int32_t p);
    // The slider position that shows a zoom.
    int32_t SliderPositionForZoom(int32_t zoom) const;
    int32_t ZoomForSliderPosition(int32_t p) const;
    // The mouse wheel and Page Up / Page Down: each of |steps| steps moves
    // to the nearest slider position whose zoom is larger (steps > 0, zoom
    // in) or smaller (steps < 0) than the current zoom; the slider shows the
    // position and the sky is repainted at once. At either end of the
    // slider (or with no document) nothing changes and nothing is painted.
    // A zoom beyond the slider's range comes back to its nearest end.
    void StepZoom(int32_t steps);
    // The trackball turned: its second and third sums become the view's
    // elevation and azimuth (negated, reduced modulo 32768 keeping the sign).
    void OnPointerTurned(int32_t secondSum, int32_t thirdSum);

    CLumoDoc* m_pDoc;

private:
    // Puts the bar's values into the controls and remembers the time shown.
    void ShowValues();

    TimeBarHost* m_pHost;
    CDateTime m_previousTime;  // the time the time picker last showed
};
