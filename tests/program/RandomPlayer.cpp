#include "RandomPlayer.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "game/QueltaGame.h"
#include "layout/BetSpotCatalogue.h"
#include "ui/LayoutGeometry.h"
#include "ui/qt/ControlLook.h"
#include "ui/qt/FrmAnalysis.h"
#include "ui/qt/FrmQuelta.h"
#include "ui/qt/FrmStats.h"
#include "ui/qt/MenuBarMirror.h"
#include "ui/qt/QtScreen.h"
#include "ui/qt/TableSurface.h"

namespace {
constexpr std::string_view kSeparator = "-";
// A burst stops one click past the limit, so the limit box shows.
constexpr int kClicksPastTheLimit = 1;
constexpr std::string_view kQuickSpinYield = "yield of a quick spin";

struct Weighted {
    int weight;
    int kind;
};

bool isLeaf(std::size_t i, std::span<const MenuRow> tree) {
    const bool hasChildren = i + 1 < tree.size() && tree[i + 1].depth > tree[i].depth;
    return tree[i].depth > 0 && tree[i].caption != kSeparator && !hasChildren;
}

const char* buttonName(int button) {
    switch (button) {
    case Qt::LeftButton: return "left";
    case Qt::RightButton: return "right";
    default: return "middle";
    }
}
} // namespace

RandomPlayer::RandomPlayer(FrmQuelta& window, std::uint64_t seed, Limits limits)
    : window_(window), limits_(limits), random_(seed) {
    const auto tree = menuTree();
    for (std::size_t i = 0; i < tree.size(); ++i)
        // Exit ends the process; its own test runs in a child process.
        if (isLeaf(i, tree) && tree[i].item != MenuItem::mnuExit)
            leafItems_.push_back(tree[i].item);
    window_.screen().setYieldHook([this] {
        // Quick spins yield by the hundred; the rarer moments get a better chance.
        const std::string moment = runningOperation();
        maybeNest(moment == kQuickSpinYield ? limits_.chancePerYield : limits_.chancePerRareYield, moment);
    });
    qApp->installEventFilter(this);
}

RandomPlayer::~RandomPlayer() {
    qApp->removeEventFilter(this);
    window_.screen().setYieldHook({});
}

bool RandomPlayer::chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

std::string RandomPlayer::Action::describe() const {
    switch (kind) {
    case Kind::SpotClick: return std::string(buttonName(button)) + " click " + std::string(betSpot(spot).name);
    case Kind::SpotBurst: return "clicks up to the limit " + std::string(betSpot(spot).name);
    case Kind::Menu: return "menu " + std::string(menuRow(item).name);
    case Kind::Start: return "START";
    case Kind::Reset: return "Reset";
    case Kind::Zero: return "Zero";
    case Kind::RemoveChips: return "Remove Chips";
    case Kind::ResumePlay: return "Resume Play";
    case Kind::CloseStats: return "Close";
    case Kind::CloseStatsBox: return "close box of the statistics window";
    case Kind::About: return "About";
    case Kind::AnalysisRun: return "analysis Run";
    case Kind::AnalysisCancel: return "analysis Cancel";
    case Kind::AnalysisKeepA: return "analysis Keep as A";
    case Kind::AnalysisClose: return "close box of the analysis window";
    case Kind::SystemPlay: return "analysis Play on the table";
    case Kind::SystemStop: return "analysis Stop playing";
    }
    return "?";
}

