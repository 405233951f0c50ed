#include "app/ListPages.h"

#include <QPdfWriter>

namespace {

constexpr double footerPoints = 7.5;

}

ListPages::ListPages(QPdfWriter& writer) : m_writer(writer), m_painter(&writer)
{
    m_width = writer.width();
    // The footer's line is kept clear of the text.
    m_height = writer.height() - 2 * QFontMetrics(font(footerPoints), &writer).height();
}

int ListPages::millimetres(double mm) const
{
    return qRound(mm * m_writer.resolution() / 25.4);
}

QFont ListPages::font(double points, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void ListPages::startSection(const QString& footer)
{
    if (m_started) {
        m_writer.newPage();
        m_started = false;
        m_y = 0;
    }
    m_footer = footer;
    m_page = 0;
}

void ListPages::keep(int height)
{
    if (m_started && m_y > 0 && m_y + height > m_height) {
        m_writer.newPage();
        m_started = false;
        m_y = 0;
    }
}

void ListPages::begin()
{
    if (m_started)
        return;
    m_started = true;
    ++m_page;
    const QFont f = font(footerPoints);
    m_painter.setFont(f);
    m_painter.setPen(Qt::darkGray);
    const int h = QFontMetrics(f, &m_writer).height();
    m_painter.drawText(QRect(0, m_writer.height() - h, m_width, h), Qt::AlignHCenter | Qt::AlignBottom,
                       QStringLiteral("%1 · página %2").arg(m_footer).arg(m_page));
}

int ListPages::textHeight(const QString& text, const QFont& font, int indent) const
{
    const QFontMetrics metrics(font, &m_writer);
    return metrics.boundingRect(QRect(0, 0, m_width - indent, 1 << 20), Qt::TextWordWrap, text).height();
}

void ListPages::put(const QString& text, const QFont& font, int indent, Qt::Alignment align, const QColor& colour,
                    int height)
{
    begin();
    m_painter.setFont(font);
    m_painter.setPen(colour);
    const int h = height > 0 ? height : textHeight(text, font, indent);
    m_painter.drawText(QRect(indent, m_y, m_width - indent, h), Qt::TextWordWrap | align, text);
}

void ListPages::text(const QString& text, const QFont& font, int indent)
{
    put(text, font, indent);
    m_y += textHeight(text, font, indent);
}

void ListPages::answerLines(int count, int step, int indent)
{
    begin();
    m_painter.setPen(QPen(Qt::gray, 1));
    for (int i = 1; i <= count; ++i)
        m_painter.drawLine(indent, m_y + step * i, m_width, m_y + step * i);
    m_y += step * count;
}

void ListPages::fields(const QList<QPair<QString, double>>& labelsAndShares, const QFont& font)
{
    begin();
    const QFontMetrics metrics(font, &m_writer);
    const int gap = millimetres(4);
    m_painter.setFont(font);
    int x = 0;
    for (qsizetype i = 0; i < labelsAndShares.size(); ++i) {
        const auto& [label, share] = labelsAndShares[i];
        const bool last = i == labelsAndShares.size() - 1;
        const int end = last ? m_width : x + int(share * m_width);
        const QString caption = label + u':';
        m_painter.setPen(Qt::black);
        m_painter.drawText(x, m_y + metrics.ascent(), caption);
        const int lineStart = x + metrics.horizontalAdvance(caption) + millimetres(1.5);
        const int baseline = m_y + metrics.ascent() + metrics.descent() / 2;
        m_painter.setPen(QPen(Qt::black, 2));
        m_painter.drawLine(lineStart, baseline, last ? end : end - gap, baseline);
        x = end;
    }
    m_y += metrics.height() + millimetres(4);
}

void ListPages::rule()
{
    begin();
    m_painter.setPen(QPen(Qt::black, 2));
    m_painter.drawLine(0, m_y, m_width, m_y);
}
