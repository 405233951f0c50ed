#include "exercises/AnswerReader.h"

#include "engine/NumberText.h"

#include <QRegularExpression>
#include <cfloat>
#include <cmath>

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

QString quoted(QStringView text) { return u'“' + text.toString() + u'”'; }

// What follows the number is a unit only if it starts like one.
bool startsLikeUnit(QStringView rest)
{
    const QChar c = rest.front();
    return c.isLetter() || c == u'º' || c == u'°' || c == u'µ' || c == u'Ω' || c == QChar(0x03bc) || c == QChar(0x2126);
}

// "5.895": thousands or a decimal point? Either reading is common, so the student says.
QString ambiguous(QStringView typed, const QString& sign, const QString& mantissa, const QString& unit)
{
    QString whole = mantissa, decimal = mantissa;
    whole.remove(u'.');
    decimal.replace(u'.', u',');
    const QString after = unit.isEmpty() ? QString() : u' ' + unit;
    return QStringLiteral("%1 é %2 ou %3? Escreva sem ponto de milhar, com vírgula nos decimais.")
        .arg(quoted(typed), sign + whole + after, sign + decimal + after);
}

}

Answer read(QStringView typed)
{
    Answer a;
    const QString original = typed.trimmed().toString();
    if (original.isEmpty())
        return a;
    a.status = Answer::Unreadable;
    QString text = original;
    text.replace(u'−', u'-');
    for (char16_t space : {u'\u00a0', u'\u202f', u'\u2009'})
        text.replace(QChar(space), u' ');
    // Groups of thousands as the key prints them: "12 500" is one number, "2 3" is two.
    static const QRegularExpression spaced(QStringLiteral("^([+-]?\\d{1,3})((?: \\d{3})+)(?![\\d^⁰¹²³⁴⁵⁶⁷⁸⁹])"));
    if (const QRegularExpressionMatch m = spaced.match(text); m.hasMatch())
        text = m.captured(1) + m.captured(2).remove(u' ') + text.mid(m.capturedEnd());
    // A power of ten alone, "10^3" or "10³", is 1 × 10³.
    static const QRegularExpression powerAlone(QStringLiteral("^([+-]?)\\s*(?=10\\s*[\\^⁰¹²³⁴⁵⁶⁷⁸⁹⁻⁺])"));
    text.replace(powerAlone, QStringLiteral("\\1 1×"));
    // A point before 10^ is a product, as Brazilian books write "3.10^8".
    static const QRegularExpression pointTimes(QStringLiteral("\\.\\s*(?=10\\s*[\\^⁰¹²³⁴⁵⁶⁷⁸⁹⁻⁺])"));
    text.replace(pointTimes, QStringLiteral("×"));
    // The E of a calculator is written against its digits ("3E8", "3e-8"): "10 e 5" is
    // not a number.
    static const QRegularExpression form(QStringLiteral(
        "^([+-]?)\\s*(\\d{1,3}(?:\\.\\d{3})+,\\d*|\\d{1,3}(?:\\.\\d{3}){2,}|\\d+(?:[.,]\\d*)?|[.,]\\d+)"
        "(?:[eE]([+-]?\\d+)|\\s*[x×X·*]\\s*10\\s*(?:\\^\\s*\\(?\\s*([+-]?\\d+)\\s*\\)?|([⁻⁺]?[⁰¹²³⁴⁵⁶⁷⁸⁹]+)))?"
        "\\s*(.*)$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return a;
    const QString rest = m.captured(6).trimmed();
    static const QRegularExpression spacedE(QStringLiteral("^[eE]\\s*[+-]?\\s*\\d"));
    if (rest.contains(spacedE)) {
        a.problem = QStringLiteral("Não entendi %1: uma potência de dez se escreve junto do número, como 3e8 ou 3 × 10^8.")
                        .arg(quoted(original));
        return a;
    }
    static const QRegularExpression anotherNumber(QStringLiteral("(^|\\s)[+-]?[\\d.,]"));
    if (!rest.isEmpty() && (!startsLikeUnit(rest) || rest.contains(anotherNumber)))
        return a;
    QString exponent = m.captured(3);
    if (exponent.isEmpty())
        exponent = m.captured(4);
    if (exponent.isEmpty())
        exponent = plainExponent(m.captured(5));
    QString mantissa = m.captured(2);
    static const QRegularExpression grouped(QStringLiteral("^\\d{1,3}(\\.\\d{3})+(,\\d*)?$"));
    static const QRegularExpression pointThree(QStringLiteral("^[1-9]\\d{0,2}\\.\\d{3}$"));
    if (mantissa.contains(u',') || mantissa.count(u'.') > 1) {
        if (mantissa.contains(u'.') && !mantissa.contains(grouped))
            return a;
        mantissa.remove(u'.');
    } else if (exponent.isEmpty() && mantissa.contains(pointThree)) {
        a.problem = ambiguous(original, m.captured(1), mantissa, rest);
        return a;
    }
    mantissa.replace(u'.', u',');
    QString number = m.captured(1) + (mantissa.startsWith(u',') ? u'0' + mantissa : mantissa);
    if (number.endsWith(u','))
        number.chop(1);
    if (!exponent.isEmpty())
        number += u'E' + exponent;
    try {
        a.value = NumberText::toNumber(number, u',');
    } catch (const EngineError& e) {
        if (e.kind() == EngineError::Kind::Overflow)
            a.problem = QStringLiteral("%1 é grande demais.").arg(quoted(original));
        else if (e.kind() == EngineError::Kind::OutOfRange)
            a.problem = QStringLiteral("%1 é pequeno demais.").arg(quoted(original));
        return a;
    }
    // Beyond what a field of the calculator holds, no answer of a school exercise lies.
    const long double size = std::fabs(a.value.value());
    if (size > DBL_MAX || (size != 0 && size < DBL_MIN)) {
        const QString why = size > 1 ? QStringLiteral("%1 é grande demais.") : QStringLiteral("%1 é pequeno demais.");
        a.problem = why.arg(quoted(original));
        return a;
    }
    a.status = Answer::Read;
    a.mantissa = mantissa;
    a.unit = rest;
    return a;
}

QString unitSpelling(QStringView typed)
{
    QString u = typed.trimmed().toString();
    u.replace(QChar(0x03bc), QChar(0x00b5));
    u.replace(QChar(0x2126), QChar(0x03a9));
    u.replace(u'°', u'º');
    const auto rule = [](const char* pattern) {
        return QRegularExpression(QString::fromUtf8(pattern), QRegularExpression::CaseInsensitiveOption);
    };
    static const QRegularExpression celsius = rule("^graus?\\s+(celsius|c)$"), fahrenheit = rule("^graus?\\s+(fahrenheit|f)$"),
                                    degrees = rule("^graus?$"), ohm = rule("ohms?"), letterDegree = rule("^o(?=[cf]$)"),
                                    degreeSpace = rule("º\\s+"), micro = rule("^u(?=[a-zΩ])"),
                                    product = rule("(?<=[\\p{L})])\\s*[.*]\\s*(?=[\\p{L}(])"),
                                    inverse = rule("(?<=[\\p{L})])\\^?-1$"), square = rule("(?<=[\\p{L})])\\^?2(?!\\d)"),
                                    cube = rule("(?<=[\\p{L})])\\^?3(?!\\d)");
    if (u.contains(celsius))
        return QStringLiteral("ºC");
    if (u.contains(fahrenheit))
        return QStringLiteral("ºF");
    if (u.contains(degrees))
        return QStringLiteral("º");
    u.replace(ohm, QStringLiteral("Ω"));
    u.replace(letterDegree, QStringLiteral("º"));
    u.replace(degreeSpace, QStringLiteral("º"));
    u.replace(micro, QStringLiteral("µ"));
    u.replace(product, QStringLiteral("·"));
    u.replace(inverse, QStringLiteral("⁻¹"));
    u.replace(square, QStringLiteral("²"));
    u.replace(cube, QStringLiteral("³"));
    return u;
}

}
