// View options, Where, Seek and the Aim menu through the real window: each
// dialog is opened by its command and worked while it is modal.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "app/qt/control_names.h"
#include "app/qt/seek_dialog.h"
#include "app/qt/time_bar.h"
#include "app/qt/view_options_dialog.h"
#include "app/qt/where_dialog.h"
#include "astro/body_table.h"
#include "catalogue/city_list.h"
#include "tests/gui/shell_fixture.h"

namespace {

class DialogTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        CopyCatalogue();
        Start();
    }
    // Triggers the command; the modal dialog of class D that it opens is
    // handed to work, which closes it. A dialog left open fails the test.
    template <class D>
    void OnDialog(int command, const std::function<void(D&)>& work) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
            if (!dialog) return;
            opened = true;
            work(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        Frame()->Action(command)->trigger();
        EXPECT_TRUE(opened);
    }
    template <class W>
    static W* Control(QWidget& dialog, int id) {
        W* w = dialog.findChild<W*>(ControlName(id));
        EXPECT_NE(w, nullptr) << id;
        return w;
    }
    static void ClickOk(QDialog& d) {
        d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    static void SetFields(QDialog& d, const char* name, const char* lat, const char* lon) {
        Control<QLineEdit>(d, CWhereDialog::kName)->setText(name);
        Control<QLineEdit>(d, CWhereDialog::kLatitude)->setText(lat);
        Control<QLineEdit>(d, CWhereDialog::kLongitude)->setText(lon);
    }
    static QListWidget* List(QDialog& d) { return Control<QListWidget>(d, CWhereDialog::kCityList); }
    // Selects the list item of a name, as a click does.
    static void Select(QDialog& d, const QString& name) {
        QList<QListWidgetItem*> found = List(d)->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        List(d)->setCurrentItem(found.front());
    }
    static QStringList Items(QDialog& d) {
        QStringList names;
        for (int i = 0; i < List(d)->count(); ++i) names << List(d)->item(i)->text();
        return names;
    }
    bool HasCity(const std::string& name) {
        for (const auto& c : Doc().m_cities)
            if (c->m_strName == name) return true;
        return false;
    }
};

TEST_F(DialogTest, ViewOptionsOpensOnTheDocumentAndOkWritesWholeMagnitudes) {
    int paints = Sky()->Paints();
    OnDialog<CViewOptionsDialog>(ID_VIEW_OPTIONS, [&](CViewOptionsDialog& d) {
        EXPECT_EQ(d.windowTitle(), "View options");
        EXPECT_EQ(d.findChild<QGroupBox*>()->title(), "View mode");
        EXPECT_TRUE(Control<QRadioButton>(d, CViewOptionsDialog::kHorizon)->isChecked());
        QStringList checks;
        for (int id : {1005, 1006, 1007, 1008, 1013, 1014, 1015}) checks << Control<QCheckBox>(d, id)->text();
        EXPECT_EQ(checks, (QStringList{"Lat/lon Grid", "Ecliptic", "Local horizon", "Ground",
                                       "Constellations", "Const. Names", "Const. Bounds"}));
        EXPECT_FALSE(Control<QCheckBox>(d, CViewOptionsDialog::kGround)->isChecked());
        auto* mag = Control<QSlider>(d, CViewOptionsDialog::kMagnitudeSlider);
        EXPECT_EQ(mag->minimum(), -10);
        EXPECT_EQ(mag->maximum(), 80);
        EXPECT_EQ(mag->value(), 80);  // the limit of 10000
        EXPECT_EQ(Control<QSlider>(d, CViewOptionsDialog::kNamesSlider)->value(), 30);
        ClickOk(d);
    });
    EXPECT_EQ(Doc().m_fMagLimit, 8.0f);
    EXPECT_EQ(Doc().m_fNameLimit, 3.0f);
    EXPECT_EQ(Sky()->Paints(), paints + 1);
}

TEST_F(DialogTest, ViewOptionsModeTakesEffectAtTheRepaintAndSurvivesARestart) {
    OnDialog<CViewOptionsDialog>(ID_VIEW_OPTIONS, [&](CViewOptionsDialog& d) {
        Control<QRadioButton>(d, CViewOptionsDialog::kEquatorial)->click();
        Control<QCheckBox>(d, CViewOptionsDialog::kGrid)->click();
        Control<QCheckBox>(d, CViewOptionsDialog::kGround)->click();
        Control<QSlider>(d, CViewOptionsDialog::kMagnitudeSlider)->setValue(65);
        Control<QSlider>(d, CViewOptionsDialog::kNamesSlider)->setValue(-10);
        EXPECT_EQ(Doc().m_nViewMode, 1);  // nothing changes before OK
        ClickOk(d);
    });
    EXPECT_EQ(Doc().m_nViewMode, 0);
    // Equatorial with both angles 0: the view looks at 0h on the equator.
    EXPECT_GT(Sky()->Wnd().m_Camera.m_vDepth.x, 32700);
    Close();
    Start();
    EXPECT_EQ(Doc().m_nViewMode, 0);
    EXPECT_EQ(Doc().m_bGrid, 0);
    EXPECT_EQ(Doc().m_bGround, 1);
    EXPECT_EQ(Doc().m_fMagLimit, 6.0f);
    EXPECT_EQ(Doc().m_fNameLimit, -1.0f);
}

