#include "engine/Row.h"

#include <cstring>

const Row* RowTable::find(const char* field) const
{
    for (const Row& row : m_rows) {
        if (std::strcmp(row.field, field) == 0)
            return &row;
    }
    return nullptr;
}

QString RowTable::symbol(const char* field) const
{
    const Row* row = find(field);
    return QString::fromUtf8(row ? row->symbol : field);
}

QString RowTable::unit(const char* field) const
{
    const Row* row = find(field);
    return row ? QString::fromUtf8(row->unit) : QString();
}
