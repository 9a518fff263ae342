#pragma once

#include <QWidget>

#include "systems/Backtest.h"

class QChartView;
class QLabel;
class QTableWidget;

// Recorded numbers: one session of the chosen system played over numbers
// written down at a real wheel, every spin's stakes and bankroll, its path,
// and whether the numbers look like a fair wheel's.
class RecordedPanel : public QWidget {
public:
    explicit RecordedPanel(QWidget* parent);

    void showBacktest(const QString& source, const QString& systemName, const systems::Backtest& backtest,
                      Money chipValue, Wheel wheel);
    void showProblem(const QString& problem);

private:
    QLabel* summary_ = nullptr;
    QLabel* fairness_ = nullptr;
    QTableWidget* spins_ = nullptr;
    QChartView* path_ = nullptr;
};
