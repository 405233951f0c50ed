#include "app/ListCommand.h"

#include "app/CommandLine.h"
#include "app/ExerciseList.h"
#include "app/TopicNames.h"

#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <variant>

namespace ListCommand {

namespace {

using Read = std::variant<ExerciseList::Request, QString>;

// A whole number from `low` to `high`, the default when not given; nothing otherwise.
std::optional<qint64> whole(const QString& typed, qint64 low, qint64 high, qint64 fallback)
{
    if (typed.isEmpty())
        return fallback;
    bool ok = false;
    const qint64 n = typed.trimmed().toLongLong(&ok);
    if (!ok || n < low || n > high)
        return std::nullopt;
    return n;
}

// The topics named, each once, in the order named; an area brings its topics.
std::variant<QStringList, QString> topicsOf(const std::optional<QString>& typed)
{
    if (!typed || typed->trimmed().isEmpty())
        return QStringLiteral("Diga os tópicos da lista com --topicos, por exemplo --topicos \"Movimento "
                              "Uniforme,Torricelli\"; velquora --listar-topicos mostra todos.");
    QStringList buttons;
    for (const QString& name : typed->split(u',')) {
        if (name.trimmed().isEmpty())
            continue;
        const TopicNames::Found found = TopicNames::find(name);
        if (!found.error.isEmpty())
            return found.error;
        for (const QString& button : found.buttons) {
            if (!buttons.contains(button))
                buttons << button;
        }
    }
    return buttons;
}

Read request(const Values& values)
{
    ExerciseList::Request request;
    const auto topics = topicsOf(values.topics);
    if (const QString* error = std::get_if<QString>(&topics))
        return *error;
    request.topics = std::get<QStringList>(topics);
    const auto level = whole(values.level, 1, 2, 1);
    if (!level)
        return QStringLiteral("O nível deve ser 1 ou 2, não “%1”.").arg(values.level);
    request.level = Level(*level);
    const auto count = whole(values.count, 1, ExerciseList::maxCount, 10);
    if (!count)
        return QStringLiteral("A quantidade deve ser de 1 a %1, não “%2”.").arg(ExerciseList::maxCount).arg(values.count);
    request.count = int(*count);
    const auto number = whole(values.number, 1, ExerciseList::maxNumber, 1);
    if (!number)
        return QStringLiteral("O número da lista deve ser de 1 a %1, não “%2”.")
            .arg(ExerciseList::maxNumber)
            .arg(values.number);
    request.number = std::uint32_t(*number);
    const auto versions = whole(values.versions, 1, ExerciseList::maxVersions, 1);
    if (!versions)
        return QStringLiteral("O número de versões deve ser de 1 a %1, não “%2”.")
            .arg(ExerciseList::maxVersions)
            .arg(values.versions);
    request.versions = int(*versions);
    if (values.output.trimmed().isEmpty())
        return QStringLiteral("Diga o arquivo da lista com --saida, por exemplo --saida lista.pdf.");
    return request;
}

// Qt's own warnings (a missing runtime folder, fonts) are in English and say nothing a
// teacher can act on; the command's sentences are its own.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}

int run(const Values& values, char* program)
{
    const Read read = request(values);
    if (const QString* error = std::get_if<QString>(&read))
        return CommandLine::fail(*error);
    const ExerciseList::Request& list = std::get<ExerciseList::Request>(read);

    qInstallMessageHandler(quiet);
    // The list needs fonts, not a screen, nor Qt's window options.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);
    QString error;
    if (!ExerciseList::write(list, values.output, &error))
        return CommandLine::fail(error);

    // A topic of few exercises may run out before the count asked: the list is shorter
    // rather than repeat one.
    int made = list.count;
    for (int v = 0; v < list.versions; ++v)
        made = std::min(made, int(ExerciseList::exercises(list, v).size()));
    if (made < list.count)
        CommandLine::warn(QStringLiteral("Aviso: os tópicos escolhidos têm só %1 exercícios diferentes; a lista "
                                         "tem %1, não %2.")
                              .arg(made)
                              .arg(list.count));
    const QString path = QDir::toNativeSeparators(values.output);
    const QString exercises = made == 1 ? QStringLiteral("1 exercício") : QStringLiteral("%1 exercícios").arg(made);
    QString done = QStringLiteral("Lista gravada em “%1”: %2, nível %3, nº %4")
                       .arg(path, exercises)
                       .arg(int(list.level))
                       .arg(list.number);
    if (list.versions > 1)
        done += QStringLiteral(", %1 versões (A a %2)").arg(list.versions).arg(ExerciseList::versionName(list.versions - 1));
    CommandLine::say(done + u'.');
    if (list.topics.size() > list.count)
        CommandLine::warn(QStringLiteral("Aviso: %1 tópicos e %2 exercícios; os últimos %3 tópicos ficaram fora da lista.")
                             .arg(list.topics.size())
                             .arg(list.count)
                             .arg(list.topics.size() - list.count));
    return 0;
}

}
