#include "app/qt/run_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/qt/commands.h"
#include "app/qt/lumo_app.h"
#include "app/qt/main_frame.h"
#include "app/qt/quit_signals.h"
#include "framework/file.h"
#include "framework/message_sink.h"
#include "framework/program_files.h"

int RunWindow(int argc, char** argv, const std::string& document) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(kAppTitle);
    // Messages of the core appear as message boxes with their caption.
    SetMessageSink([](const std::string& text, const std::string& caption) {
        QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(caption),
                                 QString::fromStdString(text));
    });
    SetConfirmSink([](const std::string& question, const std::string& caption) {
        return QMessageBox::question(QApplication::activeWindow(), QString::fromStdString(caption),
                                     QString::fromStdString(question)) == QMessageBox::Yes;
    });
    CLumoApp app(LocateProgramFiles(ExecutableFolder()));
    // A request to end that comes before the window exists is carried out
    // once the window's event loop runs.
    bool quitPending = false;
    CQuitSignals quitSignals([&app, &quitPending] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        if (app.Frame())
            app.Frame()->close();
        else
            quitPending = true;
    });
    app.Start();
    if (!document.empty()) app.OpenDocument(document);
    if (quitPending) QTimer::singleShot(0, app.Frame(), &QWidget::close);
    int status = qapp.exec();
    app.OnFrameClosing();
    return status;
}
