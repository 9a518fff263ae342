#include "ui/qt/SystemForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <QRegularExpression>

#include <algorithm>
#include <string>

#include "layout/BetSpotCatalogue.h"
#include "ui/SessionInputs.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/FieldMarks.h"

namespace {
using namespace systems;

// The money managements in the order of the MoneyManagement variant.
const QStringList& moneyNames() {
    static const QStringList names{SystemForm::tr("Flat"),
                                   SystemForm::tr("Martingale"),
                                   SystemForm::tr("Reverse Martingale"),
                                   SystemForm::tr("D'Alembert"),
                                   SystemForm::tr("Fibonacci"),
                                   SystemForm::tr("Paroli (wins)"),
                                   SystemForm::tr("Labouchère (line)"),
                                   SystemForm::tr("Reverse Labouchère (line)"),
                                   SystemForm::tr("Oscar's Grind"),
                                   SystemForm::tr("1-3-2-6"),
                                   SystemForm::tr("Stake list (stakes)")};
    return names;
}

MoneyManagement moneyOfKind(int kind) {
    switch (kind) {
    case 1: return Martingale{};
    case 2: return ReverseMartingale{};
    case 3: return DAlembert{};
    case 4: return Fibonacci{};
    case 5: return Paroli{};
    case 6: return Labouchere{};
    case 7: return ReverseLabouchere{};
    case 8: return OscarsGrind{};
    case 9: return OneThreeTwoSix{};
    case 10: return StakeList{};
    default: return Flat{};
    }
}

QString numbersText(const std::vector<std::int64_t>& numbers) {
    QStringList parts;
    for (std::int64_t n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

// The numbers a money management takes, as the field shows them.
QString numbersOf(const MoneyManagement& money) {
    if (const auto* p = std::get_if<Paroli>(&money))
        return QString::number(p->wins);
    if (const auto* l = std::get_if<Labouchere>(&money))
        return numbersText(l->line);
    if (const auto* r = std::get_if<ReverseLabouchere>(&money))
        return numbersText(r->line);
    if (const auto* s = std::get_if<StakeList>(&money))
        return numbersText(s->stakes);
    return {};
}

std::optional<std::int64_t> wholeNumber(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().remove(QLatin1Char(',')).toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(value) : std::nullopt;
}

std::optional<std::vector<std::int64_t>> numberList(const QString& text) {
    std::vector<std::int64_t> numbers;
    for (const QString& part : text.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts)) {
        const std::optional<std::int64_t> n = wholeNumber(part);
        if (!n)
            return std::nullopt;
        numbers.push_back(*n);
    }
    return numbers;
}

// The outside bets as the table names them to the player, in OutsideBet order.
QString outsideName(OutsideBet bet) {
    static constexpr const char* kControls[] = {"lblRed",      "lblBlack",       "lblEven",         "lblOdd",
                                                "lblLow",      "lblHigh",        "lblFirstDoz",     "lblSecondDoz",
                                                "lblThirdDoz", "lblFirstColumn", "lblSecondColumn", "lblThirdColumn"};
    const std::optional<int> slot = slotOfName(kControls[static_cast<int>(bet)]);
    return slot ? QString::fromStdString(
                      accessibleSpotName(betSpots()[static_cast<std::size_t>(*slot)], Wheel::European))
                : QString();
}

constexpr int kOutsideBets = 12;

// "Red, Black, Low" -> the bets; a name may leave off its bracket ("Low").
std::optional<std::vector<OutsideBet>> patternOf(const QString& text) {
    std::vector<OutsideBet> bets;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString word = part.trimmed();
        std::optional<OutsideBet> found;
        for (int b = 0; b < kOutsideBets && !found; ++b) {
            const QString name = outsideName(static_cast<OutsideBet>(b));
            if (word.compare(name, Qt::CaseInsensitive) == 0 ||
                word.compare(name.section(QStringLiteral(" ("), 0, 0), Qt::CaseInsensitive) == 0)
                found = static_cast<OutsideBet>(b);
        }
        if (!found)
            return std::nullopt;
        bets.push_back(*found);
    }
    return bets;
}

QString patternText(const std::vector<OutsideBet>& bets) {
    QStringList names;
    for (OutsideBet bet : bets)
        names << outsideName(bet).section(QStringLiteral(" ("), 0, 0);
    return names.join(QStringLiteral(", "));
}

QString moneyText(const std::optional<Money>& amount) { return amount ? currencyText(*amount) : QString(); }
} // namespace

