#include "exercises/AnswerReader.h"

#include "engine/NumberText.h"

#include <QRegularExpression>

namespace AnswerReader {

namespace {

const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");

QString plainExponent(QString text)
{
    text.replace(u'⁻', u'-');
    text.replace(u'⁺', u'+');
    for (int d = 0; d < 10; ++d)
        text.replace(superscripts[d], QChar(u'0' + d));
    return text;
}

}

Answer read(QStringView typed)
{
    Answer a;
    QString text = typed.trimmed().toString();
    if (text.isEmpty())
        return a;
    text.replace(u'−', u'-');
    text.replace(u'\u00a0', u' ');
    // A point before 10^ is a product, as Brazilian books write "3.10^8".
    static const QRegularExpression pointTimes(QStringLiteral("\\.\\s*(?=10\\s*[\\^⁰¹²³⁴⁵⁶⁷⁸⁹⁻⁺])"));
    text.replace(pointTimes, QStringLiteral("×"));
    static const QRegularExpression form(QStringLiteral(
        "^([+-]?)\\s*(\\d+(?:[.,]\\d*)?|[.,]\\d+)"
        "(?:\\s*[eE]\\s*([+-]?\\d+)|\\s*[x×X·*]\\s*10\\s*(?:\\^\\s*\\(?\\s*([+-]?\\d+)\\s*\\)?|([⁻⁺]?[⁰¹²³⁴⁵⁶⁷⁸⁹]+)))?"
        "\\s*(.*)$"));
    const QRegularExpressionMatch m = form.match(text);
    a.status = Answer::Unreadable;
    if (!m.hasMatch())
        return a;
    const QString unit = m.captured(6).trimmed();
    // What follows the number is a unit only if it starts like one.
    if (!unit.isEmpty() && !(unit[0].isLetter() || unit[0] == u'º' || unit[0] == u'°' || unit[0] == u'µ' || unit[0] == u'Ω'))
        return a;
    QString mantissa = m.captured(2);
    mantissa.replace(u'.', u',');
    QString exponent = m.captured(3);
    if (exponent.isEmpty())
        exponent = m.captured(4);
    if (exponent.isEmpty())
        exponent = plainExponent(m.captured(5));
    QString number = m.captured(1) + (mantissa.startsWith(u',') ? u'0' + mantissa : mantissa);
    if (number.endsWith(u','))
        number.chop(1);
    if (!exponent.isEmpty())
        number += u'E' + exponent;
    try {
        a.value = NumberText::toNumber(number, u',');
    } catch (const EngineError&) {
        return a;
    }
    a.status = Answer::Read;
    a.mantissa = m.captured(2);
    a.unit = unit;
    return a;
}

}
