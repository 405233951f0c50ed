#include "app/AccessibleNames.h"

#include "controls/TEdit.h"
#include "engine/Row.h"

namespace AccessibleNames {

void describePage(QWidget* page, const QString& formula, const RowTable& rows)
{
    page->setAccessibleName(QStringLiteral("Equação: ") + formula);
    for (TEdit* field : page->findChildren<TEdit*>()) {
        const Row* row = rows.find(field->objectName().toLatin1().constData());
        if (!row) {
            field->setAccessibleName(field->objectName());
            continue;
        }
        const QString unit = QString::fromUtf8(row->unit);
        field->setAccessibleName(QString::fromUtf8(row->symbol) + (unit.isEmpty() ? QString() : QStringLiteral(", ") + unit));
        const QString quantity = QString::fromUtf8(row->quantity);
        field->setAccessibleDescription(field->isReadOnly() ? quantity + QStringLiteral(", constante, somente leitura") : quantity);
    }
}

}
