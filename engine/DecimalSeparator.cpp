#include "engine/DecimalSeparator.h"

#include <QLocale>

void DecimalSeparator::readFrom(const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    s_current = point.size() == 1 ? point.front() : QChar(u'.');
}
