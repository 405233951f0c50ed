// The real program, started as usual, reporting its first shown frame.
#include "app/Startup.h"
#include "bench/StartupClock.h"

int main(int argc, char** argv)
{
    return Startup::run(argc, argv, [](QWidget* window) { StartupClock::reportFirstFrame(window); });
}
