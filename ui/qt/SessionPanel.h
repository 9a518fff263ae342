#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
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
    // What the panel asks of its window.
    struct Actions {
        std::function<void()> run;
        std::function<void()> cancel;
        std::function<void()> copy;
        std::function<void()> edited;          // any field or the progression changed
        std::function<void(std::size_t)> left; // the player left the field of this error slot
    };
    SessionPanel(QWidget* parent, Actions actions);

    SessionFieldTexts fieldTexts() const;
    // The bankroll field follows the layout (100 times the amount bet) until
    // the player types into it.
    void suggestBankroll(Money amountBet);
    // Stops the bankroll following the layout, as when a system is kept for
    // comparison: A and B then start from the same money.
    void holdBankroll() { bankrollTyped_ = true; }
    // The exact method counts every session, so the Sessions field has no say.
    void showExactAnswers(bool exact);

    // Shows the problems of the fields whose slots are in `shown` (and the
    // layout's beside Run) and hides every other message.
    void showProblems(const std::vector<InputProblem>& problems, const std::string& seedProblem,
                      const std::vector<std::size_t>& shown);
    void showProblems(const std::vector<InputProblem>& problems);
    void clearProblems();
    // The error slots of the fields: a SystemField's value, then the seed's.
    static constexpr std::size_t kSeedSlot = 6;
    // The slots whose message is on show.
    std::vector<std::size_t> shownSlots() const;

    void showRunning(bool running);
    void showProgress(double share);
    void showStatus(const QString& text);
    void showOutcome(const SessionOutcome& outcome, const BettingSystem& system);
    void clearOutcome();
    // The figures on show no longer match the inputs, until the next run.
    void showStale(bool stale);
    // The player's own session replayed through the analysed system, in
    // dollars from its start; `note` says what the line is when it needs saying.
    void showOwnSession(const QList<QPointF>& points, const QString& note);

private:
    QLineEdit* addField(std::size_t errorSlot, const char* objectName, const char* errorName, const QString& caption,
                        const QString& text);
    QLabel* addResult(const char* objectName, const QString& caption);
    QLabel* errorLabel(SystemField field) const;

    Actions actions_;
    std::array<QLabel*, 7> errors_{}; // by SystemField, then the seed's
    QLineEdit* bankroll_ = nullptr;
    QLineEdit* spins_ = nullptr;
    QLineEdit* sessions_ = nullptr;
    QLabel* sessionsCaption_ = nullptr;
    QLineEdit* stopLoss_ = nullptr;
    QLineEdit* target_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QComboBox* progression_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* copy_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* stale_ = nullptr;
    QLabel* method_ = nullptr;
    QLabel* system_ = nullptr;
    QLabel* targetReached_ = nullptr;
    QLabel* stopLossReached_ = nullptr;
    QLabel* ruin_ = nullptr;
    QLabel* broke_ = nullptr;
    QLabel* spinsDone_ = nullptr;
    QLabel* ahead_ = nullptr;
    QLabel* meanEnd_ = nullptr;
    QLabel* medianEnd_ = nullptr;
    QLabel* spinsPlayed_ = nullptr;
    QLabel* staked_ = nullptr;
    QLabel* lossPerDollar_ = nullptr;
    QLabel* ownNote_ = nullptr;
    QChartView* ends_ = nullptr;
    QChartView* bankrollChart_ = nullptr;
    QLineSeries* ownSession_ = nullptr;
    bool bankrollTyped_ = false;
    QGridLayout* fields_ = nullptr;
    QGridLayout* results_ = nullptr;
};
