// The smallest Qt window program: the yardstick for the start-up time and memory of
// the real one. Prints the milliseconds from process start to its first shown frame.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "bench/StartupClock.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(679, 419);
    window.setWindowTitle(QStringLiteral("minimal"));
    StartupClock::reportFirstFrame(&window);
    window.show();
    return app.exec();
}
