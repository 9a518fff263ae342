#include "ui/qt/ControlFactory.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

#include "ui/qt/ControlLook.h"
#include "ui/qt/FontSetup.h"

namespace {
constexpr int kLinePixels = 1;

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
    widget->setGeometry(rect);
    if (!row.toolTip.empty())
        widget->setToolTip(toQString(row.toolTip));
    return widget;
}
