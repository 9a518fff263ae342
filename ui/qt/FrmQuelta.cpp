#include "ui/qt/FrmQuelta.h"

#include <QAccessible>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "game/QueltaGame.h"
#include "game/RandomGenerator.h"
#include "game/SystemClock.h"
#include "systems/LayoutSystem.h"
#include "ui/LayoutGeometry.h"
#include "ui/MainWindowControls.h"
#include "ui/qt/ChipMarker.h"
#include "ui/qt/ControlFactory.h"
#include "ui/qt/ControlLook.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/FontSetup.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/LayoutFocus.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"
#include "ui/qt/SpotAccessible.h"
#include "ui/qt/SpotLabel.h"
#include "ui/qt/SystemPlayBar.h"
#include "ui/qt/TableSurface.h"
#include "ui/qt/WindowPlacement.h"

namespace {
constexpr int kOutsideHitLabels = 12;
// The bets the hit counts count, in the order of the labels.
constexpr std::array<std::string_view, kOutsideHitLabels> kHitLabelBets = {"Low",
                                                                           "High",
                                                                           "Even",
                                                                           "Red",
                                                                           "Black",
                                                                           "Odd",
                                                                           "the first dozen",
                                                                           "the second dozen",
                                                                           "the third dozen",
                                                                           "the first column",
                                                                           "the second column",
                                                                           "the third column"};

template <typename Handler>
void onClick(QWidget* widget, QueltaGame& game, Handler handler) {
    auto* button = qobject_cast<QPushButton*>(widget);
    QObject::connect(button, &QPushButton::clicked, button, [&game, handler] { (game.*handler)(); });
}
} // namespace

FrmQuelta::FrmQuelta(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random)
    : clock_(clock ? std::move(clock) : std::make_unique<SystemClock>()),
      random_(random ? std::move(random) : std::make_unique<RandomGenerator>()),
      screen_(std::make_unique<QtScreen>(*this)), game_(std::make_unique<QueltaGame>(*screen_, *clock_, *random_)) {
    // Before any spot exists: naming a spot already builds its accessible
    // interface while a screen reader listens, and the first one is kept.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(spotAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    const WindowDesign& design = mainWindowDesign();
    setObjectName(toQString(design.name));
    setWindowTitle(toQString(design.caption));
    setWindowIcon(QIcon(toQString(design.icon)));
    setFont(designFont(design.font));

    table_ = new TableSurface(this);
    table_->setObjectName(QStringLiteral("client"));
    QPalette palette = table_->palette();
    palette.setColor(QPalette::Window, QColor(design.background.red, design.background.green, design.background.blue));
    table_->setPalette(palette);
    table_->setFixedSize(toQRect({0, 0, design.clientWidth, design.clientHeight}).size());
    setCentralWidget(table_);

    buildControls();
    buildOverlay();
    buildKeyboardLayout();
    describeDisplays();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// The layout's control goes first: losing the focus it reaches for the spots
// and the game, which must still be there.
FrmQuelta::~FrmQuelta() { delete layoutFocus_; }

void FrmQuelta::start() {
    game_->Form_Load();
    announceResults();
    show();
}

void FrmQuelta::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Start-up centred the window before it had a frame; the frame is known now.
    if (!shownBefore_) {
        shownBefore_ = true;
        centreOnScreen(this);
    }
}

// Whatever the game is doing, even deep inside a run or a sweep, the player
// who closes the table has left it: nothing is saved, so nothing is asked.
void FrmQuelta::closeEvent(QCloseEvent* /*event*/) { game_->mnuExit_Click(); }

void FrmQuelta::buildControls() {
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* widget = createControl(row, table_);
        if (row.ref)
            controls_.add(*row.ref, widget);
    }
    QueltaGame& g = *game_;
    const auto find = [this](const char* name) { return table_->findChild<QWidget*>(QString::fromLatin1(name)); };
    onClick(find("cmdStart"), g, &QueltaGame::cmdStart_Click);
    onClick(find("cmdZeroSpin"), g, &QueltaGame::cmdZeroSpin_Click);
    onClick(find("cmdRemChips"), g, &QueltaGame::cmdRemChips_Click);
    onClick(find("cmdReset"), g, &QueltaGame::cmdReset_Click);
    onClick(find("cmdQuit"), g, &QueltaGame::cmdQuit_Click);
}

