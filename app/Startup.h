#pragma once

#include <functional>

class QWidget;

namespace Startup {

// Starts the program: application, main window, About window, message loop; or, given
// options of its own, the command they ask for, without a window (see CommandLine).
// `created` sees the main window before it is first shown.
int run(int& argc, char** argv, const std::function<void(QWidget* mainWindow)>& created = {});

}
