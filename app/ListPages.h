#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

class QPdfWriter;

// The printed list's pages: text laid down the page, blocks that move whole to the next
// page when they do not fit, lines to write on, and a footer on every page naming its
// section ("Lista nº 4821 · Versão A · página 2"). Lengths are in the writer's dots.
class ListPages
{
public:
    explicit ListPages(QPdfWriter& writer);

    bool isActive() const { return m_painter.isActive(); }
    // Finishes the document; false when the painter could not.
    bool finish() { return m_painter.end(); }

    int width() const { return m_width; }
    int millimetres(double mm) const;
    static QFont font(double points, bool bold = false);

    // The pages from here on belong to `footer`'s section, numbered from 1 on a fresh page.
    void startSection(const QString& footer);
    // A block this high goes on the next page unless it fits on this one.
    void keep(int height);
    void skip(int height) { m_y += height; }

    int textHeight(const QString& text, const QFont& font, int indent = 0) const;
    // Draws at the current height without moving down, in a box `height` high (by
    // default the text's own).
    void put(const QString& text, const QFont& font, int indent = 0, Qt::Alignment align = Qt::AlignLeft,
             const QColor& colour = Qt::black, int height = 0);
    // Draws and moves down past it.
    void text(const QString& text, const QFont& font, int indent = 0);
    // `count` lines to write on, `step` apart, from `indent` to the right margin.
    void answerLines(int count, int step, int indent);
    // "Escola: ________   Data: ______": each label followed by a line to its share of
    // the width; moves down one row.
    void fields(const QList<QPair<QString, double>>& labelsAndShares, const QFont& font);
    void rule();

private:
    void begin();

    QPdfWriter& m_writer;
    QPainter m_painter;
    int m_width = 0;
    int m_height = 0;
    int m_y = 0;
    bool m_started = false;
    int m_page = 0;
    QString m_footer;
};
