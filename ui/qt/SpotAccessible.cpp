#include "ui/qt/SpotAccessible.h"

#include <QMetaObject>
#include <QPointer>

#include <algorithm>

#include "layout/BetSpotCatalogue.h"
#include "ui/qt/SpotLabel.h"

SpotAccessible::SpotAccessible(SpotLabel* spot) : QAccessibleWidget(spot, QAccessible::Button) {}

SpotLabel* SpotAccessible::spot() const { return static_cast<SpotLabel*>(widget()); }

QString SpotAccessible::removeStakeAction() { return QStringLiteral("Remove stake"); }

QAccessible::State SpotAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    // The layout holds the keyboard focus; the spot under its mark is the
    // one a screen reader should speak of as focused.
    state.focusable = true;
    state.focused = spot()->hasFocusMark();
    return state;
}

void* SpotAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList SpotAccessible::actionNames() const { return {pressAction(), removeStakeAction()}; }

// Queued, so that a table-limit message opened by the press does not hold
// the assistive tool's call until the player has closed it.
void SpotAccessible::doAction(const QString& actionName) {
    int button = 0;
    if (actionName == pressAction())
        button = SpotLabel::kLeftButton;
    else if (actionName == removeStakeAction())
        button = SpotLabel::kRightButton;
    if (button == 0)
        return;
    QMetaObject::invokeMethod(
        spot(),
        [target = QPointer<SpotLabel>(spot()), button] {
            if (target)
                target->release(button);
        },
        Qt::QueuedConnection);
}

QStringList SpotAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction())
        return {QStringLiteral("Space")};
    if (actionName == removeStakeAction())
        return {QStringLiteral("Delete")};
    return {};
}

QVariant SpotAccessible::currentValue() const { return spot()->chips(); }

// The chips change only through presses and clicks.
void SpotAccessible::setCurrentValue(const QVariant&) {}

QVariant SpotAccessible::maximumValue() const {
    const BetSpot& bet = betSpot(spot()->displaySlot());
    return static_cast<int>(std::max(bet.limitOn(Wheel::European), bet.limitOn(Wheel::American)));
}

QVariant SpotAccessible::minimumValue() const { return 0; }

QVariant SpotAccessible::minimumStepSize() const { return 1; }

QAccessibleInterface* spotAccessibleFactory(const QString&, QObject* object) {
    if (auto* spot = dynamic_cast<SpotLabel*>(object))
        return new SpotAccessible(spot);
    return nullptr;
}
