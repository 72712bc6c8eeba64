#include "app/qt/lumo_view.h"

#include <QResizeEvent>
#include <ctime>

#include "app/qt/commands.h"
#include "app/qt/lumo_app.h"
#include "app/qt/seek_dialog.h"
#include "app/qt/sky_widget.h"
#include "app/qt/time_bar.h"
#include "app/qt/view_options_dialog.h"
#include "app/qt/where_dialog.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/seek.h"
#include "framework/message_sink.h"
#include "sky/aim_commands.h"
#include "sky/view_layout.h"
#include "sky/vr_command.h"

namespace {
constexpr const char* kTimeSection = "TIME";
constexpr const char* kUtcEntry = "GMT";
constexpr const char* kDaylightEntry = "Daylight";

// The body of an Aim item, or null for any other command.
const char* AimBodyOf(int id) {
    for (const AimItem& item : kAimItems)
        if (item.id == id) return item.name;
    return nullptr;
}
}  // namespace

CDateTime CurrentViewTime(bool utc) {
    return utc ? CDateTime::GetCurrentUniversalTime() : CDateTime::GetCurrentTime();
}

CLumoView::CLumoView(CLumoApp& app)
    : m_app(app), m_bUtc(app.GetProfileInt(kTimeSection, kUtcEntry, 0) == 1) {
    setObjectName("LumoView");
    m_time = CurrentViewTime(m_bUtc);
    m_sky = new CSkyWidget(&app.Doc(), this, &app.Tools(), this);
    m_sky->Wnd().m_pModels = app.Models();
    m_sky->Wnd().m_pDeepSky = app.DeepSky();
    m_sky->Wnd().m_bDaylight = app.GetProfileInt(CLumoApp::kViewSection, kDaylightEntry, 0) == 1;
    m_timeBar = new CTimeBar(*this, &app.Doc(), app.PointerModel());
    m_timeBar->Core().ShowTime(m_time);
    // The wheel over the sky zooms as the slider does.
    m_sky->SetWheelHandler([this](int steps) { m_timeBar->Core().StepZoom(steps); });
    m_sky->setFocus();
}

CLumoView::~CLumoView() = default;

void CLumoView::SetViewTime(const CDateTime& time) {
    m_time = time;
    m_timeBar->Core().ShowTime(time);
    m_sky->Redraw();
}

void CLumoView::SetDocument(CLumoDoc* doc) {
    m_sky->SetDocument(doc);
    m_timeBar->SetDocument(doc);
    m_sky->Redraw();
}

void CLumoView::OnCommand(int id) {
    CLumoDoc& doc = m_app.Doc();
    switch (id) {
        case ID_VR:
            VrCommand(doc);
            m_sky->Redraw();
            break;
        case ID_NOW:
            SetViewTime(CurrentViewTime(m_bUtc));
            break;
        case ID_UTC_TIME:
            m_bUtc = !m_bUtc;
            m_app.WriteProfileInt(kTimeSection, kUtcEntry, m_bUtc ? 1 : 0);
            m_sky->Redraw();
            break;
        case ID_VIEW_OPTIONS: {
            CViewOptionsDialog dialog(doc, m_sky->Wnd().m_bDaylight, this);
            if (dialog.exec() == QDialog::Accepted) {
                m_sky->Wnd().m_bDaylight = dialog.Daylight();
                m_app.WriteProfileInt(CLumoApp::kViewSection, kDaylightEntry, dialog.Daylight() ? 1 : 0);
                m_app.SaveViewSwitches(doc);
                m_sky->Redraw();
            }
            break;
        }
        case ID_WHERE: {
            CWhereDialog dialog(doc, &m_sky->Wnd(), this);
            if (dialog.exec() == QDialog::Accepted) m_sky->Redraw();
            break;
        }
        case ID_SEEK: {
            CSeekDialog dialog(this);
            if (dialog.exec() != QDialog::Accepted) break;
            if (SeekCommand(m_sky->Wnd(), dialog.Text())) m_lastSought = dialog.Text();
            else ShowMessage(kNotFoundMessage, kAppTitle);
            break;
        }
        case ID_TURN_LEFT: m_sky->Wnd().TurnByEdgeStep(-1, 0); break;
        case ID_TURN_RIGHT: m_sky->Wnd().TurnByEdgeStep(1, 0); break;
        case ID_TURN_UP: m_sky->Wnd().TurnByEdgeStep(0, -1); break;
        case ID_TURN_DOWN: m_sky->Wnd().TurnByEdgeStep(0, 1); break;
        case ID_ZOOM_IN: m_timeBar->Core().StepZoom(1); break;
        case ID_ZOOM_OUT: m_timeBar->Core().StepZoom(-1); break;
        case ID_RUN_FORWARD: m_timeBar->ToggleForward(); break;
        default:
            // The Aim items belong to the document.
            if (const char* body = AimBodyOf(id)) AimCommand(doc, body);
            break;
    }
}

void CLumoView::UpdateCommand(int id, bool& enabled, bool& checked) const {
    const CLumoDoc& doc = m_app.Doc();
    enabled = true;
    checked = false;
    switch (id) {
        case ID_VR:
            checked = doc.m_bObserverOnBody != 0;
            break;
        case ID_UTC_TIME:
            checked = m_bUtc;
            break;
        default:
            if (const char* body = AimBodyOf(id)) {
                enabled = AimItemEnabled(doc, body);
                checked = AimItemChecked(doc, body);
            }
            break;
    }
}

std::string CLumoView::AimedObject() const {
    const CLumoDoc& doc = m_app.Doc();
    return doc.m_pAim ? doc.m_pAim->m_strName : m_lastSought;
}

void CLumoView::Relayout() {
    QWidget* screen = window();
    ViewRect client{0, 0, width(), height()};
    ViewLayout layout = LayoutView(client, screen->width(), screen->height());
    auto place = [](QWidget* w, const ViewRect& r) {
        w->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    };
    place(m_timeBar, layout.timeBar);
    if (m_timeBar->IsWide() != layout.wide) m_timeBar->SetWide(layout.wide);
    place(m_sky, layout.sky);
}

void CLumoView::resizeEvent(QResizeEvent*) { Relayout(); }