RandomPlayer::Action RandomPlayer::pick() {
    // Weights: clicks on the layout are what a player does most.
    static constexpr std::array<Weighted, 17> kWeights{{
        {60, static_cast<int>(Kind::SpotClick)},
        {2, static_cast<int>(Kind::SpotBurst)},
        {22, static_cast<int>(Kind::Menu)},
        {8, static_cast<int>(Kind::Start)},
        {2, static_cast<int>(Kind::Reset)},
        {2, static_cast<int>(Kind::Zero)},
        {3, static_cast<int>(Kind::RemoveChips)},
        {2, static_cast<int>(Kind::ResumePlay)},
        {2, static_cast<int>(Kind::CloseStats)},
        {2, static_cast<int>(Kind::CloseStatsBox)},
        {1, static_cast<int>(Kind::About)},
        {2, static_cast<int>(Kind::AnalysisRun)},
        {1, static_cast<int>(Kind::AnalysisCancel)},
        {1, static_cast<int>(Kind::AnalysisKeepA)},
        {1, static_cast<int>(Kind::AnalysisClose)},
        {2, static_cast<int>(Kind::SystemPlay)},
        {2, static_cast<int>(Kind::SystemStop)},
    }};
    int total = 0;
    for (const Weighted& w : kWeights)
        total += w.weight;
    int roll = std::uniform_int_distribution<int>(0, total - 1)(random_);
    Kind kind = Kind::SpotClick;
    for (const Weighted& w : kWeights) {
        if (roll < w.weight) {
            kind = static_cast<Kind>(w.kind);
            break;
        }
        roll -= w.weight;
    }
    Action action{kind};
    action.spot = std::uniform_int_distribution<int>(0, kSpotCount - 1)(random_);
    static constexpr std::array<int, 3> kButtons{Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    // Mostly chips on, sometimes off, so the layout fills up over a game.
    const int buttonRoll = std::uniform_int_distribution<int>(0, 9)(random_);
    action.button = kButtons[buttonRoll < 6 ? 0 : (buttonRoll < 8 ? 1 : 2)];
    action.item = leafItems_[std::uniform_int_distribution<std::size_t>(0, leafItems_.size() - 1)(random_)];
    // Runs of several spins force quick spin; without a push towards single
    // normal spins the sweep would hardly ever be interrupted.
    static constexpr std::array<MenuItem, 3> kSingleSpinItems{MenuItem::mnuNormalSpin, MenuItem::mnuOneSpins,
                                                              MenuItem::mnuNormalSpin};
    if (std::uniform_int_distribution<int>(0, 3)(random_) == 0)
        action.item =
            kSingleSpinItems[std::uniform_int_distribution<std::size_t>(0, kSingleSpinItems.size() - 1)(random_)];
    return action;
}

void RandomPlayer::playOne() {
    nestedLeft_ = limits_.nestedPerTopLevel;
    perform(pick());
}

// What a yield interrupts, told from what the player can see: the heading
// during a re-initialisation, the menu's selections otherwise.
std::string RandomPlayer::runningOperation() const {
    const auto* heading = window_.table()->findChild<QLabel*>(QStringLiteral("lblResultsHeading"));
    if (heading != nullptr && heading->text() == QStringLiteral("Initialising Wheel"))
        return "yield in a re-initialisation";
    if (window_.game().checked(MenuItem::mnuRemoveChips))
        return "yield of a spin or the pause with Remove Chips";
    if (window_.game().checked(MenuItem::mnuNormalSpin))
        return "yield of a normal spin's sweep";
    return std::string(kQuickSpinYield);
}

void RandomPlayer::maybeNest(double p, const std::string& where) {
    if (depth_ == 0 || depth_ > limits_.maxDepth || nestedLeft_ <= 0 || !chance(p))
        return;
    --nestedLeft_;
    ++nestedPlayed_;
    ++nestedByMoment_[where];
    log_.push_back(std::string(static_cast<std::size_t>(depth_) * 2, ' ') + "(at a " + where + ")");
    perform(pick());
}

void RandomPlayer::perform(const Action& action) {
    log_.push_back(std::string(static_cast<std::size_t>(depth_) * 2, ' ') + action.describe());
    ++played_;
    ++depth_;
    switch (action.kind) {
    case Kind::SpotClick: clickSpot(action.spot, action.button); break;
    case Kind::SpotBurst: {
        const BetSpot& spot = betSpot(action.spot);
        const Wheel wheel = window_.game().checked(MenuItem::mnuEuropean) ? Wheel::European : Wheel::American;
        const int clicks = spot.limitOn(wheel) - window_.game().state().Stakes[static_cast<std::size_t>(action.spot)] +
                           kClicksPastTheLimit;
        for (int i = 0; i < clicks; ++i)
            clickSpot(action.spot, Qt::LeftButton);
        break;
    }
    case Kind::Menu: window_.menus().action(action.item)->trigger(); break;
    case Kind::Start: clickButton("cmdStart"); break;
    case Kind::Reset: clickButton("cmdReset"); break;
    case Kind::Zero: clickButton("cmdZeroSpin"); break;
    case Kind::RemoveChips: clickButton("cmdRemChips"); break;
    case Kind::ResumePlay:
    case Kind::CloseStats:
    case Kind::CloseStatsBox: {
        FrmStats* stats = window_.screen().statsWindow();
        // A player reaches the statistics window only while it is on screen.
        if (stats == nullptr || !stats->isVisible())
            break;
        if (action.kind == Kind::CloseStatsBox)
            stats->close();
        else
            stats->findChild<QPushButton*>(action.kind == Kind::ResumePlay ? "cmdClose" : "cmdExit")->click();
        break;
    }
    case Kind::About: window_.menus().action(MenuItem::mnuAbout)->trigger(); break;
    case Kind::AnalysisRun:
    case Kind::AnalysisCancel:
    case Kind::AnalysisKeepA:
    case Kind::AnalysisClose:
    case Kind::SystemPlay:
    case Kind::SystemStop: actOnAnalysis(action.kind); break;
    }
    --depth_;
    if (afterEach_)
        afterEach_();
}

void RandomPlayer::clickSpot(int slot, int button) {
    // At the spot's centre, on whatever widget lies there, as a mouse would.
    QWidget* client = window_.table();
    const QPoint centre = toQRect(spotGeometry(slot).spot).center();
    QWidget* target = client->childAt(centre);
    if (target == nullptr)
        target = client;
    QTest::mouseClick(target, static_cast<Qt::MouseButton>(button), Qt::NoModifier, target->mapFrom(client, centre));
}

void RandomPlayer::clickButton(const char* objectName) {
    if (auto* button = window_.table()->findChild<QPushButton*>(QString::fromLatin1(objectName)))
        button->click();
}

bool RandomPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isModal())
            closeModalSoon(dialog);
    }
    return QObject::eventFilter(watched, event);
}