SystemForm::SystemForm(QWidget* parent, std::function<void(const systems::System&)> edited)
    : QWidget(parent), edited_(std::move(edited)) {
    setObjectName(QStringLiteral("fraSystemForm"));
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    wheel_ = addChoice("cboSystemWheel", tr("Wheel"), {tr("European"), tr("American")});
    QStringList units;
    for (const BettingUnitRow& row : kBettingUnits)
        units << currencyText(row.chipValue);
    unit_ = addChoice("cboSystemUnit", tr("Chip"), units);
    minimums_ = addCheck("chkSystemMinimums", tr("The table's minimums on outside spots"));
    bankroll_ = addLine("txtSystemBankroll", "lblSystemBankrollError", tr("Bankroll ($)"));
    spins_ = addLine("txtSystemSpins", "lblSystemSpinsError", tr("Spins per session"));
    stopLoss_ = addLine("txtSystemStopLoss", "lblSystemStopLossError", tr("Stop-loss ($, empty: none)"));
    target_ = addLine("txtSystemTarget", "lblSystemTargetError", tr("Target ($, empty: none)"));
    stopAfterWin_ = addCheck("chkStopAfterWin", tr("Stop after a winning spin"));
    stopAtSeriesEnd_ = addCheck("chkStopAtSeriesEnd", tr("Stop at the end of a series"));
    side_ = 1; // the bets beside the session rules
    bet_ = addChoice("cboSystemBet", tr("Bet"), {});
    selection_ = addChoice("cboSelection", tr("It covers"),
                           {tr("Fixed spots (from the table or the text)"), tr("What came last"),
                            tr("Sleepers: what has not come"), tr("A pattern of outside bets"),
                            tr("One outside bet after misses")});
    group_ = addChoice("cboSelectionGroup", tr("Of"),
                       {tr("Colours"), tr("Even and odd"), tr("Low and high"), tr("Dozens"), tr("Columns")});
    follow_ = addChoice("cboSelectionSide", tr("Follow or against"),
                        {tr("Follow: bet what came"), tr("Against: bet what did not come")});
    QStringList outside;
    for (int b = 0; b < kOutsideBets; ++b)
        outside << outsideName(static_cast<OutsideBet>(b));
    outside_ = addChoice("cboSelectionBet", tr("Outside bet"), outside);
    count_ = addLine("txtSelectionCount", "lblSelectionCountError", tr("Spins missed at least"));
    longestOnly_ = addCheck("chkLongestOnly", tr("Only the one missing longest"));
    pattern_ = addLine("txtPattern", "lblPatternError", tr("Pattern (Red, Black, ...)"));
    money_ = addChoice("cboMoney", tr("Money management"), moneyNames());
    numbers_ = addLine("txtMoneyNumbers", "lblMoneyNumbersError", tr("Its numbers"));
    chips_ = addLine("txtBetChips", "lblBetChipsError", tr("Chips a unit"));
    atCap_ = addChoice("cboAtCap", tr("At the table limit"), {tr("Stay there"), tr("Start the series again")});
    grid_->setColumnStretch(1, 1);
    grid_->setColumnStretch(3, 1);
    disconnect(bet_, nullptr, this, nullptr);
    connect(bet_, &QComboBox::currentIndexChanged, this, [this](int index) { showBet(index); });
}

