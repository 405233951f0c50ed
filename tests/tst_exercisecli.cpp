// The program's command line as a teacher's script runs it, without a display: every
// way it ends, with its exit code and its Portuguese sentence, and the PDF it writes
// read back with pdftotext when that is installed.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestExerciseCli : public QObject
{
    Q_OBJECT

private slots:
    void command_data();
    void command();
    void helpExample();
    void pagesHoldStatements();

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    static Run velquora(const QStringList& arguments);
    // The PDF's text, or a null string without pdftotext.
    static QString pdfText(const QString& path, int page = 0);
    // The word nearest the top of the page, with its distance from the top in points
    // after it: "5. 43".
    static QString topWord(const QString& path, int page);
};

TestExerciseCli::Run TestExerciseCli::velquora(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELQUORA_BINARY), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QString TestExerciseCli::topWord(const QString& path, int page)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                   QString::number(page), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    QString top;
    double highest = 1e9;
    const QRegularExpression word(QStringLiteral("<word [^>]*yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
        if (m.captured(1).toDouble() < highest) {
            highest = m.captured(1).toDouble();
            top = m.captured(2);
        }
    }
    return QStringLiteral("%1 %2").arg(top).arg(qRound(highest));
}

QString TestExerciseCli::pdfText(const QString& path, int page)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    QStringList args{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    process.start(tool, args << path << QStringLiteral("-"));
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestExerciseCli::command_data()
{
    // "{saida}" stands for a file in a fresh folder. A list row names what its PDF says;
    // a row with no PDF text expects no file.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<QStringList>("pdf");
    const QStringList list{"--lista", "--saida", "{saida}", "--topicos"};
    const QStringList none;
    const QStringList written{"Lista gravada em"};
    const QStringList header{"Escola:", "Data:", "Nome:", "Turma:", "Gabarito"};

    QTest::newRow("help") << QStringList{"--help"} << 0
                          << QStringList{"Uso: velquora [opções]", "--topicos <nomes>", "--versoes <n>",
                                         "--listar-topicos", "Exemplo:"}
                          << "" << none;
    QTest::newRow("help as -h") << QStringList{"-h"} << 0 << QStringList{"Uso: velquora"} << "" << none;
    QTest::newRow("version") << QStringList{"--version"} << 0 << QStringList{"Velquora " VELQUORA_VERSION "\n"} << ""
                             << none;
    QTest::newRow("topic list") << QStringList{"--listar-topicos"} << 0
                                << QStringList{"Cinemática\n  Movimento Uniforme\n",
                                               "\n  Torricelli — Equação de Torricelli\n",
                                               "\nEletrodinâmica\n  Corrente Elétrica"}
                                << "" << none;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 2 << none
                                    << "Opção desconhecida: “bogus”. Veja as opções com velquora --help.\n" << none;
    QTest::newRow("misspelt option") << list + QStringList{"Torricelli", "--quantiade", "5"} << 2 << none
                                     << "Opção desconhecida: “quantiade”. Você quis dizer “--quantidade”?\n" << none;
    QTest::newRow("repeated option") << list + QStringList{"Torricelli", "--nivel", "1", "--nivel", "2"} << 2 << none
                                     << "A opção “--nivel” foi dada 2 vezes; dê uma só.\n" << none;
    QTest::newRow("value left out") << QStringList{"--lista", "--saida", "{saida}", "--topicos"} << 2 << none
                                    << "Falta o valor de “--topicos”.\n" << none;
    QTest::newRow("stray argument") << list + QStringList{"Torricelli", "lista2.pdf"} << 2 << none
                                    << "Argumento inesperado: “lista2.pdf”. Os valores vão depois das opções, como em "
                                       "--saida lista.pdf.\n"
                                    << none;
    QTest::newRow("options without --lista") << QStringList{"--topicos", "Torricelli", "--saida", "{saida}"} << 2 << none
                                             << "As opções --topicos, --nivel, --quantidade, --numero, --versoes e "
                                                "--saida valem só com --lista.\n"
                                             << none;
    QTest::newRow("-lista") << QStringList{"-lista", "-topicos", "Torricelli", "-saida", "{saida}"} << 0 << written << ""
                            << QStringList{"Equação de Torricelli"};
    QTest::newRow("--lista=sim") << QStringList{"--lista=sim", "--topicos", "Torricelli", "--saida", "{saida}"} << 0
                                 << written << "" << QStringList{"Equação de Torricelli"};
    QTest::newRow("--lista=talvez") << QStringList{"--lista=talvez", "--topicos", "Torricelli", "--saida", "{saida}"}
                                    << 2 << none
                                    << "A opção “--lista” não recebe valor: escreva só “--lista”, sem “=talvez”.\n"
                                    << none;
    QTest::newRow("no topics") << QStringList{"--lista", "--saida", "{saida}"} << 2 << none
                               << "Diga os tópicos da lista com --topicos, por exemplo --topicos \"Movimento "
                                  "Uniforme,Torricelli\"; velquora --listar-topicos mostra todos.\n"
                               << none;
    QTest::newRow("typo") << list + QStringList{"Movimento Uniforme,Movimento Uniformi"} << 2 << none
                          << "Tópico desconhecido: “Movimento Uniformi”. Você quis dizer “Movimento Uniforme”?\n" << none;
    QTest::newRow("unknown topic") << list + QStringList{"Teletransporte"} << 2 << none
                                   << "Tópico desconhecido: “Teletransporte”. Veja os nomes com velquora "
                                      "--listar-topicos.\n"
                                   << none;
    QTest::newRow("part of two names") << list + QStringList{"Lei de Ohm"} << 2 << none
                                       << "“Lei de Ohm” pode ser: 1ª Lei de Ohm, 2ª Lei de Ohm.\n" << none;
    QTest::newRow("shared name") << list + QStringList{"Frequência para Período"} << 2 << none
                                 << "“Frequência para Período” pode ser: Cinemática: Frequência para Período, Ondas: "
                                    "Frequência para Período.\n"
                                 << none;
    QTest::newRow("another area's topic") << list + QStringList{"Cinemática: Distância"} << 2 << none
                                          << "Cinemática não tem o tópico “Distância”; Ondas tem: escreva “Ondas: "
                                             "Distância”.\n"
                                          << none;
    QTest::newRow("shared name with its area") << list + QStringList{"Ondas: Frequência para Período"} << 0 << written
                                               << "" << QStringList{"Relação entre Período e Frequência de uma Onda"};
    QTest::newRow("area") << list + QStringList{"Eletrodinâmica", "--quantidade", "13"} << 0 << written << ""
                          << QStringList{"Intensidade da Corrente Elétrica", "Lei de Pouillet",
                                         "Potência Dissipada em Função da Corrente"};
    QTest::newRow("area without accents, fewer exercises than topics")
        << list + QStringList{"eletrodinamica", "--quantidade", "2"} << 0 << written
        << "Aviso: 13 tópicos e 2 exercícios; os últimos 11 tópicos ficaram fora da lista.\n"
        << QStringList{"Intensidade da Corrente Elétrica, 1ª Lei de Ohm ·"};
    QTest::newRow("case, accents and spaces") << list + QStringList{"  movimento   UNIFORME ,pressao hidrostatica"} << 0
                                              << written << "" << QStringList{"Movimento Uniforme, Pressão Hidrostática"};
    QTest::newRow("book names, one level marked")
        << list + QStringList{"Refexão Interna Total,Amplição,Clayperon,Escalas de °C para °F"} << 0 << written << ""
        << QStringList{"Reflexão Interna Total", "Ampliação", "Equação de Clapeyron",
                       "Conversão entre as Escalas Celsius e Fahrenheit (nível único)"};
    QTest::newRow("degree sign printed") << list + QStringList{"Escalas de ºC para ºF", "--quantidade", "4"} << 0 << written
                                         << "" << QStringList{"°F", "°C"};
    QTest::newRow("level 2") << list + QStringList{"Movimento Uniforme", "--nivel", "2", "--numero", "4821"} << 0
                             << QStringList{"Lista gravada em", ": 10 exercícios, nível 2, nº 4821."} << ""
                             << header + QStringList{"Nível 2 – com conversões", "Exercício 4821-1", "Lista nº 4821"};
    QTest::newRow("quantity 0") << list + QStringList{"Torricelli", "--quantidade", "0"} << 2 << none
                                << "A quantidade deve ser de 1 a 50, não “0”.\n" << none;
    QTest::newRow("quantity 51") << list + QStringList{"Torricelli", "--quantidade", "51"} << 2 << none
                                 << "A quantidade deve ser de 1 a 50, não “51”.\n" << none;
    QTest::newRow("level 3") << list + QStringList{"Torricelli", "--nivel", "3"} << 2 << none
                             << "O nível deve ser 1 ou 2, não “3”.\n" << none;
    QTest::newRow("number 0") << list + QStringList{"Torricelli", "--numero", "0"} << 2 << none
                              << "O número da lista deve ser de 1 a 999999999, não “0”.\n" << none;
    QTest::newRow("number 48a") << list + QStringList{"Torricelli", "--numero", "48a"} << 2 << none
                                << "O número da lista deve ser de 1 a 999999999, não “48a”.\n" << none;
    QTest::newRow("versions 0") << list + QStringList{"Torricelli", "--versoes", "0"} << 2 << none
                                << "O número de versões deve ser de 1 a 6, não “0”.\n" << none;
    QTest::newRow("versions 7") << list + QStringList{"Torricelli", "--versoes", "7"} << 2 << none
                                << "O número de versões deve ser de 1 a 6, não “7”.\n" << none;
    QTest::newRow("versions 2") << list + QStringList{"Torricelli", "--versoes", "2", "--numero", "4821"} << 0
                                << QStringList{", 2 versões (A a B)."} << ""
                                << QStringList{"Versão A · Lista nº 4821", "Versão B · Lista nº 4822", "Exercício 4821-1",
                                               "Exercício 4822-1", "Gabarito – Versão A", "Gabarito – Versão B"};
    QTest::newRow("no output") << QStringList{"--lista", "--topicos", "Torricelli"} << 2 << none
                               << "Diga o arquivo da lista com --saida, por exemplo --saida lista.pdf.\n" << none;
    QTest::newRow("full disk") << QStringList{"--lista", "--topicos", "Torricelli", "--saida", "/dev/full"} << 2 << none
                               << "Não foi possível gravar a lista em “/dev/full”: a gravação falhou (o disco pode "
                                  "estar cheio).\n"
                               << none;
    QTest::newRow("no such folder") << QStringList{"--lista", "--topicos", "Torricelli", "--saida", "{pasta}/sem/lista.pdf"}
                                    << 2 << none << "Não foi possível gravar a lista em “{pasta}/sem/lista.pdf”: a pasta "
                                                    "“{pasta}/sem” não existe.\n"
                                    << none;
}

void TestExerciseCli::command()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    QFETCH(QStringList, pdf);
    if (arguments.contains(u"/dev/full") && !QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full here");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    for (QString& a : arguments)
        a.replace(QStringLiteral("{saida}"), path).replace(QStringLiteral("{pasta}"), dir.path());
    err.replace(QStringLiteral("{pasta}"), dir.path());

    const Run run = velquora(arguments);
    QCOMPARE(run.err, err);
    QCOMPARE(run.exitCode, exitCode);
    for (const QString& expected : out)
        QVERIFY2(run.out.contains(expected), qPrintable(run.out));
    if (exitCode != 0)
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    // Qt's own sentences are English: none reaches the teacher.
    QVERIFY2(!run.out.contains(QStringLiteral("Usage")) && !run.out.contains(QStringLiteral("Options")), qPrintable(run.out));

    QFile file(path);
    QCOMPARE(file.exists(), !pdf.isEmpty());
    if (pdf.isEmpty())
        return;
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    const QString text = pdfText(path);
    if (text.isNull())
        QSKIP("pdftotext is not installed (poppler-utils)");
    // The PDF's ligatures ("ﬂ") read as their letters.
    const QString letters = text.normalized(QString::NormalizationForm_KC).simplified();
    for (const QString& expected : pdf) {
        QVERIFY2(letters.contains(expected.normalized(QString::NormalizationForm_KC)),
                 qPrintable(expected + u'\n' + text.left(2000)));
    }
    // Temperatures and angles with the degree sign; "nº" is an ordinal.
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("\\dº|º[CF]"))), qPrintable(text.left(2000)));
}

