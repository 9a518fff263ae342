#include "ui/qt/SystemArea.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include <fstream>

#include "systems/LayoutSystem.h"
#include "systems/NamedSystems.h"
#include "systems/files/SystemFile.h"
#include "systems/files/SystemLibrary.h"
#include "systems/files/TextFile.h"
#include "ui/qt/FieldMarks.h"
#include "ui/qt/SystemForm.h"

namespace {
constexpr int kEditorLines = 12;
const QString kFileFilter = QStringLiteral("System files (*.toml);;All files (*)");

QString fileText(const systems::System& system) { return QString::fromStdString(systems::files::writeSystem(system)); }

// The file dialog keeps its history and layout in the user's settings file
// when it closes; this program writes nothing but the files the player saves,
// so the user-scope settings are pointed at a folder that cannot be made.
void keepDialogSettingsOffDisk() {
    static const bool done = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null/quelta"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null/quelta"));
        return true;
    }();
    (void)done;
}

QString askForFile(QWidget& parent, SystemArea::FileKind kind, const QString& folder) {
    keepDialogSettingsOffDisk();
    switch (kind) {
    case SystemArea::FileKind::SaveSystem:
        return QFileDialog::getSaveFileName(&parent, SystemArea::tr("Save the system"), folder, kFileFilter);
    case SystemArea::FileKind::OpenNumbers:
        return QFileDialog::getOpenFileName(&parent, SystemArea::tr("Play on recorded numbers"), folder,
                                            SystemArea::tr("Numbers, one a line (*.txt);;All files (*)"));
    case SystemArea::FileKind::OpenSystem: break;
    }
    return QFileDialog::getOpenFileName(&parent, SystemArea::tr("Open a system"), folder, kFileFilter);
}
} // namespace

std::vector<systems::System> installedSystems() {
    namespace files = systems::files;
    std::vector<systems::System> found;
    const auto folders = files::libraryFolders(QCoreApplication::applicationDirPath().toStdString());
    for (const files::LibraryEntry& entry : files::librarySystems(folders)) {
        try {
            found.push_back(files::readSystemFile(entry.file));
        } catch (const std::exception&) {
            // A damaged installed file leaves the others usable.
        }
    }
    return found.empty() ? systems::namedSystems() : found;
}

SystemArea::SystemArea(QWidget* parent, std::vector<systems::System> named, Actions actions)
    : QWidget(parent), actions_(std::move(actions)), chooser_(askForFile) {
    setObjectName(QStringLiteral("fraSystem"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(tr("S&ystem:"), this);
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("cboSystem"));
    caption->setBuddy(choice_);
    choice_->addItem(QString::fromLatin1(systems::kLayoutSystemName));
    for (const systems::System& system : named)
        choice_->addItem(QString::fromStdString(system.name), fileText(system));
    auto* buttons = new QHBoxLayout;
    auto button = [this, buttons](const char* name, const QString& text, auto action) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
        return b;
    };
    button("cmdOpenSystem", tr("Open..."), [this] { openFile(); });
    save_ = button("cmdSaveSystem", tr("Save..."), [this] { saveFile(); });
    button("cmdFromTable", tr("From the table"), [this] { takeFromTable(); });
    button("cmdPlayRecorded", tr("Play on recorded numbers..."), [this] { playRecorded(); });
    buttons->addStretch(1);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(choice_, 0, 1);
    grid->addLayout(buttons, 0, 2);
    description_ = new QLabel(this);
    description_->setObjectName(QStringLiteral("lblSystemDescription"));
    description_->setWordWrap(true);
    grid->addWidget(description_, 1, 0, 1, 3);
    form_ = new SystemForm(this, [this](const systems::System& system) {
        fromForm_ = true;
        editor_->setPlainText(fileText(system));
        fromForm_ = false;
    });
    grid->addWidget(form_, 2, 0, 1, 3);
    textCaption_ = new QLabel(tr("The whole system as its file says it, every key included (a bet's fixed spots, "
                                 "a stake list's moves, several bets); the fields above write into it:"),
                              this);
    textCaption_->setWordWrap(true);
    grid->addWidget(textCaption_, 3, 0, 1, 3);
    editor_ = new QPlainTextEdit(this);
    textCaption_->setBuddy(editor_);
    editor_->setObjectName(QStringLiteral("txtSystem"));
    editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor_->setFixedHeight(editor_->fontMetrics().lineSpacing() * kEditorLines);
    editor_->setTabChangesFocus(true);
    editor_->setAccessibleName(tr("The system's bets and session rules"));
    grid->addWidget(editor_, 4, 0, 1, 3);
    problem_ = makeProblemLabel(*this, "lblSystemProblem");
    grid->addWidget(problem_, 5, 0, 1, 3);
    fileStatus_ = new QLabel(this);
    fileStatus_->setObjectName(QStringLiteral("lblSystemFile"));
    fileStatus_->setWordWrap(true);
    grid->addWidget(fileStatus_, 6, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    connect(choice_, &QComboBox::currentIndexChanged, this, [this](int index) { chosen(index); });
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] { edited(); });
    chosen(0);
}

