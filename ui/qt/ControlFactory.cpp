#include "ui/qt/ControlFactory.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

#include "ui/qt/ControlLook.h"
#include "ui/qt/FontSetup.h"

namespace {
constexpr int kLinePixels = 1;
constexpr int kButtonMarginPixels = 6;

QWidget* createLabel(const ControlRow& row, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(toQString(row.caption));
    label->setFont(designFont(row.font));
    label->setWordWrap(row.wordWrap);
    label->setAlignment((row.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    applyLabelStyle(label, row.style, row.textColour, row.backColour);
    return label;
}

QWidget* createButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(toQString(row.caption), parent);
    button->setFont(designFont(row.font));
    button->setAutoDefault(false);
    // Buttons of the design break a caption that is too wide onto a second
    // line rather than cutting it off.
    const QString caption = button->text();
    const int room = toQRect(row.rect).width() - kButtonMarginPixels;
    const qsizetype space = caption.lastIndexOf(QLatin1Char(' '));
    if (space > 0 && button->fontMetrics().horizontalAdvance(caption) > room) {
        button->setText(caption.left(space) + QLatin1Char('\n') + caption.mid(space + 1));
        // The break is only for the eye: a screen reader says the caption.
        button->setAccessibleName(QString(caption).remove(QRegularExpression(QStringLiteral("&(?!&)"))));
    }
    return button;
}

QWidget* createImage(const ControlRow& row, QWidget* parent) {
    auto* image = new QLabel(parent);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (!row.picture.empty())
        image->setPixmap(QPixmap(toQString(row.picture)));
    if (row.kind == ControlKind::PictureBox) {
        image->setFrameShape(QFrame::Box);
        image->setLineWidth(1);
    }
    return image;
}

QWidget* createLine(QWidget* parent) {
    auto* line = new QWidget(parent);
    line->setAutoFillBackground(true);
    line->setBackgroundRole(QPalette::WindowText);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    return line;
}
} // namespace

void applyLabelStyle(QLabel* label, LabelStyle style, std::optional<Rgb> textColour, std::optional<Rgb> backColour) {
    switch (style) {
    case LabelStyle::Transparent: label->setAutoFillBackground(false); break;
    case LabelStyle::WhiteBox:
        textColour = textColour.value_or(colours::black);
        backColour = backColour.value_or(colours::white);
        label->setFrameShape(QFrame::Box);
        break;
    case LabelStyle::BlackBox:
        textColour = textColour.value_or(colours::white);
        backColour = backColour.value_or(colours::black);
        label->setFrameShape(QFrame::Box);
        break;
    case LabelStyle::ResultCell:
    case LabelStyle::WindowBox: break;
    }
    if (style != LabelStyle::Transparent) {
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    if (label->frameShape() == QFrame::Box) {
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
    }
    if (textColour)
        setWidgetTextColour(label, *textColour);
    if (backColour)
        setWidgetBackColour(label, *backColour);
}

QWidget* createControl(const ControlRow& row, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::Label: widget = createLabel(row, parent); break;
    case ControlKind::Button: widget = createButton(row, parent); break;
    case ControlKind::Image:
    case ControlKind::PictureBox: widget = createImage(row, parent); break;
    case ControlKind::Line: widget = createLine(parent); break;
    }
    widget->setObjectName(toQString(row.name));
    QRect rect = toQRect(row.rect);
    if (row.kind == ControlKind::Line)
        rect.setSize({std::max(rect.width(), kLinePixels), std::max(rect.height(), kLinePixels)});
    // A left-aligned transparent caption draws nothing beyond its text, so
    // it may run on to the right where the substitute font is a few pixels
    // wider than the design font; cutting its last letter would look broken.
    if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && row.kind == ControlKind::Label &&
                                                     row.style == LabelStyle::Transparent &&
                                                     row.align == TextAlign::Left && !row.wordWrap)
        rect.setWidth(std::max(rect.width(), label->fontMetrics().horizontalAdvance(label->text()) + kLinePixels));
    widget->setGeometry(rect);
    if (!row.toolTip.empty())
        widget->setToolTip(toQString(row.toolTip));
    return widget;
}
