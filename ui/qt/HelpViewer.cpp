#include "ui/qt/HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>

namespace {
constexpr qint64 kMaxHelpBytes = 4 * 1024 * 1024;
constexpr QSize kViewerSize{640, 560};

QPointer<QTextBrowser>& viewer() {
    static QPointer<QTextBrowser> browser;
    return browser;
}

QString notFoundPage(const QString& fileName) {
    return QStringLiteral("<h2>Help is not available</h2><p>The help file <b>%1</b> could not be read from "
                          "the folder <tt>%2</tt>.</p>")
        .arg(fileName.toHtmlEscaped(), QDir::currentPath().toHtmlEscaped());
}
} // namespace

QTextBrowser* openHelpViewer() { return viewer().data(); }

void showHelpFile(QWidget* parent, const QString& fileName) {
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QPointer<QTextBrowser>& browser = viewer();
    if (browser && browser->isVisible() && browser->property("helpFile").toString() == path) {
        browser->raise();
        browser->activateWindow();
        return;
    }
    if (!browser) {
        browser = new QTextBrowser(parent);
        browser->setWindowFlag(Qt::Window);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setObjectName("helpViewer");
        browser->setOpenExternalLinks(false);
        browser->resize(kViewerSize);
        // A caret to read by, line by line, as well as links to Tab through.
        browser->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
        browser->setAccessibleName(QStringLiteral("Quelta Help"));
    }
    browser->setProperty("helpFile", path);

    QFile file(path);
    const QFileInfo info(path);
    if (info.isFile() && info.size() <= kMaxHelpBytes && file.open(QIODevice::ReadOnly)) {
        browser->setWindowTitle(QStringLiteral("Quelta Help"));
        browser->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        browser->setWindowTitle(QStringLiteral("Quelta Help - file not found"));
        browser->setHtml(notFoundPage(fileName));
    }
    browser->moveCursor(QTextCursor::Start);
    browser->show();
    browser->raise();
}
