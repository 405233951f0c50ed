#include "app/NameMatch.h"

#include <algorithm>
#include <vector>

namespace NameMatch {

QString normalised(QStringView name)
{
    QString text = name.toString();
    // Both signs are typed for degrees; neither tells two topics apart.
    text.remove(u'º').remove(u'°');
    // The compatibility form also turns "ª" into "a" and "₀" into "0".
    text = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(text.size());
    for (const QChar c : std::as_const(text)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        out += c.isLetterOrNumber() ? c.toLower() : QChar(u' ');
    }
    return out.simplified();
}

int distance(QStringView a, QStringView b)
{
    std::vector<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

QStringList nearest(QStringView typed, const QStringList& candidates, int most)
{
    // A typo changes a few letters; more than a quarter of the name is another name.
    const int nearEnough = std::max(2, int(typed.size()) / 4);
    int best = nearEnough + 1;
    QStringList out;
    for (const QString& candidate : candidates) {
        const int d = distance(typed, candidate);
        if (d < best) {
            best = d;
            out.clear();
        }
        if (d == best && !out.contains(candidate) && out.size() < most)
            out << candidate;
    }
    return out;
}

}
