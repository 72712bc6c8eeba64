#include "sky/time_bar.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "catalogue/lumo_doc.h"

const char* const kTimeUnitNames[kTimeUnitCount] = {"Seconds", "Minutes", "Hours", "Days",
                                                    "Weeks",   "Months",  "Years"};

CTimeBarCore::CTimeBarCore(CLumoDoc* doc, TimeBarHost* host)
    : m_date(CDateTime::GetCurrentTime()),
      m_time(m_date),
      m_pDoc(doc),
      m_pHost(host) {}

CTimeSpan CTimeBarCore::ComputeStep() {
    m_pHost->UpdateData(*this, true);
    const int64_t n = m_nCount;
    switch (m_nUnit) {
        case kSeconds: m_step = CTimeSpan(0, 0, 0, static_cast<int>(n)); break;
        case kMinutes: m_step = CTimeSpan(0, 0, static_cast<int>(n), 0); break;
        case kHours: m_step = CTimeSpan(0, static_cast<int>(n), 0, 0); break;
        case kDays: m_step = CTimeSpan(n, 0, 0, 0); break;
        case kWeeks: m_step = CTimeSpan(7 * n, 0, 0, 0); break;
        case kMonths: m_step = CTimeSpan(31 * n, 0, 0, 0); break;
        case kYears: m_step = CTimeSpan(365 * n, 0, 0, 0); break;
        default: break;  // nothing selected: the step stays
    }
    return m_step;
}

CDateTime CTimeBarCore::ReadTime() {
    m_pHost->UpdateData(*this, true);
    return m_time;
}

void CTimeBarCore::ShowTime(const CDateTime& time) {
    m_time = m_date = time;
    ShowValues();
}

void CTimeBarCore::ShowValues() {
    m_previousTime = m_time;
    m_pHost->UpdateData(*this, false);
}

bool CTimeBarCore::TakeCount(std::string_view typed) {
    const size_t first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    typed = typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
    int32_t n = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), n);
    if (error != std::errc() || end != typed.data() + typed.size()) return false;
    if (n < kMinCount || n > kMaxCount) return false;
    m_nCount = n;
    return true;
}

void CTimeBarCore::OnForward() {
    if (m_nRunning == 1) {
        m_pHost->KillTimer(kForwardTimer);
        m_nRunning = 0;
        m_pHost->ShowRunning(0);
        return;
    }
    if (!m_pHost->UpdateData(*this, true)) return;  // a bad count starts nothing
    ComputeStep();
    m_pHost->KillTimer(kBackwardTimer);
    m_pHost->StartTimer(kForwardTimer, kTimeBarTickMs);
    m_nRunning = 1;
    m_pHost->ShowRunning(1);
}

void CTimeBarCore::OnBackward() {
    if (m_nRunning == -1) {
        m_pHost->KillTimer(kBackwardTimer);
        m_nRunning = 0;
        m_pHost->ShowRunning(0);
        return;
    }
    if (!m_pHost->UpdateData(*this, true)) return;
    ComputeStep();
    m_pHost->KillTimer(kForwardTimer);
    m_pHost->StartTimer(kBackwardTimer, kTimeBarTickMs);
    m_nRunning = -1;
    m_pHost->ShowRunning(-1);
}

void CTimeBarCore::OnTimer(int32_t id) {
    m_pHost->KillTimer(id);
    m_pHost->UpdateData(*this, true);
    CDateTime next = m_time;
    if (id == kForwardTimer) next = m_time + m_step;
    if (id == kBackwardTimer) next = m_time - m_step;
    if (!next.IsValid()) {
        // Past the calendar's range (years 100..9999): time stops there.
        m_nRunning = 0;
        m_pHost->ShowRunning(0);
        return;
    }
    m_time = next;
    m_date = m_time;
    ShowValues();
    m_pHost->SetViewTime(ReadTime());
    m_pHost->ShowRunning(m_nRunning);
    m_pHost->StartTimer(id, kTimeBarTickMs);
}

void CTimeBarCore::OnDateChanged() {
    if (m_bBusy) return;
    m_bBusy = 1;
    m_pHost->UpdateData(*this, true);
    CDateTime combined(m_date.GetYear(), m_date.GetMonth(), m_date.GetDay(), m_time.GetHour(),
                       m_time.GetMinute(), m_time.GetSecond());
    if (combined.IsValid()) m_time = m_date = combined;
    ShowValues();
    m_pHost->SetViewTime(ReadTime());
    m_bBusy = 0;
}

void CTimeBarCore::OnTimeChanged() {
    if (m_bBusy) return;
    m_bBusy = 1;
    if (!m_previousTime.IsValid()) m_previousTime = m_time;
    m_pHost->UpdateData(*this, true);
    int hour = m_time.GetHour(), previousHour = m_previousTime.GetHour();
    CDateTime t = m_time;
    if (hour >= 22 && previousHour < 2) t = m_time - CTimeSpan(1, 0, 0, 0);
    if (hour < 2 && previousHour >= 22) t = m_time + CTimeSpan(1, 0, 0, 0);
    if (t.IsValid()) m_time = t;
    m_date = m_time;
    ShowValues();
    m_pHost->SetViewTime(ReadTime());
    m_bBusy = 0;
}

int32_t CTimeBarCore::ZoomForSliderPosition(int32_t p) const {
    return static_cast<int32_t>((m_zoomA * p + m_zoomB) * p + m_zoomC);
}

int32_t CTimeBarCore::SliderPositionForZoom(int32_t zoom) const {
    double disc = m_zoomB * m_zoomB - 4 * m_zoomA * (m_zoomC - zoom);
    if (disc < 0) disc = 0;  // a zoom below the curve's lowest value
    return static_cast<int32_t>(((std::sqrt(disc) - m_zoomB) / m_zoomA) * 0.5);
}

void CTimeBarCore::OnZoomSlider(int32_t p) {
    if (m_pDoc) m_pDoc->m_nZoom = ZoomForSliderPosition(p);
    m_pHost->RedrawSky();
}

void CTimeBarCore::StepZoom(int32_t steps) {
    if (!m_pDoc || steps == 0) return;
    int32_t zoom = m_pDoc->m_nZoom, position = -1;
    // More steps than positions end at an end of the slider anyway.
    const int32_t count = std::min(steps < 0 ? -int64_t{steps} : int64_t{steps},
                                   int64_t{kZoomSliderMax - kZoomSliderMin + 1});
    for (int32_t n = 0; n < count; ++n) {
        // The zoom grows with the position (several low positions share 64),
        // so the next position beyond the zoom is found by walking.
        int32_t found = -1;
        if (steps > 0) {
            for (int32_t p = kZoomSliderMin; p <= kZoomSliderMax && found < 0; ++p)
                if (ZoomForSliderPosition(p) > zoom) found = p;
        } else {
            for (int32_t p = kZoomSliderMax; p >= kZoomSliderMin && found < 0; --p)
                if (ZoomForSliderPosition(p) < zoom) found = p;
        }
        if (found < 0) break;
        position = found;
        zoom = ZoomForSliderPosition(found);
    }
    if (position < 0) return;
    m_pDoc->m_nZoom = zoom;
    m_pHost->ShowZoomPosition(position);
    m_pHost->RedrawSky();
}

void CTimeBarCore::OnPointerTurned(int32_t secondSum, int32_t thirdSum) {
    if (m_pDoc) {
        // C++'s % keeps the dividend's sign, as the turn reduction wants.
        m_pDoc->m_nViewElevation = -secondSum % 32768;
        m_pDoc->m_nViewAzimuth = -thirdSum % 32768;
    }
    m_pHost->RedrawSky();
}
