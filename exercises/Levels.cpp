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
    return ExerciseGenerator::levels(QString::fromLatin1(problems.button)) == 2;
}

bool hasConversions(const ProblemCatalogue::Area& area)
{
    return std::any_of(area.problems.begin(), area.problems.end(),
                       [](const Problems::TopicProblems& p) { return hasConversions(p); });
}

}
