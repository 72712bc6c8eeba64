// View options, Where, Seek, the Aim menu, the star and planet dialogs and
// the Telescope menu through the real window: each dialog is opened by its
// command (or a double click) and worked while it is modal.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/qt/control_names.h"
#include "app/qt/seek_dialog.h"
#include "app/qt/telescope_control.h"
#include "app/qt/view_options_dialog.h"
#include "app/qt/where_dialog.h"
#include "astro/angles.h"
#include "astro/body_table.h"
#include "tests/gui/shell_fixture.h"

namespace {

using VO = CViewOptionsDialog;
using WD = CWhereDialog;

class DialogTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        CopyCatalogue();
        Start();
    }
    // Triggers the command; work gets the modal dialog it opens and closes it.
    template <class D>
    void OnDialog(int command, const std::function<void(D&)>& work) {
        bool opened = false;
        OnModal([&] { Frame()->Action(command)->trigger(); }, [&](QWidget& w) {
            auto* dialog = dynamic_cast<D*>(&w);
            if (!dialog) return;
            opened = true;
            work(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        EXPECT_TRUE(opened);
    }
    template <class W = QWidget>
    static W* C(QWidget& dialog, int id) { return dialog.findChild<W*>(ControlName(id)); }
    static void Click(QWidget& dialog, int id) { C<QAbstractButton>(dialog, id)->click(); }
    static void SetFields(QDialog& d, const char* name, const char* lat, const char* lon) {
        C<QLineEdit>(d, WD::kName)->setText(name);
        C<QLineEdit>(d, WD::kLatitude)->setText(lat);
        C<QLineEdit>(d, WD::kLongitude)->setText(lon);
    }
    static QListWidget* List(QDialog& d) { return C<QListWidget>(d, WD::kCityList); }
    static QListWidgetItem* Item(QDialog& d, const char* name) {
        QList<QListWidgetItem*> found = List(d)->findItems(name, Qt::MatchExactly);
        return found.size() == 1 ? found.front() : nullptr;
    }
    bool HasCity(const std::string& name) {
        for (const auto& c : Doc().m_cities)
            if (c->m_strName == name) return true;
        return false;
    }
};

// Cancel changes nothing; OK sets the document, repainted once. Daylight is
// kept in the settings file (beside "UTC Time"), the rest in the catalogue,
// across a restart (the dialog's rules are the catalogue's).
TEST_F(DialogTest, ViewOptionsCancelOrOkAndSurviveARestart) {
    const int paints = Sky()->Paints();
    OnDialog<VO>(ID_VIEW_OPTIONS, [&](VO& d) {
        Click(d, VO::kEquatorial);
        d.reject();
    });
    EXPECT_EQ(Doc().m_nViewMode, 1);
    EXPECT_EQ(Sky()->Paints(), paints);
    OnDialog<VO>(ID_VIEW_OPTIONS, [](VO& d) {
        Click(d, VO::kEquatorial);
        Click(d, VO::kDaylight);
        Click(d, VO::kDeepSky);
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(Sky()->Paints(), paints + 1);
    Close();
    Start();
    EXPECT_TRUE(Sky()->Wnd().m_bDaylight);
    EXPECT_EQ(Doc().m_nViewMode, 0);
    EXPECT_EQ(Doc().m_bDeepSky, 0);
}

// The field rules and the city list are the catalogue's (tests/catalogue):
// here a bad field keeps the dialog open with its field focused, Go moves
// the observer, a selection moves it even when cancelled, New and Del
// (after a question) change the list, and the cities survive a restart.
TEST_F(DialogTest, WhereFieldsCitiesAndTheirRestart) {
    const int paints = Sky()->Paints();
    OnDialog<WD>(ID_WHERE, [&](WD& d) {
        SetFields(d, "Atlantis", "95", "0");
        Click(d, WD::kGo);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), C(d, WD::kLatitude));
        SetFields(d, "", "-33.9", "151.2");
        QTest::keyClick(&d, Qt::Key_Return);  // Go is the default button
    });
    EXPECT_EQ(Doc().m_fLatitude, static_cast<float>(-33.9 * kDegToRad));
    EXPECT_EQ(Sky()->Paints(), paints + 2);  // the dialog's repaint and its caller's
    OnDialog<WD>(ID_WHERE, [&](WD& d) {
        SetFields(d, "Atlantis", "1", "2");
        Click(d, WD::kNew);
        List(d)->setCurrentItem(Item(d, "Madrid"));
        Click(d, WD::kDel);  // answered no
        answer = true;
        Click(d, WD::kDel);
        EXPECT_EQ(Item(d, "Madrid"), nullptr);
        List(d)->setCurrentItem(Item(d, "Lima"));
        d.reject();
    });
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Tarvel Lumo: Lat must be a number between -90 and 90."});
    EXPECT_EQ(questions, std::vector<std::string>(2, "Tarvel Lumo: Delete the city Madrid?"));
    EXPECT_NEAR(Doc().m_fLatitude * kRadToDeg, -12.05, 1e-5);
    Close();
    Start();
    EXPECT_TRUE(HasCity("Atlantis"));
    EXPECT_FALSE(HasCity("Madrid"));
}

TEST_F(DialogTest, SeekFindsOrSaysNotFound) {
    auto seek = [&](const char* text) {
        OnDialog<CSeekDialog>(ID_SEEK, [&](CSeekDialog& d) {
            if (!text) return d.reject();
            C<QLineEdit>(d, CSeekDialog::kText)->setText(text);
            Click(d, 1);
        });
    };
    Doc().m_pAim = FindPlanet(Doc().m_planets, "Mars");
    seek(nullptr);
    EXPECT_NE(Doc().m_pAim, nullptr);  // cancelled: nothing happens
    seek("no such thing");
    EXPECT_EQ(messages, std::vector<std::string>{"Tarvel Lumo: Not found"});
    seek("betelgeuse");  // 5h 55m, +7.4 degrees
    EXPECT_NEAR(Doc().m_nViewAzimuth, 88.79 / 360 * 32768, 2);
}

// A double click on the sky opens the dialog of what is drawn there (the
// drag, edge, lock and pick rules are the sky window's, tested in tests/sky);
// the Aim menu checks the body it locks the view on.
TEST_F(DialogTest, DoubleClickOpensTheStarOrPlanetDialog) {
    Doc().m_nViewAzimuth = 0;
    Doc().m_nViewElevation = -2000;
    Sky()->Redraw();
    // Where a record drawn by the last paint appears in the widget.
    auto shownAt = [&](const std::array<int32_t, 2>& pt) {
        return QPoint(pt[0] + Sky()->Wnd().m_Surface.BlitX, pt[1]);
    };
    const CStar* star = nullptr;
    QPoint at;
    for (const ScreenMark& m : Sky()->Wnd().m_hits.stars)
        if (Doc().m_stars[size_t(m.index)]->m_fMagnitude < 2.5f) {
            star = Doc().m_stars[size_t(m.index)].get();
            at = shownAt({m.x, m.y});
            break;
        }
    ASSERT_NE(star, nullptr);
    ShownDialog shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, at); });
    EXPECT_EQ(shown.title, "Star");
    ASSERT_FALSE(shown.lines.isEmpty());
    EXPECT_EQ(shown.lines[0].toStdString(), star->m_strName);

    CPlanet* jupiter = FindPlanet(Doc().m_planets, "Jupiter");
    Frame()->Action(ID_AIM_JUPITER)->trigger();
    EXPECT_TRUE(Frame()->Action(ID_AIM_JUPITER)->isChecked());
    Sky()->Redraw();  // aiming switches to Equatorial mode from the next paint on
    Sky()->Redraw();
    // At the projection centre: half the surface stride (a multiple of 4), shown one pixel right.
    at = shownAt(MarkOf(Sky()->Wnd().m_hits.bodies, jupiter->m_nIndex));
    ASSERT_EQ(at.x(), Sky()->Wnd().m_Surface.CentreX + 1);
    shown = CaptureModal([&] { QTest::mouseDClick(Sky(), Qt::LeftButton, {}, at); });
    EXPECT_EQ(shown.title, "Planet");
    ASSERT_FALSE(shown.lines.isEmpty());
    EXPECT_EQ(shown.lines[0], "Name: Jupiter");
}

