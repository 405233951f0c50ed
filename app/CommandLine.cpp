#include "app/CommandLine.h"

#include "app/ListCommand.h"
#include "app/NameMatch.h"
#include "app/TopicNames.h"

#include <QCommandLineParser>
#include <cstdio>

namespace CommandLine {

namespace {

// Qt's options for a window's application, handed to it untouched.
const QStringList qtValueOptions{"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                 "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style",
                                 "stylesheet", "qmljsdebugger"};
const QStringList qtFlags{"reverse", "widgetcount", "nograb", "dograb", "sync"};

struct Options
{
    QCommandLineOption help{{"h", "help", "ajuda"}, QStringLiteral("Mostra esta ajuda e termina.")};
    QCommandLineOption version{{"v", "version", "versao"}, QStringLiteral("Mostra a versão do programa e termina.")};
    QCommandLineOption topicList{"listar-topicos",
                                 QStringLiteral("Mostra cada área e seus tópicos com exercícios, um por linha "
                                                "(com o nome dos livros quando é outro), e termina.")};
    QCommandLineOption list{"lista", QStringLiteral("Grava uma lista de exercícios em PDF, sem abrir janela.")};
    QCommandLineOption topics{"topicos",
                              QStringLiteral("Tópicos da lista, separados por vírgula, pelo nome da janela ou dos "
                                             "livros, com ou sem acentos. Um nome de área vale por todos os seus "
                                             "tópicos; um nome que duas áreas têm vai com a área: "
                                             "\"Ondas: Frequência para Período\"."),
                              QStringLiteral("nomes")};
    QCommandLineOption level{"nivel",
                             QStringLiteral("1: valores nas unidades da fórmula; 2: com conversões. Padrão: 1."),
                             QStringLiteral("nível")};
    QCommandLineOption count{"quantidade", QStringLiteral("Exercícios em cada versão, de 1 a 50. Padrão: 10."),
                             QStringLiteral("n")};
    QCommandLineOption number{"numero",
                              QStringLiteral("Número da lista, de 1 a 999999999: o mesmo número dá a mesma lista. "
                                             "Padrão: 1."),
                              QStringLiteral("n")};
    QCommandLineOption versions{"versoes",
                                QStringLiteral("Versões da lista no mesmo PDF, de 1 a 6: Versão A com o número da "
                                               "lista, Versão B com o seguinte, e assim por diante, cada uma com "
                                               "seu gabarito. Padrão: 1."),
                                QStringLiteral("n")};
    QCommandLineOption output{"saida", QStringLiteral("Arquivo PDF a gravar."), QStringLiteral("arquivo")};

