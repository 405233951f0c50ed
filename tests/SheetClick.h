#pragma once

// A click of a page's Calcular without a window, as the page hands it to the graph: the
// topic's rows given texts, the working, and the rows' texts as the click left them.
#include "catalogue/Catalogue.h"
#include "engine/Sheet.h"

#include <QHash>
#include <QList>
#include <utility>

struct SheetClick
{
    Sheet blank;
    Working working;
    QHash<QByteArray, QString> texts;

    // `given`: field → text; every other row blank (the topic's constants stay written).
    static SheetClick on(const Topic& topic, const QList<std::pair<QByteArray, QString>>& given)
    {
        const Sheet blank(topic, *Catalogue::solverOfPage(QString::fromUtf8(topic.page)));
        Sheet sheet = blank;
        for (const auto& [field, text] : given)
            sheet.setText(field.constData(), text);
        Working working = sheet.calculate();
        QHash<QByteArray, QString> texts;
        for (const Row& row : topic.rows)
            texts.insert(row.field, sheet.text(row.field));
        return {blank, std::move(working), std::move(texts)};
    }
    static SheetClick on(const char* button, const QList<std::pair<QByteArray, QString>>& given)
    {
        return on(*Catalogue::topicOfButton(QString::fromLatin1(button)), given);
    }

    // The rows a student fills (the topic's constants aside).
    static QList<QByteArray> editable(const Topic& topic)
    {
        const Sheet blank(topic, *Catalogue::solverOfPage(QString::fromUtf8(topic.page)));
        QList<QByteArray> fields;
        for (const Row& row : topic.rows) {
            if (blank.text(row.field).isEmpty())
                fields << row.field;
        }
        return fields;
    }

    // The first row the page computes when every other row holds one of a few small
    // values, and that click; none on a page that computes nothing that way.
    static std::optional<std::pair<QByteArray, SheetClick>> firstComputed(const Topic& topic)
    {
        const char* values[] = {"7", "3", "2", "5", "11"};
        const QList<QByteArray> fields = editable(topic);
        for (const QByteArray& candidate : fields) {
            QList<std::pair<QByteArray, QString>> given;
            int i = 0;
            for (const QByteArray& f : fields)
                given.append({f, f == candidate ? QString() : QString::fromLatin1(values[i++ % 5])});
            SheetClick click = on(topic, given);
            if (resultOf(click.working, candidate.constData()))
                return std::pair{candidate, std::move(click)};
        }
        return std::nullopt;
    }
};
