#include "ui/qt/ComparePanel.h"

#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "ui/qt/AnalysisCharts.h"
#include "ui/qt/AnalysisText.h"
#include "ui/qt/FieldMarks.h"
#include "ui/qt/FigureRow.h"

namespace {
enum Column { kCaption, kA, kB };

QLabel* boldLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* captionLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption + QLatin1Char(':'), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// "Wheel" -> "lblAWheel": cells are named by their column and caption.
QString cellName(QChar column, const QString& caption) {
    QString name = QStringLiteral("lbl") + column;
    for (const QString& word : caption.split(QRegularExpression(QStringLiteral("[^A-Za-z]+")), Qt::SkipEmptyParts))
        name += word.left(1).toUpper() + word.mid(1);
    return name;
}
} // namespace

ComparePanel::ComparePanel(QWidget* parent, Actions actions) : QWidget(parent), actions_(std::move(actions)) {
    setObjectName(QStringLiteral("fraCompare"));
    auto* whole = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Keep the system on the table as A, change the layout or the session rules, then "
                                "press Run: the current system B is played on the very same spins as A, and the "
                                "two nets (end minus start) are set side by side."),
                             this);
    intro->setWordWrap(true);
    whole->addWidget(intro);
    auto* buttons = new QHBoxLayout;
    whole->addLayout(buttons);
    keep_ = new QPushButton(tr("&Keep as A"), this);
    keep_->setObjectName(QStringLiteral("cmdKeepA"));
    forget_ = new QPushButton(tr("&Forget A"), this);
    forget_->setObjectName(QStringLiteral("cmdForgetA"));
    forget_->setEnabled(false);
    run_ = new QPushButton(tr("&Run"), this);
    run_->setObjectName(QStringLiteral("cmdCompareRun"));
    buttons->addWidget(keep_);
    buttons->addWidget(forget_);
    buttons->addWidget(run_);
    buttons->addStretch();
    connect(keep_, &QPushButton::clicked, this, [this] { actions_.keep(); });
    connect(forget_, &QPushButton::clicked, this, [this] { actions_.forget(); });
    connect(run_, &QPushButton::clicked, this, [this] { actions_.run(); });
    status_ = new QLabel(QStringLiteral(" "), this);
    status_->setObjectName(QStringLiteral("lblCompareStatus"));
    status_->setWordWrap(true);
    whole->addWidget(status_);
    stale_ = makeStaleMark(*this, "lblCompareStale");
    whole->addWidget(stale_);

    // Rules, then figures: caption, A, B.
    table_ = new QGridLayout;
    whole->addLayout(table_);
    table_->addWidget(boldLabel(tr("A"), this), 0, kA);
    table_->addWidget(boldLabel(tr("B"), this), 0, kB);
    BettingSystem blank;
    for (const RuleRow& rule : ruleRows(blank)) {
        const int row = table_->rowCount();
        table_->addWidget(captionLabel(rule.caption, this), row, kCaption);
        rulesA_.push_back(addCell(row, kA, cellName(QLatin1Char('A'), rule.caption)));
        rulesB_.push_back(addCell(row, kB, cellName(QLatin1Char('B'), rule.caption)));
    }
    for (const QString& caption : figureCaptions()) {
        const int row = table_->rowCount();
        table_->addWidget(captionLabel(caption, this), row, kCaption);
        figuresA_.push_back(addCell(row, kA, cellName(QLatin1Char('A'), caption)));
        figuresB_.push_back(addCell(row, kB, cellName(QLatin1Char('B'), caption)));
    }
    table_->setColumnStretch(kA, 1);
    table_->setColumnStretch(kB, 1);

    whole->addWidget(boldLabel(tr("B against A, session for session on the same spins"), this));
    results_ = new QGridLayout;
    whole->addLayout(results_);
    method_ = addResult("lblCompareMethod", tr("Sessions"));
    bAhead_ = addResult("lblBAhead", tr("B nets more than A"));
    tie_ = addResult("lblTie", tr("Both net the same"));
    meanDifference_ = addResult("lblMeanDifference", tr("B's net minus A's on average"));
    results_->setColumnStretch(1, 1);
    difference_ = makeChartView(QStringLiteral("chrDifference"), tr("B's net minus A's"));
    whole->addWidget(difference_, 1);
    showKept(nullptr);
}

QLabel* ComparePanel::addCell(int row, int column, const QString& objectName) {
    auto* cell = new QLabel(QStringLiteral(" "), this);
    cell->setObjectName(objectName);
    cell->setWordWrap(true);
    cell->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Caption of the copied figure: the row's caption and the system.
    const auto* caption = qobject_cast<QLabel*>(table_->itemAtPosition(row, kCaption)->widget());
    cell->setProperty(kFigureCaptionProperty, caption->text().chopped(1) + (column == kA ? tr(", A") : tr(", B")));
    cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    table_->addWidget(cell, row, column);
    return cell;
}

QLabel* ComparePanel::addResult(const char* objectName, const QString& caption) {
    QLabel* value = addFigureRow(*results_, *this, objectName, caption, results_->rowCount(), 0, Qt::AlignTop);
    value->setWordWrap(true);
    return value;
}

void ComparePanel::showColumn(const std::vector<QLabel*>& cells, const std::vector<QString>& values) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i]->setText(i < values.size() ? values[i] : QStringLiteral(" "));
}

namespace {
std::vector<QString> valuesOf(const std::vector<RuleRow>& rows) {
    std::vector<QString> values;
    for (const RuleRow& row : rows)
        values.push_back(row.value);
    return values;
}
} // namespace

void ComparePanel::showKept(const BettingSystem* kept) {
    kept_ = kept != nullptr;
    forget_->setEnabled(!held_ && kept_);
    showColumn(rulesA_, kept != nullptr ? valuesOf(ruleRows(*kept)) : std::vector<QString>{tr("none kept yet")});
    clearComparison();
}

void ComparePanel::showComparison(const Comparison& comparison, const BettingSystem& a, const BettingSystem& b) {
    showColumn(rulesA_, valuesOf(ruleRows(a)));
    showColumn(rulesB_, valuesOf(ruleRows(b)));
    showColumn(figuresA_, valuesOf(figureRows(comparison.a, a)));
    showColumn(figuresB_, valuesOf(figureRows(comparison.b, b)));
    method_->setText(tr("%1 on the same pockets (seed %2), 95% ranges")
                         .arg(QLocale().toString(static_cast<qlonglong>(comparison.sessions)))
                         .arg(comparison.seed));
    bAhead_->setText(chanceText(comparison.bNetsMore, Method::MonteCarlo));
    tie_->setText(chanceText(comparison.level, Method::MonteCarlo));
    meanDifference_->setText(dollarText(comparison.meanNetDifference, Method::MonteCarlo));
    showHistogram(difference_->chart(), comparison.netDifference, 1.0, tr("B's net minus A's ($)"));
    showStale(false);
}

void ComparePanel::clearComparison() {
    showColumn(rulesB_, {});
    showColumn(figuresA_, {});
    showColumn(figuresB_, {});
    for (QLabel* label : {method_, bAhead_, tie_, meanDifference_})
        label->setText(QStringLiteral(" "));
    clearChart(difference_->chart());
    showStale(false);
}

void ComparePanel::showStatus(const QString& text) { status_->setText(text); }

void ComparePanel::holdKept(bool held) {
    held_ = held;
    run_->setEnabled(!held_);
    keep_->setEnabled(!held_);
    forget_->setEnabled(!held_ && kept_);
}

void ComparePanel::showStale(bool stale) {
    stale_->setVisible(stale);
    markChartStale(difference_->chart(), stale);
}
