// The unit table alone: every entry's conversion and menu label against hand-computed
// values, and the kind each unit text a row declares is.
#include "engine/NumberText.h"
#include "engine/Units.h"

#include <QSet>
#include <QTest>
#include <algorithm>

namespace {

// A row's unit, a unit it offers, a value typed in that unit and the same value in the
// row's unit (none for a label alone), and the menu entry.
struct Entry
{
    const char* rowUnit;
    const char* unit;
    const char* typed;
    const char* inRow;
    const char* label;
    bool difference = false;
};

const Entry entries[] = {
    {"m", "mm", "25", "0,025", "1 mm = 0,001 m"},
    {"m", "cm", "25", "0,25", "1 cm = 0,01 m"},
    {"m", "dm", "3", "0,3", "1 dm = 0,1 m"},
    {"m", "km", "1,5", "1500", "1 km = 1000 m"},
    {"m", "µm", "500", "0,0005", "1 µm = 10⁻⁶ m"},
    {"m", "nm", "600", "6E-7", "1 nm = 10⁻⁹ m"},
    {"m²", "mm²", "500", "0,0005", "1 mm² = 10⁻⁶ m²"},
    {"m²", "cm²", "50", "0,005", "1 cm² = 10⁻⁴ m²"},
    {"m²", "km²", "2", "2000000", "1 km² = 10⁶ m²"},
    {"m³", "L", "3", "0,003", "1 L = 0,001 m³"},
    {"m³", "mL", "250", "0,00025", "1 mL = 10⁻⁶ m³"},
    {"m³", "cm³", "500", "0,0005", "1 cm³ = 10⁻⁶ m³"},
    {"m³", "dm³", "2", "0,002", "1 dm³ = 0,001 m³"},
    {"L", "m³", "0,003", "3", "1 m³ = 1000 L"},
    {"s", "min", "20", "1200", "1 min = 60 s"},
    {"s", "h", "0,5", "1800", "1 h = 3600 s"},
    {"s", "ms", "250", "0,25", "1 ms = 0,001 s"},
    {"s", "µs", "400", "0,0004", "1 µs = 10⁻⁶ s"},
    {"s", "dia", "2", "172800", "1 dia = 86400 s"},
    {"m/s", "km/h", "72", "20", "1 km/h = 1/3,6 m/s"},
    {"m/s", "cm/s", "50", "0,5", "1 cm/s = 0,01 m/s"},
    {"m/s", "km/s", "3", "3000", "1 km/s = 1000 m/s"},
    {"m/s²", "cm/s²", "980", "9,8", "1 cm/s² = 0,01 m/s²"},
    {"Hz", "kHz", "2", "2000", "1 kHz = 1000 Hz"},
    {"Hz", "MHz", "1,5", "1500000", "1 MHz = 10⁶ Hz"},
    {"Hz", "GHz", "2,4", "2400000000", "1 GHz = 10⁹ Hz"},
    {"Hz", "rpm", "3000", "50", "1 rpm = 1/60 Hz"},
    {"rad/s", "rpm", "60", "6,2832", "1 rpm = 0,10472 rad/s"},
    {"rad/s", "rps", "2", "12,5664", "1 rps = 6,2832 rad/s"},
    {"rad/s", "Hz", "5", "31,416", "1 Hz = 6,2832 rad/s"},
    {"kg", "g", "500", "0,5", "1 g = 0,001 kg"},
    {"kg", "mg", "250", "0,00025", "1 mg = 10⁻⁶ kg"},
    {"kg", "t", "2", "2000", "1 t = 1000 kg"},
    {"g", "kg", "2", "2000", "1 kg = 1000 g"},
    {"kg/m³", "g/cm³", "13,6", "13600", "1 g/cm³ = 1000 kg/m³"},
    {"kg/m³", "kg/L", "0,8", "800", "1 kg/L = 1000 kg/m³"},
    {"kg/m³", "g/L", "1,2", "1,2", "1 g/L = 1 kg/m³"},
    {"kg/m", "g/m", "5", "0,005", "1 g/m = 0,001 kg/m"},
    {"kg/m", "g/cm", "2", "0,2", "1 g/cm = 0,1 kg/m"},
    {"N", "kgf", "10", "98,0665", "1 kgf = 9,80665 N"},
    {"N", "dyn", "100000", "1", "1 dyn = 10⁻⁵ N"},
    {"N", "kN", "2,5", "2500", "1 kN = 1000 N"},
    {"N/m", "N/cm", "5", "500", "1 N/cm = 100 N/m"},
    {"N/m", "kN/m", "1,2", "1200", "1 kN/m = 1000 N/m"},
    {"J", "cal", "1", "4,186", "1 cal = 4,186 J"},
    {"J", "kcal", "2", "8372", "1 kcal = 4186 J"},
    {"J", "kWh", "1", "3600000", "1 kWh = 3,6 · 10⁶ J"},
    {"J", "eV", "1E19", "1,602176634", "1 eV = 1,602176634 · 10⁻¹⁹ J"},
    {"J", "kJ", "2", "2000", "1 kJ = 1000 J"},
    {"J", "Wh", "3", "10800", "1 Wh = 3600 J"},
    {"cal", "J", "4186", "1000", "1 J = 1/4,186 cal"},
    {"cal", "kWh", nullptr, nullptr, "1 kWh = 3,6 · 10⁶/4,186 cal"},
    {"W", "kW", "1,2", "1200", "1 kW = 1000 W"},
    {"W", "cv", "2", "1470,9975", "1 cv = 735,49875 W"},
    {"W", "HP", "1", "745,69987158227", "1 HP = 745,69987158227022 W"},
    {"W", "MW", "2", "2000000", "1 MW = 10⁶ W"},
    {"N/m²", "Pa", "5", "5", "1 Pa = 1 N/m²"},
    {"N/m²", "atm", "2", "202650", "1 atm = 101325 N/m²"},
    {"N/m²", "mmHg", "760", "101325", "1 mmHg = 20265/152 N/m²"},
    {"N/m²", "cmHg", "76", "101325", "1 cmHg = 101325/76 N/m²"},
    {"N/m²", "bar", "2", "200000", "1 bar = 100000 N/m²"},
    {"N/m²", "kPa", "3", "3000", "1 kPa = 1000 N/m²"},
    {"N/m²", "hPa", "1013,25", "101325", "1 hPa = 100 N/m²"},
    {"N/m²", "MPa", "2", "2000000", "1 MPa = 10⁶ N/m²"},
    {"atm", "N/m²", "202650", "2", "1 N/m² = 1/101325 atm"},
    {"atm", "mmHg", "380", "0,5", "1 mmHg = 1/760 atm"},
    {"atm", "cmHg", "38", "0,5", "1 cmHg = 1/76 atm"},
    {"atm", "kPa", "101,325", "1", "1 kPa = 1/101,325 atm"},
    {"atm", "bar", nullptr, nullptr, "1 bar = 1/1,01325 atm"},
    {"atm", "MPa", nullptr, nullptr, "1 MPa = 1/0,101325 atm"},
    // Temperatures with 273, by their formulas; a difference (Δ) has no offset.
    {"K", "ºC", "27", "300", "K = ºC + 273"},
    {"K", "ºF", "32", "273", "K = (ºF − 32)·5/9 + 273"},
    {"ºC", "K", "300", "27", "ºC = K − 273"},
    {"ºC", "ºF", "212", "100", "ºC = (ºF − 32)·5/9"},
    {"ºC", "ºF", "-40", "-40", "ºC = (ºF − 32)·5/9"},
    {"ºF", "ºC", "100", "212", "ºF = ºC·1,8 + 32"},
    {"ºF", "K", "273", "32", "ºF = K·1,8 − 459,4"},
    {"ºC", "K", "10", "10", "1 K = 1 ºC", true},
    {"ºC", "ºF", "18", "10", "1 ºF = 1/1,8 ºC", true},
    {"ºC⁻¹", "K⁻¹", "0,0002", "0,0002", "1 K⁻¹ = 1 ºC⁻¹"},
    {"ºC⁻¹", "ºF⁻¹", "0,0001", "0,00018", "1 ºF⁻¹ = 1,8 ºC⁻¹"},
    {"cal/(g·ºC)", "J/(kg·K)", "4186", "1", "1 J/(kg·K) = 1/4186 cal/(g·ºC)"},
    {"cal/(g·ºC)", "J/(g·ºC)", "4,186", "1", "1 J/(g·ºC) = 1/4,186 cal/(g·ºC)"},
    {"cal/ºC", "J/K", "4,186", "1", "1 J/K = 1/4,186 cal/ºC"},
    {"cal/ºC", "kcal/ºC", "2", "2000", "1 kcal/ºC = 1000 cal/ºC"},
    {"cal/g", "J/kg", "4186", "1", "1 J/kg = 1/4186 cal/g"},
    {"cal/g", "kcal/kg", "80", "80", "1 kcal/kg = 1 cal/g"},
    {"cal/g", "kJ/kg", "334,88", "80", "1 kJ/kg = 1/4,186 cal/g"},
    {"atm·L/(mol·K)", "J/(mol·K)", "8,31", "0,0820133234641007", "1 J/(mol·K) = 1/101,325 atm·L/(mol·K)"},
    {"C", "mC", "5", "0,005", "1 mC = 0,001 C"},
    {"C", "µC", "5000", "0,005", "1 µC = 10⁻⁶ C"},
    {"C", "nC", "2", "2E-9", "1 nC = 10⁻⁹ C"},
    {"C", "pC", "3", "3E-12", "1 pC = 10⁻¹² C"},
    {"C", "mAh", "2000", "7200", "1 mAh = 3,6 C"},
    {"C", "Ah", "2", "7200", "1 Ah = 3600 C"},
    {"A", "mA", "250", "0,25", "1 mA = 0,001 A"},
    {"A", "µA", "500", "0,0005", "1 µA = 10⁻⁶ A"},
    {"V", "mV", "1500", "1,5", "1 mV = 0,001 V"},
    {"V", "kV", "2", "2000", "1 kV = 1000 V"},
    {"N/C", "V/m", "300", "300", "1 V/m = 1 N/C"},
    {"N/C", "kV/m", "3", "3000", "1 kV/m = 1000 N/C"},
    {"N/C", "V/cm", "5", "500", "1 V/cm = 100 N/C"},
    {"V/m", "N/C", "300", "300", "1 N/C = 1 V/m"},
    {"Ω", "kΩ", "4,7", "4700", "1 kΩ = 1000 Ω"},
    {"Ω", "MΩ", "2", "2000000", "1 MΩ = 10⁶ Ω"},
    {"Ω·m", "Ω·cm", "5", "0,05", "1 Ω·cm = 0,01 Ω·m"},
    {"Ω·m", "Ω·mm²/m", "0,017", "1,7E-8", "1 Ω·mm²/m = 10⁻⁶ Ω·m"},
};

const Units::Unit* unitNamed(const Units::RowUnit& row, const char* name)
{
    for (const Units::Unit& u : row.kind->units) {
        if (QLatin1String(u.name) == QLatin1String(name) || QString::fromUtf8(u.name) == QString::fromUtf8(name))
            return &u;
    }
    return nullptr;
}

// The table's lines; an entry of the unit table that no line names, as row or unit,
// is a line that fails, so a unit added without hand-computed values is caught.
void addEntries(bool conversionsOnly)
{
    QTest::addColumn<QString>("rowUnit");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("difference");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("inRow");
    QTest::addColumn<QString>("label");
    QSet<QString> named;
    for (const Entry& e : entries) {
        named << QString::fromUtf8(e.rowUnit) << QString::fromUtf8(e.unit);
        if (conversionsOnly && !e.typed)
            continue;
        QTest::addRow("%s on %s%s: %s", e.unit, e.rowUnit, e.difference ? " (Δ)" : "", e.typed ? e.typed : "")
            << QString::fromUtf8(e.rowUnit) << QString::fromUtf8(e.unit) << e.difference << QString::fromUtf8(e.typed)
            << QString::fromUtf8(e.inRow) << QString::fromUtf8(e.unit) + QStringLiteral("  (") + QString::fromUtf8(e.label) + u')';
    }
    for (const Units::Kind& k : Units::kinds()) {
        for (const Units::Unit& u : k.units) {
            if (!named.contains(QString::fromUtf8(u.name)))
                QTest::addRow("%s (%s) has no hand-computed line", u.name, k.name) << QString() << QString() << false
                                                                                  << QString() << QString() << QString();
        }
    }
}

}

