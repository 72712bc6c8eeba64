#include "framework/clock.h"

namespace {
std::optional<std::time_t> g_fixedNow;
}

std::time_t ClockNow() { return g_fixedNow ? *g_fixedNow : std::time(nullptr); }

void FixClock(std::optional<std::time_t> instant) { g_fixedNow = instant; }
