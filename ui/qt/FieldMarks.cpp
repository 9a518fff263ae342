#include "ui/qt/FieldMarks.h"

#include <QLabel>

namespace {
const QColor kProblemText(192, 0, 0);

QLabel* hiddenRedLabel(QWidget& parent, const char* objectName) {
    auto* label = new QLabel(&parent);
    label->setObjectName(QString::fromLatin1(objectName));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kProblemText);
    label->setPalette(palette);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    label->setVisible(false);
    return label;
}
} // namespace

QLabel* makeProblemLabel(QWidget& parent, const char* objectName) { return hiddenRedLabel(parent, objectName); }

QLabel* makeStaleMark(QWidget& parent, const char* objectName) {
    QLabel* label = hiddenRedLabel(parent, objectName);
    label->setText(QObject::tr("Inputs changed: press Run. The figures and charts below are for the inputs as "
                               "they were."));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
