#include "app/qt/help_window.h"

#include <QDir>
#include <QFile>
#include <QUrl>

CHelpWindow::CHelpWindow(const QString& programFolder, QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setWindowTitle("Lumo Help");
    resize(560, 640);
    setOpenExternalLinks(false);
    QString path = QDir(programFolder).filePath(kHelpFile);
    if (QFile::exists(path))
        setSource(QUrl::fromLocalFile(path));
    else
        setHtml("<p>The help file " + path.toHtmlEscaped() + " is missing.</p>");
}
