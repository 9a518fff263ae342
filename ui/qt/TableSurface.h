#pragma once

#include <QPixmap>
#include <QWidget>

class QImage;

// The main window's client area: its background colour with the table
// picture drawn unscaled from the top-left corner, below every control.
class TableSurface : public QWidget {
public:
    explicit TableSurface(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void removePicture();
    bool hasPicture() const { return !picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
