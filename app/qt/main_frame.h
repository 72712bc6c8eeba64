#pragma once
// The main window: title "Tarvel Lumo", the "File", "Aim" and "Telescope" menus, the
// command buttons, and the main view in its client area. Every command goes
// through OnCommand; check marks and enabled states come from UpdateCommandUI,
// run whenever a menu opens and after every command.

#include <QMainWindow>
#include <map>
#include <memory>

class CLumoApp;
class CLumoView;
class CTelescopeControl;
class QAction;

class CMainFrame : public QMainWindow {
public:
    CMainFrame(CLumoApp& app, CLumoView* view);
    ~CMainFrame() override;

    QAction* Action(int id) const;
    void OnCommand(int id);
    void UpdateCommandUI();
    CLumoView* View() const { return m_view; }
    CTelescopeControl* Telescope() const { return m_telescope.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, const QString& text, int id);
    void BuildMenus();
    void BuildCommandButtons();
    void ShowHelp();

    CLumoApp& m_app;
    CLumoView* m_view;
    std::map<int, QAction*> m_actions;
    QWidget* m_help = nullptr;
    std::unique_ptr<CTelescopeControl> m_telescope;
};
