#pragma once

// Reading the font configuration (fontconfig's XML files and its font caches, about 4 ms)
// is the longest single step before the first frame, yet nothing needs it until the window
// first measures a text. start() reads it on a thread of its own while the application and
// the window are built; wait() comes before the first text is measured, so that the font
// database finds the configuration read instead of reading it a second time beside the
// thread. Without start(), wait() returns at once and the database reads it as usual.
namespace FontConfigWarmUp {

void start();
void wait();

}