// Built bottom-up: markers, then chip counts, then spots, then the hit
// counts, so each lies above the one it must cover.
void FrmQuelta::buildOverlay() {
    for (const BetSpot& spot : betSpots()) {
        auto* marker = new ChipMarker(table_);
        marker->setObjectName(toQString(::objectName(ctl::shpChip(spot.marker))));
        marker->setGeometry(toQRect(spotGeometry(spot.slot).marker));
        marker->hide();
        controls_.add(ctl::shpChip(spot.marker), marker);
    }
    for (const BetSpot& spot : betSpots()) {
        auto* count = new QLabel(table_);
        count->setObjectName(toQString(::objectName(ctl::lblZero(spot.slot))));
        count->setGeometry(toQRect(spotGeometry(spot.slot).chipLabel));
        count->setTextFormat(Qt::PlainText);
        count->setText(toQString(kBlankCaption));
        count->setFont(designFont(overlay::chipLabelFont));
        count->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        count->setAttribute(Qt::WA_TransparentForMouseEvents);
        setWidgetTextColour(count, overlay::chipLabelText);
        controls_.add(ctl::lblZero(spot.slot), count);
    }
    for (const BetSpot& spot : betSpots()) {
        auto* label = new SpotLabel(
            spot.slot, [this](int slot, int button) { game_->BetSpotMouseUp(slot, button); }, table_);
        label->setObjectName(toQString(spot.name));
        label->setGeometry(toQRect(spotGeometry(spot.slot).spot));
        spots_[static_cast<std::size_t>(spot.slot)] = label;
        describeSpotChips(spot.slot, toQString(kBlankCaption));
    }
    for (int i = 0; i < kOutsideHitLabels; ++i) {
        auto* hits = new QLabel(table_);
        hits->setObjectName(toQString(::objectName(ctl::outsideHitLabel(i))));
        hits->setGeometry(toQRect(outsideHitLabelRect(i)));
        hits->setTextFormat(Qt::PlainText);
        hits->setText(toQString(kBlankCaption));
        hits->setFont(designFont(overlay::hitLabelFont));
        setWidgetTextColour(hits, overlay::hitLabelText);
        hits->setAccessibleDescription(
            tr("Times %1 has come up").arg(toQString(kHitLabelBets[static_cast<std::size_t>(i)])));
        controls_.add(ctl::outsideHitLabel(i), hits);
    }
    updateSpotNames();
}

// Last of the table's controls: above every other, first in nothing but the
// tab order, which reaches it after the buttons.
void FrmQuelta::buildKeyboardLayout() {
    layoutFocus_ = new LayoutFocus([this] { return playWheel(); },
                                   [this](int slot) { return spots_[static_cast<std::size_t>(slot)]; }, table_);
    layoutFocus_->setObjectName(QStringLiteral("picLayout"));
    layoutFocus_->setGeometry(toQRect(kTableArea));
}

// A figure read out alone means little; its heading says what it counts.
void FrmQuelta::describeDisplays() {
    static constexpr std::array<std::pair<ControlRef, const char*>, 6> headings = {{
        {ctl::lblWinningNumber, "Winning Number"},
        {ctl::lblSpins, "Spin Number"},
        {ctl::lblWinnings, "Winnings or losses"},
        {ctl::lblTotalAmountBet, "Amount Bet"},
        {ctl::lblYouWon, "Win Pay Out, in chips"},
        {ctl::lblRes(1), "Last Number"},
    }};
    for (const auto& [ref, heading] : headings)
        if (QWidget* widget = controls_.find(ref))
            widget->setAccessibleDescription(tr(heading));
}

