#include "app/ExerciseList.h"

#include "catalogue/Catalogue.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

namespace ExerciseList {

namespace {

// Lays text out down the pages, starting a new page when a block does not fit.
class Pages
{
public:
    explicit Pages(QPdfWriter& writer) : m_writer(writer), m_painter(&writer)
    {
        m_width = writer.width();
        m_height = writer.height();
    }
    bool isActive() const { return m_painter.isActive(); }

    void text(const QString& text, int points, bool bold = false, int indent = 0, int after = 0)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(points);
        font.setBold(bold);
        m_painter.setFont(font);
        const QRect area(indent, 0, m_width - indent, m_height);
        const QRect needed = m_painter.boundingRect(area, Qt::TextWordWrap, text);
        room(needed.height());
        m_painter.drawText(QRect(indent, m_y, m_width - indent, needed.height()), Qt::TextWordWrap, text);
        m_y += needed.height() + after;
    }
    // Lines to answer on.
    void answerSpace(int lines)
    {
        const int step = m_height / 40;
        room(step * lines);
        m_painter.setPen(QPen(Qt::gray, 1));
        for (int i = 1; i <= lines; ++i)
            m_painter.drawLine(0, m_y + step * i, m_width, m_y + step * i);
        m_painter.setPen(Qt::black);
        m_y += step * lines + step / 2;
    }
    void newPage()
    {
        m_writer.newPage();
        m_y = 0;
    }

private:
    void room(int height)
    {
        if (m_y > 0 && m_y + height > m_height)
            newPage();
    }

    QPdfWriter& m_writer;
    QPainter m_painter;
    int m_width = 0, m_height = 0, m_y = 0;
};

QString levelName(Level level)
{
    return level == Level::Formula ? QStringLiteral("Nível 1 – valores nas unidades da fórmula")
                                   : QStringLiteral("Nível 2 – com conversões");
}

}

std::vector<Exercise> exercises(const Request& request)
{
    std::vector<Exercise> out;
    for (int i = 1; i <= request.count && !request.topics.isEmpty(); ++i)
        out.push_back(ExerciseGenerator::make(request.topics[(i - 1) % request.topics.size()], request.level, request.number, i));
    return out;
}

bool write(const Request& request, const QString& path, QString* error)
{
    const std::vector<Exercise> list = exercises(request);
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path);
        return false;
    }
    probe.close();
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Lista de exercícios – Velquora"));
    writer.setCreator(QStringLiteral("Velquora"));
    Pages pages(writer);
    if (!pages.isActive()) {
        if (error)
            *error = QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path);
        return false;
    }
    QStringList headers;
    for (const QString& button : request.topics) {
        if (const Topic* t = Catalogue::topicOfButton(button))
            headers << QString::fromUtf8(t->header);
    }
    pages.text(QStringLiteral("Lista de exercícios de Física"), 16, true, 0, 20);
    pages.text(QStringLiteral("Nome: ______________________________________________   Turma: __________"), 11, false, 0, 30);
    pages.text(headers.join(QStringLiteral(", ")) + QStringLiteral(" · ") + levelName(request.level), 9, false, 0, 40);
    int n = 0;
    for (const Exercise& ex : list) {
        ++n;
        pages.text(QStringLiteral("%1. (Exercício %2) %3").arg(n).arg(ex.code(), ex.valid ? ex.text : QStringLiteral("—")), 11);
        pages.answerSpace(4);
    }
    pages.newPage();
    pages.text(QStringLiteral("Gabarito"), 16, true, 0, 30);
    n = 0;
    for (const Exercise& ex : list) {
        ++n;
        if (!ex.valid)
            continue;
        pages.text(QStringLiteral("%1. (Exercício %2) %3").arg(n).arg(ex.code(), ex.answerText()), 11, true);
        QStringList working = ex.solution();
        working.removeLast();
        pages.text(working.join(QStringLiteral("   ")), 9, false, 60, 25);
    }
    return true;
}

QString topicNamed(QStringView header)
{
    const QString wanted = header.trimmed().toString();
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            const Topic* t = Catalogue::topicOfButton(QString::fromLatin1(p.button));
            if (t && QString::fromUtf8(t->header).compare(wanted, Qt::CaseInsensitive) == 0)
                return QString::fromLatin1(p.button);
        }
    }
    return {};
}

}