QLineEdit* SystemForm::addLine(const char* name, const char* problemName, const QString& caption) {
    auto* line = new QLineEdit(this);
    line->setObjectName(QString::fromLatin1(name));
    auto* label = new QLabel(caption, this);
    label->setBuddy(line);
    grid_->addWidget(label, rows_[side_], 2 * side_);
    grid_->addWidget(line, rows_[side_], 2 * side_ + 1);
    addProblemBelow(line, problemName);
    connect(line, &QLineEdit::textEdited, this, [this, line] { fieldEdited(line); });
    return line;
}

void SystemForm::addProblemBelow(QWidget* input, const char* problemName) {
    QLabel* problem = makeProblemLabel(*this, problemName);
    grid_->addWidget(problem, rows_[side_] + 1, 2 * side_ + 1);
    rows_[side_] += 2;
    fields_.push_back({input, problem});
}

QComboBox* SystemForm::addChoice(const char* name, const QString& caption, const QStringList& items) {
    auto* choice = new QComboBox(this);
    choice->setObjectName(QString::fromLatin1(name));
    choice->addItems(items);
    auto* label = new QLabel(caption, this);
    label->setBuddy(choice);
    grid_->addWidget(label, rows_[side_], 2 * side_);
    grid_->addWidget(choice, rows_[side_], 2 * side_ + 1);
    addProblemBelow(choice, (std::string(name) + "Error").c_str());
    connect(choice, &QComboBox::currentIndexChanged, this, [this, choice] { fieldEdited(choice); });
    return choice;
}

QCheckBox* SystemForm::addCheck(const char* name, const QString& text) {
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QString::fromLatin1(name));
    grid_->addWidget(check, rows_[side_], 2 * side_ + 1);
    addProblemBelow(check, (std::string(name) + "Error").c_str());
    connect(check, &QCheckBox::toggled, this, [this, check] { fieldEdited(check); });
    return check;
}

void SystemForm::showSystem(const systems::System& system) {
    filling_ = true;
    system_ = system;
    const SystemRules& rules = system.rules;
    wheel_->setCurrentIndex(rules.wheel == Wheel::European ? 0 : 1);
    unit_->setCurrentIndex(static_cast<int>(rules.unit));
    minimums_->setChecked(rules.tableMinimums);
    bankroll_->setText(currencyText(rules.bankroll));
    spins_->setText(QString::number(rules.spins));
    stopLoss_->setText(moneyText(rules.stopLoss));
    target_->setText(moneyText(rules.target));
    stopAfterWin_->setChecked(rules.stopAfterWin);
    stopAtSeriesEnd_->setChecked(rules.stopAtSeriesEnd);
    const int bet = std::clamp(bet_->currentIndex(), 0, static_cast<int>(system.bets.size()) - 1);
    bet_->clear();
    for (std::size_t i = 0; i < system.bets.size(); ++i)
        bet_->addItem(tr("%1 of %2").arg(i + 1).arg(system.bets.size()));
    for (const Field& field : fields_)
        showProblem(field.input, {});
    filling_ = false;
    bet_->setCurrentIndex(std::max(bet, 0));
    showBet(bet_->currentIndex());
}

void SystemForm::showBet(int index) {
    if (index < 0 || index >= static_cast<int>(system_.bets.size()))
        return;
    const bool filling = filling_;
    filling_ = true;
    const Bet& bet = system_.bets[static_cast<std::size_t>(index)];
    selection_->setCurrentIndex(static_cast<int>(bet.selection.index()));
    if (const auto* last = std::get_if<LastCame>(&bet.selection)) {
        group_->setCurrentIndex(static_cast<int>(last->group));
        follow_->setCurrentIndex(last->side == Side::Follow ? 0 : 1);
    } else if (const auto* sleepers = std::get_if<Sleepers>(&bet.selection)) {
        group_->setCurrentIndex(static_cast<int>(sleepers->group));
        count_->setText(QString::number(sleepers->absentAtLeast));
        longestOnly_->setChecked(sleepers->longestOnly);
    } else if (const auto* pattern = std::get_if<Pattern>(&bet.selection)) {
        pattern_->setText(patternText(pattern->bets));
    } else if (const auto* after = std::get_if<AfterMisses>(&bet.selection)) {
        outside_->setCurrentIndex(static_cast<int>(after->bet));
        count_->setText(QString::number(after->misses));
    }
    enableSelectionFields(bet.selection);
    money_->setCurrentIndex(static_cast<int>(bet.money.index()));
    numbers_->setText(numbersOf(bet.money));
    numbers_->setEnabled(!numbersOf(bet.money).isEmpty());
    chips_->setText(QString::number(bet.chips));
    atCap_->setCurrentIndex(bet.atCap == AtCap::Stay ? 0 : 1);
    filling_ = filling;
}