void FrmQuelta::buildMenus() {
    menus_ = std::make_unique<MenuBarMirror>(menuBar(), [this](MenuItem item) { menuChosen(item); });
    for (const MenuRow& row : menuTree())
        menus_->sync(row.item, game_->checked(row.item), game_->enabled(row.item));
}

void FrmQuelta::menuChosen(MenuItem item) {
    if (item == MenuItem::mnuSystemAnalysis) {
        openAnalysis();
        return;
    }
    // Undo the action's own toggle first: the handler may run a whole spin,
    // and the menu must show the game's flags all the while.
    menus_->sync(item, game_->checked(item), game_->enabled(item));
    game_->menuClicked(item);
    menus_->sync(item, game_->checked(item), game_->enabled(item));
}

void FrmQuelta::openAnalysis() {
    if (!analysis_) {
        analysis_ = std::make_unique<FrmAnalysis>(*game_);
        analysis_->layout()->addWidget(new SystemPlayBar(analysis_.get(), *game_, [this] {
            const std::optional<BettingSystem> layout = analysis_->systemToPlay();
            return layout ? std::optional(systems::systemOfLayout(*layout)) : std::nullopt;
        }));
    }
    analysis_->open(*this);
}

Wheel FrmQuelta::playWheel() const { return game_->checked(MenuItem::mnuEuropean) ? Wheel::European : Wheel::American; }

void FrmQuelta::updateSpotNames() {
    const Wheel wheel = playWheel();
    for (const BetSpot& spot : betSpots())
        spots_[static_cast<std::size_t>(spot.slot)]->setAccessibleName(
            QString::fromStdString(accessibleSpotName(spot, wheel)));
    if (layoutFocus_)
        layoutFocus_->wheelChanged();
}

void FrmQuelta::describeSpotChips(int displaySlot, const QString& chipCaption) {
    const QString chips = chipCaption.trimmed();
    SpotLabel* spot = spots_[static_cast<std::size_t>(displaySlot)];
    spot->setAccessibleDescription(chips.isEmpty() ? tr("No chips") : tr("Chips: %1").arg(chips));
    spot->setChips(chips.toInt());
    QAccessibleValueChangeEvent event(spot, spot->chips());
    QAccessible::updateAccessibility(&event);
}

namespace {
// A new name is an event of its own; the same name again must still be heard.
void announceName(QWidget* label, const QString& words) {
    if (label == nullptr)
        return;
    const bool same = label->accessibleName() == words;
    label->setAccessibleName(words);
    if (same) {
        QAccessibleEvent event(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QString pocketWords(PocketCode code) {
    const QString colour = isZero(code)        ? FrmQuelta::tr("green")
                           : isRedNumber(code) ? FrmQuelta::tr("red")
                                               : FrmQuelta::tr("black");
    return FrmQuelta::tr("%1 %2").arg(toQString(pocketText(code)), colour);
}
} // namespace

void FrmQuelta::announceResults() {
    const GameState& state = game_->state();
    const auto text = [this](ControlRef ref) {
        auto* label = qobject_cast<QLabel*>(controls_.find(ref));
        return label ? label->text().trimmed() : QString();
    };
    announceName(controls_.find(ctl::lblWinningNumber),
                 state.WinningNumber == kNoNumber ? tr("Winning number")
                                                  : tr("Winning number %1").arg(pocketWords(state.WinningNumber)));
    const QString payOut = text(ctl::lblYouWon);
    announceName(controls_.find(ctl::lblYouWon), payOut.isEmpty() ? tr("Win pay out")
                                                 : payOut == u"1" ? tr("Win pay out 1 chip")
                                                                  : tr("Win pay out %1 chips").arg(payOut));
    const bool behind = state.Winnings < Money{};
    announceName(controls_.find(ctl::lblWinnings),
                 text(ctl::lblWinnings).isEmpty() ? tr("Winnings")
                                                  : (behind ? tr("Losses %1").arg(currencyText(-state.Winnings))
                                                            : tr("Winnings %1").arg(currencyText(state.Winnings))));
}
