// The progress file as students meet it: two copies of the program answering on one
// file, counts that grow past 32 bits, files that are not progress (damaged, of another
// version, too big, with too many topics) set aside, and one that cannot be set aside
// left as it is.
#include "catalogue/ProblemCatalogue.h"
#include "exercises/Progress.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void twoCopiesKeepBothAnswers();
    void zeroingWinsOverTheFile();
    void failedSaveKeepsTheAnswers();
    void counts_data();
    void counts();
    void status_data();
    void status();
    void notProgressIsSetAside_data();
    void notProgressIsSetAside();
    void notSetAsideIsLeftAlone();
    void unreadableIsLeftAlone();
};

namespace {

const QString uniform = QStringLiteral("ButtonXPMACCorel1");
const QString torricelli = QStringLiteral("ButtonXPMACCorel9");

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray fileOf(qint64 tried, qint64 firstTry, qint64 streak)
{
    const QJsonObject topic{{QStringLiteral("tentados"), tried},
                            {QStringLiteral("primeiraTentativa"), firstTry},
                            {QStringLiteral("sequencia"), streak}};
    return QJsonDocument(QJsonObject{{QStringLiteral("versao"), 1},
                                     {QStringLiteral("topicos"), QJsonObject{{uniform, topic}}}})
        .toJson();
}

void answer(Progress& p, const QString& button, const char* rights)
{
    for (const char* c = rights; *c; ++c)
        p.record(button, *c == 'r');
}

// The files beside the progress file that hold one set aside.
QStringList setAside(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("progresso.json.danificado-*")}, QDir::Files);
}

}

void TestProgress::twoCopiesKeepBothAnswers()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    Progress a(path), b(path);
    a.load();
    b.load();
    answer(a, uniform, "rrw");
    QVERIFY(a.save());
    // b never read what a wrote: its save adds onto the file, not over it.
    answer(b, uniform, "rr");
    answer(b, torricelli, "r");
    QVERIFY(b.save());
    QVERIFY(!b.unsaved());
    Progress seen(path);
    seen.load();
    QCOMPARE(seen.of(uniform).tried, 5);
    QCOMPARE(seen.of(uniform).firstTry, 4);
    // a's wrong answer ended the run; b's two right ones came after it.
    QCOMPARE(seen.of(uniform).streak, 2);
    QCOMPARE(seen.of(torricelli).tried, 1);
    // After saving, each copy shows the other's answers too.
    QCOMPARE(b.of(uniform).tried, 5);
    answer(a, uniform, "r");
    QVERIFY(a.save());
    QCOMPARE(a.of(uniform).tried, 6);
    QCOMPARE(a.of(uniform).streak, 3);
    QCOMPARE(a.of(torricelli).tried, 1);
    seen.load();
    QCOMPARE(seen.of(uniform).tried, 6);
    QCOMPARE(seen.of(torricelli).tried, 1);
    QVERIFY(!QFile::exists(path + QStringLiteral(".lock")));
}

void TestProgress::zeroingWinsOverTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    Progress a(path), b(path);
    a.load();
    b.load();
    answer(b, uniform, "rr");
    QVERIFY(b.save());
    // "Zerar progresso" clears what the other copy saved as well...
    a.clear();
    QVERIFY(a.save());
    Progress seen(path);
    seen.load();
    QCOMPARE(seen.of(uniform).tried, 0);
    // ...and answers after it count from nothing.
    answer(b, uniform, "w");
    QVERIFY(b.save());
    seen.load();
    QCOMPARE(seen.of(uniform).tried, 1);
    QCOMPARE(seen.of(uniform).firstTry, 0);
}

