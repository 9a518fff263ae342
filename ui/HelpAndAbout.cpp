#include "game/QueltaGame.h"
#include "ui/PictureFiles.h"
#include "ui/Screen.h"

// A missing help file is for the viewer to report, in its own window.
void QueltaGame::mnuIntroduction_Click() { screen_.openHelp(kHelpFileName); }

void QueltaGame::mnuAbout_Click() { screen_.showAboutModal(); }
