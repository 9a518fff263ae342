#pragma once

#include <span>

#include "ui/ControlStyle.h"

// frmAbout: the window and its four controls.
const WindowDesign& aboutBoxDesign();
std::span<const ControlRow> aboutBoxControls();