bool SystemArea::tableChosen() const { return choice_->currentIndex() == 0; }

void SystemArea::chosen(int index) {
    const bool table = index == 0;
    loading_ = true;
    editor_->setPlainText(table ? QString() : choice_->itemData(index).toString());
    loading_ = false;
    editor_->setVisible(!table);
    form_->setVisible(!table);
    textCaption_->setVisible(!table);
    save_->setEnabled(!table);
    fileStatus_->clear();
    if (!table) {
        edited();
        return;
    }
    showProblem({});
    description_->setText(tr("The chips on the table, staked every spin along the progression and by the session "
                             "rules below."));
    if (actions_.changed)
        actions_.changed();
}

void SystemArea::edited() {
    if (tableChosen())
        return;
    const std::optional<systems::System> read = system();
    if (!loading_)
        choice_->setItemData(choice_->currentIndex(), editor_->toPlainText());
    if (read) {
        description_->setText(QString::fromStdString(read->description));
        if (!fromForm_)
            form_->showSystem(*read);
    }
    if (actions_.changed)
        actions_.changed();
}

std::optional<systems::System> SystemArea::system() {
    if (tableChosen() || form_->hasProblem())
        return std::nullopt; // a form field's message stands beside it
    const std::string name = choice_->currentText().toStdString();
    try {
        systems::System read = systems::files::parseSystem(editor_->toPlainText().toStdString(), "system", name);
        showProblem({});
        return read;
    } catch (const std::exception& problem) {
        showProblem(QString::fromUtf8(problem.what()));
        return std::nullopt;
    }
}

void SystemArea::showProblem(const QString& problem) {
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    // The fields would write over the text being put right.
    form_->setEnabled(problem.isEmpty());
}

void SystemArea::choose(const systems::System& system) {
    choice_->addItem(QString::fromStdString(system.name), fileText(system));
    choice_->setCurrentIndex(choice_->count() - 1);
}

void SystemArea::openFile() {
    const QString path = chooser_(*this, FileKind::OpenSystem, lastFolder_);
    if (path.isEmpty())
        return;
    lastFolder_ = QFileInfo(path).absolutePath();
    try {
        choose(systems::files::readSystemFile(path.toStdString()));
        fileStatus_->setText(tr("Opened %1.").arg(QDir::toNativeSeparators(path)));
    } catch (const std::exception& problem) {
        fileStatus_->setText(QString::fromUtf8(problem.what()));
    }
}

void SystemArea::saveFile() {
    const std::optional<systems::System> chosenSystem = system();
    if (!chosenSystem)
        return; // the message stands beside the editor
    const QString path = chooser_(*this, FileKind::SaveSystem, lastFolder_);
    if (path.isEmpty())
        return;
    lastFolder_ = QFileInfo(path).absolutePath();
    std::ofstream out(path.toStdString(), std::ios::binary | std::ios::trunc);
    out << systems::files::writeSystem(*chosenSystem);
    out.close();
    fileStatus_->setText(out ? tr("Saved as %1.").arg(QDir::toNativeSeparators(path))
                             : tr("%1 could not be written.").arg(QDir::toNativeSeparators(path)));
}

void SystemArea::takeFromTable() {
    if (!actions_.fromTable)
        return;
    if (const std::optional<systems::System> table = actions_.fromTable())
        choose(*table);
}

void SystemArea::playRecorded() {
    const QString path = chooser_(*this, FileKind::OpenNumbers, lastFolder_);
    if (path.isEmpty() || !actions_.playRecorded)
        return;
    lastFolder_ = QFileInfo(path).absolutePath();
    actions_.playRecorded(path);
}