    QList<const QCommandLineOption*> ours() const
    {
        return {&help, &version, &topicList, &list, &topics, &level, &count, &number, &versions, &output};
    }
};

QString dashed(const QString& name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

QString example()
{
    return QStringLiteral("velquora --lista --topicos \"Movimento Uniforme,Torricelli,Lei de Coulomb\" --nivel 2 "
                          "--quantidade 12 --numero 4821 --versoes 2 --saida lista.pdf");
}

// The description in lines of at most `width` characters, the next ones indented.
QString wrapped(const QString& text, int width, int indent)
{
    QStringList lines{QString()};
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.last().isEmpty() && lines.last().size() + 1 + word.size() > width)
            lines << QString();
        lines.last() += (lines.last().isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines.join(u'\n' + QString(indent, u' '));
}

QString helpText(const Options& options)
{
    constexpr int column = 30;
    QStringList out{QStringLiteral("Uso: velquora [opções]"), QString(),
                    QStringLiteral("Sem opções, abre a calculadora. Com --lista, grava uma lista de exercícios "
                                   "em PDF sem abrir janela."),
                    QString(), QStringLiteral("Opções:")};
    for (const QCommandLineOption* option : options.ours()) {
        QStringList names;
        for (const QString& name : option->names())
            names << dashed(name);
        QString left = names.join(QStringLiteral(", "));
        if (!option->valueName().isEmpty())
            left += QStringLiteral(" <%1>").arg(option->valueName());
        left = QStringLiteral("  ") + left;
        if (left.size() >= column)
            out << left << QString(column, u' ') + wrapped(option->description(), 50, column);
        else
            out << left.leftJustified(column) + wrapped(option->description(), 50, column);
    }
    out << QString() << QStringLiteral("As opções do Qt para a janela (-style, -platform, …) vão para a janela.")
        << QString() << QStringLiteral("Exemplo:") << QStringLiteral("  ") + example() << QString();
    return out.join(u'\n');
}

const QCommandLineOption* optionNamed(const Options& options, QStringView name)
{
    for (const QCommandLineOption* option : options.ours()) {
        if (option->names().contains(name))
            return option;
    }
    return nullptr;
}

bool isFlag(const Options& options, const QString& name)
{
    const QCommandLineOption* option = optionNamed(options, name);
    return option ? option->valueName().isEmpty() : qtFlags.contains(name);
}

bool takesValue(const Options& options, const QString& name)
{
    const QCommandLineOption* option = optionNamed(options, name);
    return option ? !option->valueName().isEmpty() : qtValueOptions.contains(name);
}

// "--lista=sim" is "--lista", "--lista=não" is no --lista; any other value is an error.
std::optional<QString> withoutFlagValues(const Options& options, QStringList& args)
{
    const QStringList yes{"sim", "s", "yes", "y", "true", "verdadeiro", "1"};
    const QStringList no{"nao", "n", "no", "false", "falso", "0"};
    QStringList out{args.first()};
    bool valueNext = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--") {
            out << args.mid(i);
            break;
        }
        if (valueNext || !arg.startsWith(u'-')) {
            valueNext = false;
            out << arg;
            continue;
        }
        const QString body = arg.mid(arg.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = body.indexOf(u'=');
        const QString name = body.left(equals);
        valueNext = equals < 0 && takesValue(options, name);
        if (equals < 0 || !isFlag(options, name)) {
            out << arg;
            continue;
        }
        const QString value = NameMatch::normalised(body.mid(equals + 1));
        if (yes.contains(value))
            out << QStringLiteral("--") + name;
        else if (!no.contains(value))
            return QStringLiteral("A opção “%1” não recebe valor: escreva só “%1”, sem “%2”.")
                .arg(dashed(name), body.mid(equals));
    }
    args = out;
    return std::nullopt;
}

QString unknownOption(const Options& options, const QString& name)
{
    QStringList names;
    for (const QCommandLineOption* option : options.ours()) {
        for (const QString& n : option->names()) {
            if (n.size() > 1)
                names << n;
        }
    }
    const QStringList near = NameMatch::nearest(name, names, 1);
    const QString sentence = QStringLiteral("Opção desconhecida: “%1”.").arg(name);
    if (!near.isEmpty())
        return sentence + QStringLiteral(" Você quis dizer “%1”?").arg(dashed(near.first()));
    return sentence + QStringLiteral(" Veja as opções com velquora --help.");
}

// The parser fails without an unknown option only for a value left out at the end.
QString missingValue(const QStringList& args)
{
    const QString last = args.last();
    if (last.startsWith(u'-'))
        return QStringLiteral("Falta o valor de “%1”.").arg(last);
    return QStringLiteral("Não foi possível ler as opções. Veja velquora --help.");
}

std::optional<QString> repeated(const Options& options, const QStringList& given)
{
    for (const QCommandLineOption* option : options.ours()) {
        qsizetype times = 0;
        for (const QString& name : option->names())
            times += given.count(name);
        if (times > 1)
            return QStringLiteral("A opção “%1” foi dada %2 vezes; dê uma só.")
                .arg(dashed(option->names().constLast()))
                .arg(times);
    }
    return std::nullopt;
}

QString version()
{
#ifdef VELQUORA_VERSION
    return QStringLiteral("Velquora " VELQUORA_VERSION);
#else
    return QStringLiteral("Velquora");
#endif
}

}

void warn(const QString& sentence)
{
    std::fputs((sentence + u'\n').toUtf8().constData(), stderr);
}

int fail(const QString& sentence)
{
    warn(sentence);
    return 2;
}

void say(const QString& text)
{
    std::fputs((text + u'\n').toUtf8().constData(), stdout);
}

std::optional<int> run(int argc, char** argv)
{
    const Options options;
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> wrong = withoutFlagValues(options, args))
        return fail(*wrong);

    QCommandLineParser parser;
    // "-lista" is "--lista", as "-style" is for Qt.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QCommandLineOption* option : options.ours())
        parser.addOption(*option);
    for (const QString& name : qtValueOptions)
        parser.addOption({name, QString(), QStringLiteral("valor")});
    for (const QString& name : qtFlags)
        parser.addOption({name, QString()});
    if (!parser.parse(args)) {
        if (!parser.unknownOptionNames().isEmpty())
            return fail(unknownOption(options, parser.unknownOptionNames().first()));
        return fail(missingValue(args));
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Argumento inesperado: “%1”. Os valores vão depois das opções, como em "
                                   "--saida lista.pdf.")
                        .arg(parser.positionalArguments().first()));
    if (const std::optional<QString> twice = repeated(options, parser.optionNames()))
        return fail(*twice);

    bool ours = false;
    for (const QCommandLineOption* option : options.ours())
        ours = ours || parser.isSet(*option);
    if (!ours)
        return std::nullopt;
    if (parser.isSet(options.help)) {
        say(helpText(options));
        return 0;
    }
    if (parser.isSet(options.version)) {
        say(version());
        return 0;
    }
    if (parser.isSet(options.topicList)) {
        say(TopicNames::listing().join(u'\n'));
        return 0;
    }
    if (!parser.isSet(options.list))
        return fail(QStringLiteral("As opções --topicos, --nivel, --quantidade, --numero, --versoes e --saida "
                                   "valem só com --lista."));
    ListCommand::Values values;
    values.topics = parser.isSet(options.topics) ? std::optional(parser.value(options.topics)) : std::nullopt;
    values.level = parser.value(options.level);
    values.count = parser.value(options.count);
    values.number = parser.value(options.number);
    values.versions = parser.value(options.versions);
    values.output = parser.value(options.output);
    return ListCommand::run(values, argv[0]);
}

}
