#pragma once

#include <QWidget>

#include <optional>

#include "analysis/WheelFairness.h"

class QChartView;
class QLabel;

// Wheel: is the table's wheel fair, judged by the hits since it was last
// re-initialised.
class WheelPanel : public QWidget {
public:
    explicit WheelPanel(QWidget* parent);

    void showReport(const FairnessReport& report);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* spins_ = nullptr;
    QLabel* chiSquare_ = nullptr;
    QLabel* pValue_ = nullptr;
    QLabel* hottest_ = nullptr;
    QLabel* coldest_ = nullptr;
    QChartView* hits_ = nullptr;
    std::optional<FairnessReport> pending_; // for the chart, while it is hidden
};
