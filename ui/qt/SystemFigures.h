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

    // A system's name and rules with what its sessions came to.
    struct Judged {
        QString name;
        systems::SystemRules rules;
        systems::SystemOutcome outcome;
    };
    // `b` is the chosen system, `a` the one kept to compare it with.
    void showOutcome(const Judged& b, const std::optional<Judged>& a);
    void clearOutcome();

private:
    QGridLayout* grid_ = nullptr;
    QLabel* headingB_ = nullptr;
    QLabel* headingA_ = nullptr;
    std::vector<QLabel*> figuresB_, figuresA_;
    QChartView* paths_ = nullptr;
    QChartView* stillPlaying_ = nullptr;
};
