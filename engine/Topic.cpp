#include "engine/Topic.h"

void chooseTopic(EquationWindow& window, const Topic& topic)
{
    window.clearFields();
    window.setHeader(QString::fromUtf8(topic.header));
    window.showPage(topic.page);
    window.setPageMode("");
    window.captions(topic.rows);
    if (topic.changes)
        topic.changes(window);
}

void PageEditor::captions(std::span<const Row> rows)
{
    for (const Row& row : rows) {
        for (const auto* list : {row.symbolCaptions, row.unitCaptions}) {
            for (int i = 0; i < 3 && list[i].label; ++i) {
                if (!list[i].picture)
                    caption(list[i].label, list[i].text);
            }
        }
    }
}
