#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ui/qt/DibLoader.h"

namespace {
QByteArray bitmapBytes(int width, int height) {
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(173, 201, 167));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

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

void putLittle32(QByteArray& bytes, int offset, qint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}
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
    const QByteArray whole = bitmapBytes(655, 400);

    QByteArray huge = bitmapBytes(4, 4);
    putLittle32(huge, 18, 100000);
    putLittle32(huge, 22, 100000);

    QByteArray negativeWidth = bitmapBytes(4, 4);
    putLittle32(negativeWidth, 18, -4);

    struct Case {
        const char* what;
        QString path;
    };
    const Case cases[] = {
        {"missing", dir.filePath("euroback.dib")},
        {"empty", write("empty.dib", {})},
        {"truncated", write("short.dib", whole.left(whole.size() / 2))},
        {"header only", write("header.dib", whole.left(54))},
        {"text", write("text.dib", "This is not a picture at all.\n")},
        {"claims 100000 x 100000", write("huge.dib", huge)},
        {"negative width", write("negative.dib", negativeWidth)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(loadDibPicture(c.path).has_value()) << c.what;
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
