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

#include "framework/command_help.h"

// The command's usage and options, for --help and the manual page.
CommandHelp EphemerisHelp();

// args are the words after "ephemeris". Returns the exit status: 0, or 2 for
// a usage error (with a message and the usage on err); --help prints
// the usage on out.
int RunEphemeris(int argc, char** args, std::ostream& out, std::ostream& err);
