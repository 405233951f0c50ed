#include "app/NotebookLineDelegate.h"

#include <QApplication>
#include <QListView>
#include <QPainter>

namespace {

constexpr int margin = 2;
constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

int textHeight(const QFontMetrics& metrics, int width, const QString& text)
{
    return text.isEmpty() ? 0 : metrics.boundingRect(QRect(0, 0, std::max(width, 1), 1 << 20), flags, text).height();
}

}

NotebookLineDelegate::NotebookLineDelegate(QListView* view)
    : QStyledItemDelegate(view)
    , m_view(view)
{
}

NotebookLineDelegate::Blocks NotebookLineDelegate::place(const QFontMetrics& metrics, const QModelIndex& index,
                                                          QPoint origin, int width) const
{
    // The widest mark sets the column, so every line starts at the same place.
    const int markWidth = std::max(metrics.horizontalAdvance(QStringLiteral("✓")),
                                   metrics.horizontalAdvance(QStringLiteral("✗")))
        + metrics.averageCharWidth() * 2;
    const int left = origin.x() + margin;
    const int textLeft = left + markWidth;
    const int textWidth = std::max(origin.x() + width - margin - textLeft, metrics.averageCharWidth() * 8);
    const int top = origin.y() + margin;
    const int lineHeight = textHeight(metrics, textWidth, index.data(ShownRole).toString());
    const int hintHeight = textHeight(metrics, textWidth, index.data(HintRole).toString());
    return {QRect(left, top, markWidth, metrics.height()), QRect(textLeft, top, textWidth, lineHeight),
            QRect(textLeft, top + lineHeight, textWidth, hintHeight)};
}

void NotebookLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const bool chosen = item.state & QStyle::State_Selected;
    QColor ink = item.palette.color(QPalette::Text);
    if (const QVariant colour = index.data(Qt::ForegroundRole); colour.isValid())
        ink = colour.value<QBrush>().color();
    if (chosen)
        ink = item.palette.color(QPalette::HighlightedText);
    const Blocks b = place(item.fontMetrics, index, item.rect.topLeft(), item.rect.width());
    painter->save();
    painter->setFont(item.font);
    painter->setPen(ink);
    painter->drawText(b.mark, flags, index.data(MarkRole).toString());
    painter->drawText(b.line, flags, index.data(ShownRole).toString());
    painter->drawText(b.hint, flags, index.data(HintRole).toString());
    painter->restore();
}

QSize NotebookLineDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    // As wide as the list shows, the text wrapped to it.
    const int width = m_view->viewport()->width();
    const Blocks b = place(item.fontMetrics, index, QPoint(0, 0), width);
    return {width, b.hint.bottom() + 1 + margin};
}
