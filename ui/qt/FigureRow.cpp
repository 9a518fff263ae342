#include "ui/qt/FigureRow.h"

#include <QGridLayout>
#include <QLabel>
#include <QString>

QLabel* addFigureRow(QGridLayout& grid, QWidget& parent, const char* objectName, const QString& caption, int row,
                     int column, Qt::Alignment alignment) {
    auto* value = new QLabel(QStringLiteral(" "), &parent);
    value->setObjectName(QString::fromLatin1(objectName));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setProperty(kFigureCaptionProperty, caption);
    auto* name = new QLabel(caption + QLatin1Char(':'), &parent);
    // The labels align their own text: a grid cell given an alignment holds
    // its widget at the size it hints, and a wrapped value would be cut.
    name->setAlignment(alignment | Qt::AlignLeft);
    value->setAlignment(alignment | Qt::AlignLeft);
    grid.addWidget(name, row, column);
    grid.addWidget(value, row, column + 1);
    return value;
}

QString figuresText(const QWidget& window) {
    QStringList lines;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QString caption = label->property(kFigureCaptionProperty).toString();
        const QString value = label->text().simplified();
        if (!caption.isEmpty() && !value.isEmpty())
            lines.append(caption + QStringLiteral(": ") + value);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
