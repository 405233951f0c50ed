#include "app/ExerciseList.h"

#include "app/ListPages.h"
#include "app/PdfFile.h"
#include "catalogue/BookNames.h"
#include "catalogue/ProblemCatalogue.h"
#include "exercises/Levels.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSet>
#include <algorithm>

namespace ExerciseList {

namespace {

// Past this many indexes a topic has no other exercise to give.
constexpr int redrawsAtMost = 200;


QString listName(const Request& request, int version)
{
    const QString number = QStringLiteral("Lista nº %1").arg(numberOf(request, version));
    return request.versions > 1 ? QStringLiteral("Versão %1 · %2").arg(versionName(version), number) : number;
}

int conversions(const Exercise& exercise)
{
    const auto converted = std::count_if(exercise.givens.begin(), exercise.givens.end(),
                                         [](const Given& g) { return g.converted(); });
    return int(converted) + (exercise.answerConverted() ? 1 : 0);
}

// The topics on the list by their books' names, those with one level marked.
QString topicsLine(const Request& request)
{
    QStringList names;
    bool oneLevel = false;
    for (const QString& button : request.topics.mid(0, request.count)) {
        QString name = BookNames::of(button);
        const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
        if (problems && !Levels::hasConversions(*problems)) {
            name += QStringLiteral(" (nível único)");
            oneLevel = true;
        }
        names << name;
    }
    QString line = names.join(QStringLiteral(", ")) + QStringLiteral(" · ") + Levels::name(request.level);
    if (oneLevel)
        line += QStringLiteral(". Nível único: os valores do tópico têm uma unidade só e não pedem conversão.");
    return line;
}

void header(ListPages& pages, const Request& request, int version)
{
    const QFont title = ListPages::font(16, true);
    const QString titleText = QStringLiteral("Lista de exercícios de Física");
    // The list's name on the title's line, at the right, on the same baseline.
    pages.put(listName(request, version), ListPages::font(11, true), 0, Qt::AlignRight | Qt::AlignBottom,
              Qt::black, pages.textHeight(titleText, title) - pages.millimetres(0.8));
    pages.text(titleText, title);
    pages.skip(pages.millimetres(5));
    const QFont field = ListPages::font(11);
    pages.fields({{QStringLiteral("Escola"), 0.68}, {QStringLiteral("Data"), 0.32}}, field);
    pages.fields({{QStringLiteral("Nome"), 0.68}, {QStringLiteral("Turma"), 0.32}}, field);
    pages.text(topicsLine(request), ListPages::font(8.5));
    pages.skip(pages.millimetres(2));
    pages.rule();
    pages.skip(pages.millimetres(5));
}

void statements(ListPages& pages, const std::vector<Exercise>& list)
{
    const QFont number = ListPages::font(11, true);
    const QFont statement = ListPages::font(11);
    const QFont code = ListPages::font(7.5);
    const int gutter = pages.millimetres(9);
    const int step = pages.millimetres(8);
    const int gap = pages.millimetres(6);
    int n = 0;
    for (const Exercise& ex : list) {
        ++n;
        const QString text = printed(ex.text);
        const int lines = answerLines(ex);
        // The statement and its lines are one block: never an exercise split by a page.
        pages.keep(pages.textHeight(text, statement, gutter) + lines * step + gap);
        pages.put(QStringLiteral("%1.").arg(n), number);
        pages.text(text, statement, gutter);
        pages.put(QStringLiteral("Exercício %1").arg(ex.code()), code, gutter, Qt::AlignRight, Qt::darkGray);
        pages.answerLines(lines, step, gutter);
        pages.skip(gap);
    }
}

void answerKey(ListPages& pages, const std::vector<Exercise>& list, const Request& request, int version)
{
    pages.text(QStringLiteral("Gabarito – %1").arg(listName(request, version)), ListPages::font(16, true));
    pages.skip(pages.millimetres(5));
    const QFont answer = ListPages::font(11, true);
    const QFont working = ListPages::font(9);
    const int indent = pages.millimetres(9);
    int n = 0;
    for (const Exercise& ex : list) {
        ++n;
        const QString head = QStringLiteral("%1. %2   (Exercício %3)").arg(n).arg(printed(ex.answerText()), ex.code());
        QStringList steps = ex.solution();
        if (!steps.isEmpty())
            steps.removeLast();
        // A step of the working is not broken across two lines.
        for (QString& s : steps)
            s = printed(s).replace(u' ', QChar::Nbsp);
        const QString work = steps.join(QStringLiteral("    "));
        pages.keep(pages.textHeight(head, answer) + pages.textHeight(work, working, indent) + pages.millimetres(4));
        pages.text(head, answer);
        pages.text(work, working, indent);
        pages.skip(pages.millimetres(4));
    }
}

}

std::uint32_t numberOf(const Request& request, int version)
{
    return request.number + std::uint32_t(version);
}

QString versionName(int version)
{
    return QString(QChar(u'A' + version));
}

std::vector<Exercise> exercises(const Request& request, int version)
{
    std::vector<Exercise> out;
    if (request.topics.isEmpty())
        return out;
    const std::uint32_t number = numberOf(request, version);
    // Neighbours with different versions never share an exercise at the same place.
    std::vector<std::vector<Exercise>> earlier;
    for (int v = 0; v < version; ++v)
        earlier.push_back(exercises(request, v));
    QSet<QString> seen;
    // Topics with no new exercise left (a few angles make all the mirror exercises).
    QSet<QString> spent;
    for (int i = 1; i <= request.count; ++i) {
        for (qsizetype t = 0; t < request.topics.size(); ++t) {
            const QString& button = request.topics[(i - 1 + t) % request.topics.size()];
            if (spent.contains(button))
                continue;
            const auto taken = [&](const Exercise& ex) {
                if (seen.contains(ex.text))
                    return true;
                return std::any_of(earlier.begin(), earlier.end(), [&](const std::vector<Exercise>& list) {
                    return out.size() < list.size() && list[out.size()].text == ex.text;
                });
            };
            int index = i;
            Exercise ex = ExerciseGenerator::make(button, request.level, number, index);
            while ((!ex.valid || taken(ex)) && index < i + redrawsAtMost)
                ex = ExerciseGenerator::make(button, request.level, number, ++index);
            if (!ex.valid || taken(ex)) {
                spent.insert(button);
                continue;
            }
            seen.insert(ex.text);
            out.push_back(std::move(ex));
            break;
        }
    }
    return out;
}

QString printed(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i] != u'º')
            continue;
        const qsizetype before = i > 0 && out[i - 1] == u' ' ? i - 2 : i - 1;
        const bool afterNumber = before >= 0 && out[before].isDigit();
        const bool scale = i + 1 < out.size() && (out[i + 1] == u'C' || out[i + 1] == u'F');
        if (afterNumber || scale)
            out[i] = u'°';
    }
    return out;
}

