#include "ui/qt/AnalysisCharts.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QFontMetrics>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "game/Pocket.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/CurrencyText.h"

namespace {
constexpr double kPercent = 100.0;
constexpr double kLabelGap = 8; // pixels between two numbers under the wheel's bars
// A histogram leaves out at most this share of the sessions at either end.
constexpr double kTailLeftOut = 0.0005;
constexpr std::size_t kMostBars = 40;
constexpr double kWidestEndBar = 1.0; // in widths of the bar beside it
constexpr int kChartMinimumWidth = 340;
constexpr int kChartMinimumHeight = 220;
// A chart with more points than this is thinned: the screen has no more
// pixels across, and the game's yields must not wait for a long redraw.
constexpr std::size_t kMostPointsAcross = 200;
const QColor kOuterBand(173, 216, 230);
const QColor kInnerBand(100, 149, 237);
const QColor kMedian(0, 0, 139);
const QColor kOwnSession(220, 20, 60);
const QColor kHistogram(70, 130, 180);
const QColor kExpected(220, 20, 60);
constexpr const char* kTitleProperty = "quelta.title";
constexpr const char* kLegendProperty = "quelta.legend";
// How a session ended, in the end histogram and its legend.
const std::array<std::pair<SessionEnd, QColor>, kSessionEnds> kEndColours = {{
    {SessionEnd::NotCovered, QColor(200, 40, 40)},
    {SessionEnd::StopLoss, QColor(230, 140, 30)},
    {SessionEnd::SpinsDone, QColor(70, 130, 180)},
    {SessionEnd::Target, QColor(40, 150, 70)},
}};
constexpr double kStaleOpacity = 0.35;
constexpr double kBandHeadroom = 0.05; // of the bands' span, above and below
constexpr double kBarHeadroom = 1.1;

// The colour a series is drawn in and its name, for the legend.
std::pair<QColor, QString> keyOf(const QAbstractSeries* series) {
    if (const auto* area = qobject_cast<const QAreaSeries*>(series))
        return {area->color(), area->name()};
    if (const auto* line = qobject_cast<const QLineSeries*>(series))
        return {line->color(), line->name()};
    if (const auto* bars = qobject_cast<const QBarSeries*>(series); bars != nullptr && !bars->barSets().empty())
        return {bars->barSets().front()->color(), bars->barSets().front()->label()};
    return {};
}

// Writes the chart's legend into the label withLegend() gave it: each name
// whole, with breaks only between names.
void refreshLegend(QChart* chart) {
    chart->legend()->hide();
    auto* legend = qobject_cast<QLabel*>(chart->property(kLegendProperty).value<QObject*>());
    if (legend == nullptr)
        return;
    QStringList items;
    for (const QAbstractSeries* series : chart->series()) {
        const auto [colour, name] = keyOf(series);
        if (!name.isEmpty())
            items.append(
                QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;%2")
                    .arg(colour.name(), name.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"))));
    }
    legend->setText(items.join(QStringLiteral(" &nbsp; ")));
    legend->setVisible(!items.isEmpty());
}

QString pocketName(PocketCode pocket) {
    const std::string_view text = pocketText(pocket);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString pocketTip(const FairnessReport& report, std::size_t index) {
    const PocketDeviation& p = report.pockets[index];
    return QObject::tr("%1: %2 hits, %3 expected; on a fair wheel this number alone has %2 or more in %4 of "
                       "histories, %2 or fewer in %5")
        .arg(pocketName(p.pocket))
        .arg(p.observed)
        .arg(QLocale().toString(p.expected, 'f', 1))
        .arg(percentText(p.chanceAtLeast), percentText(p.chanceAtMost));
}

std::size_t strideFor(std::size_t points) {
    return std::max<std::size_t>(1, (points + kMostPointsAcross - 1) / kMostPointsAcross);
}

// The bars a player can read: the far tails that hold almost nothing are
// left out (an exact histogram reaches to the luckiest session possible), and
// neighbouring bars are merged until at most kMostBars remain.
std::vector<HistogramBin> readableBins(const std::vector<HistogramBin>& bins) {
    std::size_t first = 0;
    std::size_t last = bins.size();
    for (double tail = 0; first + 1 < last && tail + bins[first].probability < kTailLeftOut; ++first)
        tail += bins[first].probability;
    for (double tail = 0; last - 1 > first && tail + bins[last - 1].probability < kTailLeftOut; --last)
        tail += bins[last - 1].probability;
    const std::size_t kept = last - first;
    const std::size_t perBar = (kept + kMostBars - 1) / kMostBars;
    std::vector<HistogramBin> bars;
    for (std::size_t i = first; i < last; i += perBar) {
        HistogramBin bar{bins[i].low, bins[i].high, 0, {}};
        for (std::size_t j = i; j < std::min(i + perBar, last); ++j) {
            bar.high = bins[j].high;
            bar.probability += bins[j].probability;
            for (std::size_t end = 0; end < kSessionEnds; ++end)
                bar.byEnd[end] += bins[j].byEnd[end];
        }
        bars.push_back(bar);
    }
    // An end bar that gathers a long thin tail is drawn as wide as its
    // neighbour, so that the tail does not squeeze the rest to one side.
    if (bars.size() > 2) {
        const double width = bars[1].high - bars[1].low;
        bars.front().low = std::max(bars.front().low, bars.front().high - kWidestEndBar * width);
        bars.back().high = std::min(bars.back().high, bars.back().low + kWidestEndBar * width);
    }
    return bars;
}

QValueAxis* valueAxis(const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

// An area does not own the lines that bound it; it is given them, so that
// they go when the chart removes it.
QAreaSeries* areaBetween(QLineSeries* upper, QLineSeries* lower) {
    auto* area = new QAreaSeries(upper, lower);
    upper->setParent(area);
    if (lower != nullptr)
        lower->setParent(area);
    return area;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

QAreaSeries* band(const QList<QPointF>& low, const QList<QPointF>& high, const QString& name, const QColor& colour) {
    auto* lower = new QLineSeries;
    lower->replace(low);
    auto* upper = new QLineSeries;
    upper->replace(high);
    auto* area = areaBetween(upper, lower);
    area->setName(name);
    area->setColor(colour);
    area->setBorderColor(colour);
    return area;
}
} // namespace

QChartView* makeChartView(const QString& objectName, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* view = new QChartView(chart);
    view->setObjectName(objectName);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kChartMinimumWidth, kChartMinimumHeight);
    // A chart has nothing to do with the keyboard; Tab passes it by.
    view->setFocusPolicy(Qt::NoFocus);
    chart->setProperty(kTitleProperty, title);
    return view;
}

QWidget* withLegend(QChartView* view) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view, 1);
    auto* legend = new QLabel(box);
    legend->setObjectName(view->objectName() + QStringLiteral("Legend"));
    legend->setWordWrap(true);
    legend->setTextFormat(Qt::RichText);
    legend->setVisible(false);
    layout->addWidget(legend);
    view->chart()->setProperty(kLegendProperty, QVariant::fromValue(static_cast<QObject*>(legend)));
    return box;
}

void markChartStale(QChart* chart, bool stale) {
    const QString title = chart->property(kTitleProperty).toString();
    chart->setTitle(stale ? QObject::tr("%1 (inputs changed: press Run)").arg(title) : title);
    chart->setOpacity(stale ? kStaleOpacity : 1.0);
}

void showEndHistogram(QChart* chart, const SessionOutcome& outcome) {
    clearChart(chart);
    if (outcome.endHistogram.empty())
        return;
    const std::vector<HistogramBin> bins = readableBins(outcome.endHistogram);
    const double perChip = dollarsOf(outcome.chipValue);
    // Each end's share of a bar is stacked on the shares of the ends below
    // it, so the bar's whole height is its share of the sessions.
    std::vector<double> below(bins.size(), 0.0);
    double highest = 0;
    for (const HistogramBin& bin : bins)
        highest = std::max(highest, bin.probability * kPercent);
    QValueAxis* x = valueAxis(QObject::tr("Bankroll at the end ($)"));
    x->setRange(bins.front().low * perChip, bins.back().high * perChip);
    x->applyNiceNumbers();
    QValueAxis* y = valueAxis(QObject::tr("% of sessions"));
    y->setLabelFormat(QStringLiteral("%g"));
    y->setRange(0, highest > 0 ? highest * kBarHeadroom : 1);
    y->applyNiceNumbers();
    if (y->max() > kPercent)
        y->setMax(kPercent);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const auto& [end, colour] : kEndColours) {
        const auto index = static_cast<std::size_t>(end);
        QList<QPointF> upper, lower;
        double shown = 0;
        for (std::size_t i = 0; i < bins.size(); ++i) {
            const double base = below[i];
            const double top = base + bins[i].byEnd[index] * kPercent;
            shown += bins[i].byEnd[index];
            for (const double at : {bins[i].low * perChip, bins[i].high * perChip}) {
                lower.append({at, base});
                upper.append({at, top});
            }
            below[i] = top;
        }
        if (shown <= 0)
            continue;
        QAreaSeries* area = band(lower, upper, endName(end), colour);
        area->setBorderColor(colour.darker());
        attach(chart, area, x, y);
    }
    refreshLegend(chart);
}

void clearChart(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    refreshLegend(chart);
}

void showHistogram(QChart* chart, const std::vector<HistogramBin>& allBins, double dollarsPerUnit,
                   const QString& xTitle) {
    clearChart(chart);
    if (allBins.empty())
        return;
    const std::vector<HistogramBin> bins = readableBins(allBins);
    QList<QPointF> outline;
    double highest = 0;
    for (const HistogramBin& bin : bins) {
        const double share = bin.probability * kPercent;
        outline.append({bin.low * dollarsPerUnit, 0});
        outline.append({bin.low * dollarsPerUnit, share});
        outline.append({bin.high * dollarsPerUnit, share});
        outline.append({bin.high * dollarsPerUnit, 0});
        highest = std::max(highest, share);
    }
    auto* upper = new QLineSeries;
    upper->replace(outline);
    auto* bars = areaBetween(upper, nullptr);
    bars->setColor(kHistogram);
    bars->setBorderColor(kHistogram.darker());
    bars->setName(QObject::tr("Share of sessions"));
    QValueAxis* x = valueAxis(xTitle);
    x->setRange(bins.front().low * dollarsPerUnit, bins.back().high * dollarsPerUnit);
    x->applyNiceNumbers();
    QValueAxis* y = valueAxis(QObject::tr("% of sessions"));
    y->setLabelFormat(QStringLiteral("%g"));
    y->setRange(0, highest > 0 ? highest * kBarHeadroom : 1);
    y->applyNiceNumbers();
    // No share of sessions is above all of them.
    if (y->max() > kPercent)
        y->setMax(kPercent);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, bars, x, y);
    chart->legend()->hide();
}

