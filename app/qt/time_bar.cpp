#include "app/qt/time_bar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimeEdit>
#include <QToolButton>

#include "app/qt/commands.h"
#include "app/qt/lumo_view.h"
#include "app/qt/rotate_widget.h"
#include "app/qt/sky_widget.h"
#include "catalogue/lumo_doc.h"
#include "framework/message_sink.h"

namespace {
// Dialog units of the bar's templates to pixels. The narrow bar may use the
// window's width; the wide one must fit its 120-pixel column.
struct Scale {
    double x, y;
};
constexpr Scale kNarrowScale = {2.0, 1.5}, kWideScale = {1.6, 1.5};
QRect Units(Scale s, int x, int y, int w, int h) {
    return QRect(int(x * s.x), int(y * s.y), int(w * s.x), int(h * s.y));
}

struct Placement {
    QRect unit, count, spin, back, forward, date, time, zoom;
};
// The closed unit list is 12 units high (its template height includes the list).
const Placement kNarrow = {
    Units(kNarrowScale, 1, 2, 48, 12),   Units(kNarrowScale, 50, 2, 17, 12),
    Units(kNarrowScale, 67, 2, 11, 12),  Units(kNarrowScale, 86, 2, 14, 12),
    Units(kNarrowScale, 100, 2, 14, 12), Units(kNarrowScale, 1, 16, 57, 12),
    Units(kNarrowScale, 61, 16, 53, 12), Units(kNarrowScale, 115, 1, 10, 28)};
const Placement kWide = {
    Units(kWideScale, 1, 2, 67, 12),  Units(kWideScale, 34, 19, 22, 13), Units(kWideScale, 56, 19, 11, 12),
    Units(kWideScale, 4, 19, 14, 12), Units(kWideScale, 18, 19, 14, 12), Units(kWideScale, 1, 34, 57, 12),
    Units(kWideScale, 1, 48, 57, 12), Units(kWideScale, 60, 34, 10, 28)};

QDateTime ToQt(const CDateTime& t) {
    return QDateTime(QDate(t.GetYear(), t.GetMonth(), t.GetDay()),
                     QTime(t.GetHour(), t.GetMinute(), t.GetSecond()));
}
}  // namespace

CTimeBar::CTimeBar(CLumoView& view, CLumoDoc* doc, EngineObject* pointerModel)
    : QWidget(&view), m_view(view), m_core(doc, this) {
    setObjectName("TimeBar");
    QFont small = font();
    small.setPixelSize(11);  // the bar's controls are as small as a pocket screen's
    setFont(small);
    m_unit = new QComboBox(this);
    m_unit->setObjectName("unit");
    for (const char* name : kTimeUnitNames) m_unit->addItem(name);
    m_unit->setCurrentIndex(kSeconds);
    m_count = new QLineEdit("1", this);
    m_count->setObjectName("count");
    m_count->installEventFilter(this);
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setObjectName("up");
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setObjectName("down");
    m_back = new QPushButton("<<", this);
    m_back->setObjectName("back");
    m_forward = new QPushButton(">>", this);
    m_forward->setObjectName("forward");
    for (QPushButton* b : {m_back, m_forward}) b->setCheckable(true);
    m_datePicker = new QDateEdit(this);
    m_datePicker->setObjectName("date");
    m_datePicker->setDisplayFormat("yyyy-MM-dd");
    m_datePicker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    m_timePicker = new QTimeEdit(this);
    m_timePicker->setObjectName("time");
    m_timePicker->setDisplayFormat("HH:mm:ss");
    m_timePicker->setWrapping(true);
    m_zoom = new QSlider(Qt::Vertical, this);
    m_zoom->setObjectName("zoom");
    m_zoom->setRange(kZoomSliderMin, kZoomSliderMax);
    m_zoom->setTickPosition(QSlider::NoTicks);
    ShowZoom();

    // A click toggles the button by itself; it shows the running state after.
    connect(m_forward, &QPushButton::clicked, this, &CTimeBar::ToggleForward);
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_core.OnBackward();
        ShowRunning(m_core.m_nRunning);
    });
    connect(m_up, &QToolButton::clicked, this, [this] { StepCount(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { StepCount(-1); });
    connect(m_datePicker, &QDateEdit::dateChanged, this, [this] {
        if (!m_refreshing) m_core.OnDateChanged();
    });
    connect(m_timePicker, &QTimeEdit::timeChanged, this, [this] {
        if (!m_refreshing) m_core.OnTimeChanged();
    });
    connect(m_zoom, &QSlider::valueChanged, this, [this](int p) { m_core.OnZoomSlider(p); });
    for (int32_t id : {kForwardTimer, kBackwardTimer}) {
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);  // 10 ms ticks: coarse timers would stretch them
        connect(timer, &QTimer::timeout, this, [this, id] {
            m_tickingTimer = id;
            m_core.OnTimer(id);
            m_tickingTimer = -1;
        });
        m_timers[id] = timer;
    }
    if (pointerModel) {
        m_pointer = new CRotateWidget(
            pointerModel,
            [this](const RotateState& s) { m_core.OnPointerTurned(s.Turned[1], s.Turned[2]); },
            this);
    }
    SetWide(false);
}

