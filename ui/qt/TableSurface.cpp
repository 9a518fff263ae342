#include "ui/qt/TableSurface.h"

#include <QImage>
#include <QPainter>

TableSurface::TableSurface(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void TableSurface::setPicture(const QImage& picture) {
    picture_ = QPixmap::fromImage(picture);
    update();
}

void TableSurface::removePicture() {
    picture_ = QPixmap();
    update();
}

void TableSurface::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}
