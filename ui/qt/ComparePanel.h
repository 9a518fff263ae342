#pragma once

#include <QWidget>

#include <functional>

#include "analysis/SystemComparison.h"

class QChartView;
class QGridLayout;
class QLabel;
class QPushButton;

// Compare: a system kept as A, and the current system B played on the same
// spins as A by the next Run.
class ComparePanel : public QWidget {
public:
    ComparePanel(QWidget* parent, std::function<void()> keep, std::function<void()> forget);

    void showKept(const BettingSystem* kept); // nullptr: nothing kept
    // While an analysis runs A stays as it is, so that the comparison it
    // brings is shown under the A it was made with.
    void holdKept(bool held);
    void showComparison(const Comparison& comparison, const BettingSystem& b);
    void clearComparison();

private:
    QLabel* addResult(const char* objectName, const QString& caption);

    QPushButton* keep_ = nullptr;
    QPushButton* forget_ = nullptr;
    QLabel* systemA_ = nullptr;
    QLabel* systemB_ = nullptr;
    QLabel* bAhead_ = nullptr;
    QLabel* tie_ = nullptr;
    QLabel* meanDifference_ = nullptr;
    QLabel* method_ = nullptr;
    QChartView* difference_ = nullptr;
    QGridLayout* results_ = nullptr;
    bool kept_ = false;
    bool held_ = false;
};
