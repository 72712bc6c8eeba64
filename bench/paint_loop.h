#pragma once
// The sky window's paint loop for the paint benchmarks: a window of the
// host's size on the document, painted once per iteration, the chosen time
// moving a minute each time when advance is set.

#include <benchmark/benchmark.h>

#include "sky/lumo_wnd.h"
#include "sky/sky_tools.h"

class CBodyModels;

inline void RunPaintLoop(benchmark::State& state, CLumoDoc& doc, SkyHost& host,
                         FixedTimeSource& time, SkyTools& tools, CBodyModels* models,
                         const SkyScale& scale, bool advance, const CDeepSky* deepSky = nullptr) {
    CLumoWnd wnd;
    wnd.Connect(&doc, &host, &time, &tools);
    wnd.m_pModels = models;
    wnd.m_pDeepSky = deepSky;
    wnd.SetScale(scale);
    wnd.OnCreate();
    wnd.OnSize();
    for (auto _ : state) {
        if (advance) time.chosen += CTimeSpan(0, 0, 1, 0);
        wnd.PaintSky();
        benchmark::ClobberMemory();
    }
}
