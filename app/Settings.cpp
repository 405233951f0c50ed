#include "app/Settings.h"

QSettings Settings::open()
{
    return QSettings(QStringLiteral("Tavensa"), QStringLiteral("Velquora"));
}
