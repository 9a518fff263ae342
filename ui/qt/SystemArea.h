#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "systems/System.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SystemForm;

// The System area at the top of the analysis window: which system the
// window judges (the chips on the table, a named system, or one opened from
// a file or taken from the table), its description, Open... and Save..., and
// an editor of the system: fields for its session rules and money
// managements, and the whole system in its file's words (every key the file
// has), with the reader's message beside it while the text cannot be read.
class SystemArea : public QWidget {
public:
    struct Actions {
        std::function<void()> changed; // the choice or the text changed
        // The layout on the table with the session fields as a system, or
        // nothing when the fields are wrong (the window says why).
        std::function<std::optional<systems::System>()> fromTable;
        // Plays the chosen system over the numbers in this file.
        std::function<void(const QString& numbersFile)> playRecorded;
    };
    enum class FileKind { OpenSystem, SaveSystem, OpenNumbers };
    // Asks for a file of `kind` in `folder`; empty when the player cancels.
    // A test gives its own.
    using FileChooser = std::function<QString(QWidget& parent, FileKind kind, const QString& folder)>;

    SystemArea(QWidget* parent, std::vector<systems::System> named, Actions actions);

    // "The chips on the table": the window judges the layout as before.
    bool tableChosen() const;
    // The chosen system as the editor holds it, or nothing, with the
    // reader's message shown beside the editor.
    std::optional<systems::System> system();
    // Puts `system` in the editor as a choice of its own, named after it.
    void choose(const systems::System& system);

    void openFile();
    void saveFile();
    void takeFromTable();
    void playRecorded();
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

private:
    void chosen(int index);
    void edited();
    void showProblem(const QString& problem);

    Actions actions_;
    QComboBox* choice_ = nullptr;
    QLabel* description_ = nullptr;
    SystemForm* form_ = nullptr;
    QLabel* textCaption_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QLabel* problem_ = nullptr;
    QLabel* fileStatus_ = nullptr;
    QPushButton* save_ = nullptr;
    FileChooser chooser_;
    // Remembered while the program runs, never written anywhere.
    QString lastFolder_;
    bool loading_ = false;
    bool fromForm_ = false; // the text is being rewritten from the form's fields
};

// The named systems installed with the program, or the built-in ones when
// none are installed beside it.
std::vector<systems::System> installedSystems();
