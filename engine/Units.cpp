#include "engine/Units.h"

#include "engine/ExactRatio.h"
#include "engine/NumberText.h"

#include <QHash>

namespace Units {

namespace {

// Each kind's first unit is its base. The calorie is 4,186 J, as school books in Brazil
// have it; temperatures use K = ºC + 273, as the program's own scale pages do. Turns
// become radians with the program's own π, 3,1416, as the angular-velocity page has it.
const Unit length[] = {{"m"}, {"mm", "1", "1000"}, {"cm", "1", "100"}, {"dm", "1", "10"}, {"km", "1000"},
                       {"µm", "1", "1000000"}, {"nm", "1", "1000000000"}};
const Unit area[] = {{"m²"}, {"mm²", "1", "1000000"}, {"cm²", "1", "10000"}, {"km²", "1000000"}};
const Unit volume[] = {{"m³"}, {"L", "1", "1000"}, {"mL", "1", "1000000"}, {"cm³", "1", "1000000"}, {"dm³", "1", "1000"}};
const Unit time[] = {{"s"}, {"min", "60"}, {"h", "3600"}, {"ms", "1", "1000"}, {"µs", "1", "1000000"}, {"dia", "86400"}};
const Unit speed[] = {{"m/s"}, {"km/h", "1", "3,6"}, {"cm/s", "1", "100"}, {"km/s", "1000"}};
const Unit acceleration[] = {{"m/s²"}, {"cm/s²", "1", "100"}};
const Unit frequency[] = {{"Hz"}, {"kHz", "1000"}, {"MHz", "1000000"}, {"GHz", "1000000000"}, {"rpm", "1", "60"}};
const Unit angularVelocity[] = {{"rad/s"}, {"rpm", "6,2832", "60"}, {"rps", "6,2832"}, {"Hz", "6,2832"}};
const Unit mass[] = {{"kg"}, {"g", "1", "1000"}, {"mg", "1", "1000000"}, {"t", "1000"}};
const Unit density[] = {{"kg/m³"}, {"g/cm³", "1000"}, {"kg/L", "1000"}, {"g/L", "1"}};
const Unit linearDensity[] = {{"kg/m"}, {"g/m", "1", "1000"}, {"g/cm", "1", "10"}};
const Unit force[] = {{"N"}, {"kgf", "9,80665"}, {"dyn", "1", "100000"}, {"kN", "1000"}};
const Unit springConstant[] = {{"N/m"}, {"N/cm", "100"}, {"kN/m", "1000"}};
const Unit energy[] = {{"J"}, {"cal", "4,186"}, {"kcal", "4186"}, {"kWh", "3600000"}, {"eV", "0,0000000000000000001602176634"},
                       {"kJ", "1000"}, {"Wh", "3600"}};
const Unit power[] = {{"W"}, {"kW", "1000"}, {"cv", "735,49875"}, {"HP", "745,69987158227022"}, {"MW", "1000000"}};
const Unit pressure[] = {{"N/m²"}, {"Pa"}, {"atm", "101325"}, {"mmHg", "101325", "760"}, {"cmHg", "101325", "76"},
                         {"bar", "100000"}, {"kPa", "1000"}, {"hPa", "100"}, {"MPa", "1000000"}};
const Unit temperature[] = {{"K"}, {"ºC", "1", "1", "0", "273"}, {"ºF", "5", "9", "-32", "273"}};
const Unit perDegree[] = {{"ºC⁻¹"}, {"K⁻¹"}, {"ºF⁻¹", "9", "5"}};
const Unit specificHeat[] = {{"J/(kg·K)"}, {"cal/(g·ºC)", "4186"}, {"J/(g·ºC)", "1000"}};
const Unit heatCapacity[] = {{"J/K"}, {"cal/ºC", "4,186"}, {"kcal/ºC", "4186"}};
const Unit latentHeat[] = {{"J/kg"}, {"cal/g", "4186"}, {"kcal/kg", "4186"}, {"kJ/kg", "1000"}};
// 1 atm·L = 101325 Pa × 0,001 m³: the gas constant in the units of Clapeyron's page.
const Unit gasConstant[] = {{"atm·L/(mol·K)"}, {"J/(mol·K)", "1000", "101325"}};
const Unit charge[] = {{"C"}, {"mC", "1", "1000"}, {"µC", "1", "1000000"}, {"nC", "1", "1000000000"}, {"pC", "1", "1000000000000"},
                       {"mAh", "3,6"}, {"Ah", "3600"}};
const Unit current[] = {{"A"}, {"mA", "1", "1000"}, {"µA", "1", "1000000"}};
const Unit potential[] = {{"V"}, {"mV", "1", "1000"}, {"kV", "1000"}};
const Unit electricField[] = {{"N/C"}, {"V/m"}, {"kV/m", "1000"}, {"V/cm", "100"}};
const Unit resistance[] = {{"Ω"}, {"kΩ", "1000"}, {"MΩ", "1000000"}};
const Unit resistivity[] = {{"Ω·m"}, {"Ω·cm", "1", "100"}, {"Ω·mm²/m", "1", "1000000"}};

const Kind kindTable[] = {
    {"comprimento", length}, {"área", area}, {"volume", volume}, {"tempo", time},
    {"velocidade", speed}, {"aceleração", acceleration}, {"frequência", frequency},
    {"velocidade angular", angularVelocity}, {"massa", mass}, {"densidade", density},
    {"densidade linear", linearDensity}, {"força", force}, {"constante elástica", springConstant},
    {"energia", energy}, {"potência", power}, {"pressão", pressure}, {"temperatura", temperature},
    {"coeficiente de dilatação", perDegree}, {"calor específico", specificHeat},
    {"capacidade térmica", heatCapacity}, {"calor latente", latentHeat},
    {"constante dos gases", gasConstant}, {"carga", charge}, {"corrente", current},
    {"potencial", potential}, {"campo elétrico", electricField}, {"resistência", resistance},
    {"resistividade", resistivity},
};

// Units the rows show that have nothing else to be given in: pure numbers, amount of
// substance, angles in degrees, dioptres, torque, momentum, impulse and the electric
// constant's units.
const char* const withoutChoices[] = {"", "mol", "º", "di", "N·m", "kg·m/s", "N·s", "N·m²/C²"};

bool isOne(const char* text) { return QLatin1String(text) == QLatin1String("1"); }
bool isZero(const char* text) { return QLatin1String(text) == QLatin1String("0"); }

// A unit's texts as read once: the 80-bit values the conversions use and the exact
// decimals its labels are written from.
struct Factors
{
    Number times, over, before, after;
    bool scaled, shifted;
    ExactDecimal exactTimes, exactOver;
};

Number decimal(const char* commaText)
{
    return NumberText::toNumber(QString::fromUtf8(commaText), u',');
}

QString name(const Unit& u)
{
    return QString::fromUtf8(u.name);
}

// Every unit text a row may show, made on first use. Finding a row's unit reads no factor:
// a page asks it of each row as it is shown.
const QHash<QString, RowUnit>& rowUnits()
{
    static const QHash<QString, RowUnit> made = [] {
        QHash<QString, RowUnit> units;
        for (const char* none : withoutChoices)
            units.insert(QString::fromUtf8(none), RowUnit{});
        for (const Kind& k : kindTable) {
            // A name two kinds share (Hz, rpm) is the first kind's on a row.
            for (const Unit& u : k.units) {
                if (!units.contains(name(u)))
                    units.insert(name(u), RowUnit{&k, &u});
            }
        }
        return units;
    }();
    return made;
}

// Every unit's factors, read from their texts on the first conversion or list of units.
const QHash<const Unit*, Factors>& factors()
{
    static const QHash<const Unit*, Factors> made = [] {
        QHash<const Unit*, Factors> all;
        for (const Kind& k : kindTable) {
            for (const Unit& u : k.units) {
                all.insert(&u, {decimal(u.times), decimal(u.over), decimal(u.before), decimal(u.after),
                                !isOne(u.times) || !isOne(u.over), !isZero(u.before) || !isZero(u.after),
                                ExactDecimal::of(u.times), ExactDecimal::of(u.over)});
            }
        }
        return all;
    }();
    return made;
}

const Factors& factorsOf(const Unit& u)
{
    return *factors().constFind(&u);
}

// A unit as used: a difference drops the offsets.
Number toBase(Number v, const Factors& f, bool difference)
{
    const bool shifted = f.shifted && !difference;
    if (shifted)
        v = v + f.before;
    if (f.scaled)
        v = (v * f.times) / f.over;
    if (shifted)
        v = v + f.after;
    return v;
}

Number fromBase(Number v, const Factors& f, bool difference)
{
    const bool shifted = f.shifted && !difference;
    if (shifted)
        v = v - f.after;
    if (f.scaled)
        v = (v * f.over) / f.times;
    if (shifted)
        v = v - f.before;
    return v;
}

QString signedTerm(Number value, QChar separator)
{
    const QString text = NumberText::format(value, separator);
    return text.startsWith(u'-') ? QStringLiteral(" − ") + text.mid(1) : QStringLiteral(" + ") + text;
}

// How `alt` gives the row's unit, in words a student checks a book against.
QString relationText(const Unit& alt, const Unit& row, bool difference, QChar separator)
{
    const Factors& a = factorsOf(alt);
    const Factors& r = factorsOf(row);
    const ExactRatio altInBase(a.exactTimes, a.exactOver);
    const ExactRatio rowInBase(r.exactTimes, r.exactOver);
    if (difference || (!a.shifted && !r.shifted))
        return QStringLiteral("1 %1 = %2 %3").arg(name(alt), ExactRatio::relation(altInBase, rowInBase, separator), name(row));
    // row = (alt + before)·factor + ((after − row's after)·row's over/times − row's before)
    QString text = name(alt);
    if (!isZero(alt.before))
        text = u'(' + text + signedTerm(a.before, separator) + u')';
    const ExactRatio factor = altInBase.dividedBy(rowInBase);
    if (!factor.isOne())
        text += u'·' + factor.multiplier(separator);
    const Number offset = ((a.after - r.after) * r.over) / r.times - r.before;
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
    QString text = unitText.trimmed().toString();
    text.replace(u'°', u'º');
    const QHash<QString, RowUnit>& known = rowUnits();
    const auto it = known.constFind(text);
    return it == known.cend() ? std::nullopt : std::optional<RowUnit>(*it);
}

std::vector<Choice> choices(const RowUnit& row, bool difference, QChar decimalSeparator)
{
    std::vector<Choice> out;
    if (!row.kind)
        return out;
    for (const Unit& u : row.kind->units) {
        if (&u == row.unit)
            continue;
        out.push_back({&u, name(u) + QStringLiteral("  (") + relationText(u, *row.unit, difference, decimalSeparator) + u')'});
    }
    return out;
}

Number toRow(Number value, const Unit& from, const Unit& row, bool difference)
{
    return fromBase(toBase(value, factorsOf(from), difference), factorsOf(row), difference);
}

Number fromRow(Number value, const Unit& to, const Unit& row, bool difference)
{
    return fromBase(toBase(value, factorsOf(row), difference), factorsOf(to), difference);
}

}
