#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class SpotLabel;

// A bet spot as assistive tools see it: a button named after the bet, whose
// press adds a chip as a left click does and whose second action takes the
// stake off as a right click does; its value is the number of chips on it.
class SpotAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpotAccessible(SpotLabel* spot);

    static QString removeStakeAction();

    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    SpotLabel* spot() const;
};

// For QAccessible::installFactory: a SpotAccessible for every spot label.
QAccessibleInterface* spotAccessibleFactory(const QString& className, QObject* object);
