#pragma once

#include <QString>

// The pictures built into the windows. They are drawn at build time and
// linked in as Qt resources; linking quelta_assets is all it takes to use
// them, no initialisation call is needed.
enum class BuiltInPicture { Chip, Wheel, MainIcon, StatsIcon, About };

// The resource path of the picture, for QPixmap, QImage or QIcon.
QString builtInPicturePath(BuiltInPicture picture);
