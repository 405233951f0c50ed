// The notebook's line reader and check on any text: a verdict that begins as it must,
// a sentence for what cannot be read, and no crash, hang or undefined behaviour. The
// first byte picks the topic and the exercise, the rest is the line as UTF-8.
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"
#include "exercises/LineCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what, const QString& line, const QString& feedback)
{
    std::fprintf(stderr, "%s for '%s': %s\n", what, line.toUtf8().constData(), feedback.toUtf8().constData());
    std::abort();
}

// One exercise per topic, drawn once.
const std::vector<std::unique_ptr<LineCheck>>& checks()
{
    static std::vector<std::unique_ptr<Exercise>> exercises;
    static std::vector<std::unique_ptr<LineCheck>> all;
    if (all.empty()) {
        for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
            for (const Problems::TopicProblems& p : area.problems) {
                auto ex = std::make_unique<Exercise>(
                    ExerciseGenerator::make(QString::fromLatin1(p.button), Level::Conversions, 7, 1));
                if (!ex->valid)
                    continue;
                all.push_back(std::make_unique<LineCheck>(*ex));
                exercises.push_back(std::move(ex));
            }
        }
    }
    return all;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto& all = checks();
    if (size == 0 || all.empty())
        return 0;
    const LineCheck& check = *all[data[0] % all.size()];
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const LineCheck::Verdict v = check.check(line);
    switch (v.kind) {
    case LineCheck::Verdict::Empty:
        if (!line.trimmed().isEmpty())
            fail("nothing said", line, v.feedback);
        break;
    case LineCheck::Verdict::Unreadable:
        if (v.feedback.isEmpty())
            fail("no sentence", line, v.feedback);
        break;
    case LineCheck::Verdict::Right:
        if (!v.feedback.startsWith(QStringLiteral("Certo")))
            fail("right without Certo", line, v.feedback);
        break;
    case LineCheck::Verdict::Wrong:
        if (!v.feedback.startsWith(QStringLiteral("Ainda não")))
            fail("wrong without Ainda não", line, v.feedback);
        break;
    }
    return 0;
}
