#include "app/Announce.h"

#include <QAccessible>
#include <QLabel>

void announce(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleDescription(text);
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
