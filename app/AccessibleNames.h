#pragma once

#include <QString>

class PageRows;
class QWidget;

// What a screen reader hears on an equation page: each field named by its row as the
// page shows it at that moment ("Δt, s", "a, m/s²", "R, Ω"), a constant field said to
// be a read-only constant, and the page named by its formula in the topic's terms.
namespace AccessibleNames {

void describePage(QWidget* page, const QString& formula, const PageRows& rows);

}
