#include "ui/qt/FigureRow.h"

#include <QGridLayout>
#include <QLabel>
#include <QString>

QLabel* addFigureRow(QGridLayout& grid, QWidget& parent, const char* objectName, const QString& caption, int row,
                     int column, Qt::Alignment alignment) {
    auto* value = new QLabel(QStringLiteral(" "), &parent);
    value->setObjectName(QString::fromLatin1(objectName));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid.addWidget(new QLabel(caption + QLatin1Char(':'), &parent), row, column, alignment);
    grid.addWidget(value, row, column + 1, alignment);
    return value;
}
