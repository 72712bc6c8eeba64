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

TEST(TickSchedule, ALateTickRunsAtOnceAndMissedTicksAreNotMadeUp) {
    TickSchedule s;
    int64_t now = 0;
    now += s.Start(now, 10);           // tick 1 at 10
    now += 35;                         // a long paint: ends at 45, ticks at 20..40 missed
    EXPECT_EQ(s.Next(now, 10), 0);     // the next runs at once...
    EXPECT_EQ(s.DueMs(), 45);
    now += 2;
    EXPECT_EQ(s.Next(now, 10), 8);     // ...and the one after is due 10 ms later
    EXPECT_EQ(s.DueMs(), 55);
    // A fresh start forgets the schedule.
    EXPECT_EQ(s.Start(500, 10), 10);
    EXPECT_EQ(s.Next(512, 10), 8);
}

}  // namespace
