#include "app/SessionRecord.h"

QString SessionRecord::text(const std::vector<const Entry*>& entries)
{
    QStringList blocks;
    for (const Entry* e : entries)
        blocks << (QStringList(e->header) + e->allLines()).join(u'\n');
    return blocks.join(QStringLiteral("\n\n")) + (blocks.isEmpty() ? QString() : QStringLiteral("\n"));
}
