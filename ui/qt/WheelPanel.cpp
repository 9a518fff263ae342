#include "ui/qt/WheelPanel.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/FigureRow.h"

namespace {
constexpr int kDeviationDecimals = 1;
constexpr int kStatisticDecimals = 2;
// Below this p-value the wheel's hits are too uneven to put down to chance alone.
constexpr double kDoubtfulPValue = 0.01;

QString pocketName(PocketCode pocket) {
    const std::string_view text = pocketText(pocket);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "17", "17 and 23", "4, 17 and 23".
QString pocketsText(const std::vector<PocketCode>& pockets) {
    QStringList names;
    for (PocketCode pocket : pockets)
        names.append(pocketName(pocket));
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return QObject::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

QString hitsText(std::int32_t hits) {
    if (hits == 0)
        return QObject::tr("no hits");
    return hits == 1 ? QObject::tr("1 hit") : QObject::tr("%1 hits").arg(hits);
}

// The hottest (or coldest) numbers, and how often a fair wheel has some
// number that hot (cold): picked out as the hottest of them all, a number
// is judged against every number, not against itself alone.
QString extremeText(const std::vector<PocketCode>& tied, const PocketDeviation& one, const Estimate& anywhere,
                    bool hottest) {
    // An exact chance has no range; a simulated one has.
    const Method method = anywhere.low == anywhere.high ? Method::Exact : Method::MonteCarlo;
    const QString each = tied.size() > 1 && one.observed > 0 ? QObject::tr(" each") : QString();
    QString many = hottest ? QObject::tr("%1 or more").arg(hitsText(one.observed))
                           : QObject::tr("%1 or fewer").arg(hitsText(one.observed));
    if (!hottest && one.observed == 0)
        many = QObject::tr("no hits");
    return QObject::tr("%1: %2%3 against %4 expected. On a fair wheel the %5 number has %6 in %7 of histories "
                       "(one given number alone: %8).")
        .arg(pocketsText(tied), hitsText(one.observed), each)
        .arg(QLocale().toString(one.expected, 'f', kDeviationDecimals))
        .arg(hottest ? QObject::tr("most hit") : QObject::tr("least hit"), many)
        .arg(chanceText(anywhere, method))
        .arg(percentText(hottest ? one.chanceAtLeast : one.chanceAtMost));
}

QLabel* figure(QWidget* parent, const char* objectName, const QString& caption) {
    auto* label = new QLabel(QStringLiteral(" "), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setProperty(kFigureCaptionProperty, caption);
    return label;
}
} // namespace

WheelPanel::WheelPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fraWheel"));
    auto* whole = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    whole->addLayout(form);
    spins_ = figure(this, "lblWheelSpins", tr("Spins counted"));
    chiSquare_ = figure(this, "lblChiSquare", tr("Chi-square"));
    pValue_ = figure(this, "lblPValue", tr("Is it chance?"));
    hottest_ = figure(this, "lblHottest", tr("Hottest number"));
    coldest_ = figure(this, "lblColdest", tr("Coldest number"));
    form->addRow(tr("Spins counted:"), spins_);
    form->addRow(tr("Chi-square:"), chiSquare_);
    form->addRow(tr("Is it chance?"), pValue_);
    form->addRow(tr("Hottest:"), hottest_);
    form->addRow(tr("Coldest:"), coldest_);
    hits_ = makeChartView(QStringLiteral("chrWheelHits"), tr("Hits per number"));
    whole->addWidget(withLegend(hits_), 1);
}

void WheelPanel::showReport(const FairnessReport& report) {
    spins_->setText(tr("%1 since the table was last re-initialised").arg(report.spins));
    if (report.spins == 0) {
        for (QLabel* label : {chiSquare_, hottest_, coldest_})
            label->setText(tr("-"));
        pValue_->setText(tr("No spins yet: the test needs the wheel's results."));
    } else {
        chiSquare_->setText(tr("%1 with %2 degrees of freedom")
                                .arg(QLocale().toString(report.chiSquare, 'f', kStatisticDecimals))
                                .arg(report.degreesOfFreedom));
        QString words = chanceInHistoriesText(report.pValue);
        words[0] = words[0].toUpper();
        if (report.pValueMethod == Method::MonteCarlo)
            words += tr(" (simulated, 95%: %1 to %2)")
                         .arg(percentText(report.pValueRange.low), percentText(report.pValueRange.high));
        if (report.tooFewSpins)
            words = tr("Too few spins to tell anything: with fewer spins than numbers, a fair wheel and a biased "
                       "one look alike. (%1.)")
                        .arg(words);
        else
            words += report.pValue < kDoubtfulPValue ? tr(": rare enough to doubt the wheel.")
                                                     : tr(": nothing unusual for a fair wheel.");
        pValue_->setText(words);
        hottest_->setText(extremeText(report.hottestTied, report.hottest, report.hottestAnywhere, true));
        coldest_->setText(extremeText(report.coldestTied, report.coldest, report.coldestAnywhere, false));
    }
    // The chart is redrawn only where the player can see it.
    if (isVisible())
        showHitsPerPocket(hits_->chart(), report);
    else
        pending_ = report;
}

void WheelPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pending_) {
        showHitsPerPocket(hits_->chart(), *pending_);
        pending_.reset();
    }
}
