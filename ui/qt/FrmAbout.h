#pragma once

#include <QDialog>

// The About box: the product's name, a notice, its web address and a
// picture. It serves both as the start-up splash and as the modal box of
// Help > About; either way it is centred on the screen when it is built.
class FrmAbout : public QDialog {
public:
    explicit FrmAbout(QWidget* parent = nullptr);
};
