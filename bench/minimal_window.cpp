// The smallest Qt window program that shows something: a window with one line of text.
// It is the yardstick for the start-up time and memory of the real program, since every
// program that shows text pays for the font database. Prints the CLOCK_MONOTONIC time
// of its first shown frame. With the argument "empty" it shows an empty window instead.
#include <QApplication>
#include <QLabel>

#include "bench/StartupClock.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool empty = argc > 1 && qstrcmp(argv[1], "empty") == 0;
    QLabel window(empty ? QString() : QStringLiteral("Olá, mundo"));
    window.resize(679, 419);
    window.setWindowTitle(QStringLiteral("minimal"));
    StartupClock::reportFirstFrame(&window);
    window.show();
    return app.exec();
}