QLineSeries* showBankrollBands(QChart* chart, const std::vector<BankrollBand>& bands, Money chipValue) {
    clearChart(chart);
    const double perChip = dollarsOf(chipValue);
    QList<QPointF> p5, p25, p50, p75, p95;
    const std::size_t stride = strideFor(bands.size());
    double lowest = bands.empty() ? 0 : bands.front().p5 * perChip;
    double highest = lowest;
    for (std::size_t spin = 0; spin < bands.size(); spin += stride) {
        const BankrollBand& b = bands[spin];
        const double x = static_cast<double>(spin);
        p5.append({x, b.p5 * perChip});
        p25.append({x, b.p25 * perChip});
        p50.append({x, b.p50 * perChip});
        p75.append({x, b.p75 * perChip});
        p95.append({x, b.p95 * perChip});
        lowest = std::min(lowest, b.p5 * perChip);
        highest = std::max(highest, b.p95 * perChip);
    }
    QValueAxis* x = valueAxis(QObject::tr("Spin"));
    x->setRange(0, bands.empty() ? 1 : static_cast<double>(bands.size() - 1));
    QValueAxis* y = valueAxis(QObject::tr("Bankroll ($)"));
    // The axis spans the bands, not zero to the top, or a narrow band would
    // be a sliver at the top of the chart.
    const double headroom = std::max((highest - lowest) * kBandHeadroom, 1.0);
    y->setRange(std::max(0.0, lowest - headroom), highest + headroom);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, band(p5, p95, QObject::tr("5 to 95%"), kOuterBand), x, y);
    attach(chart, band(p25, p75, QObject::tr("25 to 75%"), kInnerBand), x, y);
    auto* median = new QLineSeries;
    median->setName(QObject::tr("Median"));
    median->replace(p50);
    median->setColor(kMedian);
    attach(chart, median, x, y);
    auto* own = new QLineSeries;
    own->setName(QObject::tr("Your session"));
    own->setColor(kOwnSession);
    QPen pen = own->pen();
    pen.setWidth(2);
    own->setPen(pen);
    attach(chart, own, x, y);
    refreshLegend(chart);
    return own;
}