void TestProgress::failedSaveKeepsTheAnswers()
{
    QTemporaryDir dir;
    // The folder the file goes in is a file: nothing can be written there.
    const QString folder = dir.filePath(QStringLiteral("dados"));
    write(folder, "não é uma pasta");
    Progress p(folder + QStringLiteral("/progresso.json"));
    p.load();
    answer(p, uniform, "rw");
    QVERIFY(!p.save());
    QVERIFY(p.problem().startsWith(QStringLiteral("Não foi possível gravar o progresso")));
    QVERIFY(p.unsaved());
    QVERIFY(QFile::remove(folder));
    QVERIFY(p.save());
    QVERIFY(p.problem().isEmpty());
    Progress seen(p.path());
    seen.load();
    QCOMPARE(seen.of(uniform).tried, 2);
    QCOMPARE(seen.of(uniform).firstTry, 1);
}

void TestProgress::counts_data()
{
    QTest::addColumn<QByteArray>("file");
    // r, w or nothing recorded and saved after loading.
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<qint64>("tried");
    QTest::addColumn<qint64>("firstTry");
    QTest::addColumn<QString>("status");
    const qint64 max = Progress::maxCount, int32 = 2147483647;
    QTest::newRow("300 million of 300 million") << fileOf(300000000, 300000000, 0) << "" << qint64(300000000)
                                                << qint64(300000000) << "Bom";
    QTest::newRow("past 2^31 - 1") << fileOf(int32, int32, 0) << "r" << int32 + 1 << int32 + 1 << "Bom";
    QTest::newRow("at the cap") << fileOf(max, max, max) << "r" << max << max << "Domina";
    QTest::newRow("wrong at the cap") << fileOf(max, max - 1, max - 1) << "w" << max << max - 1 << "Bom";
    QTest::newRow("past the cap in the file")
        << QByteArray(R"({"versao":1,"topicos":{"ButtonXPMACCorel1":{"tentados":1e300,"primeiraTentativa":1e300,"sequencia":0}}})")
        << "" << max << max << "Bom";
    QTest::newRow("negative dropped") << fileOf(-1, 0, 0) << "r" << qint64(1) << qint64(1) << "Bom";
    QTest::newRow("fraction dropped")
        << QByteArray(R"({"versao":1,"topicos":{"ButtonXPMACCorel1":{"tentados":2.5,"primeiraTentativa":1,"sequencia":0}}})")
        << "" << qint64(0) << qint64(0) << "";
    QTest::newRow("text dropped")
        << QByteArray(R"({"versao":1,"topicos":{"ButtonXPMACCorel1":{"tentados":"9","primeiraTentativa":1,"sequencia":0}}})")
        << "" << qint64(0) << qint64(0) << "";
    QTest::newRow("more right than tried dropped") << fileOf(3, 4, 0) << "" << qint64(0) << qint64(0) << "";
}

void TestProgress::counts()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, recorded);
    QFETCH(qint64, tried);
    QFETCH(qint64, firstTry);
    QFETCH(QString, status);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    write(path, file);
    Progress p(path);
    p.load();
    QVERIFY2(p.problem().isEmpty(), qPrintable(p.problem()));
    if (!recorded.isEmpty()) {
        p.record(uniform, recorded == u'r');
        QVERIFY(p.save());
    }
    Progress seen(path);
    seen.load();
    for (const Progress* each : {&p, &seen}) {
        QCOMPARE(each->of(uniform).tried, tried);
        QCOMPARE(each->of(uniform).firstTry, firstTry);
        QCOMPARE(Progress::status(each->of(uniform)), status);
    }
}

void TestProgress::status_data()
{
    QTest::addColumn<qint64>("tried");
    QTest::addColumn<qint64>("firstTry");
    QTest::addColumn<qint64>("streak");
    QTest::addColumn<QString>("status");
    QTest::newRow("nothing yet") << qint64(0) << qint64(0) << qint64(0) << "";
    QTest::newRow("69 %") << qint64(100) << qint64(69) << qint64(4) << "Praticando";
    QTest::newRow("70 %") << qint64(10) << qint64(7) << qint64(0) << "Bom";
    QTest::newRow("five in a row") << qint64(20) << qint64(5) << qint64(5) << "Domina";
    QTest::newRow("69 % of billions") << qint64(100) * 1000000000 << qint64(69) * 1000000000 << qint64(0) << "Praticando";
    QTest::newRow("70 % near the cap") << Progress::maxCount << Progress::maxCount / 10 * 7 + 1 << qint64(0) << "Bom";
}

