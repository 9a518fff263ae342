#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "BadPictures.h"
#include "ui/qt/DibLoader.h"

namespace {
using bad_pictures::bitmapBytes;

class DibFiles : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(DibFiles, anOrdinaryBitmapUnderADibNameLoadsAtItsSize) {
    const auto image = loadDibPicture(write("chip.dib", bitmapBytes(50, 53)));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->size(), QSize(50, 53));
    EXPECT_EQ(image->pixelColor(10, 10), QColor(173, 201, 167));
}

TEST_F(DibFiles, anotherPictureFormatUnderTheNameLoadsToo) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const auto loaded = loadDibPicture(write("wheel2.dib", png));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->size(), QSize(20, 10));
}

TEST_F(DibFiles, badFilesAreRefusedWithoutCrashing) {
    EXPECT_FALSE(loadDibPicture(dir.filePath("euroback.dib")).has_value()) << "missing";
    for (const bad_pictures::BadFile& bad : bad_pictures::badFiles()) {
        EXPECT_FALSE(loadDibPicture(write(bad.fileName, bad.bytes)).has_value()) << bad.what;
        EXPECT_FALSE(decodeDibPicture(bad.bytes).has_value()) << bad.what;
    }
}

TEST_F(DibFiles, aFolderOrAnUnreadableFileIsRefused) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("amerback.dib"));
    EXPECT_FALSE(loadDibPicture(dir.filePath("amerback.dib")).has_value());

    const QString locked = write("locked.dib", bitmapBytes(8, 8));
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    EXPECT_FALSE(loadDibPicture(locked).has_value());
}

int main(int argc, char** argv) {
    // Test discovery runs this too, where there is no desktop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
