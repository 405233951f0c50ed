#include "exercises/Levels.h"

#include "catalogue/Catalogue.h"

#include <algorithm>

namespace Levels {

QString name(Level level)
{
    switch (level) {
    case Level::Formula:
        return QStringLiteral("Nível 1 – valores nas unidades da fórmula");
    case Level::Conversions:
        return QStringLiteral("Nível 2 – com conversões");
    }
    return {};
}

bool hasConversions(const Problems::TopicProblems& problems)
{
    const Topic* topic = Catalogue::topicOfButton(QString::fromLatin1(problems.button));
    if (!topic)
        return false;
    // At this level an exercise converts whenever its statement has a row to convert, so
    // one exercise per statement tells; a draw that found no answer is drawn again.
    constexpr int redraws = 4;
    for (std::size_t s = 0; s < problems.statements.size(); ++s) {
        for (int index = 1; index <= redraws; ++index) {
            const Exercise ex = ExerciseGenerator::make(*topic, problems, Level::Conversions, 1, index, int(s));
            if (!ex.valid)
                continue;
            if (ex.answerConverted()
                || std::any_of(ex.givens.begin(), ex.givens.end(), [](const Given& g) { return g.converted(); }))
                return true;
            break;
        }
    }
    return false;
}

bool hasConversions(const ProblemCatalogue::Area& area)
{
    return std::any_of(area.problems.begin(), area.problems.end(),
                       [](const Problems::TopicProblems& p) { return hasConversions(p); });
}

}
