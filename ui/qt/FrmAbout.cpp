#include "ui/qt/FrmAbout.h"

#include <QPushButton>

#include "ui/AboutBoxControls.h"
#include "ui/qt/ControlFactory.h"
#include "ui/qt/ControlLook.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/WindowPlacement.h"

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    const WindowSpec& spec = aboutBoxSpec();
    setObjectName(toQString(spec.name));
    setWindowTitle(toQString(spec.caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(designFont(spec.font));
    setAutoFillBackground(true);
    setWidgetBackColour(this, spec.background);
    setFixedSize(toQRect({0, 0, spec.clientWidth, spec.clientHeight}).size());
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
