#include "ui/qt/SystemCharts.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

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

void showSamplePaths(QChart* chart, const std::vector<systems::SamplePath>& paths, Money chipValue) {
    clearChart(chart);
    const double dollarsPerChip = static_cast<double>(chipValue.tenThousandths()) / 10'000.0;
    double lowest = 0, highest = 1, longest = 1;
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
    QValueAxis* x = axis(chart, QObject::tr("Spin"), Qt::AlignBottom, 0, longest);
    QValueAxis* y = axis(chart, QObject::tr("Bankroll ($)"), Qt::AlignLeft, lowest, highest);
    for (QLineSeries* line : lines)
        attach(chart, line, x, y);
    chart->legend()->setVisible(false);
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
