#include "game/QueltaGame.h"
#include "ui/PictureFiles.h"
#include "ui/Screen.h"

namespace {
// The table picture is taken down first, so a file that fails to load leaves
// the plain white background rather than the other wheel's table.
void loadTable(Screen& screen, const PictureFile& file) {
    screen.removeBackground();
    if (!screen.loadBackground(file.fileName))
        screen.messageBox(file.missingMessage, "", MessageIcon::None);
}

// A failed load keeps the picture the image already had.
void loadImage(Screen& screen, ControlRef image, const PictureFile& file) {
    if (!screen.loadImage(image, file.fileName))
        screen.messageBox(file.missingMessage, "", MessageIcon::None);
}
} // namespace

void QueltaGame::EuropeanTableGraphic() { loadTable(screen_, picture_files::europeanTable); }
void QueltaGame::AmericanTableGraphic() { loadTable(screen_, picture_files::americanTable); }
void QueltaGame::ChipGraphic() { loadImage(screen_, ctl::imgChip, picture_files::chip); }
void QueltaGame::WheelGraphic() { loadImage(screen_, ctl::imgWheel2, picture_files::wheel); }
