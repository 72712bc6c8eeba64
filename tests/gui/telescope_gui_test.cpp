// The Telescope menu in the window: what it offers without a telescope, the
// address it remembers, and a server that is not there.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

#include "app/qt/telescope_control.h"
#include "tests/gui/shell_fixture.h"

namespace {

TEST_F(ShellTest, TelescopeConnectRemembersTheAddressAndReportsAMissingServer) {
    CopyCatalogue();
    Start();
    // Without a telescope only Connect is offered; no status bar, no reticle.
    Frame()->UpdateCommandUI();
    EXPECT_TRUE(Frame()->Action(ID_TELESCOPE_CONNECT)->isEnabled());
    for (int id : {ID_TELESCOPE_SLEW, ID_TELESCOPE_SYNC, ID_TELESCOPE_ABORT, ID_TELESCOPE_PARK})
        EXPECT_FALSE(Frame()->Action(id)->isEnabled()) << id;
    EXPECT_EQ(Frame()->findChild<QStatusBar*>(), nullptr);
    // The dialog offers the defaults; the user names a port nothing listens on.
    auto connect = [&] { Frame()->OnCommand(ID_TELESCOPE_CONNECT); };
    OnModal(connect, [](QWidget& w) {
        EXPECT_EQ(w.findChild<QLineEdit*>("host")->text(), "localhost");
        EXPECT_EQ(w.findChild<QSpinBox*>("port")->value(), 7624);
        EXPECT_EQ(w.findChild<QLineEdit*>("device")->text(), "Telescope Simulator");
        w.findChild<QLineEdit*>("host")->setText("127.0.0.1");
        w.findChild<QSpinBox*>("port")->setValue(1);
        w.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const std::string expected = "No telescope server answers at 127.0.0.1:1 (is indiserver running there?)";
    for (int i = 0; i < 500 && messages.empty(); ++i) QTest::qWait(10);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Telescope: " + expected);
    EXPECT_EQ(Frame()->Telescope()->StatusText(), "Telescope: " + expected);
    EXPECT_EQ(Frame()->Action(ID_TELESCOPE_CONNECT)->text(), "Connect...");
    EXPECT_FALSE(Sky()->Wnd().m_telescope.shown);
    // The next start offers what was given.
    Close();
    Start();
    QString host;
    int port = 0;
    OnModal(connect, [&](QWidget& w) {
        host = w.findChild<QLineEdit*>("host")->text();
        port = w.findChild<QSpinBox*>("port")->value();
        w.close();
    });
    EXPECT_EQ(host, "127.0.0.1");
    EXPECT_EQ(port, 1);
}

}  // namespace