void CTimeBar::SetWide(bool wide) {
    m_wide = wide;
    const Placement& p = wide ? kWide : kNarrow;
    m_unit->setGeometry(p.unit);
    m_count->setGeometry(p.count);
    QRect spin = p.spin;
    m_up->setGeometry(spin.x(), spin.y(), spin.width(), spin.height() / 2);
    m_down->setGeometry(spin.x(), spin.y() + spin.height() / 2, spin.width(), spin.height() / 2);
    m_back->setGeometry(p.back);
    m_forward->setGeometry(p.forward);
    m_datePicker->setGeometry(p.date);
    m_timePicker->setGeometry(p.time);
    m_zoom->setGeometry(p.zoom);
    if (m_pointer) m_pointer->setGeometry(PointerRect());
}

QRect CTimeBar::PointerRect() const {
    if (m_wide) return QRect(QPoint(4, 103), QPoint(80, 160));
    // Right of the zoom slider, 53 x 46 pixels as on the pocket screen.
    const int left = kNarrow.zoom.right() + 6;
    return QRect(QPoint(left, 2), QPoint(left + 53, 48));
}

void CTimeBar::SetDocument(CLumoDoc* doc) {
    m_core.m_pDoc = doc;
    ShowZoom();
}

void CTimeBar::ShowZoom() {
    if (m_core.m_pDoc) ShowZoomPosition(m_core.SliderPositionForZoom(m_core.m_pDoc->m_nZoom));
}

void CTimeBar::ShowZoomPosition(int32_t p) {
    // Setting the position is not a user's move: the zoom stays as it is.
    QSignalBlocker quiet(m_zoom);
    m_zoom->setValue(p);
}

void CTimeBar::ToggleForward() {
    m_core.OnForward();
    ShowRunning(m_core.m_nRunning);
}

void CTimeBar::StepCount(int delta) {
    bool ok = false;
    int n = m_count->text().toInt(&ok);
    if (!ok) n = m_core.m_nCount;
    n = std::clamp(n + delta, kMinCount, kMaxCount);
    m_count->setText(QString::number(n));
}

bool CTimeBar::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (watched != m_count || !key) return QWidget::eventFilter(watched, event);
    const int k = static_cast<QKeyEvent*>(event)->key();
    if (k != Qt::Key_Up && k != Qt::Key_Down) return false;
    // Taken before the window's arrow keys (which turn the sky) see it.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    StepCount(k == Qt::Key_Up ? 1 : -1);
    return true;
}

bool CTimeBar::UpdateData(CTimeBarCore& bar, bool save) {
    if (!save) {
        m_refreshing = true;
        m_datePicker->setDate(ToQt(bar.m_date).date());
        m_timePicker->setTime(ToQt(bar.m_time).time());
        m_count->setText(QString::number(bar.m_nCount));
        m_unit->setCurrentIndex(bar.m_nUnit);
        m_refreshing = false;
        return true;
    }
    if (!bar.TakeCount(m_count->text().toStdString())) {
        // Shown once: the field goes back to the count the bar keeps.
        m_count->setText(QString::number(bar.m_nCount));
        ShowMessage(kBadCountMessage, kAppTitle);
        return false;
    }
    bar.m_nUnit = m_unit->currentIndex();
    QDate d = m_datePicker->date();
    QTime t = m_timePicker->time();
    CDateTime date(d.year(), d.month(), d.day(), bar.m_date.GetHour(), bar.m_date.GetMinute(),
                   bar.m_date.GetSecond());
    CDateTime time(bar.m_time.GetYear(), bar.m_time.GetMonth(), bar.m_time.GetDay(), t.hour(),
                   t.minute(), t.second());
    if (date.IsValid()) bar.m_date = date;
    if (time.IsValid()) bar.m_time = time;
    return true;
}

void CTimeBar::StartTimer(int32_t id, int32_t milliseconds) {
    if (!m_timers.count(id)) return;
    if (!m_clock.isValid()) m_clock.start();
    const int64_t now = m_clock.elapsed();
    TickSchedule& schedule = m_schedules[id];
    const int64_t wait =
        id == m_tickingTimer ? schedule.Next(now, milliseconds) : schedule.Start(now, milliseconds);
    m_timers[id]->start(static_cast<int>(wait));
}

void CTimeBar::KillTimer(int32_t id) {
    if (m_timers.count(id)) m_timers[id]->stop();
}

void CTimeBar::SetViewTime(const CDateTime& time) { m_view.SetViewTime(time); }

void CTimeBar::ShowRunning(int32_t running) {
    m_forward->setChecked(running == 1);
    m_back->setChecked(running == -1);
}

void CTimeBar::RedrawSky() { m_view.Sky()->Redraw(); }
