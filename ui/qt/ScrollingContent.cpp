#include "ui/qt/ScrollingContent.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
// A scroll area hears nothing of its widget's layout growing (the request
// goes to its viewport), so a panel that fills with longer figures would be
// squeezed into the room it had; this passes the word on.
class ContentGrowth : public QObject {
public:
    explicit ContentGrowth(QScrollArea& area) : QObject(&area), area_(area) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest)
            QCoreApplication::postEvent(&area_, new QEvent(QEvent::LayoutRequest));
        return QObject::eventFilter(watched, event);
    }

private:
    QScrollArea& area_;
};
} // namespace

QScrollArea* makeScrollingContent(QWidget& window, QWidget* content) {
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("scrAnalysis"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    scroll->setWidget(content);
    content->installEventFilter(new ContentGrowth(*scroll));
    return scroll;
}
