#include <gtest/gtest.h>

#include "framework/datetime.h"
#include "tests/fixed_clock.h"

TEST(DateTime, FieldsRoundTripAndInvalidFields) {
    CDateTime t(2026, 12, 6, 22, 15, 30);
    ASSERT_TRUE(t.IsValid());
    EXPECT_TRUE(t.GetYear() == 2026 && t.GetMonth() == 12 && t.GetDay() == 6);
    EXPECT_TRUE(t.GetHour() == 22 && t.GetMinute() == 15 && t.GetSecond() == 30);
    EXPECT_EQ(t.GetDayOfWeek(), 0);  // a Sunday
    EXPECT_TRUE(CDateTime(2024, 2, 29, 0, 0, 0).IsValid());
    EXPECT_TRUE(CDateTime(100, 1, 1, 0, 0, 0).IsValid());
    EXPECT_TRUE(CDateTime(9999, 12, 31, 23, 59, 59).IsValid());
    for (CDateTime bad : {CDateTime(2025, 2, 29, 0, 0, 0), CDateTime(2026, 13, 1, 0, 0, 0),
                          CDateTime(2026, 1, 1, 24, 0, 0), CDateTime(99, 12, 31, 0, 0, 0)})
        EXPECT_FALSE(bad.IsValid()) << bad.GetYear();
}

TEST(DateTime, SpansAddAndSubtractAcrossMonthsYearsAndTheRange) {
    CDateTime t(2026, 12, 31, 23, 30, 0);
    CDateTime n = t + CTimeSpan(0, 1, 0, 0);
    EXPECT_EQ(n, CDateTime(2027, 1, 1, 0, 30, 0));
    EXPECT_EQ(n - CTimeSpan(0, 1, 0, 0), t);
    EXPECT_EQ((CDateTime(2024, 3, 1, 0, 0, 0) - CTimeSpan(1, 0, 0, 0)).GetDay(), 29);
    EXPECT_EQ((n - t).GetTotalSeconds(), 3600);
    EXPECT_EQ((CDateTime(1582, 10, 15, 0, 0, 0) - CDateTime(1582, 10, 4, 0, 0, 0)).GetTotalDays(),
              11.0);  // proleptic Gregorian: no calendar switch here
    EXPECT_FALSE((CDateTime(9999, 12, 31, 0, 0, 0) + CTimeSpan(1, 0, 0, 0)).IsValid());
    EXPECT_FALSE((CDateTime(100, 1, 1, 0, 0, 0) - CTimeSpan(0, 0, 0, 1)).IsValid());
}

TEST(DateTime, CurrentTimeIsTheClockInTheZone) {
    FixedClock clock(kHalfPastMidnight, "America/New_York");  // the day before
    EXPECT_EQ(CDateTime::GetCurrentTime(), CDateTime(2026, 12, 6, 19, 30, 0));
    EXPECT_EQ(CDateTime::GetCurrentUniversalTime(), CDateTime(2026, 12, 7, 0, 30, 0));
}
