#pragma once

#include <QString>
#include <optional>

// The program's command line. Without options of its own the program opens its window
// (Qt's own window options, -style or -platform, go to the window); otherwise it does
// what they ask and ends: --help, --version, --listar-topicos, or --lista to write a
// list of exercises. Every sentence it prints is Portuguese.
namespace CommandLine {

// Nothing when the window is to open; otherwise the exit code: 0 when done, 2 when the
// arguments were wrong or the command failed, with a sentence on stderr.
std::optional<int> run(int argc, char** argv);

// Writes the sentence on stderr and gives the failure's exit code.
int fail(const QString& sentence);
// Writes a warning on stderr; the command goes on.
void warn(const QString& sentence);
// Writes the text on stdout.
void say(const QString& text);

}
