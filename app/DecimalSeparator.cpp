#include "app/DecimalSeparator.h"

#include "controls/TEdit.h"

#include <QLocale>

void DecimalSeparator::set(QChar c)
{
    const QChar previous = s_current;
    s_current = c;
    TEdit::setDecimalSeparator(c);
    if (c == previous)
        return;
    // A listener may remove itself while it is told.
    const auto listeners = s_listeners;
    for (const auto& [id, listener] : listeners)
        listener(previous);
}

void DecimalSeparator::readFrom(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    set(point.size() == 1 ? point.front() : QChar(u'.'));
}

int DecimalSeparator::addListener(Listener listener)
{
    s_listeners.emplace(s_nextId, std::move(listener));
    return s_nextId++;
}

void DecimalSeparator::removeListener(int id)
{
    s_listeners.erase(id);
}
