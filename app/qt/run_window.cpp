#include "app/qt/run_window.h"

#include <QApplication>
#include <QMessageBox>

#include "app/qt/commands.h"
#include "app/qt/lumo_app.h"
#include "framework/file.h"
#include "framework/message_sink.h"

int RunWindow(int argc, char** argv) {
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
    CLumoApp app(ExecutableFolder());
    app.Start();
    int status = qapp.exec();
    app.OnFrameClosing();
    return status;
}
