#pragma once

#include <QString>

class RowTable;
class QWidget;

// What a screen reader hears on an equation page: each field named by the row the topic
// declares ("Δt, s", "a, m/s²", "R, Ω") and described by its quantity ("intervalo de
// tempo"), a constant field said to be a read-only constant, and the page named by its
// formula in the topic's terms.
namespace AccessibleNames {

void describePage(QWidget* page, const QString& formula, const RowTable& rows);

}
