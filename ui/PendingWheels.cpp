// Temporary: handlers still being written. Each is removed from here as its
// real definition lands; this file goes when it is empty.
#include "game/QueltaGame.h"
#include "ui/Screen.h"

// wheels, pictures, help
void QueltaGame::mnuAmerican_Click() {}
void QueltaGame::mnuEuropean_Click() {}
void QueltaGame::EuropeanTableGraphic() {}
void QueltaGame::AmericanTableGraphic() {}
void QueltaGame::ChipGraphic() {}
void QueltaGame::WheelGraphic() {}
void QueltaGame::mnuIntroduction_Click() {}
void QueltaGame::mnuAbout_Click() {}
