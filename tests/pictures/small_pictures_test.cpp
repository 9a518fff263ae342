// The chip, wheel, icons and About picture: the sizes the windows were laid
// out for, the background they blend into, and the copies the program reads.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QDir>
#include <QImage>

#include "BuiltInPictures.h"
#include "PictureColours.h"
#include "PictureProbe.h"
#include "PictureSizes.h"
#include "Pictures.h"

namespace {

struct BuiltIn {
    BuiltInPicture picture;
    QSize size;
    std::function<QImage()> draw;
};

std::string nameOf(const QString& path) { return path.toStdString(); }

bool cornersAreBackground(const QImage& image) {
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        if (!isColour(image.pixel(corner), picturecolours::background))
            return false;
    return true;
}

QImage readProgramFile(const char* name) {
    return QImage(QDir(QStringLiteral(QUELTA_APP_DIR)).filePath(QString::fromLatin1(name)), "BMP");
}

} // namespace

TEST(SmallPictures, BuiltInPicturesAreLinkedInAtTheirSizes) {
    const BuiltIn builtIns[] = {
        {BuiltInPicture::Chip, {50, 53}, drawChipPicture},    {BuiltInPicture::Wheel, {150, 92}, drawWheelPicture},
        {BuiltInPicture::MainIcon, {32, 32}, drawMainIcon},   {BuiltInPicture::StatsIcon, {32, 32}, drawStatsIcon},
        {BuiltInPicture::About, {84, 109}, drawAboutPicture},
    };
    for (const BuiltIn& builtIn : builtIns) {
        const QString path = builtInPicturePath(builtIn.picture);
        const QImage linked(path);
        ASSERT_FALSE(linked.isNull()) << nameOf(path) << " is missing from the resources";
        EXPECT_EQ(linked.size(), builtIn.size) << nameOf(path);
        EXPECT_EQ(builtIn.draw().size(), builtIn.size) << nameOf(path);
    }
}

TEST(SmallPictures, ChipIsBlueOnTheBackgroundWithAPaleMiddle) {
    const QImage chip = drawChipPicture();
    EXPECT_TRUE(cornersAreBackground(chip));
    const auto blue = [](QRgb p) { return qBlue(p) > 150 && qRed(p) < 120; };
    EXPECT_GT(countPixels(chip, chip.rect(), blue), chip.width() * chip.height() / 4);
    // The unit is written in black on the middle, where the window puts it.
    const QRgb middle = chip.pixel(25, 25);
    EXPECT_GT(qGray(middle), 180);
}

TEST(SmallPictures, WheelShowsRedBlackAndGreenPocketsOnTheBackground) {
    const QImage wheel = drawWheelPicture();
    EXPECT_TRUE(cornersAreBackground(wheel));
    EXPECT_GT(countPixels(wheel, wheel.rect(), [](QRgb p) { return isColour(p, colours::red); }), 50);
    EXPECT_GT(countPixels(wheel, wheel.rect(), [](QRgb p) { return isColour(p, colours::black); }), 50);
    EXPECT_GT(countPixels(wheel, wheel.rect(), [](QRgb p) { return isColour(p, colours::green); }), 3);
}

TEST(SmallPictures, IconsHaveSeeThroughCorners) {
    for (const QImage& icon : {drawMainIcon(), drawStatsIcon()}) {
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(16, 12)), 255);
    }
}

// The files beside the program are the same drawings, as plain bitmaps.
TEST(SmallPictures, ProgramFolderHoldsTheDrawnPictures) {
    const struct {
        const char* name;
        std::function<QImage()> draw;
    } files[] = {
        {"euroback.dib", [] { return drawTablePicture(Wheel::European); }},
        {"amerback.dib", [] { return drawTablePicture(Wheel::American); }},
        {"chip.dib", drawChipPicture},
        {"wheel2.dib", drawWheelPicture},
    };
    for (const auto& file : files) {
        const QImage read = readProgramFile(file.name);
        ASSERT_FALSE(read.isNull()) << file.name;
        const QImage drawn = file.draw();
        EXPECT_EQ(read.size(), drawn.size()) << file.name;
        EXPECT_TRUE(read.convertToFormat(QImage::Format_RGB32) == drawn.convertToFormat(QImage::Format_RGB32))
            << file.name << " is not the current drawing";
    }
}
