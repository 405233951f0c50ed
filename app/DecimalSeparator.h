#pragma once

#include <QChar>
#include <functional>
#include <map>

class QLocale;

// The user's decimal separator: read from the locale at start-up and again whenever
// the locale changes; "." when the locale gives none.
class DecimalSeparator
{
public:
    // Told the separator that was in force before each change.
    using Listener = std::function<void(QChar previous)>;

    static QChar current() { return s_current; }
    static void set(QChar c);
    static void readFrom(const QLocale& locale);

    static int addListener(Listener listener);
    static void removeListener(int id);

private:
    static inline QChar s_current = u',';
    static inline std::map<int, Listener> s_listeners;
    static inline int s_nextId = 0;
};
