#pragma once

#include <QStyledItemDelegate>

class QListView;

// Draws a Caderno line as a notebook shows it: its mark in a column of its own, the line
// beside it, and under a wrong line its hint, both wrapped within the line's column.
class NotebookLineDelegate : public QStyledItemDelegate
{
public:
    // What an item holds besides its whole text (which screen readers and copies use).
    enum Role { MarkRole = Qt::UserRole + 1, ShownRole, HintRole };

    explicit NotebookLineDelegate(QListView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    struct Blocks
    {
        QRect mark, line, hint;
    };
    // Where the parts go in an item `width` wide whose top-left is `origin`.
    Blocks place(const QFontMetrics& metrics, const QModelIndex& index, QPoint origin, int width) const;

    QListView* m_view;
};