TEST_F(DialogTest, ViewOptionsCancelChangesNothing) {
    int paints = Sky()->Paints();
    OnDialog<CViewOptionsDialog>(ID_VIEW_OPTIONS, [&](CViewOptionsDialog& d) {
        Control<QRadioButton>(d, CViewOptionsDialog::kEquatorial)->click();
        Control<QCheckBox>(d, CViewOptionsDialog::kBounds)->click();
        d.reject();
    });
    EXPECT_EQ(Doc().m_nViewMode, 1);
    EXPECT_EQ(Doc().m_bBounds, 1);
    EXPECT_EQ(Doc().m_fMagLimit, 10000.0f);
    EXPECT_EQ(Sky()->Paints(), paints);
}

TEST_F(DialogTest, WhereSelectionMovesTheObserverEvenWhenCancelled) {
    int paints = Sky()->Paints();
    OnDialog<CWhereDialog>(ID_WHERE, [&](CWhereDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Where");
        ASSERT_EQ(List(d)->count(), 358);
        std::vector<CityEntry> sorted = SortedCityList(Doc());
        for (int i : {0, 100, 357}) {
            EXPECT_EQ(Items(d)[i].toStdString(), sorted[i].name);
            EXPECT_EQ(List(d)->item(i)->data(Qt::UserRole).toInt(), sorted[i].index);
        }
        Select(d, "Lima");
        EXPECT_EQ(Control<QLineEdit>(d, CWhereDialog::kName)->text(), "Lima");
        EXPECT_NEAR(Control<QLineEdit>(d, CWhereDialog::kLatitude)->text().toDouble(), -12.05, 1e-5);
        EXPECT_NEAR(Control<QLineEdit>(d, CWhereDialog::kLongitude)->text().toDouble(), -77.05, 1e-5);
        d.reject();
    });
    EXPECT_NEAR(Doc().m_fLatitude * kRadiansToDegrees, -12.05, 1e-5);
    EXPECT_NEAR(Doc().m_fLongitude * kRadiansToDegrees, -77.05, 1e-5);
    EXPECT_EQ(Sky()->Paints(), paints);  // shown at the next repaint
}

TEST_F(DialogTest, WhereGoMovesToTheTypedPlaceAndRepaints) {
    int paints = Sky()->Paints();
    OnDialog<CWhereDialog>(ID_WHERE, [&](CWhereDialog& d) {
        SetFields(d, "", "-33.9", "151.2");
        Control<QPushButton>(d, CWhereDialog::kGo)->click();
    });
    EXPECT_EQ(Doc().m_fLatitude, static_cast<float>(-33.9 * kDegreesToRadians));
    EXPECT_EQ(Doc().m_fLongitude, static_cast<float>(151.2 * kDegreesToRadians));
    EXPECT_EQ(Sky()->Paints(), paints + 2);  // the dialog's repaint and its caller's
    EXPECT_TRUE(messages.empty());
}

TEST_F(DialogTest, WhereRejectsABadFieldAndGivesItTheFocus) {
    const float lat = Doc().m_fLatitude;
    OnDialog<CWhereDialog>(ID_WHERE, [&](CWhereDialog& d) {
        SetFields(d, "Atlantis", "95", "0");
        Control<QPushButton>(d, CWhereDialog::kGo)->click();
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, CWhereDialog::kLatitude));
        SetFields(d, "Atlantis", "10", "east");
        Control<QPushButton>(d, CWhereDialog::kNew)->click();
        EXPECT_EQ(d.focusWidget(), Control<QLineEdit>(d, CWhereDialog::kLongitude));
        d.reject();
    });
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Tarvel Lumo: Lat must be a number between -90 and 90.",
                            "Tarvel Lumo: Lon must be a number between -360 and 360."}));
    EXPECT_EQ(Doc().m_fLatitude, lat);
    EXPECT_FALSE(HasCity("Atlantis"));
}

