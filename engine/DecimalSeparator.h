#pragma once

#include <QChar>

class QLocale;

// The user's decimal separator: read from the locale at start-up and again whenever
// the locale changes; "." when the locale gives none.
class DecimalSeparator
{
public:
    static QChar current() { return s_current; }
    static void set(QChar c) { s_current = c; }
    static void readFrom(const QLocale& locale);

private:
    static inline QChar s_current = u',';
};
