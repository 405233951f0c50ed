// Prints exercises as a teacher reads them: statement, answer and working, for a topic
// or a whole area, at a level, for a run of numbers. Not a test: a tool for reading what
// the generator writes.
//     exercise_sheet <area or topic header or button> [level] [count] [number]
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"
#include "exercises/Exercise.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() < 2) {
        out << "exercise_sheet <area|topic|button> [level 1|2] [count] [number]\n";
        return 2;
    }
    const QString what = args[1];
    const Level level = args.size() > 2 && args[2] == u"2" ? Level::Conversions : Level::Formula;
    const int count = args.size() > 3 ? args[3].toInt() : 6;
    const std::uint32_t number = args.size() > 4 ? args[4].toUInt() : 1;
    QStringList buttons;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            const Topic* t = Catalogue::topicOfButton(QString::fromLatin1(p.button));
            if (what.compare(QString::fromUtf8(area.name), Qt::CaseInsensitive) == 0 || what == QLatin1String(p.button)
                || (t && what.compare(QString::fromUtf8(t->header).trimmed(), Qt::CaseInsensitive) == 0))
                buttons << QString::fromLatin1(p.button);
        }
    }
    for (const QString& button : buttons) {
        const Topic* t = Catalogue::topicOfButton(button);
        out << "=== " << QString::fromUtf8(t->header).trimmed() << " (" << button << ")\n";
        for (int i = 1; i <= count; ++i) {
            const Exercise ex = ExerciseGenerator::make(button, level, number, i);
            if (!ex.valid) {
                out << ex.code() << "  INVÁLIDO\n";
                continue;
            }
            out << ex.code() << "  " << ex.text << "\n    → " << ex.answerText() << "\n";
            for (const QString& line : ex.solution())
                out << "      " << line << "\n";
        }
    }
    return buttons.isEmpty() ? 1 : 0;
}
