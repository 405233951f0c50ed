#pragma once

#include <QSettings>

// The program's remembered choices (the Resolução panel shown, the Caderno chosen), in
// the user's configuration folder.
namespace Settings {

QSettings open();

}
