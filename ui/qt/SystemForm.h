#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "systems/System.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

// The fields of a system: its session rules, and for each bet what it covers
// (all but fixed spots, which the table or the text gives), the money
// management with its numbers, the chips and what happens at the table limit. Every field change that reads as a
// playable system is handed on; one that does not is told beside its field and handed on only once it is put right.
class SystemForm : public QWidget {
public:
    SystemForm(QWidget* parent, std::function<void(const systems::System&)> edited);

    // Fills the fields from `system` without handing anything on.
    void showSystem(const systems::System& system);
    // A message stands beside a field: what the fields say is not the system.
    bool hasProblem() const;

private:
    struct Field {
        QWidget* input;
        QLabel* problem;
    };
    QLineEdit* addLine(const char* name, const char* problemName, const QString& caption);
    QComboBox* addChoice(const char* name, const QString& caption, const QStringList& items);
    QCheckBox* addCheck(const char* name, const QString& text);
    void addProblemBelow(QWidget* input, const char* problemName);
    void fieldEdited(QWidget* field);
    void showBet(int index);
    // Enables the selection's fields that its kind has.
    void enableSelectionFields(const systems::Selection& selection);
    // Reads the selection's fields into `bet`; false when one cannot be read.
    bool readSelection(QWidget* field, systems::Bet& bet);
    void showProblem(QWidget* field, const QString& problem);

    std::function<void(const systems::System&)> edited_;
    systems::System system_;
    QGridLayout* grid_ = nullptr;
    int rows_[2] = {0, 0}; // the session rules, the bets
    int side_ = 0;
    bool filling_ = false;
    std::vector<Field> fields_;
    QComboBox* wheel_ = nullptr;
    QComboBox* unit_ = nullptr;
    QCheckBox* minimums_ = nullptr;
    QLineEdit* bankroll_ = nullptr;
    QLineEdit* spins_ = nullptr;
    QLineEdit* stopLoss_ = nullptr;
    QLineEdit* target_ = nullptr;
    QCheckBox* stopAfterWin_ = nullptr;
    QCheckBox* stopAtSeriesEnd_ = nullptr;
    QComboBox* bet_ = nullptr;
    QComboBox* selection_ = nullptr;
    QComboBox* group_ = nullptr;
    QComboBox* follow_ = nullptr;
    QComboBox* outside_ = nullptr;
    QLineEdit* count_ = nullptr;
    QCheckBox* longestOnly_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QComboBox* money_ = nullptr;
    QLineEdit* numbers_ = nullptr;
    QLineEdit* chips_ = nullptr;
    QComboBox* atCap_ = nullptr;
};
