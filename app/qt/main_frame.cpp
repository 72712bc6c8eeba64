#include "app/qt/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QToolBar>

#include "app/qt/about_dialog.h"
#include "app/qt/commands.h"
#include "app/qt/help_window.h"
#include "app/qt/lumo_app.h"
#include "app/qt/lumo_view.h"
#include "app/qt/pictures.h"
#include "app/qt/telescope_control.h"
#include "app/qt/window_placement.h"

CMainFrame::CMainFrame(CLumoApp& app, CLumoView* view) : m_app(app), m_view(view) {
    m_telescope = std::make_unique<CTelescopeControl>(app, *view, *this);
    m_telescope->SetOnChange([this] { UpdateCommandUI(); });
    setWindowTitle(kAppTitle);
    setWindowIcon(ProgramIcon());
    setCentralWidget(view);
    BuildMenus();
    BuildCommandButtons();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, int id) {
    QAction* action = menu ? menu->addAction(text) : new QAction(text, this);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

void CMainFrame::BuildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("File");
    AddCommand(file, "View options...", ID_VIEW_OPTIONS);
    AddCommand(file, "Where...", ID_WHERE);
    AddCommand(file, "VR...", ID_VR)->setCheckable(true);
    AddCommand(file, "Now", ID_NOW);
    AddCommand(file, "UTC Time", ID_UTC_TIME)->setCheckable(true);
    file->addSeparator();
    AddCommand(file, "About Tarvel Lumo...", ID_APP_ABOUT);
    AddCommand(file, "Exit", ID_APP_EXIT);

    QMenu* aim = menuBar()->addMenu("Aim");
    aim->setObjectName("Aim");
    for (const AimItem& item : kAimItems) AddCommand(aim, item.name, item.id)->setCheckable(true);
    aim->addSeparator();
    AddCommand(aim, "Seek", ID_SEEK);

    QMenu* telescope = menuBar()->addMenu("Telescope");
    telescope->setObjectName("Telescope");
    AddCommand(telescope, "Connect...", ID_TELESCOPE_CONNECT);
    AddCommand(telescope, "Slew to aimed object", ID_TELESCOPE_SLEW);
    AddCommand(telescope, "Sync on aimed object", ID_TELESCOPE_SYNC);
    AddCommand(telescope, "Abort slew", ID_TELESCOPE_ABORT);
    AddCommand(telescope, "Park", ID_TELESCOPE_PARK);

    for (QMenu* menu : {file, aim, telescope})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);

    // The keys. Those of menu items show in the menus; the window keeps all
    // of them while the menus are closed. A text field with the focus keeps
    // the keys it types with.
    struct Key {
        int id;
        QKeySequence keys;
    };
    for (const Key& k : {Key{ID_FILE_NEW, QKeySequence::New}, Key{ID_FILE_OPEN, QKeySequence::Open},
                         Key{ID_FILE_SAVE, QKeySequence::Save}, Key{ID_HELP, QKeySequence(Qt::Key_F1)},
                         Key{ID_NOW, QKeySequence(Qt::Key_N)},
                         Key{ID_SEEK, QKeySequence(Qt::CTRL | Qt::Key_F)},
                         Key{ID_APP_EXIT, QKeySequence(Qt::CTRL | Qt::Key_Q)},
                         Key{ID_TURN_LEFT, QKeySequence(Qt::Key_Left)},
                         Key{ID_TURN_RIGHT, QKeySequence(Qt::Key_Right)},
                         Key{ID_TURN_UP, QKeySequence(Qt::Key_Up)},
                         Key{ID_TURN_DOWN, QKeySequence(Qt::Key_Down)},
                         Key{ID_ZOOM_IN, QKeySequence(Qt::Key_PageUp)},
                         Key{ID_ZOOM_OUT, QKeySequence(Qt::Key_PageDown)},
                         Key{ID_RUN_FORWARD, QKeySequence(Qt::Key_Space)},
                         Key{ID_TELESCOPE_SLEW, QKeySequence(Qt::Key_G)},
                         Key{ID_TELESCOPE_ABORT, QKeySequence(Qt::Key_Escape)}}) {
        QAction* a = m_actions.count(k.id) ? m_actions[k.id] : AddCommand(nullptr, "", k.id);
        a->setShortcut(k.keys);
        addAction(a);
    }
}

