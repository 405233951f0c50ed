#include "app/FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

#include <clocale>
#include <thread>

namespace FontConfigWarmUp {

namespace {

// Joined by wait(), or at the latest when the program ends.
std::jthread reader;

}

void start()
{
    if (reader.joinable())
        return;
    // The configuration's numbers are read in the user's locale, which the application
    // sets as it starts: set here first, its setting is no change under the thread's feet.
    std::setlocale(LC_ALL, "");
    reader = std::jthread([] { FcInit(); });
}

void wait()
{
    if (reader.joinable())
        reader.join();
}

}
