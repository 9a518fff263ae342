#include "Pictures.h"

#include <array>

#include <QLinearGradient>
#include <QPainter>

#include "PictureColours.h"
#include "PictureSizes.h"
#include "WheelDrawing.h"

namespace {
// The wheel is seen from the player's chair: a circle squashed to an ellipse,
// standing on the side of its bowl.
constexpr double kTilt = 0.52;
constexpr double kBallAngle = 200.0;

// Draws the wheel tilted into the ellipse of the given horizontal radius,
// centred on the given point, with a bowl of the given depth under it.
void drawTiltedWheel(QPainter& painter, QPointF centre, double radius, double bowlDepth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF rim(centre.x() - radius, centre.y() - radius * kTilt, 2 * radius, 2 * radius * kTilt);
    QLinearGradient side(rim.left(), 0, rim.right(), 0);
    side.setColorAt(0.0, toQColor(picturecolours::darkWood));
    side.setColorAt(0.4, toQColor(picturecolours::lightWood));
    side.setColorAt(1.0, toQColor(picturecolours::darkWood));
    painter.setPen(Qt::NoPen);
    painter.setBrush(side);
    painter.drawEllipse(rim.translated(0, bowlDepth));
    painter.drawRect(QRectF(rim.left(), centre.y(), rim.width(), bowlDepth));

    painter.translate(centre);
    painter.scale(1.0, kTilt);
    drawWheelFromAbove(painter, QPointF(0, 0), radius);
    const QPointF ball = ballPosition(QPointF(0, 0), radius, kBallAngle);
    painter.resetTransform();
    painter.setBrush(toQColor(picturecolours::ball));
    painter.setPen(QPen(toQColor(picturecolours::darkMetal), 0.5));
    const double ballRadius = std::max(1.0, radius / 28.0);
    painter.drawEllipse(QPointF(centre.x() + ball.x(), centre.y() + ball.y() * kTilt), ballRadius, ballRadius);

    // The turret stands up out of the cone.
    const double height = radius * 0.16;
    painter.setPen(QPen(toQColor(picturecolours::metal), std::max(1.0, radius / 40.0), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre - QPointF(0, height));
    painter.setBrush(toQColor(picturecolours::metal));
    painter.setPen(QPen(toQColor(picturecolours::darkMetal), 0.5));
    painter.drawEllipse(centre - QPointF(0, height), radius / 22.0, radius / 22.0);
    painter.restore();
}
} // namespace

QImage drawWheelPicture() {
    QImage image(picturesizes::wheel, QImage::Format_RGB32);
    image.fill(toQColor(picturecolours::background));
    QPainter painter(&image);
    drawTiltedWheel(painter, QPointF(75.0, 42.0), 72.0, 7.0);
    return image;
}

QImage drawStatsIcon() {
    QImage image(picturesizes::icon, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawTiltedWheel(painter, QPointF(16.0, 10.0), 15.5, 3.0);
    // Bars in front of the wheel: the window that counts the results.
    struct Bar {
        int left;
        int height;
        Rgb colour;
    };
    constexpr int barWidth = 6;
    constexpr int baseline = 31;
    constexpr std::array<Bar, 3> bars{{{5, 8, colours::black}, {13, 13, colours::red}, {21, 10, colours::black}}};
    painter.setPen(QPen(toQColor(colours::yellow), 0));
    for (const Bar& bar : bars) {
        painter.setBrush(toQColor(bar.colour));
        painter.drawRect(QRect(bar.left, baseline - bar.height, barWidth - 1, bar.height));
    }
    return image;
}
