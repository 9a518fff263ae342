// Draws every picture of the program. Usage:
//   quelta_drawpictures <program folder> <resource folder> [<preview folder>]
// The program folder gets the picture files the program reads at run time,
// the resource folder the built-in pictures, and the preview folder a PNG of
// every picture for people to look at.
#include <cstdio>
#include <functional>
#include <vector>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "Pictures.h"

namespace {

enum class Where : std::uint8_t { ProgramFolder, Resources };

struct PictureFile {
    Where where;
    const char* name;
    const char* format;
    const char* previewName;
    std::function<QImage()> draw;
};

bool save(const QImage& image, const QString& path, const char* format) {
    if (image.save(path, format))
        return true;
    std::fprintf(stderr, "quelta_drawpictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program folder> <resource folder> [<preview folder>]\n", argv[0]);
        return 2;
    }
    const QDir programFolder(QString::fromLocal8Bit(argv[1]));
    const QDir resourceFolder(QString::fromLocal8Bit(argv[2]));
    const bool preview = argc > 3;
    const QDir previewFolder(preview ? QString::fromLocal8Bit(argv[3]) : QString());

    // The picture files are ordinary bitmaps under the names the program
    // looks for; the built-in pictures travel as PNG in the resources.
    const std::vector<PictureFile> files = {
        {Where::ProgramFolder, "euroback.dib", "BMP", "euroback.png", [] { return drawTablePicture(Wheel::European); }},
        {Where::ProgramFolder, "amerback.dib", "BMP", "amerback.png", [] { return drawTablePicture(Wheel::American); }},
        {Where::ProgramFolder, "chip.dib", "BMP", nullptr, drawChipPicture},
        {Where::ProgramFolder, "wheel2.dib", "BMP", nullptr, drawWheelPicture},
        {Where::Resources, "chip.png", "PNG", "chip.png", drawChipPicture},
        {Where::Resources, "wheel.png", "PNG", "wheel.png", drawWheelPicture},
        {Where::Resources, "quelta.png", "PNG", "quelta.png", drawMainIcon},
        {Where::Resources, "stats.png", "PNG", "stats.png", drawStatsIcon},
        {Where::Resources, "about.png", "PNG", "about.png", drawAboutPicture},
    };

    for (const QDir& folder : {programFolder, resourceFolder})
        if (!QDir().mkpath(folder.path()))
            return 1;
    if (preview && !QDir().mkpath(previewFolder.path()))
        return 1;

    bool ok = true;
    for (const PictureFile& file : files) {
        const QImage image = file.draw();
        const QDir& folder = file.where == Where::ProgramFolder ? programFolder : resourceFolder;
        ok = save(image, folder.filePath(QString::fromLatin1(file.name)), file.format) && ok;
        if (preview && file.previewName != nullptr)
            ok = save(image, previewFolder.filePath(QString::fromLatin1(file.previewName)), "PNG") && ok;
    }
    return ok ? 0 : 1;
}
