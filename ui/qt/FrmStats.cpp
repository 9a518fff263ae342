#include "ui/qt/FrmStats.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "game/QueltaGame.h"
#include "ui/qt/ControlFactory.h"
#include "ui/qt/ControlLook.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/StatsGridFocus.h"
#include "ui/qt/WindowPlacement.h"

FrmStats::FrmStats(QueltaGame& game) : QWidget(nullptr), game_(game) {
    const WindowDesign& design = statsWindowDesign();
    setObjectName(toQString(design.name));
    setWindowTitle(toQString(design.caption));
    setWindowIcon(QIcon(toQString(design.icon)));
    setFont(designFont(design.font));
    setAutoFillBackground(true);
    setWidgetBackColour(this, design.background);
    setFixedSize(toQRect({0, 0, design.clientWidth, design.clientHeight}).size());

    for (const ControlRow& row : statsWindowControls()) {
        QWidget* widget = createControl(row, this);
        if (row.ref && row.ref->name == ControlName::lbl400)
            lbl400_[static_cast<std::size_t>(row.ref->index)] = qobject_cast<QLabel*>(widget);
    }
    lbl400_[2]->hide();

    const QFont cellFont = designFont(statsCell::font);
    for (int i = 0; i < kStatsCellCount; ++i) {
        auto* cell = new QLabel(this);
        cell->setObjectName(QStringLiteral("lblStats(%1)").arg(i));
        cell->setGeometry(toQRect(statsCellRect(i)));
        cell->setTextFormat(Qt::PlainText);
        cell->setText(toQString(kBlankCaption));
        cell->setFont(cellFont);
        cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        applyLabelStyle(cell, LabelStyle::ResultCell, statsCell::text, statsCell::emptyBack);
        cells_[static_cast<std::size_t>(i)] = cell;
    }

    // Last, so that it lies over the entries and Tab reaches it after the buttons.
    grid_ = new StatsGridFocus(cells_, this);
    grid_->setObjectName(QStringLiteral("picStatsGrid"));

    const auto button = [this](const char* name) { return findChild<QPushButton*>(QString::fromLatin1(name)); };
    connect(button("cmdClose"), &QPushButton::clicked, this, [this] { game_.frmStats_cmdClose_Click(); });
    connect(button("cmdExit"), &QPushButton::clicked, this, [this] { game_.frmStats_cmdExit_Click(); });
}

QLabel* FrmStats::lbl400(int index) const {
    if (index < 0 || index >= static_cast<int>(lbl400_.size()))
        return nullptr;
    return lbl400_[static_cast<std::size_t>(index)];
}

void FrmStats::setHistory(const ResultHistory& history, const NumberHitCounts& hits) {
    history_ = history;
    hits_ = hits;
    dirty_ = true;
    if (onScreen())
        refresh();
}

bool FrmStats::onScreen() const { return isVisible() && !isMinimized(); }

void FrmStats::refresh() {
    if (!dirty_)
        return;
    dirty_ = false;
    for (int i = 0; i < kStatsCellCount; ++i) {
        const PocketCode code = history_.at(i);
        const bool empty = code == kNoNumber;
        const int hits = empty ? -1 : hits_[static_cast<std::size_t>(code)];
        Painted& shown = painted_[static_cast<std::size_t>(i)];
        QLabel* cell = cells_[static_cast<std::size_t>(i)];
        if (shown.code != code) {
            cell->setText(toQString(empty ? kBlankCaption : pocketText(code)));
            setWidgetBackColour(cell, empty ? statsCell::emptyBack : pocketColour(code));
            shown.code = code;
            ++cellsPainted_;
        }
        if (shown.hits != hits) {
            cell->setToolTip(hits < 0 ? QString() : QString::number(hits));
            // What the mouse finds in the tooltip, a screen reader reads here.
            cell->setAccessibleDescription(hits < 0    ? QString()
                                           : hits == 1 ? tr("Come up once")
                                                       : tr("Come up %1 times").arg(hits));
            shown.hits = hits;
        }
    }
}

// Closing through the window manager is the Close button's business: the
// game decides, and unloads the window itself.
void FrmStats::closeEvent(QCloseEvent* event) {
    event->ignore();
    game_.frmStats_QueryClose();
}

// Esc does what the window's Close button does.
void FrmStats::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (auto* close = findChild<QPushButton*>(QStringLiteral("cmdExit")))
            close->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmStats::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Loaded hidden, the window had no frame yet when it was centred; centre
    // it once more, frame and all, the first time it appears.
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOnScreen(this);
    }
    refresh();
}

void FrmStats::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && onScreen())
        refresh();
}
