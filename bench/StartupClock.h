#pragma once

// Prints the CLOCK_MONOTONIC time (ns) of a window's first painted frame, then quits.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace StartupClock {

class FirstFrame : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The frame is on screen once the paint that follows has been flushed.
            QTimer::singleShot(0, [] {
                timespec ts {};
                clock_gettime(CLOCK_MONOTONIC, &ts);
                std::printf("%lld\n", static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

inline void reportFirstFrame(QWidget* window)
{
    window->installEventFilter(new FirstFrame(window));
}

}