void TestProgress::status()
{
    QFETCH(qint64, tried);
    QFETCH(qint64, firstTry);
    QFETCH(qint64, streak);
    QFETCH(QString, status);
    QCOMPARE(Progress::status({tried, firstTry, streak}), status);
}

void TestProgress::notProgressIsSetAside_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("why");
    QTest::newRow("not JSON") << QByteArray("{ isto não é JSON") << "estava danificado";
    QTest::newRow("a list") << QByteArray("[1, 2]") << "estava danificado";
    QTest::newRow("no version") << QByteArray(R"({"topicos":{}})") << "estava danificado";
    QTest::newRow("another version") << QByteArray(R"({"versao":2,"topicos":{}})")
                                     << "é de outra versão do Velquora (versão 2)";
    // Valid progress, but more than a megabyte of it.
    QByteArray big = fileOf(3, 2, 1);
    big.insert(1, QByteArray(Progress::maxFileSize, ' '));
    QTest::newRow("over 1 MB") << big << "passava de 1 MB";
    qsizetype topics = 0;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas())
        topics += qsizetype(area.problems.size());
    QJsonObject many;
    for (qsizetype i = 0; i <= topics; ++i)
        many.insert(QStringLiteral("t%1").arg(i), QJsonObject{{QStringLiteral("tentados"), 1}});
    QTest::newRow("more topics than the catalogue")
        << QJsonDocument(QJsonObject{{QStringLiteral("versao"), 1}, {QStringLiteral("topicos"), many}}).toJson()
        << QStringLiteral("tinha %1 tópicos").arg(topics + 1);
}

void TestProgress::notProgressIsSetAside()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    write(path, file);
    Progress p(path);
    p.load();
    QVERIFY2(p.problem().startsWith(QStringLiteral("O arquivo de progresso ") + why), qPrintable(p.problem()));
    QVERIFY(p.problem().contains(QStringLiteral("foi guardado como")));
    QVERIFY(!QFile::exists(path));
    const QStringList aside = setAside(dir);
    QCOMPARE(aside.size(), 1);
    QVERIFY(p.problem().contains(aside.front()));
    QFile kept(dir.filePath(aside.front()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), file);
    QCOMPARE(p.of(uniform).tried, 0);
    // Progress starts again in a file of this version.
    p.record(uniform, true);
    QVERIFY(p.save());
    Progress seen(path);
    seen.load();
    QVERIFY(seen.problem().isEmpty());
    QCOMPARE(seen.of(uniform).tried, 1);
}

void TestProgress::notSetAsideIsLeftAlone()
{
    // A read-only folder that even root cannot rename in.
    const QString path = QStringLiteral("/proc/version");
    if (!QFile::exists(path))
        QSKIP("no /proc on this system");
    Progress p(path);
    p.load();
    QVERIFY2(p.problem().startsWith(QStringLiteral("O arquivo de progresso /proc/version estava danificado, mas não "
                                                   "pôde ser renomeado para /proc/version.danificado-")),
             qPrintable(p.problem()));
    QVERIFY(p.problem().contains(QStringLiteral("não será gravado")));
    QVERIFY(!p.problem().contains(QStringLiteral("guardado como")));
    p.record(uniform, true);
    QVERIFY(!p.save());
    QCOMPARE(p.of(uniform).tried, 1);
    QVERIFY(QFile::exists(path));
}

void TestProgress::unreadableIsLeftAlone()
{
    QTemporaryDir dir;
    // A folder where the file should be cannot be read as one.
    const QString path = dir.filePath(QStringLiteral("progresso.json"));
    QVERIFY(QDir().mkdir(path));
    Progress p(path);
    p.load();
    QVERIFY2(p.problem().startsWith(QStringLiteral("Não foi possível ler o progresso")), qPrintable(p.problem()));
    p.record(uniform, false);
    QVERIFY(!p.save());
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(setAside(dir).isEmpty());
}

QTEST_GUILESS_MAIN(TestProgress)
#include "tst_progress.moc"
