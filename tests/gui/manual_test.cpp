// The manual against the running program: every menu item, command button,
// control of the time bar and control of the dialogs is named in lumo.htm.

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QTextDocument>
#include <QToolBar>

#include "app/qt/seek_dialog.h"
#include "app/qt/time_bar.h"
#include "app/qt/view_options_dialog.h"
#include "app/qt/where_dialog.h"
#include "tests/gui/shell_fixture.h"

namespace {

// The texts a user reads on the controls of a widget.
QStringList ControlTexts(QWidget& w) {
    QStringList texts;
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) texts << b->text();
    for (QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
    for (QGroupBox* g : w.findChildren<QGroupBox*>()) texts << g->title();
    for (QComboBox* c : w.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    return texts;
}

TEST_F(ShellTest, TheManualNamesEveryMenuItemButtonAndControl) {
    CopyCatalogue();
    Start();
    QFile file(QString(LUMO_BIN_DIR) + "/lumo.htm");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument manual;
    manual.setHtml(QString::fromUtf8(file.readAll()));
    const QString text = manual.toPlainText().simplified();

    QStringList names;
    for (QAction* menu : Frame()->menuBar()->actions()) {
        names << menu->text();
        for (QAction* item : menu->menu()->actions())
            if (!item->isSeparator()) names << item->text();
    }
    for (QToolBar* bar : Frame()->findChildren<QToolBar*>())
        for (QAction* button : bar->actions())
            if (!button->isSeparator()) names << button->text();
    names << ControlTexts(*View()->TimeBar());
    CViewOptionsDialog options(Doc(), false, Frame());
    CWhereDialog where(Doc(), nullptr, Frame());
    CSeekDialog seek(Frame());
    for (QWidget* dialog : std::initializer_list<QWidget*>{&options, &where, &seek})
        names << dialog->windowTitle() << ControlTexts(*dialog);

    int checked = 0;
    for (QString name : names) {
        name.remove('&');
        if (name.trimmed().isEmpty()) continue;
        EXPECT_TRUE(text.contains(name)) << "the manual does not name \"" << name.toStdString() << "\"";
        ++checked;
    }
    EXPECT_GT(checked, 50);
}

}  // namespace
