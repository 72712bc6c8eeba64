// Paints per second while time runs: the whole program on Qt's offscreen
// platform, the sky window 1280 x 800, the default layers, ">>" with one
// hour per tick. The 10 ms tick caps it at 100 a second; fewer means the
// running time lags.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "app/qt/lumo_app.h"
#include "app/qt/lumo_view.h"
#include "app/qt/main_frame.h"
#include "app/qt/sky_widget.h"
#include "app/qt/time_bar.h"
#include "framework/file.h"
#include "tests/temp_dir.h"

namespace {

void BM_RunningTimePaintsPerSecond(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_running";
    static char* argv[] = {name, nullptr};
    static QApplication qapp(argc, argv);
    TempDir folder;
    std::filesystem::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), folder.File("stars.db"));
    CLumoApp app(folder.Path());
    app.Start(false);
    CMainFrame* frame = app.Frame();
    frame->resize(1280, 800);
    QApplication::processEvents();
    CSkyWidget* sky = frame->View()->Sky();
    // Grow the window until the sky window itself is 1280 x 800.
    frame->resize(frame->width() + (1280 - sky->width()), frame->height() + (800 - sky->height()));
    QApplication::processEvents();
    CTimeBar* bar = frame->View()->TimeBar();
    bar->m_unit->setCurrentIndex(kHours);
    bar->m_forward->click();
    for (auto _ : state) {
        const int before = sky->Paints();
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["paints_per_second"] = sky->Paints() - before;
    }
    bar->m_forward->click();
    // One tick's work: the view takes the next time, paints and shows it.
    QElapsedTimer tick;
    tick.start();
    for (int i = 0; i < 50; ++i) frame->View()->SetViewTime(frame->View()->ChosenTime() + CTimeSpan(0, 1, 0, 0));
    state.counters["tick_work_ms"] = tick.nsecsElapsed() / 50 / 1e6;
    state.counters["sky_width"] = sky->width();
    state.counters["sky_height"] = sky->height();
}
BENCHMARK(BM_RunningTimePaintsPerSecond)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
