#include "sky/tick_schedule.h"

#include <gtest/gtest.h>

namespace {

// A tick of work w ms run at each due time: the waits keep 10 ms between
// due times, whatever the work takes below a period.
TEST(TickSchedule, EachTickIsDueAPeriodAfterThePreviousWasDue) {
    for (int64_t work : {0, 2, 7, 9}) {
        TickSchedule s;
        int64_t now = 1000;
        now += s.Start(now, 10);
        for (int tick = 1; tick <= 100; ++tick) {
            EXPECT_EQ(now, 1000 + 10 * tick) << "work " << work;
            now += work;                 // the paint
            now += s.Next(now, 10);      // the wait the host starts
        }
    }
}

TEST(TickSchedule, ALateTickRunsAtOnceAndAStallIsNotMadeUp) {
    TickSchedule s;
    int64_t now = 0;
    now += s.Start(now, 10);            // tick 1 due at 10
    now += 13;                          // a slow paint ends at 23, after tick 2 was due
    EXPECT_EQ(s.Next(now, 10), 0);      // tick 2 runs at once...
    now += 2;
    EXPECT_EQ(s.Next(now, 10), 5);      // ...and tick 3 is due at 30, on the schedule
    now += 5;
    now += 35;                          // a stall: tick 3 ends at 65, ticks 4 to 6 missed
    EXPECT_EQ(s.Next(now, 10), 0);      // one tick at once, not four
    EXPECT_EQ(s.DueMs(), 65);
    now += 2;
    EXPECT_EQ(s.Next(now, 10), 8);      // the next 10 ms after it
    EXPECT_EQ(s.DueMs(), 75);
    // A fresh start forgets the schedule.
    EXPECT_EQ(s.Start(500, 10), 10);
    EXPECT_EQ(s.Next(512, 10), 8);
}

}  // namespace
