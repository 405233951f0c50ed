// The arrows between the libraries, read from the sources. The linker stops a call across a
// forbidden arrow, but not a header-only type (a `Number`, a topic's table) used across one:
// this reads every `#include` of engine/, catalogue/, exercises/, plot/ and controls/ and
// fails on a project file the including library may not see.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The folders whose arrows are checked; the app, the tests and the benchmarks may see all.
const QStringList checkedFolders = {QStringLiteral("engine"), QStringLiteral("catalogue"), QStringLiteral("exercises"),
                                    QStringLiteral("plot"), QStringLiteral("controls")};

QString topFolder(const QString& relative)
{
    const qsizetype slash = relative.indexOf(u'/');
    return slash < 0 ? QString() : relative.left(slash);
}

class Layering
{
public:
    explicit Layering(const QString& root)
        : m_root(QDir(root).canonicalPath())
    {
        for (const QString& folder : checkedFolders) {
            QDirIterator it(m_root + u'/' + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                m_files.append(QDir(m_root).relativeFilePath(it.next()));
        }
        m_files.sort();
    }

    // "from → to" for every include that crosses a forbidden arrow.
    QStringList violations(const QString& folder) const
    {
        QStringList found;
        for (const QString& from : m_files) {
            if (topFolder(from) != folder)
                continue;
            for (const QString& to : includes(from)) {
                if (!allowed(from, to))
                    found.append(from + QStringLiteral(" → ") + to);
            }
        }
        return found;
    }

    // How many project files the folder's files include, allowed or not.
    int arrowCount(const QString& folder) const
    {
        int count = 0;
        for (const QString& from : m_files) {
            if (topFolder(from) == folder)
                count += int(includes(from).size());
        }
        return count;
    }

private:
    bool allowed(const QString& from, const QString& to) const
    {
        const QString source = topFolder(from), target = topFolder(to);
        if (source == target)
            return true;
        if (source == u"catalogue")
            return target == u"engine";
        if (source == u"exercises")
            return target == u"engine" || target == u"catalogue";
        // A painted field is the engine's Field and nothing more of the engine.
        if (source == u"controls") {
            const QString field = QStringLiteral("engine/Field.h");
            return to == field || reachedFrom(field).contains(to);
        }
        return false; // The engine and the plot see nothing of the project above them.
    }

    // The project files one file includes, found as the compiler finds them: a quoted name
    // beside the including file first, then from the source root.
    QStringList includes(const QString& from) const
    {
        static const QRegularExpression line(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"),
                                             QRegularExpression::MultilineOption);
        QFile file(m_root + u'/' + from);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(file.readAll());
        QStringList found;
        for (auto it = line.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            QStringList candidates;
            if (m.captured(1) == u"\"")
                candidates.append(QFileInfo(from).path() + u'/' + m.captured(2));
            candidates.append(m.captured(2));
            for (const QString& candidate : candidates) {
                const QString path = QDir::cleanPath(m_root + u'/' + candidate);
                if (QFileInfo(path).isFile() && path.startsWith(m_root + u'/')) {
                    found.append(QDir(m_root).relativeFilePath(path));
                    break;
                }
            }
        }
        return found;
    }

    QSet<QString> reachedFrom(const QString& file) const
    {
        QSet<QString> reached;
        QStringList pending {file};
        while (!pending.isEmpty()) {
            for (const QString& next : includes(pending.takeLast())) {
                if (!reached.contains(next)) {
                    reached.insert(next);
                    pending.append(next);
                }
            }
        }
        return reached;
    }

    QString m_root;
    QStringList m_files;
};

bool write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

}

class tst_Layering : public QObject
{
    Q_OBJECT

private slots:
    void sourceTree_data();
    void sourceTree();
    void arrows_data();
    void arrows();
};

void tst_Layering::sourceTree_data()
{
    QTest::addColumn<QString>("folder");
    for (const QString& folder : checkedFolders)
        QTest::newRow(qPrintable(folder)) << folder;
}

