// The list without its PDF: every topic is found by its header and its book's name typed
// carelessly, and by its area; --listar-topicos names each topic once; a list never holds
// the same exercise twice, its versions differ, and a topic marked as having one level
// never gives a conversion; degrees are printed with the degree sign; a file that cannot
// take the list is never called written.
#include "exercises/Levels.h"
#include "app/ExerciseList.h"
#include "app/PdfFile.h"
#include "app/TopicNames.h"
#include "catalogue/BookNames.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class TestExerciseList : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void listing();
    void exercises_data();
    void exercises();
    void printed_data();
    void printed();
    void pdfFile();
};

namespace {

// As a hurried teacher types it: capitals, no accents, spaces around.
QString carelessly(const QString& name)
{
    QString out;
    for (const QChar c : name.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    }
    return QStringLiteral("  ") + out.toUpper().replace(u' ', QStringLiteral("  ")) + u' ';
}

QStringList buttonsOf(const ProblemCatalogue::Area& area)
{
    QStringList out;
    for (const Problems::TopicProblems& p : area.problems)
        out << QString::fromLatin1(p.button);
    return out;
}

}

void TestExerciseList::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("error");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        const QString areaName = QString::fromUtf8(area.name);
        QTest::addRow("%s", area.name) << carelessly(areaName) << buttonsOf(area) << QString();
        for (const Problems::TopicProblems& p : area.problems) {
            const QString button = QString::fromLatin1(p.button);
            const QString header = QString::fromUtf8(Catalogue::topicOfButton(button)->header);
            const QString book = BookNames::of(button);
            QVERIFY2(!book.isEmpty(), p.button);
            // A header another area's topic has too names neither.
            QStringList sharing;
            for (const Topic& other : Catalogue::topics()) {
                if (header == QString::fromUtf8(other.header))
                    sharing << QString::fromUtf8(ProblemCatalogue::areaOfButton(QString::fromLatin1(other.button))->name) + QStringLiteral(": ") + header;
            }
            const bool shared = sharing.size() > 1;
            QTest::addRow("%s header", p.button)
                << header << (shared ? QStringList() : QStringList{button})
                << (shared ? QStringLiteral("“%1” pode ser: %2.").arg(header, sharing.join(QStringLiteral(", "))) : QString());
            QTest::addRow("%s with its area", p.button) << areaName + QStringLiteral(": ") + header << QStringList{button} << QString();
            QTest::addRow("%s book", p.button) << carelessly(book) << QStringList{button} << QString();
        }
    }
}

void TestExerciseList::names()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, buttons);
    QFETCH(QString, error);
    const TopicNames::Found found = TopicNames::find(typed);
    QCOMPARE(found.buttons, buttons);
    QCOMPARE(found.error, error);
}

void TestExerciseList::listing()
{
    const QStringList lines = TopicNames::listing();
    QStringList expected;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        expected << QString::fromUtf8(area.name);
        for (const Problems::TopicProblems& p : area.problems) {
            const QString button = QString::fromLatin1(p.button);
            const QString header = QString::fromUtf8(Catalogue::topicOfButton(button)->header);
            const QString book = BookNames::of(button);
            expected << QStringLiteral("  ") + header + (book == header ? QString() : QStringLiteral(" — ") + book);
        }
    }
    QCOMPARE(lines, expected);
}

void TestExerciseList::exercises_data()
{
    QTest::addColumn<QString>("button");
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems)
            QTest::addRow("%s", p.button) << QString::fromLatin1(p.button);
    }
}

void TestExerciseList::exercises()
{
    QFETCH(QString, button);
    ExerciseList::Request request;
    request.topics = {button};
    request.level = Level::Conversions;
    request.count = ExerciseList::maxCount;
    request.number = 4821;
    request.versions = 2;
    const bool conversions = Levels::hasConversions(*ProblemCatalogue::ofButton(button));
    QStringList versionA;
    for (int version = 0; version < request.versions; ++version) {
        const std::vector<Exercise> list = ExerciseList::exercises(request, version);
        // A topic of few exercises (the mirrors' angles) runs out before fifty, never
        // into a repeat.
        QVERIFY2(int(list.size()) > request.count * 3 / 4, qPrintable(QString::number(list.size())));
        QSet<QString> texts, codes;
        bool converted = false;
        for (const Exercise& ex : list) {
            QVERIFY2(ex.valid, qPrintable(ex.code()));
            QCOMPARE(ex.number, ExerciseList::numberOf(request, version));
            QVERIFY2(!texts.contains(ex.text), qPrintable(ex.code() + u' ' + ex.text));
            texts.insert(ex.text);
            codes.insert(ex.code());
            converted = converted || ExerciseList::answerLines(ex) > ExerciseList::answerLines(Exercise{});
        }
        QCOMPARE(codes.size(), texts.size());
        // The mark of one level only is true of the whole list, and so is its absence.
        QVERIFY2(converted == conversions, qPrintable(QStringLiteral("version %1").arg(version)));
        // Neighbours with versions A and B have different exercises at the same place.
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (version == 0)
                versionA << list[i].text;
            else
                QVERIFY2(i >= std::size_t(versionA.size()) || list[i].text != versionA[qsizetype(i)], qPrintable(list[i].code()));
        }
    }
}

void TestExerciseList::printed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Celsius") << QStringLiteral("a 30 ºC") << QStringLiteral("a 30 °C");
    QTest::newRow("Fahrenheit unit asked") << QStringLiteral("em ºF?") << QStringLiteral("em °F?");
    QTest::newRow("angle") << QStringLiteral("inclinado de 30º") << QStringLiteral("inclinado de 30°");
    QTest::newRow("formula") << QStringLiteral("n = 360º / a − 1") << QStringLiteral("n = 360° / a − 1");
    QTest::newRow("per degree") << QStringLiteral("0,2 cal/(g·ºC)") << QStringLiteral("0,2 cal/(g·°C)");
    QTest::newRow("ordinal") << QStringLiteral("nº = ƒ · Δt") << QStringLiteral("nº = ƒ · Δt");
    QTest::newRow("degree sign kept") << QStringLiteral("30 °C") << QStringLiteral("30 °C");
}

void TestExerciseList::printed()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(ExerciseList::printed(text), expected);
}

void TestExerciseList::pdfFile()
{
    const QByteArray pdf = "%PDF-1.4\nlista\n%%EOF\n";
    QVERIFY(PdfFile::isComplete(pdf));
    QVERIFY(!PdfFile::isComplete(pdf.left(pdf.size() - 4)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    QString error;
    QVERIFY2(PdfFile::save(pdf, path, &error), qPrintable(error));
    QFile back(path);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), pdf);
    for (const QString& unwritable : {QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("sem/pasta.pdf")), dir.path()}) {
        if (!QFile::exists(unwritable) && unwritable == u"/dev/full")
            continue;
        error.clear();
        QVERIFY2(!PdfFile::save(pdf, unwritable, &error), qPrintable(unwritable));
        QVERIFY2(error.startsWith(QStringLiteral("Não foi possível gravar a lista")), qPrintable(error));
    }
}

QTEST_GUILESS_MAIN(TestExerciseList)
#include "tst_exerciselist.moc"
