#include "BuiltInPictures.h"

QString builtInPicturePath(BuiltInPicture picture) {
    switch (picture) {
    case BuiltInPicture::Chip: return QStringLiteral(":/pictures/chip.png");
    case BuiltInPicture::Wheel: return QStringLiteral(":/pictures/wheel.png");
    case BuiltInPicture::MainIcon: return QStringLiteral(":/pictures/quelta.png");
    case BuiltInPicture::StatsIcon: return QStringLiteral(":/pictures/stats.png");
    case BuiltInPicture::About: return QStringLiteral(":/pictures/about.png");
    }
    return {};
}
