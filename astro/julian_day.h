#pragma once
// Julian day of a calendar date and time.

class CDateTime;

// The Julian day (days, a double) of the date and time in t, read as
// Universal Time (the program applies no Delta-T). The fields are read on the
// calendar in use at the time: dates from 1582 October 15 on are Gregorian,
// earlier ones Julian (so 1582 October 4 is followed by October 15, one day
// later). Fractions of a second are not carried. Called on every redraw after
// GetUniversalTime, and by `lumo ephemeris`.
double DateTimeToJulianDay(const CDateTime& t);

// The same for bare fields: year, month 1..12, day, hour, minute, second.
double JulianDayFromFields(int year, int month, int day, int hour, int minute, int second);