QList<QPointF> ownSessionPoints(const std::vector<std::int64_t>& bankrollChips, Money chipValue) {
    const double perChip = dollarsOf(chipValue);
    const std::size_t stride = strideFor(bankrollChips.size());
    QList<QPointF> points;
    for (std::size_t spin = 0; spin < bankrollChips.size(); ++spin)
        if (spin % stride == 0 || spin + 1 == bankrollChips.size())
            points.append({static_cast<double>(spin), static_cast<double>(bankrollChips[spin]) * perChip});
    return points;
}

void showHitsPerPocket(QChart* chart, const FairnessReport& report) {
    clearChart(chart);
    auto* hits = new QBarSet(QObject::tr("Hits"));
    hits->setColor(kHistogram);
    QStringList pockets;
    auto* expected = new QLineSeries;
    expected->setName(QObject::tr("Expected on a fair wheel"));
    expected->setColor(kExpected);
    double highest = 1;
    for (std::size_t i = 0; i < report.pockets.size(); ++i) {
        const PocketDeviation& p = report.pockets[i];
        hits->append(p.observed);
        pockets.append(pocketName(p.pocket));
        expected->append(static_cast<double>(i), p.expected);
        highest = std::max({highest, static_cast<double>(p.observed), p.expected});
    }
    QObject::connect(hits, &QBarSet::hovered, hits, [report](bool over, int index) {
        if (!over || index < 0 || static_cast<std::size_t>(index) >= report.pockets.size()) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(QCursor::pos(), pocketTip(report, static_cast<std::size_t>(index)));
    });
    auto* bars = new QBarSeries;
    bars->append(hits);
    bars->setBarWidth(0.8);
    // The bars' own axis places them; the numbers under them are a second
    // axis that names only as many as have room side by side.
    auto* x = new QBarCategoryAxis;
    x->append(pockets);
    x->setLabelsVisible(false);
    x->setGridLineVisible(false);
    auto* names = new QCategoryAxis;
    names->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    names->setRange(-0.5, static_cast<double>(pockets.size()) - 0.5);
    names->setGridLineVisible(false);
    const auto nameEvery = [chart, names, pockets] {
        for (const QString& label : names->categoriesLabels())
            names->remove(label);
        const QFontMetrics metrics(names->labelsFont());
        const double room = std::max(1.0, chart->plotArea().width()) / std::max<qsizetype>(1, pockets.size());
        const auto step = std::max<qsizetype>(
            1, static_cast<qsizetype>(std::ceil((metrics.horizontalAdvance(QStringLiteral("00")) + kLabelGap) / room)));
        // The last pocket (00 on the American wheel) is always named.
        const qsizetype last = pockets.size() - 1;
        for (qsizetype i = 0; i + step <= last; i += step)
            names->append(pockets[i], static_cast<double>(i));
        if (last >= 0)
            names->append(pockets[last], static_cast<double>(last));
    };
    QValueAxis* y = valueAxis(QObject::tr("Hits"));
    y->setLabelFormat(QStringLiteral("%g"));
    y->setRange(0, highest * 1.15);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(names, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    attach(chart, bars, x, y);
    attach(chart, expected, x, y);
    nameEvery();
    QObject::connect(chart, &QChart::plotAreaChanged, names, nameEvery);
    refreshLegend(chart);
}
