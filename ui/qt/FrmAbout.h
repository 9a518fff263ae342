#pragma once

#include <QDialog>

// The About box: the product's name, a notice, its web address and a
// picture. It serves both as the start-up splash and as the modal box of
// Help > About; either way it is centred on the screen when it is built.
class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* parent = nullptr);

protected:
    // Centred again once the window has its frame, so the whole box, frame
    // included, sits in the middle.
    void showEvent(QShowEvent* event) override;
};
