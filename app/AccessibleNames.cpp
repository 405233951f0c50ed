#include "app/AccessibleNames.h"

#include "app/PageRows.h"
#include "controls/TEdit.h"

namespace AccessibleNames {

namespace {

QString spoken(const PageRows::Row& row)
{
    return row.unit.isEmpty() ? row.symbol : row.symbol + QStringLiteral(", ") + row.unit;
}

}

void describePage(QWidget* page, const QString& formula, const PageRows& rows)
{
    page->setAccessibleName(QStringLiteral("Equação: ") + formula);
    for (TEdit* field : page->findChildren<TEdit*>()) {
        const PageRows::Row* row = rows.row(field->objectName().toLatin1().constData());
        field->setAccessibleName(spoken(row ? *row : PageRows::rowOf(field)));
        if (field->isReadOnly())
            field->setAccessibleDescription(QStringLiteral("constante, somente leitura"));
    }
}

}
