#pragma once
// A program folder of the test's own (with or without stars.db, planets.sto
// and esfptr.ob3), a profile folder of its own, recorded messages, and the
// started program on top.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "app/qt/commands.h"
#include "app/qt/lumo_app.h"
#include "app/qt/lumo_view.h"
#include "app/qt/main_frame.h"
#include "app/qt/sky_widget.h"
#include "framework/file.h"
#include "framework/message_sink.h"
#include "tests/app/program_run.h"
#include "tests/temp_dir.h"

struct ShownDialog {
    QString title;
    QStringList lines;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(profile.Path()));
        SetMessageSink([this](const std::string& text, const std::string& caption) {
            messages.push_back(caption + ": " + text);
        });
        SetConfirmSink([this](const std::string& question, const std::string& caption) {
            questions.push_back(caption + ": " + question);
            return answer;
        });
    }
    void TearDown() override {
        app.reset();
        SetMessageSink(nullptr);
        SetConfirmSink(nullptr);
    }

    void CopyCatalogue() {
        std::filesystem::copy_file(JoinPath(LUMO_BIN_DIR, "stars.db"), folder.File("stars.db"));
    }
    // Starts the program on the folder (no splash) and lays the window out
    // (width 0: as the profile has it).
    void Start(int width = 640, int height = 520) {
        app = std::make_unique<CLumoApp>(folder.Path());
        app->Start(false);
        if (width > 0) Frame()->resize(width, height);
        QApplication::processEvents();
    }
    // Closes the window the way the user does and ends the program.
    void Close() {
        Frame()->close();
        app.reset();
    }
    // The document saved in the folder's stars.db.
    std::unique_ptr<CLumoDoc> SavedDocument() { return LoadDocument(folder.File("stars.db")); }
    CMainFrame* Frame() { return app->Frame(); }
    CLumoView* View() { return Frame()->View(); }
    CSkyWidget* Sky() { return View()->Sky(); }
    CLumoDoc& Doc() { return app->Doc(); }

    // Runs action; work gets the first modal window it opens (and closes it).
    static void OnModal(const std::function<void()>& action, const std::function<void(QWidget&)>& work) {
        QTimer::singleShot(0, [&work] {
            if (QWidget* w = QApplication::activeModalWidget()) work(*w);
        });
        action();
    }
    // Runs action; the first modal window it opens is read and closed.
    static ShownDialog CaptureModal(const std::function<void()>& action) {
        ShownDialog shown;
        OnModal(action, [&shown](QWidget& w) {
            shown.title = w.windowTitle();
            for (QLabel* l : w.findChildren<QLabel*>())
                if (!l->text().isEmpty()) shown.lines << l->text();
            w.close();
        });
        return shown;
    }

    TempDir folder, profile;
    std::unique_ptr<CLumoApp> app;
    std::vector<std::string> messages;
    // Yes/no questions asked, and the answer they get.
    std::vector<std::string> questions;
    bool answer = false;
};