class TestUnitTable : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data() { addEntries(true); }
    void conversions();
    void labels_data() { addEntries(false); }
    void labels();
    void rowKinds_data();
    void rowKinds();
    void overflowRaises();
};

// A value typed in another unit, in the row's unit; and back again.
void TestUnitTable::conversions()
{
    QFETCH(QString, rowUnit);
    QFETCH(QString, unit);
    QFETCH(bool, difference);
    QFETCH(QString, typed);
    QFETCH(QString, inRow);
    QVERIFY2(!unit.isEmpty(), "a unit of the table without a hand-computed line");
    const auto row = Units::ofRow(rowUnit);
    QVERIFY(row && row->kind);
    const Units::Unit* from = unitNamed(*row, unit.toUtf8().constData());
    QVERIFY(from);
    QCOMPARE(NumberText::format(Units::toRow(NumberText::toNumber(typed, u','), *from, *row->unit, difference), u','), inRow);
    QCOMPARE(NumberText::format(Units::fromRow(NumberText::toNumber(inRow, u','), *from, *row->unit, difference), u','), typed);
}

// The entry a row's menu offers for the unit, and the separator it follows.
void TestUnitTable::labels()
{
    QFETCH(QString, rowUnit);
    QFETCH(QString, unit);
    QFETCH(bool, difference);
    QFETCH(QString, label);
    QVERIFY2(!unit.isEmpty(), "a unit of the table without a hand-computed line");
    const auto row = Units::ofRow(rowUnit);
    QVERIFY(row && row->kind);
    QStringList offered;
    for (const Units::Choice& c : Units::choices(*row, difference, u','))
        offered << c.label;
    const auto it = std::find_if(offered.cbegin(), offered.cend(), [&](const QString& l) { return l.startsWith(unit + u' '); });
    QVERIFY2(it != offered.cend(), qPrintable(offered.join(u'|')));
    QCOMPARE(*it, label);
    for (const Units::Choice& c : Units::choices(*row, difference, u'.'))
        QCOMPARE(c.label, offered.takeFirst().replace(u',', u'.'));
}

