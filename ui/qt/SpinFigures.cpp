#include "ui/qt/SpinFigures.h"

#include <QGridLayout>
#include <QLabel>

#include "ui/qt/AnalysisText.h"
#include "ui/qt/CurrencyText.h"
#include "ui/qt/FigureRow.h"

namespace {
constexpr int kFigureColumns = 2; // caption and value, twice across
constexpr int kRowsPerColumn = 5;

QString outcomeText(const PocketResult& result) {
    return QObject::tr("%1 (when %2 comes up)")
        .arg(signedMoneyText(result.net))
        .arg(QString::fromLatin1(pocketText(result.pocket).data(),
                                 static_cast<qsizetype>(pocketText(result.pocket).size())));
}
} // namespace

SpinFigures::SpinFigures(QWidget* parent) : QGroupBox(tr("This spin"), parent) {
    setObjectName(QStringLiteral("fraThisSpin"));
    auto* grid = new QGridLayout(this);
    empty_ =
        new QLabel(tr("No chips on the layout: place chips on the table to see what one spin of them does."), this);
    empty_->setObjectName(QStringLiteral("lblEmptyLayout"));
    empty_->setWordWrap(true);
    grid->addWidget(empty_, 0, 0, 1, 2 * kFigureColumns);
    amountBet_ = addFigure("lblAmountBet", tr("Amount bet"));
    expected_ = addFigure("lblExpected", tr("Expected result"));
    houseEdge_ = addFigure("lblHouseEdge", tr("House edge"));
    stdDev_ = addFigure("lblStdDev", tr("Standard deviation"));
    best_ = addFigure("lblBest", tr("Best outcome"));
    win_ = addFigure("lblWinChance", tr("Chance of a win"));
    lose_ = addFigure("lblLoseChance", tr("Chance of a loss"));
    even_ = addFigure("lblEvenChance", tr("Chance of breaking even"));
    worst_ = addFigure("lblWorst", tr("Worst outcome"));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

QLabel* SpinFigures::addFigure(const char* objectName, const QString& caption) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int column = (rows_ / kRowsPerColumn) * kFigureColumns;
    const int row = 1 + rows_ % kRowsPerColumn;
    ++rows_;
    return addFigureRow(*grid, *this, objectName, caption, row, column);
}

void SpinFigures::showSpin(const SpinAnalysis& spin) {
    empty_->setVisible(spin.empty);
    amountBet_->setText(currencyText(spin.amountBet));
    if (spin.empty) {
        for (QLabel* figure : {expected_, houseEdge_, stdDev_, win_, lose_, even_, best_, worst_})
            figure->setText(tr("-"));
        return;
    }
    expected_->setText(tr("%1 a spin").arg(currencyText(spin.expectedMoney)));
    houseEdge_->setText(percentText(spin.houseEdge));
    stdDev_->setText(currencyText(spin.stdDevMoney));
    win_->setText(fractionText(spin.win));
    lose_->setText(fractionText(spin.lose));
    even_->setText(fractionText(spin.even));
    best_->setText(outcomeText(spin.best));
    worst_->setText(outcomeText(spin.worst));
}
