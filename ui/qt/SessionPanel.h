#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "analysis/SessionAnalysis.h"
#include "ui/SessionInputs.h"

class QChart;
class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QLineSeries;
class QProgressBar;
class QPushButton;

// Sessions: the rules a session is played by, Run and Cancel with the
// progress between, the figures of the sessions and their two charts.
class SessionPanel : public QWidget {
public:
    SessionPanel(QWidget* parent, std::function<void()> run, std::function<void()> cancel);

    SessionFieldTexts fieldTexts() const;
    // The bankroll field follows the layout (100 times the amount bet) until
    // the player types into it.
    void suggestBankroll(Money amountBet);
    // Stops the bankroll following the layout, as when a system is kept for
    // comparison: A and B then start from the same money.
    void holdBankroll() { bankrollTyped_ = true; }

    void showProblems(const std::vector<InputProblem>& problems);
    void clearProblems();

    void showRunning(bool running);
    void showProgress(double share);
    void showStatus(const QString& text);
    void showOutcome(const SessionOutcome& outcome, const BettingSystem& system);
    void clearOutcome();
    // The player's own session since the table was last re-initialised, drawn
    // over the bands from the bankroll the analysis started with.
    void showOwnSession(const std::vector<Money>& netPerSpin);

private:
    QLineEdit* addField(SystemField field, const char* objectName, const char* errorName, const QString& caption,
                        const QString& text);
    QLabel* addResult(const char* objectName, const QString& caption);
    QLabel* errorLabel(SystemField field) const;

    std::array<QLabel*, 6> errors_{}; // by SystemField
    QLineEdit* bankroll_ = nullptr;
    QLineEdit* spins_ = nullptr;
    QLineEdit* sessions_ = nullptr;
    QLineEdit* stopLoss_ = nullptr;
    QLineEdit* target_ = nullptr;
    QComboBox* progression_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* method_ = nullptr;
    QLabel* ruin_ = nullptr;
    QLabel* targetReached_ = nullptr;
    QLabel* ahead_ = nullptr;
    QLabel* meanEnd_ = nullptr;
    QLabel* medianEnd_ = nullptr;
    QLabel* spinsPlayed_ = nullptr;
    QChartView* ends_ = nullptr;
    QChartView* bankrollChart_ = nullptr;
    QLineSeries* ownSession_ = nullptr;
    bool bankrollTyped_ = false;
    Money analysedBankroll_;
    std::size_t analysedSpins_ = 0;
    QGridLayout* fields_ = nullptr;
    QGridLayout* results_ = nullptr;
};
