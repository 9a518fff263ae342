#include "ui/qt/QtScreen.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>

#include <cstdio>
#include <cstdlib>

#include "ui/qt/ControlLook.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/DibLoader.h"
#include "ui/qt/FrmAbout.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/HelpViewer.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/TableSurface.h"
#include "ui/qt/WindowPlacement.h"

namespace {
constexpr std::string_view kProgramTitle = "Quelta";
} // namespace

QtScreen::QtScreen(FrmQuelta& window) : window_(window) {}

QtScreen::~QtScreen() {
    delete stats_.data();
    delete splash_.data();
}

FrmStats* QtScreen::statsWindow() const { return stats_.data(); }

QWidget* QtScreen::widget(ControlRef control) const {
    if (control.name == ControlName::lbl400)
        return stats_ ? stats_->lbl400(control.index) : nullptr;
    return window_.controls().find(control);
}

void QtScreen::setCaption(ControlRef control, std::string_view text) {
    QWidget* w = widget(control);
    const QString caption = toQString(text);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text() != caption) {
            label->setText(caption);
            if (control.name == ControlName::lblZero)
                window_.describeSpotChips(control.index, caption);
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(caption);
    }
    // A spin settles by showing its pay out and then the winnings; only then
    // are all three figures of the spin on the table to be told.
    if (control == ctl::lblYouWon) {
        payOutShown_ = true;
    } else if (control == ctl::lblWinnings && payOutShown_) {
        payOutShown_ = false;
        window_.announceResults();
    }
    if (captionHook_)
        captionHook_(control, text);
}

void QtScreen::setMoneyCaption(ControlRef control, Money amount) {
    setCaption(control, currencyText(amount).toStdString());
}

void QtScreen::setTextColour(ControlRef control, Rgb colour) {
    if (QWidget* w = widget(control))
        setWidgetTextColour(w, colour);
}

void QtScreen::setBackColour(ControlRef control, Rgb colour) {
    if (QWidget* w = widget(control))
        setWidgetBackColour(w, colour);
}

void QtScreen::setVisible(ControlRef control, bool visible) {
    if (QWidget* w = widget(control))
        w->setVisible(visible);
}

void QtScreen::setEnabled(ControlRef control, bool enabled) {
    if (QWidget* w = widget(control))
        w->setEnabled(enabled);
}

void QtScreen::repaintNow(ControlRef control) {
    if (QWidget* w = widget(control); w != nullptr && w->isVisible())
        w->repaint();
}

void QtScreen::setMenuChecked(MenuItem item, bool checked) {
    window_.menus().setChecked(item, checked);
    if (item == MenuItem::mnuEuropean)
        window_.updateSpotNames();
}

void QtScreen::setMenuEnabled(MenuItem item, bool enabled) { window_.menus().setEnabled(item, enabled); }

void QtScreen::showHistory(const ResultHistory& history, const NumberHitCounts& hits) {
    if (stats_)
        stats_->setHistory(history, hits);
}

void QtScreen::loadStats() {
    if (stats_)
        return;
    stats_ = new FrmStats(window_.game());
    centreOnScreen(stats_);
}

void QtScreen::showStats() {
    loadStats();
    stats_->show();
    stats_->raise();
}

void QtScreen::minimiseStats() {
    if (stats_)
        stats_->showMinimized();
}

void QtScreen::restoreStats() {
    if (stats_)
        stats_->showNormal();
}

// The window may be unloaded from inside its own button's click, so it is
// hidden and forgotten now and deleted once that click has returned.
void QtScreen::unloadStats() {
    if (!stats_)
        return;
    FrmStats* window = stats_.data();
    stats_.clear();
    window->hide();
    window->deleteLater();
}

bool QtScreen::statsMinimised() const { return stats_ && stats_->isMinimized(); }

void QtScreen::showAboutSplash() {
    if (splash_)
        return;
    splash_ = new FrmAbout();
    splash_->setModal(false);
    splash_->show();
    QCoreApplication::processEvents();
}

void QtScreen::closeAboutSplash() { delete splash_.data(); }

void QtScreen::showAboutModal() {
    FrmAbout box(&window_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtScreen::removeBackground() { window_.table()->removePicture(); }

bool QtScreen::loadBackground(std::string_view fileName) {
    const std::optional<QImage> picture = loadDibPicture(toQString(fileName));
    if (!picture)
        return false;
    window_.table()->setPicture(*picture);
    return true;
}

bool QtScreen::loadImage(ControlRef image, std::string_view fileName) {
    auto* label = qobject_cast<QLabel*>(widget(image));
    if (label == nullptr)
        return false;
    const std::optional<QImage> picture = loadDibPicture(toQString(fileName));
    if (!picture)
        return false;
    // An image control takes the size of the picture it holds.
    label->setPixmap(QPixmap::fromImage(*picture));
    label->resize(picture->size());
    return true;
}

void QtScreen::openHelp(std::string_view fileName) { showHelpFile(&window_, toQString(fileName)); }

void QtScreen::centreMainWindow() { centreOnScreen(&window_); }

void QtScreen::messageBox(std::string_view prompt, std::string_view title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    toQString(title.empty() ? kProgramTitle : title), toQString(prompt), QMessageBox::Ok,
                    window_.isVisible() ? &window_ : nullptr);
    box.exec();
}

// A tip at the pointer, where the refused click was made: it covers no
// control for longer than the tip lasts and changes none.
void QtScreen::showStatus(std::string_view text) {
    lastStatus_ = toQString(text);
    QToolTip::showText(QCursor::pos(), lastStatus_, &window_);
}

void QtScreen::yieldEvents() {
    if (yieldHook_)
        yieldHook_();
    QCoreApplication::processEvents();
}

void QtScreen::endProcess() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