void SystemForm::enableSelectionFields(const Selection& selection) {
    const std::size_t kind = selection.index();
    group_->setEnabled(kind == 1 || kind == 2);
    follow_->setEnabled(kind == 1);
    outside_->setEnabled(kind == 4);
    count_->setEnabled(kind == 2 || kind == 4);
    longestOnly_->setEnabled(kind == 2);
    pattern_->setEnabled(kind == 3);
}

bool SystemForm::readSelection(QWidget* field, Bet& bet) {
    if (field == selection_) {
        // Another kind starts from its own values; fixed spots from the
        // system's own when it had them.
        switch (selection_->currentIndex()) {
        case 0: {
            const Bet& before = system_.bets[static_cast<std::size_t>(std::max(0, bet_->currentIndex()))];
            bet.selection = std::holds_alternative<FixedSpots>(before.selection)
                                ? before.selection
                                : Selection(FixedSpots{{{"lblRed", 1}}});
            break;
        }
        case 1: bet.selection = LastCame{}; break;
        case 2: bet.selection = Sleepers{}; break;
        case 3: bet.selection = Pattern{{OutsideBet::Red, OutsideBet::Black}}; break;
        default: bet.selection = AfterMisses{}; break;
        }
        const bool filling = filling_;
        filling_ = true;
        group_->setCurrentIndex(std::holds_alternative<Sleepers>(bet.selection) ? 3 : 0);
        if (const auto* p = std::get_if<Pattern>(&bet.selection))
            pattern_->setText(patternText(p->bets));
        if (const auto* s = std::get_if<Sleepers>(&bet.selection))
            count_->setText(QString::number(s->absentAtLeast));
        if (const auto* a = std::get_if<AfterMisses>(&bet.selection))
            count_->setText(QString::number(a->misses));
        filling_ = filling;
    }
    enableSelectionFields(bet.selection);
    const auto count = [this]() -> std::optional<std::int32_t> {
        const std::optional<std::int64_t> n = wholeNumber(count_->text());
        if (!n || *n < 0 || *n > kMaxCount) {
            showProblem(count_, tr("Expected a whole number of spins from 0 to %1.").arg(kMaxCount));
            return std::nullopt;
        }
        return static_cast<std::int32_t>(*n);
    };
    if (auto* last = std::get_if<LastCame>(&bet.selection)) {
        last->group = static_cast<OutsideGroup>(group_->currentIndex());
        last->side = follow_->currentIndex() == 0 ? Side::Follow : Side::Against;
    } else if (auto* sleepers = std::get_if<Sleepers>(&bet.selection)) {
        sleepers->group = static_cast<OutsideGroup>(group_->currentIndex());
        sleepers->longestOnly = longestOnly_->isChecked();
        const std::optional<std::int32_t> n = count();
        if (!n)
            return false;
        sleepers->absentAtLeast = *n;
    } else if (auto* pattern = std::get_if<Pattern>(&bet.selection)) {
        const std::optional<std::vector<OutsideBet>> bets = patternOf(pattern_->text());
        if (!bets || bets->empty()) {
            showProblem(pattern_, tr("Expected outside bets separated by commas, such as Red, Black, Red."));
            return false;
        }
        pattern->bets = *bets;
    } else if (auto* after = std::get_if<AfterMisses>(&bet.selection)) {
        after->bet = static_cast<OutsideBet>(outside_->currentIndex());
        const std::optional<std::int32_t> n = count();
        if (!n)
            return false;
        after->misses = *n;
    }
    return true;
}

