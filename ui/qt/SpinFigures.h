#pragma once

#include <QGroupBox>

#include "analysis/SpinAnalysis.h"

class QLabel;

// "This spin": what one spin of the layout on the table does, exactly.
class SpinFigures : public QGroupBox {
public:
    explicit SpinFigures(QWidget* parent);

    void showSpin(const SpinAnalysis& spin);

private:
    QLabel* addFigure(const char* objectName, const QString& caption);

    QLabel* empty_ = nullptr;
    QLabel* amountBet_ = nullptr;
    QLabel* expected_ = nullptr;
    QLabel* houseEdge_ = nullptr;
    QLabel* stdDev_ = nullptr;
    QLabel* win_ = nullptr;
    QLabel* lose_ = nullptr;
    QLabel* even_ = nullptr;
    QLabel* best_ = nullptr;
    QLabel* worst_ = nullptr;
    int rows_ = 0;
};
