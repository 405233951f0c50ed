// velquora --lista without a display: a PDF for known topics, and a sentence on stderr
// with a non-zero exit for an unknown topic, a bad number or a file it cannot write.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestExerciseCli : public QObject
{
    Q_OBJECT

private slots:
    void list_data();
    void list();
};

void TestExerciseCli::list_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("said");
    const QString topics = QStringLiteral("Movimento Uniforme,Torricelli");
    QTest::newRow("list") << QStringList{"--topicos", topics, "--nivel", "2", "--quantidade", "20", "--numero", "4821"}
                          << true << "";
    QTest::newRow("unknown topic") << QStringList{"--topicos", "Movimento Uniforme,Teletransporte"} << false << "Teletransporte";
    QTest::newRow("bad number") << QStringList{"--topicos", topics, "--numero", "48a"} << false << "48a";
    QTest::newRow("too many") << QStringList{"--topicos", topics, "--quantidade", "51"} << false << "51";
    QTest::newRow("bad level") << QStringList{"--topicos", topics, "--nivel", "3"} << false << "nível";
}

void TestExerciseCli::list()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, written);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    for (const QString& output : {path, dir.filePath(QStringLiteral("sem/pasta/lista.pdf"))}) {
        QProcess velquora;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        velquora.setProcessEnvironment(env);
        velquora.start(QStringLiteral(VELQUORA_BINARY), QStringList{"--lista"} + arguments + QStringList{"--saida", output});
        QVERIFY(velquora.waitForFinished(30000));
        const QString err = QString::fromUtf8(velquora.readAllStandardError());
        const bool canWrite = written && output == path;
        QCOMPARE(velquora.exitCode() == 0, canWrite);
        if (canWrite) {
            QFile pdf(path);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
        } else {
            QVERIFY2(err.contains(written ? QStringLiteral("gravar") : said), qPrintable(err));
        }
    }
}

QTEST_GUILESS_MAIN(TestExerciseCli)
#include "tst_exercisecli.moc"
