#include "ui/qt/FrmAbout.h"

#include <QIcon>
#include <QPushButton>

#include "ui/AboutBoxControls.h"
#include "ui/qt/ControlFactory.h"
#include "ui/qt/ControlLook.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/WindowPlacement.h"

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    const WindowDesign& design = aboutBoxDesign();
    setObjectName(toQString(design.name));
    setWindowTitle(toQString(design.caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The box has no icon of its own; an empty one keeps it from showing the
    // main window's, which a dialog would otherwise inherit.
    setWindowIcon(QIcon());
    setFont(designFont(design.font));
    setAutoFillBackground(true);
    setWidgetBackColour(this, design.background);
    setFixedSize(toQRect({0, 0, design.clientWidth, design.clientHeight}).size());
    for (const ControlRow& row : aboutBoxControls())
        createControl(row, this);
    auto* close = findChild<QPushButton*>(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    centreOnScreen(this);
}

void FrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
}
