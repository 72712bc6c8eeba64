#pragma once
// `lumo ephemeris [--events] [--time YYYY-MM-DDTHH:MM:SS] [--utc] [--lat DEG --lon DEG]`:
// where every body of the solar system stands for an observer on the Earth,
// computed with the same chain as the sky view (Universal Time, Julian day,
// body positions, the observer frame on the Earth and the eye on its surface).
// Defaults: the current local time, and the place saved in stars.db in the
// program folder. The document is read, never saved.
// With --events: the rise, transit and set of the Sun, the Moon and the
// planets over the calendar day of the chosen time (local, or UT with
// --utc), then the Sun's twilights and the night's length, tab-separated,
// times HH:MM in the same time, "-" where an event does not happen.

#include <iosfwd>

// args are the words after "ephemeris". Returns the exit status: 0, or 2 for
// a usage error (with a message on err).
int RunEphemeris(int argc, char** args, std::ostream& out, std::ostream& err);
