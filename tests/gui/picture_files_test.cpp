#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/gui/TableWindow.h"
#include "ui/PictureFiles.h"
#include "ui/qt/DibLoader.h"

namespace {
// The program reads its pictures from the folder it runs in.
class InFolder {
public:
    explicit InFolder(const QString& path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

QString fileName(const PictureFile& file) { return toQString(file.fileName); }

void copyBuiltPictures(const QString& to) {
    for (const PictureFile& file :
         {picture_files::europeanTable, picture_files::americanTable, picture_files::chip, picture_files::wheel})
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUELTA_PICTURES_DIR "/") + fileName(file), to + "/" + fileName(file)));
}

// Points of the table picture that no control covers show the picture itself.
void expectShowsPicture(TableWindow& table, const PictureFile& file) {
    const std::optional<QImage> picture = loadDibPicture(fileName(file));
    ASSERT_TRUE(picture.has_value());
    const QImage shown = table.client()->grab().toImage();
    int compared = 0;
    for (int y = 5; y < picture->height(); y += 23) {
        for (int x = 425; x < picture->width(); x += 19) {
            if (table.client()->childAt(QPoint(x, y)) != nullptr)
                continue;
            ++compared;
            ASSERT_EQ(shown.pixelColor(x, y), picture->pixelColor(x, y)) << "at " << x << "," << y;
        }
    }
    EXPECT_GT(compared, 100);
}

QStringList texts(const std::vector<SeenMessage>& seen) {
    QStringList list;
    for (const SeenMessage& m : seen)
        list << m.text;
    return list;
}
} // namespace

TEST(PictureFiles, withThePicturesTheTableShowsEachWheelsDrawing) {
    QTemporaryDir dir;
    copyBuiltPictures(dir.path());
    InFolder here(dir.path());
    TableWindow table;
    EXPECT_TRUE(table.messages.seen.empty());
    expectShowsPicture(table, picture_files::europeanTable);
    table.game().mnuAmerican_Click();
    expectShowsPicture(table, picture_files::americanTable);
    table.game().mnuEuropean_Click();
    expectShowsPicture(table, picture_files::europeanTable);
    EXPECT_TRUE(table.messages.seen.empty());
}

TEST(PictureFiles, startedWithoutThePicturesTheTableIsWhiteAndStillTakesChips) {
    QTemporaryDir dir;
    InFolder here(dir.path());
    TableWindow table;
    ASSERT_EQ(table.messages.seen.size(), 1u);
    EXPECT_EQ(table.messages.seen[0].text, "Couldn't find the .dib file.");
    EXPECT_EQ(table.messages.seen[0].title, "Quelta");
    EXPECT_FALSE(table.window.table()->hasPicture());
    const QImage shown = table.client()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(600, 10), QColor(Qt::white));

    table.click(TableWindow::centreOf(spotGeometry(slot::lblRed).spot), Qt::LeftButton);
    EXPECT_EQ(table.game().state().Stakes[slot::lblRed], 1);

    table.game().mnuAmerican_Click();
    table.game().mnuEuropean_Click();
    EXPECT_EQ(texts(table.messages.seen), QStringList({"Couldn't find the .dib file.", "Couldn't find the .DIB file.",
                                                       "Couldn't find the .dib file.", "Couldn't find the .DIB file.",
                                                       "Couldn't find the .DIB file."}));
}

TEST(PictureFiles, aBadTableFileIsReportedAndTheGameGoesOn) {
    QTemporaryDir dir;
    copyBuiltPictures(dir.path());
    QFile euro(dir.filePath(fileName(picture_files::europeanTable)));
    ASSERT_TRUE(euro.resize(euro.size() / 3)); // cut short mid-picture
    InFolder here(dir.path());
    TableWindow table;
    EXPECT_EQ(texts(table.messages.seen), QStringList({"Couldn't find the .dib file."}));
    EXPECT_FALSE(table.window.table()->hasPicture());
    table.game().mnuAmerican_Click();
    EXPECT_TRUE(table.window.table()->hasPicture());
    EXPECT_EQ(table.messages.seen.size(), 1u);
}