int answerLines(const Exercise& exercise)
{
    constexpr int lines = 4;
    // A line for each conversion, up to three: a longer working is written smaller.
    return exercise.level == Level::Conversions ? lines + std::min(conversions(exercise), 3) : lines;
}

bool write(const Request& request, const QString& path, QString* error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(18, 15, 18, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Lista de exercícios – Velquora"));
        writer.setCreator(QStringLiteral("Velquora"));
        ListPages pages(writer);
        if (pages.isActive()) {
            std::vector<std::vector<Exercise>> versions;
            for (int v = 0; v < request.versions; ++v)
                versions.push_back(exercises(request, v));
            for (int v = 0; v < request.versions; ++v) {
                pages.startSection(listName(request, v));
                header(pages, request, v);
                statements(pages, versions[v]);
            }
            // The answer keys last, so the versions print without them.
            for (int v = 0; v < request.versions; ++v) {
                pages.startSection(QStringLiteral("Gabarito – %1").arg(listName(request, v)));
                answerKey(pages, versions[v], request, v);
            }
            pages.finish();
        }
    }
    if (!PdfFile::isComplete(buffer.data())) {
        if (error)
            *error = QStringLiteral("A lista não pôde ser montada em PDF.");
        return false;
    }
    return PdfFile::save(buffer.data(), path, error);
}

}