// The example the help gives runs as written.
void TestExerciseCli::helpExample()
{
    const Run help = velquora({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const QRegularExpressionMatch example = QRegularExpression(QStringLiteral("^\\s*velquora (--lista .*)$"),
                                                               QRegularExpression::MultilineOption)
                                                .match(help.out);
    QVERIFY2(example.hasMatch(), qPrintable(help.out));
    QStringList arguments = QProcess::splitCommand(example.captured(1));
    const qsizetype output = arguments.indexOf(QStringLiteral("--saida"));
    QVERIFY(output > 0 && output + 1 < arguments.size());
    QTemporaryDir dir;
    arguments[output + 1] = dir.filePath(arguments[output + 1]);
    const Run run = velquora(arguments);
    QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(run.err));
    QVERIFY(QFile::exists(arguments[output + 1]));
}

// A long list at level 2: each page of exercises after the first begins with an
// exercise's number, never with answer lines carried over, and the answer key starts on
// a page of its own.
void TestExerciseCli::pagesHoldStatements()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    const Run run = velquora({QStringLiteral("--lista"), QStringLiteral("--topicos"),
                              QStringLiteral("Movimento Uniforme,Torricelli,Lei de Coulomb"), QStringLiteral("--nivel"),
                              QStringLiteral("2"), QStringLiteral("--quantidade"), QStringLiteral("50"),
                              QStringLiteral("--saida"), path});
    QCOMPARE(run.exitCode, 0);
    if (pdfText(path).isNull())
        QSKIP("pdftotext is not installed (poppler-utils)");
    int page = 2;
    for (QString top = topWord(path, page); !pdfText(path, page).contains(QStringLiteral("Gabarito")); top = topWord(path, ++page)) {
        QVERIFY2(page < 40, "no answer key");
        // The top margin is 15 mm, 43 points: nothing above the number, not even lines.
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\. 4[2-4]$")).match(top).hasMatch(),
                 qPrintable(QStringLiteral("page %1 begins with “%2”").arg(page).arg(top)));
    }
    QVERIFY2(page > 3, "fifty exercises on three pages");
    QVERIFY(topWord(path, page).startsWith(QStringLiteral("Gabarito ")));
}

QTEST_GUILESS_MAIN(TestExerciseCli)
#include "tst_exercisecli.moc"