void tst_Layering::sourceTree()
{
    QFETCH(QString, folder);
    const Layering layering(QStringLiteral(VELQUORA_SOURCE_DIR));
    // Every folder's files include one another: none read means the sources were not found.
    QVERIFY(layering.arrowCount(folder) > 0);
    const QStringList found = layering.violations(folder);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// A small tree with one file of the row's: the arrow it draws is allowed or not.
void tst_Layering::arrows_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("forbidden");

    QTest::newRow("plot sees the engine") << "plot/A.cpp" << QByteArray("#include \"engine/Number.h\"\n")
                                          << "plot/A.cpp → engine/Number.h";
    QTest::newRow("plot by a relative path") << "plot/A.h" << QByteArray("#pragma once\n#include \"../engine/Number.h\"\n")
                                             << "plot/A.h → engine/Number.h";
    QTest::newRow("plot in angle brackets") << "plot/A.cpp" << QByteArray("#include <catalogue/C.h>\n")
                                            << "plot/A.cpp → catalogue/C.h";
    QTest::newRow("plot sees the app") << "plot/A.cpp" << QByteArray("  #  include \"app/X.h\" // the window\n")
                                       << "plot/A.cpp → app/X.h";
    QTest::newRow("engine sees the catalogue") << "engine/A.h" << QByteArray("#include \"catalogue/C.h\"\n")
                                               << "engine/A.h → catalogue/C.h";
    QTest::newRow("catalogue sees the exercises") << "catalogue/A.cpp" << QByteArray("#include \"exercises/E.h\"\n")
                                                  << "catalogue/A.cpp → exercises/E.h";
    QTest::newRow("exercises see a control") << "exercises/A.cpp" << QByteArray("#include \"controls/T.h\"\n")
                                             << "exercises/A.cpp → controls/T.h";
    QTest::newRow("exercises see the plot") << "exercises/A.cpp" << QByteArray("#include \"plot/P.h\"\n")
                                            << "exercises/A.cpp → plot/P.h";
    QTest::newRow("controls see a key filter") << "controls/A.cpp" << QByteArray("#include \"engine/KeyFilters.h\"\n")
                                               << "controls/A.cpp → engine/KeyFilters.h";
    QTest::newRow("controls see the Field") << "controls/A.cpp" << QByteArray("#include \"engine/Field.h\"\n") << "";
    QTest::newRow("controls see what the Field needs") << "controls/A.h" << QByteArray("#include \"engine/Number.h\"\n")
                                                       << "";
    QTest::newRow("exercises see the catalogue") << "exercises/A.cpp"
                                                 << QByteArray("#include \"catalogue/C.h\"\n#include \"engine/Number.h\"\n")
                                                 << "";
    QTest::newRow("catalogue sees the engine") << "catalogue/A.cpp" << QByteArray("#include \"engine/Field.h\"\n") << "";
    QTest::newRow("plot sees its own") << "plot/A.cpp" << QByteArray("#include \"P.h\"\n#include \"plot/P.h\"\n#include <QWidget>\n")
                                       << "";
}

void tst_Layering::arrows()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, text);
    QFETCH(QString, forbidden);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QList<std::pair<const char*, QByteArray>> tree = {
        {"engine/Number.h", "#pragma once\n#include <QString>\n"},
        {"engine/Field.h", "#pragma once\n#include \"engine/Number.h\"\n"},
        {"engine/KeyFilters.h", "#pragma once\n"},
        {"catalogue/C.h", "#pragma once\n#include \"engine/Number.h\"\n"},
        {"exercises/E.h", "#pragma once\n"},
        {"controls/T.h", "#pragma once\n#include \"engine/Field.h\"\n"},
        {"plot/P.h", "#pragma once\n"},
        {"app/X.h", "#pragma once\n"},
    };
    for (const auto& [path, content] : tree)
        QVERIFY(write(root.filePath(QString::fromLatin1(path)), content));
    QVERIFY(write(root.filePath(file), text));

    const QStringList found = Layering(root.path()).violations(topFolder(file));
    QCOMPARE(found, forbidden.isEmpty() ? QStringList() : QStringList {forbidden});
}

QTEST_APPLESS_MAIN(tst_Layering)
#include "tst_layering.moc"
