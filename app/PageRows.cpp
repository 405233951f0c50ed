#include "app/PageRows.h"

#include "controls/TEdit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <vector>

namespace {

// The small pictures that stand for a character of a row.
QString signOf(const QLabel* label)
{
    struct Sign
    {
        const char* picture;
        const char16_t* text;
    };
    static const std::vector<std::pair<QImage, QString>> signs = [] {
        const Sign table[] = {{"delta_blue", u"Δ"}, {"delta_red", u"Δ"}, {"ohm", u"Ω"},   {"sigma", u"Σ"},
                              {"pi_blue", u"π"},    {"pi_red", u"π"},    {"sqrt_red", u"√"}};
        std::vector<std::pair<QImage, QString>> loaded;
        for (const Sign& s : table)
            loaded.emplace_back(QImage(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(s.picture)))
                                    .convertToFormat(QImage::Format_ARGB32),
                                QString::fromUtf16(s.text));
        return loaded;
    }();
    const QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    for (const auto& [picture, text] : signs) {
        if (image == picture)
            return text;
    }
    return {};
}

QString raised(const QString& text, bool superscript)
{
    static const QString plain = QStringLiteral("0123456789+-=()aehklmnoprstx");
    static const QString lower = QStringLiteral("₀₁₂₃₄₅₆₇₈₉₊₋₌₍₎ₐₑₕₖₗₘₙₒₚᵣₛₜₓ");
    static const QString upper = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻⁼⁽⁾");
    const QString& table = superscript ? upper : lower;
    QString out;
    for (QChar c : text) {
        const qsizetype at = plain.indexOf(c);
        if (at < 0 || at >= table.size())
            return (superscript ? QStringLiteral("^") : QStringLiteral(" ")) + text;
        out += table[at];
    }
    return out;
}

// A label of a row: a symbol or unit text, a small subscript or exponent beside one,
// or a picture standing for one character.
struct Piece
{
    QLabel* label;
    QString text;
    bool small;
};

// The pieces of one side of a row spelled as one text, left to right. A small piece or
// a sign that stands inside a text's extent fills the gap left for it there.
QString spelled(std::vector<Piece> pieces)
{
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.label->x() < b.label->x(); });
    struct Segment
    {
        const QLabel* label;
        QString text;
    };
    std::vector<Segment> out;
    const QLabel* main = nullptr;
    for (const Piece& p : pieces) {
        if (!p.small && p.label->pixmap().isNull()) {
            main = p.label;
            out.push_back({p.label, p.text});
            continue;
        }
        QString text = p.text;
        if (p.small) {
            // Lower than the text beside it is a subscript, higher an exponent.
            const bool superscript = main && p.label->geometry().center().y() < main->geometry().center().y();
            text = raised(text, superscript);
        }
        if (main && !out.empty() && p.label->x() < main->geometry().right() - 2) {
            QString& host = out.back().text;
            const QFontMetrics metrics(main->font());
            const int offset = p.label->x() - main->x();
            qsizetype at = 0;
            while (at < host.size() && metrics.horizontalAdvance(host.left(at + 1)) <= offset)
                ++at;
            // The gap left for it, a run of blanks, is taken by it.
            qsizetype from = std::min(at, host.size()), to = from;
            while (from > 0 && host[from - 1] == u' ')
                --from;
            while (to < host.size() && host[to] == u' ')
                ++to;
            host.replace(from, to - from, text);
            continue;
        }
        out.push_back({p.label, text});
    }
    // Blanks that open a text after a sign are the gap the sign stands in.
    QString joined;
    for (const Segment& s : out)
        joined += joined.isEmpty() ? s.text : QStringView(s.text).trimmed().toString();
    return joined.simplified();
}

}

PageRows::Row PageRows::rowOf(const TEdit* field)
{
    QWidget* page = field->parentWidget();
    const auto fields = page->findChildren<TEdit*>(Qt::FindDirectChildrenOnly);
    // A label belongs to the row whose field is nearest to it in height.
    const auto nearestField = [&](const QLabel* label) {
        const int centre = label->geometry().center().y();
        const TEdit* nearest = nullptr;
        for (const TEdit* f : fields) {
            if (!nearest || std::abs(f->geometry().center().y() - centre) < std::abs(nearest->geometry().center().y() - centre))
                nearest = f;
        }
        return nearest;
    };
    std::vector<Piece> symbol, unit;
    const int top = field->y() - 8, bottom = field->y() + field->height() + 8;
    for (QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const int centre = label->geometry().center().y();
        if (label->isHidden() || centre < top || centre > bottom || nearestField(label) != field)
            continue;
        const QString text = label->pixmap().isNull() ? label->text().trimmed() : signOf(label);
        if (text.isEmpty() || text == u'=')
            continue;
        const bool small = label->pixmap().isNull() && label->font().pixelSize() > 0 && label->font().pixelSize() < 16;
        const Piece piece{label, label->pixmap().isNull() ? label->text() : text, small};
        if (label->geometry().right() <= field->x() + 2 && label->x() > 36)
            symbol.push_back(piece);
        else if (label->x() >= field->geometry().right() - 2)
            unit.push_back(piece);
    }
    QList<QLabel*> unitLabels;
    for (const Piece& p : unit)
        unitLabels << p.label;
    return {spelled(symbol), spelled(unit), unitLabels};
}

void PageRows::read(const QWidget* page)
{
    m_rows.clear();
    for (const TEdit* field : page->findChildren<TEdit*>())
        m_rows.insert(field->objectName().toLatin1(), rowOf(field));
}

const PageRows::Row* PageRows::row(const char* field) const
{
    const auto it = m_rows.constFind(QByteArray::fromRawData(field, qsizetype(std::strlen(field))));
    return it == m_rows.cend() ? nullptr : &it.value();
}

QString PageRows::symbol(const char* field) const
{
    const Row* r = row(field);
    return r && !r->symbol.isEmpty() ? r->symbol : QString::fromLatin1(field);
}

QString PageRows::unit(const char* field) const
{
    const Row* r = row(field);
    return r ? r->unit : QString();
}
