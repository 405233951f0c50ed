#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Names typed by a person, compared the way a reader would: "pressao  HIDROSTATICA" is
// "Pressão Hidrostática", "ºC" and "°C" are the same, and a typo is a short distance.
namespace NameMatch {

// Lower case, without accents or degree signs, punctuation as spaces, spaces simplified:
// "1ª Lei de Ohm" → "1a lei de ohm", "Escalas de ºC para ºF" → "escalas de c para f".
QString normalised(QStringView name);

// Insertions, deletions and substitutions that turn one into the other.
int distance(QStringView a, QStringView b);

// The candidates nearest to `typed` (compared as given: normalise both first), when
// they are near enough to be a typo of it; at most `most`, in the candidates' order.
QStringList nearest(QStringView typed, const QStringList& candidates, int most = 3);

}