// Each unit text a row declares is its kind's, with the other units of the kind; a unit
// with nothing else to be given in is known and offers nothing.
void TestUnitTable::rowKinds_data()
{
    QTest::addColumn<QString>("rowUnit");
    QTest::addColumn<QString>("offered");
    const auto row = [](const char* unit, const char* offered) { QTest::newRow(unit) << QString::fromUtf8(unit) << QString::fromUtf8(offered); };
    row("N/C", "campo elétrico: V/m, kV/m, V/cm");
    row("V/m", "campo elétrico: N/C, kV/m, V/cm");
    row("N/m", "constante elástica: N/cm, kN/m");
    row("N·m", "nenhum:");
    row("atm·L/(mol·K)", "constante dos gases: J/(mol·K)");
    row("Hz", "frequência: kHz, MHz, GHz, rpm");
    row("W", "potência: kW, cv, HP, MW");
    row(" °C ", "temperatura: K, ºF");
    row("mol", "nenhum:");
    row("", "nenhum:");
    row("watts", "desconhecida");
}

void TestUnitTable::rowKinds()
{
    QFETCH(QString, rowUnit);
    QFETCH(QString, offered);
    const auto row = Units::ofRow(rowUnit);
    if (!row) {
        QCOMPARE(QStringLiteral("desconhecida"), offered);
        return;
    }
    QStringList names;
    for (const Units::Choice& c : Units::choices(*row, false, u','))
        names << QString::fromUtf8(c.unit->name);
    QCOMPARE((row->kind ? QString::fromUtf8(row->kind->name) : QStringLiteral("nenhum")) + u':'
                 + (names.isEmpty() ? QString() : u' ' + names.join(QStringLiteral(", "))),
             offered);
}

void TestUnitTable::overflowRaises()
{
    const auto row = *Units::ofRow(u"m");
    QVERIFY_THROWS_EXCEPTION(MathError, Units::toRow(Number(1e4931L), *unitNamed(row, "km"), *row.unit, false));
}

QTEST_GUILESS_MAIN(TestUnitTable)
#include "tst_unittable.moc"
