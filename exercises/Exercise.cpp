#include "exercises/Exercise.h"

#include "catalogue/Catalogue.h"
#include "exercises/Notation.h"
#include "exercises/Situation.h"

#include <cmath>

namespace {

QString unitName(const Units::Unit* unit, const Row& row)
{
    return unit ? QString::fromUtf8(unit->name) : QString::fromUtf8(row.unit);
}

}

QString Given::text() const
{
    return Notation::withUnit(Notation::number({plain, shown, figures}), unitName(unit, *row));
}

QString Exercise::askedUnitName() const
{
    return asked ? unitName(askedUnit, *asked) : QString();
}

int Exercise::dataFigures() const
{
    int least = 0;
    for (const Given& g : givens) {
        if (!g.whole && !g.item && (least == 0 || g.figures < least))
            least = g.figures;
    }
    return least;
}

QString Exercise::answerText() const
{
    const long double value = answerAsked.value();
    if (counts() && std::fabs(value) < 1e6L)
        return Notation::withUnit(Notation::number(Figures::rounded(value, Figures::decade(value) + 1)), askedUnitName());
    const int figures = std::max(dataFigures(), 2);
    return Notation::withUnit(Notation::number(Figures::rounded(value, figures)), askedUnitName());
}

namespace ExerciseGenerator {

const Units::Unit* unitOfKind(const Units::Kind* kind, QStringView name)
{
    if (!kind)
        return nullptr;
    QString wanted = name.trimmed().toString();
    wanted.replace(u'°', u'º');
    for (const Units::Unit& u : kind->units) {
        if (wanted == QString::fromUtf8(u.name))
            return &u;
    }
    return nullptr;
}

Exercise make(const Topic& topic, const Problems::TopicProblems& problems, Level level, std::uint32_t number, int index,
              int statement)
{
    Exercise ex;
    ex.topic = &topic;
    ex.problems = &problems;
    ex.level = level;
    ex.number = number;
    ex.index = index;
    const Solver* solver = Catalogue::solverOfPage(QString::fromUtf8(topic.page));
    if (!solver || problems.statements.empty())
        return ex;
    Situation situation(topic, *solver, problems, Situation::choose(topic, problems, level, number, index, statement));
    if (situation.valid())
        situation.draw(ex, level, number, index);
    return ex;
}

Exercise make(QStringView button, Level level, std::uint32_t number, int index)
{
    const Topic* topic = Catalogue::topicOfButton(button);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    if (!topic || !problems)
        return {};
    return make(*topic, *problems, level, number, index);
}

int levels(const Topic& topic, const Problems::TopicProblems& problems)
{
    for (const Problems::Statement& s : problems.statements) {
        if (Situation::converts(topic, s))
            return 2;
    }
    return 1;
}

int levels(QStringView button)
{
    const Topic* topic = Catalogue::topicOfButton(button);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    return topic && problems ? levels(*topic, *problems) : 1;
}

Exercise mixed(const ProblemCatalogue::Area& area, Level level, std::uint32_t number, int index)
{
    if (area.problems.empty())
        return {};
    Prng prng(Situation::seed(QString::fromUtf8(area.name), level, number, index));
    const Problems::TopicProblems& p = area.problems[prng.below(area.problems.size())];
    return make(QString::fromLatin1(p.button), level, number, index);
}

}
