#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "ui/qt/HelpViewer.h"

namespace {
// The help file is looked up in the folder the program runs in.
struct InFolder {
    explicit InFolder(const QString& path) : previous(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() {
        QDir::setCurrent(previous);
        delete openHelpViewer();
    }
    QString previous;
};
} // namespace

TEST(HelpViewer, showsTheFileAndLeavesItAsItIsWhenAskedAgain) {
    QTemporaryDir dir;
    QFile file(dir.filePath("Vuzivadi.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<h1>Introduction</h1><p>Straight bets pay 35 to 1.</p>");
    file.close();
    InFolder here(dir.path());

    showHelpFile(nullptr, "Vuzivadi.hlp");
    QTextBrowser* viewer = openHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->toPlainText().contains("Straight bets pay 35 to 1."));

    viewer->moveCursor(QTextCursor::End);
    const int position = viewer->textCursor().position();
    showHelpFile(nullptr, "Vuzivadi.hlp");
    EXPECT_EQ(openHelpViewer(), viewer);
    EXPECT_EQ(viewer->textCursor().position(), position) << "an open help file is kept where the reader is";
}

TEST(HelpViewer, aMissingFileIsReportedInsideTheViewer) {
    QTemporaryDir dir;
    InFolder here(dir.path());
    showHelpFile(nullptr, "Vuzivadi.hlp");
    QTextBrowser* viewer = openHelpViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->toPlainText().contains("Vuzivadi.hlp"));
    EXPECT_TRUE(viewer->toPlainText().contains("could not be read"));
}
