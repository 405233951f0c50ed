#include "engine/Topic.h"

void chooseTopic(EquationWindow& window, const Topic& topic)
{
    window.clearFields();
    window.setHeader(QString::fromUtf8(topic.header));
    window.showPage(topic.page);
    window.setPageMode("");
    if (topic.changes)
        topic.changes(window);
}
