#include "ui/qt/SystemCharts.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <limits>

#include "ui/qt/AnalysisCharts.h"

namespace {
QValueAxis* axis(QChart* chart, const QString& title, Qt::Alignment side, double low, double high) {
    auto* made = new QValueAxis;
    made->setTitleText(title);
    made->setLabelFormat(QStringLiteral("%.0f"));
    made->setRange(low, high);
    made->applyNiceNumbers();
    chart->addAxis(made, side);
    return made;
}

void attach(QChart* chart, QLineSeries* series, QValueAxis* x, QValueAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}
} // namespace

void showSamplePaths(QChart* chart, const std::vector<systems::SamplePath>& paths,
                     const std::vector<BankrollBand>& bands, Money chipValue) {
    const double dollarsPerChip = static_cast<double>(chipValue.tenThousandths()) / 10'000.0;
    // The paths' own span, so that the bands' axis is widened only where a path strays.
    double lowest = std::numeric_limits<double>::infinity(), highest = -lowest, longest = 1;
    std::vector<QLineSeries*> lines;
    for (const systems::SamplePath& path : paths) {
        auto* line = new QLineSeries;
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(path.chips.size()));
        for (std::size_t spin = 0; spin < path.chips.size(); ++spin) {
            const double dollars = static_cast<double>(path.chips[spin]) * dollarsPerChip;
            points.append({static_cast<double>(spin), dollars});
            highest = std::max(highest, dollars);
            lowest = std::min(lowest, dollars);
        }
        longest = std::max(longest, static_cast<double>(path.chips.size()) - 1);
        line->replace(points);
        lines.push_back(line);
    }
    QValueAxis* x = nullptr;
    QValueAxis* y = nullptr;
    if (bands.empty()) {
        clearChart(chart);
        x = axis(chart, QObject::tr("Spin"), Qt::AlignBottom, 0, longest);
        y = axis(chart, QObject::tr("Bankroll ($)"), Qt::AlignLeft, std::min(0.0, lowest), std::max(1.0, highest));
        chart->legend()->setVisible(false);
    } else {
        // The bands come with their own line for a player's session, which
        // has no place among sample sessions.
        QLineSeries* own = showBankrollBands(chart, bands, chipValue);
        chart->removeSeries(own);
        delete own;
        x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).value(0));
        y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        // A sample session may stray outside the 5 to 95% band.
        y->setRange(std::min(y->min(), lowest), std::max(y->max(), highest));
        y->applyNiceNumbers();
    }
    for (QLineSeries* line : lines) {
        attach(chart, line, x, y);
        for (QLegendMarker* marker : chart->legend()->markers(line))
            marker->setVisible(false);
    }
}

void showStillPlaying(QChart* chart, const std::vector<double>& stillPlaying) {
    clearChart(chart);
    auto* line = new QLineSeries;
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(stillPlaying.size()));
    for (std::size_t n = 0; n < stillPlaying.size(); ++n)
        points.append({static_cast<double>(n + 1), stillPlaying[n] * 100.0});
    line->replace(points);
    QValueAxis* x = axis(chart, QObject::tr("Spin"), Qt::AlignBottom, 1,
                         std::max<double>(2, static_cast<double>(stillPlaying.size())));
    QValueAxis* y = axis(chart, QObject::tr("% still playing"), Qt::AlignLeft, 0, 100);
    attach(chart, line, x, y);
    chart->legend()->setVisible(false);
}
