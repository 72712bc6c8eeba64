#pragma once
// The link's state in words, for the window's status text and the
// command-line mode.

#include <string>

#include "scope/mount_status.h"

// "RA 18h37m49.3s Dec +38°48'29\"" for hours and degrees (tenths of a second
// of time, whole seconds of arc, rounded and carried).
std::string FormatRaDec(double raHours, double decDeg);

// One line: "Telescope Simulator: slewing to Vega", "...: tracking",
// "...: parked", "Telescope: connecting to localhost:7624", or, after an
// error, "Telescope: " and the message.
std::string MountStatusText(const MountStatus& status, bool afterError);