void CMainFrame::BuildCommandButtons() {
    QToolBar* bar = addToolBar("Commands");
    bar->setObjectName("CommandBar");
    bar->setMovable(false);
    bar->setIconSize(QSize(16, 16));
    bar->addSeparator();
    struct Button {
        const char* text;
        int id;
        CommandImage image;
    };
    for (const Button& b : {Button{"Where", ID_WHERE, CommandImage::Where},
                            Button{"View options", ID_VIEW_OPTIONS, CommandImage::ViewOptions},
                            Button{"VR", ID_VR, CommandImage::VR},
                            Button{"Help", ID_HELP, CommandImage::Help}}) {
        QAction* a = bar->addAction(CommandIcon(b.image), b.text);
        a->setData(b.id);
        a->setObjectName(QString("button%1").arg(b.id));
        connect(a, &QAction::triggered, this, [this, id = b.id] { OnCommand(id); });
    }
}

QAction* CMainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::OnCommand(int id) {
    switch (id) {
        case ID_APP_ABOUT: {
            CAboutDialog about(this);
            about.exec();
            break;
        }
        case ID_APP_EXIT:
            close();
            break;
        case ID_HELP:
            ShowHelp();
            break;
        case ID_FILE_NEW:
            m_app.NewDocument();
            break;
        case ID_FILE_OPEN:
            m_app.OpenDocumentFromDialog(this);
            break;
        case ID_FILE_SAVE:
            m_app.SaveDocumentNow();
            break;
        case ID_TELESCOPE_CONNECT:
            m_telescope->OnConnectCommand();
            break;
        case ID_TELESCOPE_SLEW:
            m_telescope->SlewTo(m_view->AimedObject());
            break;
        case ID_TELESCOPE_SYNC:
            m_telescope->SyncOn(m_view->AimedObject());
            break;
        case ID_TELESCOPE_ABORT:
            m_telescope->Abort();
            break;
        case ID_TELESCOPE_PARK:
            m_telescope->Park();
            break;
        default:
            m_view->OnCommand(id);
            break;
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    const bool connected = m_telescope->IsConnected();
    for (auto& [id, action] : m_actions) {
        bool enabled = true, checked = false;
        m_view->UpdateCommand(id, enabled, checked);
        switch (id) {
            case ID_TELESCOPE_CONNECT:
                action->setText(connected ? "Disconnect" : "Connect...");
                break;
            case ID_TELESCOPE_SLEW:
            case ID_TELESCOPE_SYNC:
                enabled = connected && !m_view->AimedObject().empty();
                break;
            case ID_TELESCOPE_ABORT:
            case ID_TELESCOPE_PARK:
                enabled = connected;
                break;
        }
        action->setEnabled(enabled);
        if (action->isCheckable()) action->setChecked(checked);
    }
    // The command buttons follow their menu items.
    for (QAction* a : findChildren<QAction*>()) {
        if (a->objectName().startsWith("button")) {
            bool enabled = true, checked = false;
            m_view->UpdateCommand(a->data().toInt(), enabled, checked);
            a->setEnabled(enabled);
        }
    }
}

void CMainFrame::ShowHelp() {
    if (!m_help) {
        m_help = new CHelpWindow(QString::fromStdString(m_app.ProgramFolder()), this);
        m_help->setObjectName("HelpWindow");
    }
    m_help->show();
    m_help->raise();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    WriteWindowPlacement(m_app, PlacementOf(*this));
    m_app.OnFrameClosing();
    event->accept();
}
