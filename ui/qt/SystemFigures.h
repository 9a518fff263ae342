#pragma once

#include <QWidget>

#include <optional>
#include <vector>

#include "systems/SystemAnalysis.h"

class QChartView;
class QGridLayout;
class QLabel;

// A system's figures over many sessions, beside those of the system kept as
// A when there is one: how sessions end, what they net and stake, the
// deepest drawdown, the longest losing streak, the largest stake, how often
// a limit or the bankroll stopped the progression; then the paths of sample
// sessions and the chance of still playing spin by spin.
class SystemFigures : public QWidget {
public:
    explicit SystemFigures(QWidget* parent);

    void showOutcome(const QString& name, const systems::SystemOutcome& outcome, const QString& keptName,
                     const std::optional<systems::SystemOutcome>& kept);
    void clearOutcome();

private:
    QGridLayout* grid_ = nullptr;
    QLabel* headingB_ = nullptr;
    QLabel* headingA_ = nullptr;
    std::vector<QLabel*> figuresB_, figuresA_;
    QChartView* paths_ = nullptr;
    QChartView* stillPlaying_ = nullptr;
};
