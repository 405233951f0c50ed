#pragma once

#include <QString>
#include <QStringView>

// The name a Brazilian secondary-school textbook gives each topic, for the printed list:
// "Equação de Torricelli" where the window says "Torricelli". Where the window's header
// already is a book's name, it is that header. The window keeps its own labels.
namespace BookNames {

// Empty for a button that is no topic's.
QString of(QStringView button);

}
