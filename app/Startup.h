#pragma once

#include <functional>

class QWidget;

namespace Startup {

// Starts the program: application, main window, About window, message loop.
// `created` sees the main window before it is first shown.
int run(int& argc, char** argv, const std::function<void(QWidget* mainWindow)>& created = {});

}