TEST_F(DialogTest, WhereNewAndDelChangeTheCitiesAndSurviveARestart) {
    ASSERT_TRUE(HasCity("Lima"));
    OnDialog<CWhereDialog>(ID_WHERE, [&](CWhereDialog& d) {
        SetFields(d, "", "1", "2");
        Control<QPushButton>(d, CWhereDialog::kNew)->click();
        SetFields(d, "Lima", "1", "2");
        Control<QPushButton>(d, CWhereDialog::kNew)->click();
        SetFields(d, "lima", "1", "2");  // differs in case only: a new city
        Control<QPushButton>(d, CWhereDialog::kNew)->click();
        ASSERT_EQ(List(d)->count(), 359);
        int row = Items(d).indexOf("lima");
        EXPECT_EQ(Items(d)[row - 1], "Lima");
        EXPECT_EQ(List(d)->item(row)->data(Qt::UserRole).toInt(), 358);

        Control<QPushButton>(d, CWhereDialog::kDel)->click();  // nothing selected
        EXPECT_TRUE(questions.empty());
        Select(d, "Madrid");
        Control<QPushButton>(d, CWhereDialog::kDel)->click();  // answered no
        EXPECT_EQ(List(d)->count(), 359);
        answer = true;
        Control<QPushButton>(d, CWhereDialog::kDel)->click();
        EXPECT_EQ(List(d)->count(), 358);
        EXPECT_FALSE(Items(d).contains("Madrid"));
        EXPECT_EQ(List(d)->item(Items(d).indexOf("lima"))->data(Qt::UserRole).toInt(), 357);
        d.reject();
    });
    EXPECT_EQ(messages, (std::vector<std::string>{"Tarvel Lumo: Fill data before Add city",
                                                  "Tarvel Lumo: Duplicate City"}));
    EXPECT_EQ(questions, (std::vector<std::string>(2, "Tarvel Lumo: Delete the city Madrid?")));
    Close();
    Start();
    EXPECT_TRUE(HasCity("lima"));
    EXPECT_FALSE(HasCity("Madrid"));
    EXPECT_EQ(Doc().m_cities.size(), 358u);
}

TEST_F(DialogTest, SeekFindsOrSaysNotFound) {
    Doc().m_pAim = FindPlanet(Doc().m_planets, "Mars");
    OnDialog<CSeekDialog>(ID_SEEK, [&](CSeekDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Seek");
        EXPECT_EQ(d.findChild<QLabel*>()->text(),
                  "Insert the name or part of the name of the entitle you want find.");
        d.reject();
    });
    EXPECT_NE(Doc().m_pAim, nullptr);  // cancelled: nothing happens

    OnDialog<CSeekDialog>(ID_SEEK, [&](CSeekDialog& d) {
        Control<QLineEdit>(d, CSeekDialog::kText)->setText("no such thing");
        Control<QPushButton>(d, 1)->click();
    });
    EXPECT_EQ(messages, std::vector<std::string>{"Tarvel Lumo: Not found"});
    EXPECT_EQ(Doc().m_pAim, nullptr);
    EXPECT_EQ(Doc().m_nViewMode, 0);

    OnDialog<CSeekDialog>(ID_SEEK, [&](CSeekDialog& d) {
        Control<QLineEdit>(d, CSeekDialog::kText)->setText("betelgeuse");
        Control<QPushButton>(d, 1)->click();
    });
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_NEAR(Doc().m_nViewAzimuth, 88.79 / 360 * 32768, 2);  // 5h 55m
    EXPECT_NEAR(Doc().m_nViewElevation, -7.41 / 360 * 32768, 2);
}

TEST_F(DialogTest, AimMenuChecksTheLockedBodyAndEnablesEarthInVrOnly) {
    Frame()->UpdateCommandUI();
    for (int id : {ID_VIEW_OPTIONS, ID_WHERE, ID_SEEK, ID_AIM_SUN, ID_AIM_PLUTO})
        EXPECT_TRUE(Frame()->Action(id)->isEnabled()) << id;
    EXPECT_FALSE(Frame()->Action(ID_AIM_EARTH)->isEnabled());
    Frame()->Action(ID_AIM_SATURN)->trigger();
    EXPECT_EQ(Doc().m_pAim, FindPlanet(Doc().m_planets, "Saturn"));
    EXPECT_TRUE(Frame()->Action(ID_AIM_SATURN)->isChecked());
    EXPECT_FALSE(Frame()->Action(ID_AIM_MARS)->isChecked());
    Frame()->Action(ID_AIM_SATURN)->trigger();
    EXPECT_EQ(Doc().m_pAim, nullptr);
    EXPECT_FALSE(Frame()->Action(ID_AIM_SATURN)->isChecked());
    Frame()->Action(ID_VR)->trigger();
    EXPECT_TRUE(Frame()->Action(ID_AIM_EARTH)->isEnabled());
}

TEST_F(DialogTest, AimedBodyStaysCentredWhileTimeRuns) {
    View()->SetViewTime(CDateTime(2026, 3, 1, 22, 0, 0));
    Frame()->Action(ID_AIM_JUPITER)->trigger();
    CTimeBar* bar = View()->TimeBar();
    bar->m_unit->setCurrentIndex(kDays);
    QTest::mouseClick(bar->m_forward, Qt::LeftButton);
    const CPlanet* jupiter = FindPlanet(Doc().m_planets, "Jupiter");
    const Surface& s = Sky()->Wnd().m_Surface;
    for (int tick = 0; tick < 10; ++tick) {
        bar->Core().OnTimer(kForwardTimer);
        EXPECT_LE(std::abs(jupiter->m_ptScreen[0] - s.CentreX), 1) << tick;
        EXPECT_LE(std::abs(jupiter->m_ptScreen[1] - (s.Height - s.CentreY)), 1) << tick;
    }
    QTest::mouseClick(bar->m_forward, Qt::LeftButton);
    EXPECT_GE((View()->ChosenTime() - CDateTime(2026, 3, 1, 22, 0, 0)).GetTotalDays(), 10);
}

}  // namespace
