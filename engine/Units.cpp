#include "engine/Units.h"

#include "engine/NumberText.h"

#include <QHash>
#include <QRegularExpression>

namespace Units {

namespace {

// Each kind's first unit is its base. The calorie is 4,186 J, as school books in Brazil
// have it; temperatures use K = ºC + 273, as the program's own scale pages do.
const Unit length[] = {{"m"}, {"mm", "1", "1000"}, {"cm", "1", "100"}, {"dm", "1", "10"}, {"km", "1000"}};
const Unit area[] = {{"m²"}, {"mm²", "1", "1000000"}, {"cm²", "1", "10000"}, {"km²", "1000000"}};
const Unit volume[] = {{"m³"}, {"L", "1", "1000"}, {"mL", "1", "1000000"}, {"cm³", "1", "1000000"}, {"dm³", "1", "1000"}};
const Unit time[] = {{"s"}, {"min", "60"}, {"h", "3600"}};
const Unit speed[] = {{"m/s"}, {"km/h", "1", "3,6"}, {"cm/s", "1", "100"}};
const Unit acceleration[] = {{"m/s²"}, {"cm/s²", "1", "100"}};
const Unit frequency[] = {{"Hz"}, {"kHz", "1000"}, {"MHz", "1000000"}, {"rpm", "1", "60"}};
// With the program's own π, 3,1416, as the angular-velocity page has it.
const Unit angularVelocity[] = {{"rad/s"}, {"rpm", "6,2832", "60"}};
const Unit mass[] = {{"kg"}, {"g", "1", "1000"}, {"mg", "1", "1000000"}, {"t", "1000"}};
const Unit density[] = {{"kg/m³"}, {"g/cm³", "1000"}, {"kg/L", "1000"}, {"g/L", "1"}};
const Unit linearDensity[] = {{"kg/m"}, {"g/m", "1", "1000"}, {"g/cm", "1", "10"}};
const Unit force[] = {{"N"}, {"kgf", "9,80665"}, {"dyn", "1", "100000"}};
const Unit energy[] = {{"J"}, {"cal", "4,186"}, {"kcal", "4186"}, {"kWh", "3600000"}, {"eV", "0,0000000000000000001602176634"}};
const Unit power[] = {{"W"}, {"watts", "1", "1", "0", "0", true}, {"kW", "1000"}, {"cv", "735,49875"}, {"HP", "745,69987158227022"}};
const Unit pressure[] = {{"N/m²"}, {"atm", "101325"}, {"mmHg", "101325", "760"}, {"cmHg", "101325", "76"}, {"bar", "100000"}, {"kPa", "1000"}};
const Unit temperature[] = {{"K"}, {"ºC", "1", "1", "0", "273"}, {"ºF", "5", "9", "-32", "273"}};
const Unit perDegree[] = {{"ºC⁻¹"}, {"K⁻¹"}, {"ºF⁻¹", "9", "5"}};
const Unit specificHeat[] = {{"J/(kg·K)"}, {"cal/g.ºC", "4186"}, {"cal/gºC", "4186", "1", "0", "0", true}, {"J/(g·ºC)", "1000"}};
const Unit heatCapacity[] = {{"J/K"}, {"cal/ºC", "4,186"}, {"kcal/ºC", "4186"}};
const Unit latentHeat[] = {{"J/kg"}, {"cal/g", "4186"}, {"kcal/kg", "4186"}, {"kJ/kg", "1000"}};
const Unit charge[] = {{"C"}, {"mC", "1", "1000"}, {"µC", "1", "1000000"}, {"nC", "1", "1000000000"}, {"pC", "1", "1000000000000"}};
const Unit current[] = {{"A"}, {"C/s", "1", "1", "0", "0", true}, {"mA", "1", "1000"}, {"µA", "1", "1000000"}};
const Unit potential[] = {{"V"}, {"v", "1", "1", "0", "0", true}, {"mV", "1", "1000"}, {"kV", "1000"}};
const Unit resistance[] = {{"Ω"}, {"kΩ", "1000"}, {"MΩ", "1000000"}};
const Unit resistivity[] = {{"Ω.m"}, {"Ω.cm", "1", "100"}, {"Ω.mm²/m", "1", "1000000"}};

const Kind kindTable[] = {
    {"comprimento", length}, {"área", area}, {"volume", volume}, {"tempo", time},
    {"velocidade", speed}, {"aceleração", acceleration}, {"frequência", frequency},
    {"velocidade angular", angularVelocity}, {"massa", mass}, {"densidade", density},
    {"densidade linear", linearDensity}, {"força", force}, {"energia", energy}, {"potência", power},
    {"pressão", pressure}, {"temperatura", temperature}, {"coeficiente de dilatação", perDegree},
    {"calor específico", specificHeat}, {"capacidade térmica", heatCapacity}, {"calor latente", latentHeat},
    {"carga", charge}, {"corrente", current}, {"potencial", potential}, {"resistência", resistance},
    {"resistividade", resistivity},
};

// Units the rows show that have nothing else to be given in, or that several quantities
// share: pure numbers, amount of substance, the gas constant, angles in degrees,
// dioptres, the spring constant (and the torque row that misprints N.m as N/m),
// momentum, impulse, field strength and the electric constant's units.
const char* const withoutChoices[] = {"",      "mol",  "(constante)", "º",        "di",       "N/m",     "kg.m/s",
                                      "N.s",   "N/C",  "V/m",         "N.m²/C²",  "N.m²/C",   "J.m/C²",  "N.m²/C³"};

Number decimal(const char* commaText)
{
    return NumberText::toNumber(QString::fromUtf8(commaText), u',');
}

bool isOne(const char* text) { return QLatin1String(text) == QLatin1String("1"); }
bool isZero(const char* text) { return QLatin1String(text) == QLatin1String("0"); }

// A unit as used: a difference drops the offsets.
struct Relation
{
    Number times, over, before, after;
    bool scaled, shifted;
};

Relation relationOf(const Unit& u, bool difference)
{
    const bool shifted = !difference && (!isZero(u.before) || !isZero(u.after));
    return {decimal(u.times), decimal(u.over), shifted ? decimal(u.before) : Number(0),
            shifted ? decimal(u.after) : Number(0), !isOne(u.times) || !isOne(u.over), shifted};
}

Number toBase(Number v, const Relation& r)
{
    if (r.shifted)
        v = v + r.before;
    if (r.scaled)
        v = (v * r.times) / r.over;
    if (r.shifted)
        v = v + r.after;
    return v;
}

Number fromBase(Number v, const Relation& r)
{
    if (r.shifted)
        v = v - r.after;
    if (r.scaled)
        v = (v * r.over) / r.times;
    if (r.shifted)
        v = v - r.before;
    return v;
}

QString name(const Unit& u)
{
    return QString::fromUtf8(u.name);
}

qsizetype significantDigits(const QString& text)
{
    const QString mantissa = text.section(u'E', 0, 0);
    QString digits;
    for (QChar c : mantissa) {
        if (c.isDigit())
            digits += c;
    }
    const qsizetype first = digits.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    return first < 0 ? 0 : digits.size() - first;
}

// A factor as a decimal where it is one ("4,186", "0,001"), else as the fraction it is
// made of ("1/3,6", "101325/760").
QString factorText(const char* t1, const char* t2, const char* o1, const char* o2, QChar separator)
{
    const Number f = (decimal(t1) * decimal(t2)) / (decimal(o1) * decimal(o2));
    const QString asDecimal = NumberText::format(f, separator);
    if (NumberText::toNumber(asDecimal, separator) == f && significantDigits(asDecimal) <= 10)
        return asDecimal;
    const auto product = [&](const char* a, const char* b) {
        QStringList parts;
        for (const char* p : {a, b}) {
            if (!isOne(p))
                parts << NumberText::localized(QString::fromUtf8(p), separator);
        }
        return parts.isEmpty() ? QStringLiteral("1") : parts.join(u'·');
    };
    return product(t1, t2) + u'/' + product(o1, o2);
}

QString signedTerm(Number value, QChar separator)
{
    const QString text = NumberText::format(value, separator);
    return text.startsWith(u'-') ? QStringLiteral(" − ") + text.mid(1) : QStringLiteral(" + ") + text;
}

// How `alt` gives the row's unit, in words a student checks a book against.
QString relationText(const Unit& alt, const Unit& row, bool difference, QChar separator)
{
    const QString factor = factorText(alt.times, row.over, alt.over, row.times, separator);
    const bool shifted = !difference && (!isZero(alt.before) || !isZero(alt.after) || !isZero(row.before) || !isZero(row.after));
    if (!shifted)
        return QStringLiteral("1 %1 = %2 %3").arg(name(alt), factor, name(row));
    // row = (alt + before)·factor + ((after − row's after)·row's over/times − row's before)
    QString text = name(alt);
    if (!isZero(alt.before))
        text = u'(' + text + signedTerm(decimal(alt.before), separator) + u')';
    if (factor != QLatin1String("1"))
        text += u'·' + factor;
    const Number offset = ((decimal(alt.after) - decimal(row.after)) * decimal(row.over)) / decimal(row.times) - decimal(row.before);
    if (!(offset == Number(0)))
        text += signedTerm(offset, separator);
    return name(row) + QStringLiteral(" = ") + text;
}

}

std::span<const Kind> kinds()
{
    return kindTable;
}

std::optional<RowUnit> ofRow(QStringView unitText)
{
    // Made on first use: a topic reads the units of its rows each time it is chosen.
    static const QHash<QString, RowUnit> known = [] {
        QHash<QString, RowUnit> index;
        for (const char* none : withoutChoices)
            index.insert(QString::fromUtf8(none), RowUnit{});
        for (const Kind& k : kindTable) {
            for (const Unit& u : k.units)
                index.insert(name(u), RowUnit{&k, &u});
        }
        return index;
    }();
    QString text = unitText.trimmed().toString();
    text.replace(u'°', u'º');
    const auto it = known.constFind(text);
    return it == known.cend() ? std::nullopt : std::optional<RowUnit>(*it);
}

std::vector<Choice> choices(const RowUnit& row, bool difference, QChar decimalSeparator)
{
    std::vector<Choice> out;
    if (!row.kind)
        return out;
    for (const Unit& u : row.kind->units) {
        if (u.alias || &u == row.unit)
            continue;
        out.push_back({&u, name(u) + QStringLiteral("  (") + relationText(u, *row.unit, difference, decimalSeparator) + u')'});
    }
    return out;
}

Number toRow(Number value, const Unit& from, const Unit& row, bool difference)
{
    return fromBase(toBase(value, relationOf(from, difference)), relationOf(row, difference));
}

Number fromRow(Number value, const Unit& to, const Unit& row, bool difference)
{
    return fromBase(toBase(value, relationOf(row, difference)), relationOf(to, difference));
}

}
