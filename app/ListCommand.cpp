#include "app/ListCommand.h"

#include "app/ExerciseList.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace ListCommand {

namespace {

int fail(const QString& sentence)
{
    std::fputs(qPrintable(sentence + u'\n'), stderr);
    return 2;
}

}

bool requested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lista") == 0)
            return true;
    }
    return false;
}

int run(int& argc, char** argv)
{
    // The list needs fonts, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("lista"), QStringLiteral("Gera uma lista de exercícios em PDF.")});
    parser.addOption({QStringLiteral("topicos"), QStringLiteral("Tópicos, separados por vírgula."), QStringLiteral("nomes")});
    parser.addOption({QStringLiteral("nivel"), QStringLiteral("1 ou 2."), QStringLiteral("nível"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("quantidade"), QStringLiteral("De 1 a 50."), QStringLiteral("n"), QStringLiteral("10")});
    parser.addOption({QStringLiteral("numero"), QStringLiteral("Número da lista."), QStringLiteral("n"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("saida"), QStringLiteral("Arquivo PDF."), QStringLiteral("arquivo")});
    if (!parser.parse(app.arguments()))
        return fail(QStringLiteral("Opção inválida: %1").arg(parser.errorText()));

    ExerciseList::Request request;
    const QStringList names = parser.value(QStringLiteral("topicos")).split(u',', Qt::SkipEmptyParts);
    if (names.isEmpty())
        return fail(QStringLiteral("Diga os tópicos da lista com --topicos \"Movimento Uniforme,Lei de Ohm\"."));
    for (const QString& name : names) {
        const QString button = ExerciseList::topicNamed(name);
        if (button.isEmpty())
            return fail(QStringLiteral("Tópico desconhecido ou sem exercícios: “%1”.").arg(name.trimmed()));
        request.topics << button;
    }
    bool ok = false;
    const int level = parser.value(QStringLiteral("nivel")).toInt(&ok);
    if (!ok || (level != 1 && level != 2))
        return fail(QStringLiteral("O nível deve ser 1 ou 2, não “%1”.").arg(parser.value(QStringLiteral("nivel"))));
    request.level = Level(level);
    request.count = parser.value(QStringLiteral("quantidade")).toInt(&ok);
    if (!ok || request.count < 1 || request.count > ExerciseList::maxCount)
        return fail(QStringLiteral("A quantidade deve ser de 1 a 50, não “%1”.").arg(parser.value(QStringLiteral("quantidade"))));
    const uint number = parser.value(QStringLiteral("numero")).toUInt(&ok);
    if (!ok || number == 0)
        return fail(QStringLiteral("O número da lista deve ser um inteiro positivo, não “%1”.")
                        .arg(parser.value(QStringLiteral("numero"))));
    request.number = number;
    const QString path = parser.value(QStringLiteral("saida"));
    if (path.isEmpty())
        return fail(QStringLiteral("Diga o arquivo da lista com --saida lista.pdf."));
    QString error;
    if (!ExerciseList::write(request, path, &error))
        return fail(error);
    return 0;
}

}
