// The time bar's commands on a host of plain values, and the schedule of
// the running time's ticks.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "catalogue/lumo_doc.h"
#include "sky/tick_schedule.h"
#include "sky/time_bar.h"

namespace {

// Controls held as plain values; the count as the text a user typed.
class FakeBar : public TimeBarHost {
public:
    CDateTime date, time;
    std::string count = "1";
    int32_t unit = kSeconds;
    std::set<int32_t> timers;
    std::vector<CDateTime> viewTimes;
    int32_t shownRunning = 0, messages = 0, skyPaints = 0, zoomPosition = -1;

    bool UpdateData(CTimeBarCore& bar, bool save) override {
        if (!save) {
            date = bar.m_date;
            time = bar.m_time;
            count = std::to_string(bar.m_nCount);
            unit = bar.m_nUnit;
            return true;
        }
        if (!bar.TakeCount(count)) {
            ++messages;
            count = std::to_string(bar.m_nCount);
            return false;
        }
        bar.m_nUnit = unit;
        bar.m_date = date;
        bar.m_time = time;
        return true;
    }
    void StartTimer(int32_t id, int32_t) override { timers.insert(id); }
    void KillTimer(int32_t id) override { timers.erase(id); }
    void SetViewTime(const CDateTime& t) override { viewTimes.push_back(t); }
    void ShowRunning(int32_t running) override { shownRunning = running; }
    void RedrawSky() override { ++skyPaints; }
    void ShowZoomPosition(int32_t p) override { zoomPosition = p; }
};

class TimeBarTest : public ::testing::Test {
protected:
    void SetUp() override { bar.ShowTime(CDateTime(2026, 12, 6, 22, 0, 0)); }
    // The user sets the time picker to h:m.
    void PickTime(int h, int m) {
        host.time = CDateTime(host.time.GetYear(), host.time.GetMonth(), host.time.GetDay(), h, m, 0);
        bar.OnTimeChanged();
    }
    CLumoDoc doc;
    FakeBar host;
    CTimeBarCore bar{&doc, &host};
};

TEST_F(TimeBarTest, StepsFromUnitAndCount) {
    host.count = "2";
    for (auto [unit, seconds] : {std::pair<int32_t, int>{kMonths, 62 * 86400}, {kYears, 730 * 86400},
                                 {kWeeks, 14 * 86400}, {kSeconds, 2}, {-1, 2}}) {
        host.unit = unit;  // -1: nothing selected, the step stays
        EXPECT_EQ(bar.ComputeStep().GetTotalSeconds(), seconds) << unit;
    }
}

// Each button starts its direction, stops it when pressed again, and turns
// the other direction round; a tick moves by the step taken at the start.
TEST_F(TimeBarTest, ButtonsStartReverseAndStop) {
    bar.OnForward();
    bar.OnBackward();
    EXPECT_EQ(host.timers, std::set<int32_t>{kBackwardTimer});
    bar.OnBackward();
    EXPECT_TRUE(host.timers.empty());
    bar.OnBackward();
    bar.OnForward();  // from backward straight into forward
    EXPECT_EQ(host.timers, std::set<int32_t>{kForwardTimer});
    host.unit = kHours;
    bar.OnTimer(kForwardTimer);
    EXPECT_EQ(host.viewTimes.back(), CDateTime(2026, 12, 6, 22, 0, 1));
    EXPECT_TRUE(host.timers.count(kForwardTimer));  // re-armed after the tick
    bar.OnForward();
    EXPECT_EQ(host.shownRunning, 0);
    host.unit = kDays;
    bar.OnBackward();
    bar.OnTimer(kBackwardTimer);
    bar.OnTimer(kBackwardTimer);
    EXPECT_EQ(host.viewTimes.back(), CDateTime(2026, 12, 4, 22, 0, 1));
    // Running stops at the end of the calendar.
    bar.OnBackward();
    bar.ShowTime(CDateTime(9999, 12, 1, 0, 0, 0));
    host.unit = kMonths;
    const size_t shown = host.viewTimes.size();
    bar.OnForward();
    bar.OnTimer(kForwardTimer);
    EXPECT_EQ(host.shownRunning, 0);
    EXPECT_EQ(host.viewTimes.size(), shown);
}

// A pick across midnight moves the date: the rule compares it with the time
// the bar showed (set by ShowTime, a tick or the date picker), never with
// the clock, so these hold at any hour.
TEST_F(TimeBarTest, PickersAndTheMidnightRule) {
    // December 2026: the day and time shown, the hour picked (at 30
    // minutes), the day it lands on. 21:00 is not near midnight.
    for (auto [day, hour, minute, picked, landed] : std::vector<std::array<int, 5>>{
             {6, 23, 30, 0, 7}, {7, 0, 30, 23, 6}, {6, 21, 0, 0, 6}, {6, 1, 0, 23, 5}}) {
        CTimeBarCore fresh{&doc, &host};
        fresh.ShowTime(CDateTime(2026, 12, day, hour, minute, 0));
        host.time = CDateTime(2026, 12, day, picked, 30, 0);
        fresh.OnTimeChanged();
        EXPECT_EQ(host.viewTimes.back(), CDateTime(2026, 12, landed, picked, 30, 0)) << day << " " << hour;
    }
    // A tick and the date picker show times too; the date picker keeps the
    // time of day.
    host.count = "1800";
    bar.ShowTime(CDateTime(2026, 12, 6, 23, 0, 0));
    bar.OnForward();
    bar.OnTimer(kForwardTimer);  // 23:30
    PickTime(0, 10);
    EXPECT_EQ(host.viewTimes.back(), CDateTime(2026, 12, 7, 0, 10, 0));
    host.date = CDateTime(2026, 12, 20, 3, 3, 3);
    bar.OnDateChanged();
    EXPECT_EQ(host.viewTimes.back(), CDateTime(2026, 12, 20, 0, 10, 0));
    PickTime(23, 50);
    EXPECT_EQ(host.viewTimes.back(), CDateTime(2026, 12, 19, 23, 50, 0));
    // While busy, changes are ignored.
    const size_t n = host.viewTimes.size();
    bar.m_bBusy = 1;
    PickTime(5, 0);
    EXPECT_EQ(host.viewTimes.size(), n);
}

TEST_F(TimeBarTest, ZoomStepsLandOnSliderPositions) {
    // zoom(p) = (0.2 p - 0.16) p + 64, truncated; positions 0 to 2 all give 64.
    struct Case {
        int32_t zoom, steps, expectedZoom, expectedPosition;  // position -1: not moved
    } cases[] = {
        {256, 1, 263, 32},  // 256 lies between positions 31 (251) and 32 (263)
        {263, -2, 239, 30},  // two steps: 251, then 239
        {64, -1, 64, -1},   {65, -5, 64, 2},    {2048, 1, 2048, -1},
        {5000, -1, 2048, 100},  // a stored zoom beyond the slider
    };
    for (const Case& c : cases) {
        doc.m_nZoom = c.zoom;
        host.zoomPosition = -1;
        const int32_t paints = host.skyPaints;
        bar.StepZoom(c.steps);
        EXPECT_EQ(doc.m_nZoom, c.expectedZoom) << c.zoom << " " << c.steps;
        EXPECT_EQ(host.zoomPosition, c.expectedPosition) << c.zoom << " " << c.steps;
        // One paint for all the steps, none when nothing moved.
        EXPECT_EQ(host.skyPaints - paints, c.expectedPosition < 0 ? 0 : 1);
    }
    // The slider's own moves: position 31 is zoom 251.
    bar.OnZoomSlider(31);
    EXPECT_EQ(doc.m_nZoom, 251);
}

TEST_F(TimeBarTest, BadCountIsRefusedAndChangesNothing) {
    host.count = "2";
    host.unit = kHours;
    bar.ComputeStep();
    for (const char* typed : {" ", "abc", "3x", "0", "10000", "99999999999"}) {
        host.count = typed;
        bar.OnForward();
        EXPECT_TRUE(host.timers.empty()) << typed;
        EXPECT_EQ(bar.m_nCount, 2) << typed;
        EXPECT_EQ(host.count, "2") << typed;  // the field shows the kept count again
    }
    EXPECT_EQ(host.messages, 6);
    host.count = " 9999 ";
    bar.OnForward();
    EXPECT_EQ(bar.m_nCount, 9999);
}

// The waits keep 10 ms between due times, whatever the work (w ms) takes
// below a period; a late tick runs at once and a stall is not made up.
TEST(TickSchedule, TicksStayOnTheirScheduleAndAStallIsNotMadeUp) {
    for (int64_t work : {0, 7, 9}) {
        TickSchedule s;
        int64_t now = 1000 + s.Start(1000, 10);
        for (int tick = 2; tick <= 100; ++tick) {
            now += work;
            now += s.Next(now, 10);
            EXPECT_EQ(now, 1000 + 10 * tick) << "work " << work;
        }
    }
    TickSchedule s;
    const int64_t now = s.Start(0, 10) + 13;  // tick 1 due at 10, a slow paint ends at 23
    EXPECT_EQ(s.Next(now, 10), 0);            // tick 2 was due at 20: at once...
    EXPECT_EQ(s.Next(now + 2, 10), 5);        // ...and tick 3 is due at 30, on the schedule
    EXPECT_EQ(s.Next(65, 10), 0);             // a stall till 65: one tick at once, not four
    EXPECT_EQ(s.Next(67, 10), 8);             // the next 10 ms after it
    EXPECT_EQ(s.Start(500, 10), 10);          // a fresh start forgets the schedule
    EXPECT_EQ(s.Next(512, 10), 8);
}

}  // namespace
