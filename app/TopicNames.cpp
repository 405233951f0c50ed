#include "app/TopicNames.h"

#include "app/NameMatch.h"
#include "catalogue/BookNames.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"

#include <optional>
#include <vector>

namespace TopicNames {

namespace {

// One name a topic or an area goes by.
struct Candidate
{
    // As a sentence writes it: a shared name with its area.
    QString shown;
    QString key;
    QStringList buttons;
    // The area a name written with its area was typed with; empty for a plain name.
    QString areaKey;
    bool isArea = false;
};

// The header, and the book's name when it is another.
QStringList namesOf(const Topic& topic)
{
    QStringList names{QString::fromUtf8(topic.header)};
    const QString book = BookNames::of(QString::fromLatin1(topic.button));
    if (!book.isEmpty() && NameMatch::normalised(book) != NameMatch::normalised(names.first()))
        names << book;
    return names;
}

std::vector<Candidate> build()
{
    std::vector<Candidate> all;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        const QString areaName = QString::fromUtf8(area.name);
        const QString areaKey = NameMatch::normalised(areaName);
        Candidate whole{areaName, areaKey, {}, {}, true};
        for (const Problems::TopicProblems& p : area.problems)
            whole.buttons << QString::fromLatin1(p.button);
        all.push_back(whole);
        for (const QString& button : std::as_const(whole.buttons)) {
            const Topic* topic = Catalogue::topicOfButton(button);
            if (!topic)
                continue;
            for (const QString& name : namesOf(*topic)) {
                const QString key = NameMatch::normalised(name);
                all.push_back({name, key, {button}, {}});
                all.push_back({areaName + QStringLiteral(": ") + name, areaKey + u' ' + key, {button}, areaKey});
            }
        }
    }
    // A plain name two topics share is shown with its area wherever it is shown.
    for (Candidate& c : all) {
        if (!c.areaKey.isEmpty() || c.buttons.size() != 1)
            continue;
        for (const Candidate& other : all) {
            if (other.areaKey.isEmpty() && other.key == c.key && other.buttons != c.buttons) {
                const ProblemCatalogue::Area* area = ProblemCatalogue::areaOfButton(c.buttons.first());
                c.shown = QString::fromUtf8(area->name) + QStringLiteral(": ") + c.shown;
                break;
            }
        }
    }
    return all;
}

const std::vector<Candidate>& candidates()
{
    static const std::vector<Candidate> all = build();
    return all;
}

// The different things the candidates stand for, each by the first of its names.
std::vector<const Candidate*> targets(const std::vector<const Candidate*>& matches)
{
    std::vector<const Candidate*> out;
    for (const Candidate* c : matches) {
        bool known = false;
        for (const Candidate* t : out)
            known = known || t->buttons == c->buttons;
        if (!known)
            out.push_back(c);
    }
    return out;
}

QString quoted(const QString& name) { return u'“' + name + u'”'; }

QString ambiguous(const QString& typed, const std::vector<const Candidate*>& many)
{
    constexpr int shownAtMost = 10;
    QStringList names;
    for (const Candidate* c : many) {
        if (names.size() < shownAtMost)
            names << c->shown;
    }
    QString list = names.join(QStringLiteral(", "));
    if (many.size() > shownAtMost)
        list += QStringLiteral(" e mais %1").arg(many.size() - shownAtMost);
    return QStringLiteral("%1 pode ser: %2.").arg(quoted(typed), list);
}

// "Cinemática: Distância" names a topic of another area: that area is the one to write.
std::optional<QString> otherArea(const QString& key)
{
    for (const Candidate& area : candidates()) {
        if (!area.isArea || !key.startsWith(area.key + u' '))
            continue;
        const QString rest = key.mid(area.key.size() + 1);
        for (const Candidate& c : candidates()) {
            if (c.areaKey.isEmpty() && !c.isArea && c.key == rest) {
                const QString elsewhere = QString::fromUtf8(ProblemCatalogue::areaOfButton(c.buttons.first())->name);
                const QString name = c.shown.section(QStringLiteral(": "), -1);
                return QStringLiteral("%1 não tem o tópico %2; %3 tem: escreva %4.")
                    .arg(area.shown, quoted(name), elsewhere, quoted(elsewhere + QStringLiteral(": ") + name));
            }
        }
    }
    return std::nullopt;
}

QString unknown(const QString& typed, const QString& key)
{
    if (const std::optional<QString> sentence = otherArea(key))
        return *sentence;
    QStringList keys;
    for (const Candidate& c : candidates())
        keys << c.key;
    QStringList suggestions;
    for (const QString& near : NameMatch::nearest(key, keys)) {
        for (const Candidate& c : candidates()) {
            if (c.key == near && !suggestions.contains(quoted(c.shown)))
                suggestions << quoted(c.shown);
        }
    }
    const QString sentence = QStringLiteral("Tópico desconhecido: %1.").arg(quoted(typed));
    if (suggestions.isEmpty())
        return sentence + QStringLiteral(" Veja os nomes com velquora --listar-topicos.");
    const QString last = suggestions.takeLast();
    const QString options = suggestions.isEmpty() ? last : suggestions.join(QStringLiteral(", ")) + QStringLiteral(" ou ") + last;
    return sentence + QStringLiteral(" Você quis dizer %1?").arg(options);
}

}

Found find(QStringView typed)
{
    const QString shown = typed.toString().simplified();
    const QString key = NameMatch::normalised(typed);
    if (key.isEmpty())
        return {{}, QStringLiteral("Falta o nome de um tópico entre as vírgulas de --topicos.")};
    std::vector<const Candidate*> exact, partial;
    for (const Candidate& c : candidates()) {
        if (c.key == key)
            exact.push_back(&c);
        // A name written with its area is looked for only when that area was typed.
        else if (c.key.contains(key) && (c.areaKey.isEmpty() || key.startsWith(c.areaKey + u' ')))
            partial.push_back(&c);
    }
    for (const auto& matches : {exact, partial}) {
        const std::vector<const Candidate*> meant = targets(matches);
        if (meant.size() == 1)
            return {meant.front()->buttons, {}};
        if (meant.size() > 1)
            return {{}, ambiguous(shown, meant)};
    }
    return {{}, unknown(shown, key)};
}

QStringList listing()
{
    QStringList lines;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        lines << QString::fromUtf8(area.name);
        for (const Problems::TopicProblems& p : area.problems) {
            const Topic* topic = Catalogue::topicOfButton(QString::fromLatin1(p.button));
            if (topic)
                lines << QStringLiteral("  ") + namesOf(*topic).join(QStringLiteral(" — "));
        }
    }
    return lines;
}

}
