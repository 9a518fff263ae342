#include "ui/qt/WheelPanel.h"

#include <QChart>
#include <QChartView>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include <cmath>

#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/FigureRow.h"

namespace {
constexpr int kDeviationDecimals = 1;
constexpr int kStatisticDecimals = 2;
// From here on "once in N" is told in whole numbers.
constexpr double kWholeFrom = 10.0;
// Below this p-value the wheel's hits are too uneven to put down to chance alone.
constexpr double kDoubtfulPValue = 0.01;

QString pocketName(PocketCode pocket) {
    const std::string_view text = pocketText(pocket);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// How far one number strays, and how often a number strays that far on a fair wheel.
QString deviationText(const PocketDeviation& p) {
    const double shareThatFar = std::erfc(std::abs(p.z) / std::sqrt(2.0));
    QString text = QObject::tr("%1: %2 hits against %3 expected, %4 standard deviations %5")
                       .arg(pocketName(p.pocket))
                       .arg(p.observed)
                       .arg(QLocale().toString(p.expected, 'f', kDeviationDecimals))
                       .arg(QLocale().toString(std::abs(p.z), 'f', kDeviationDecimals))
                       .arg(p.z >= 0 ? QObject::tr("above") : QObject::tr("below"));
    if (shareThatFar > 0 && shareThatFar < 1)
        text += QObject::tr("; a number strays this far by chance once in %1")
                    .arg(QLocale().toString(1.0 / shareThatFar, 'f', 1.0 / shareThatFar < kWholeFrom ? 1 : 0));
    return text;
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
    form->addRow(tr("Hottest number:"), hottest_);
    form->addRow(tr("Coldest number:"), coldest_);
    hits_ = makeChartView(QStringLiteral("chrWheelHits"), tr("Hits per number"));
    whole->addWidget(hits_, 1);
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
        words += report.pValue < kDoubtfulPValue ? tr(": rare enough to doubt the wheel.")
                                                 : tr(": nothing unusual for a fair wheel.");
        pValue_->setText(words);
        hottest_->setText(deviationText(report.hottest));
        coldest_->setText(deviationText(report.coldest));
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