// Acts from inside the box's own event loop, then closes it as its OK would.
void RandomPlayer::closeModalSoon(QObject* dialog) {
    QPointer<QDialog> box(qobject_cast<QDialog*>(dialog));
    QTimer::singleShot(0, this, [this, box] {
        if (box.isNull() || !box->isVisible())
            return;
        log_.push_back(std::string(static_cast<std::size_t>(depth_) * 2, ' ') + "(box \"" +
                       box->windowTitle().toStdString() + "\")");
        maybeNest(limits_.chanceInModal, "modal box \"" + box->windowTitle().toStdString() + "\"");
        if (!box.isNull())
            box->accept();
    });
}

void RandomPlayer::actOnAnalysis(Kind kind) {
    // A player who wants to watch a system play opens the window for it.
    if (kind == Kind::SystemPlay)
        window_.menus().action(MenuItem::mnuSystemAnalysis)->trigger();
    FrmAnalysis* analysis = window_.analysisWindow();
    // Like the statistics window, reachable only while it is on screen.
    if (analysis == nullptr || !analysis->isVisible())
        return;
    const auto click = [analysis](const char* name) {
        if (auto* button = analysis->findChild<QPushButton*>(QString::fromLatin1(name)))
            button->click();
    };
    switch (kind) {
    case Kind::AnalysisRun:
        fillAnalysisFields(analysis);
        click("cmdRun");
        break;
    case Kind::AnalysisCancel: click("cmdCancel"); break;
    case Kind::SystemPlay:
        fillAnalysisFields(analysis);
        click("cmdPlayOnTable");
        if (const SystemPlayStatus& played = window_.game().systemPlay(); !played.playing && played.spins > 0) {
            systemSpins_ += played.spins;
            ++systemsPlayed_;
            log_.push_back(std::string(static_cast<std::size_t>(depth_) * 2, ' ') + "(" + describeSystemPlay(played) +
                           ")");
        }
        break;
    case Kind::SystemStop: click("cmdStopPlaying"); break;
    case Kind::AnalysisKeepA:
        fillAnalysisFields(analysis);
        click("cmdKeepA");
        break;
    default: analysis->close(); break;
    }
}

// Small analyses, so that many end while the table plays on; now and then a
// field the window must refuse.
void RandomPlayer::fillAnalysisFields(QWidget* analysis) {
    const auto field = [analysis](const char* name) {
        return analysis->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto between = [this](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); };
    field("txtSpins")->setText(QString::number(between(1, 200)));
    field("txtSessions")->setText(QString::number(between(10, 3000)));
    field("txtStopLoss")->setText(chance(0.3) ? QString::number(between(0, 50)) : QString());
    field("txtTarget")->setText(chance(0.3) ? QString::number(between(50, 5000)) : QString());
    if (chance(0.1))
        field(chance(0.5) ? "txtBankroll" : "txtSpins")->setText(QStringLiteral("lots"));
    auto* progression = analysis->findChild<QComboBox*>(QStringLiteral("cboProgression"));
    progression->setCurrentIndex(between(0, progression->count() - 1));
}
