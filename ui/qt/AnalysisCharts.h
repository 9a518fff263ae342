#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include <vector>

#include "analysis/SessionAnalysis.h"
#include "analysis/WheelFairness.h"

class QChart;
class QChartView;
class QLineSeries;
class QWidget;

// The charts of the analysis window, drawn with Qt Charts. Each function
// replaces what the chart showed before.

// A chart view for one of the window's charts, named and titled.
QChartView* makeChartView(const QString& objectName, const QString& title);

// The chart view with its legend below it, as a label that wraps rather than
// cuts a long name short; the chart's own legend stays hidden.
QWidget* withLegend(QChartView* view);

// A histogram as a stepped outline over its bars: x in dollars, y the share in
// percent. The far tails that hold almost nothing are left out.
void showHistogram(QChart* chart, const std::vector<HistogramBin>& bins, double dollarsPerUnit, const QString& xTitle);

// The bankroll over the spins of a session as percentile bands (5 to 95,
// 25 to 75) and the median, in dollars. Returns the line the player's own
// session is drawn on, empty, on the same axes.
QLineSeries* showBankrollBands(QChart* chart, const std::vector<BankrollBand>& bands, Money chipValue);

// A session's bankroll in chips, spin by spin from its start, as points in
// dollars, thinned as the bands are; the last spin is always kept.
QList<QPointF> ownSessionPoints(const std::vector<std::int64_t>& bankrollChips, Money chipValue);

// Hits of every pocket as bars, with the fair wheel's expected count as a line.
void showHitsPerPocket(QChart* chart, const FairnessReport& report);

// How the sessions' end bankrolls spread, each bar coloured by how its
// sessions ended, with a legend of the ends.
void showEndHistogram(QChart* chart, const SessionOutcome& outcome);

// Empties the chart, leaving its title.
void clearChart(QChart* chart);

// Fades the chart and says in its title that it no longer matches the inputs,
// or puts it back.
void markChartStale(QChart* chart, bool stale);
