#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "analysis/SystemComparison.h"

class QChartView;
class QGridLayout;
class QLabel;
class QPushButton;

// Compare: a system kept as A, and the current system B played on the same
// spins as A by the next Run: both systems' rules and figures side by side,
// then what B nets against A session for session.
class ComparePanel : public QWidget {
public:
    // What the panel asks of its window.
    struct Actions {
        std::function<void()> keep;
        std::function<void()> forget;
        std::function<void()> run;
    };
    ComparePanel(QWidget* parent, Actions actions);

    void showKept(const BettingSystem* kept); // nullptr: nothing kept
    void showComparison(const Comparison& comparison, const BettingSystem& a, const BettingSystem& b);
    void clearComparison();
    void showStatus(const QString& text);
    // While an analysis runs A stays as it is, so that the comparison it
    // brings is shown under the A it was made with; Run waits too.
    void holdKept(bool held);
    // The figures on show no longer match the inputs, until the next run.
    void showStale(bool stale);

private:
    QLabel* addResult(const char* objectName, const QString& caption);
    QLabel* addCell(int row, int column, const QString& objectName);
    void showColumn(const std::vector<QLabel*>& cells, const std::vector<QString>& values);

    Actions actions_;
    QPushButton* keep_ = nullptr;
    QPushButton* forget_ = nullptr;
    QPushButton* run_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* stale_ = nullptr;
    QGridLayout* table_ = nullptr;
    std::vector<QLabel*> rulesA_, rulesB_, figuresA_, figuresB_;
    QLabel* bAhead_ = nullptr;
    QLabel* tie_ = nullptr;
    QLabel* meanDifference_ = nullptr;
    QLabel* method_ = nullptr;
    QChartView* difference_ = nullptr;
    QGridLayout* results_ = nullptr;
    bool kept_ = false;
    bool held_ = false;
};