bool SystemForm::hasProblem() const {
    return std::any_of(fields_.begin(), fields_.end(), [](const Field& f) { return !f.problem->isHidden(); });
}

void SystemForm::showProblem(QWidget* field, const QString& problem) {
    for (const Field& f : fields_)
        if (f.input == field) {
            f.problem->setText(problem);
            f.problem->setVisible(!problem.isEmpty());
        }
}

// Builds the system every field says and hands it on, or says beside each
// field what is wrong with it; what the model refuses of the whole stands
// beside the field just changed.
void SystemForm::fieldEdited(QWidget* field) {
    if (filling_ || system_.bets.empty())
        return;
    for (const Field& f : fields_)
        showProblem(f.input, {});
    System next = system_;
    SystemRules& rules = next.rules;
    rules.wheel = wheel_->currentIndex() == 0 ? Wheel::European : Wheel::American;
    rules.unit = static_cast<BettingUnit>(unit_->currentIndex());
    rules.tableMinimums = minimums_->isChecked();
    rules.stopAfterWin = stopAfterWin_->isChecked();
    rules.stopAtSeriesEnd = stopAtSeriesEnd_->isChecked();
    bool readable = true;
    const auto refuse = [this, &readable](QWidget* at, const QString& why) {
        showProblem(at, why);
        readable = false;
    };
    const auto amount = [&refuse](QLineEdit* line, bool optional) -> std::optional<Money> {
        if (optional && line->text().trimmed().isEmpty())
            return std::nullopt;
        const std::optional<Money> read = parseMoneyText(line->text().toStdString());
        if (!read)
            refuse(line, tr("Expected an amount such as 250 or $1,000.50."));
        return read;
    };
    rules.bankroll = amount(bankroll_, false).value_or(rules.bankroll);
    rules.stopLoss = amount(stopLoss_, true);
    rules.target = amount(target_, true);
    const std::optional<std::int64_t> spins = wholeNumber(spins_->text());
    if (!spins || *spins < 1 || *spins > kMaxSpins)
        refuse(spins_, tr("Expected a whole number of spins from 1 to %1.").arg(kMaxSpins));
    else
        rules.spins = static_cast<std::int32_t>(*spins);

    Bet& bet = next.bets[static_cast<std::size_t>(std::max(0, bet_->currentIndex()))];
    readable = readSelection(field, bet) && readable;
    if (field == money_) {
        // Another kind starts from its own numbers.
        bet.money = moneyOfKind(money_->currentIndex());
        numbers_->setText(numbersOf(bet.money));
    }
    numbers_->setEnabled(!numbersOf(bet.money).isEmpty());
    if (numbers_->isEnabled()) {
        const std::optional<std::vector<std::int64_t>> numbers = numberList(numbers_->text());
        if (!numbers || numbers->empty())
            refuse(numbers_, tr("Expected whole numbers separated by spaces, such as 1 2 3 4."));
        else if (auto* p = std::get_if<Paroli>(&bet.money))
            p->wins = static_cast<std::int32_t>(std::clamp<std::int64_t>(numbers->front(), -1, kMaxCount + 1));
        else if (auto* l = std::get_if<Labouchere>(&bet.money))
            l->line = *numbers;
        else if (auto* r = std::get_if<ReverseLabouchere>(&bet.money))
            r->line = *numbers;
        else if (auto* st = std::get_if<StakeList>(&bet.money))
            st->stakes = *numbers;
    }
    const std::optional<std::int64_t> chips = wholeNumber(chips_->text());
    if (!chips)
        refuse(chips_, tr("Expected a whole number of chips."));
    else
        bet.chips = *chips;
    bet.atCap = atCap_->currentIndex() == 0 ? AtCap::Stay : AtCap::Restart;
    if (!readable)
        return;
    if (const std::optional<std::string> refused = problemWith(next)) {
        showProblem(field, QString::fromStdString(*refused));
        return;
    }
    system_ = next;
    edited_(system_);
}
