#pragma once

#include <QString>

class QWidget;
class TEdit;

// What a screen reader hears on an equation page: each field named by its row as the
// page shows it at that moment ("Δt, s", "a, m/s²", "R, Ω"), a constant field said to
// be a read-only constant, and the page named by its formula in the topic's terms.
namespace AccessibleNames {

void describePage(QWidget* page, const QString& formula);

// The row of `field` spelled out: its symbol with subscripts, exponents and signs,
// then its unit, if it has one.
QString rowName(const TEdit* field);

}