// Without a telescope only Connect is offered; its dialog offers the
// default server, a server that is not there is reported, and the next start
// offers the address given.
TEST_F(DialogTest, TelescopeConnectRemembersTheAddressAndReportsAMissingServer) {
    Frame()->UpdateCommandUI();
    EXPECT_TRUE(Frame()->Action(ID_TELESCOPE_CONNECT)->isEnabled());
    for (int id : {ID_TELESCOPE_SLEW, ID_TELESCOPE_SYNC, ID_TELESCOPE_ABORT, ID_TELESCOPE_PARK})
        EXPECT_FALSE(Frame()->Action(id)->isEnabled()) << id;
    auto connect = [&] { Frame()->OnCommand(ID_TELESCOPE_CONNECT); };
    OnModal(connect, [](QWidget& w) {
        EXPECT_EQ(w.findChild<QLineEdit*>("host")->text(), "localhost");
        w.findChild<QLineEdit*>("host")->setText("127.0.0.1");
        w.findChild<QSpinBox*>("port")->setValue(1);
        w.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const std::string expected = "Telescope: No telescope server answers at 127.0.0.1:1 (is "
                                 "indiserver running there?)";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 5000));
    EXPECT_EQ(messages, std::vector<std::string>{expected});
    EXPECT_EQ(Frame()->Action(ID_TELESCOPE_CONNECT)->text(), "Connect...");
    Close();
    Start();
    OnModal(connect, [&](QWidget& w) {
        EXPECT_EQ(w.findChild<QLineEdit*>("host")->text(), "127.0.0.1");
        EXPECT_EQ(w.findChild<QSpinBox*>("port")->value(), 1);
        w.close();
    });
}

}  // namespace
