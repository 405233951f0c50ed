#include "exercises/Situation.h"

#include "engine/BookNumber.h"
#include "exercises/Notation.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace {

// Enough to find values for the narrowest situations in the catalogue; a draw is a few
// microseconds.
constexpr int attempts = 2000;
// A value shown in a unit other than the page's reads as a book prints it, 0,1 to 9 999.
constexpr long double readableLow = 0.1L, readableHigh = 9999;
// No answer is drawn under this share of its range's larger end: 1 % of it would no
// longer tell a right answer from a slip.
constexpr long double nearZero = 1.0L / 1000;

bool plainScale(const Units::Unit& u)
{
    return std::strcmp(u.before, "0") == 0 && std::strcmp(u.after, "0") == 0;
}

class DrawnValues final : public Problems::Draw
{
public:
    QHash<QByteArray, long double> values;
    long double operator()(const char* field) const override { return values.value(QByteArray(field), NAN); }
};

Number convert(Number value, const Units::Unit* from, const Units::Unit* to, bool difference)
{
    if (!from || !to || from == to)
        return value;
    return Units::toRow(value, *from, *to, difference);
}

}

std::uint64_t Situation::seed(QStringView what, Level level, std::uint32_t number, int index)
{
    std::uint64_t h = Prng::hash(what);
    h ^= (std::uint64_t(number) << 20) ^ (std::uint64_t(std::uint32_t(index)) << 4) ^ std::uint64_t(level);
    return Prng(h).next();
}

bool Situation::converts(const Topic& topic, const Problems::Statement& statement)
{
    const RowTable rows(topic.rows);
    for (const Problems::Value& v : statement.values) {
        if (v.bookUnits && *v.bookUnits && rows.find(v.field))
            return true;
    }
    return false;
}

int Situation::choose(const Topic& topic, const Problems::TopicProblems& problems, Level level, std::uint32_t number,
                      int index, int forced)
{
    const int count = int(problems.statements.size());
    if (forced >= 0 || count == 0)
        return std::min(forced, count - 1);
    std::vector<int> open;
    for (int i = 0; i < count; ++i) {
        if (level == Level::Formula || converts(topic, problems.statements[std::size_t(i)]))
            open.push_back(i);
    }
    // A topic with no other unit has one level: its statements serve both.
    if (open.empty()) {
        open.resize(std::size_t(count));
        std::iota(open.begin(), open.end(), 0);
    }
    // A shuffle chosen by the number alone, walked by the index.
    Prng prng(seed(QString::fromLatin1(problems.button), level, number, 0));
    for (std::size_t i = open.size(); i > 1; --i)
        std::swap(open[i - 1], open[std::size_t(prng.below(i))]);
    return open[std::size_t(std::max(index - 1, 0)) % open.size()];
}

Situation::Situation(const Topic& topic, const Solver& solver, const Problems::TopicProblems& problems, int statement)
    : m_topic(topic), m_statement(problems.statements[std::size_t(std::max(statement, 0))]), m_page(topic, solver)
{
    const RowTable rows(topic.rows);
    const std::initializer_list<Problems::Value>& values = m_statement.values;
    const auto declaration = [&](const char* field) -> const Problems::Value* {
        for (const Problems::Value& v : values) {
            if (std::strcmp(v.field, field) == 0)
                return &v;
        }
        return nullptr;
    };
    // The unit every unitless row of the statement is measured in.
    const char* measuredIn = nullptr;
    for (const Problems::Value& v : values) {
        const Row* row = rows.find(v.field);
        if (row && !*row->unit && v.unit)
            measuredIn = v.unit;
    }
    const auto place = [&](const Row& row, Place& p) {
        p.row = &row;
        if (const Problems::Value* v = declaration(row.field))
            p.value = *v;
        else
            p.value = {.field = row.field, .low = 1, .high = 100};
        p.unit = Units::ofRow(QString::fromUtf8(row.unit)).value_or(Units::RowUnit{});
        if (!p.unit.kind && !*row.unit && measuredIn)
            p.unit = Units::ofRow(QString::fromUtf8(measuredIn)).value_or(Units::RowUnit{});
        const bool difference = row.difference();
        const Units::Unit* rangeUnit = p.value.unit ? ExerciseGenerator::unitOfKind(p.unit.kind, QString::fromUtf8(p.value.unit))
                                                    : p.unit.unit;
        if (p.value.unit && !rangeUnit)
            return false;
        p.low = convert(p.value.low, rangeUnit, p.unit.unit, difference).value();
        p.high = convert(p.value.high, rangeUnit, p.unit.unit, difference).value();
        if (p.value.bookUnits) {
            for (const QString& name : QString::fromUtf8(p.value.bookUnits).split(u' ', Qt::SkipEmptyParts)) {
                const Units::Unit* u = ExerciseGenerator::unitOfKind(p.unit.kind, name);
                if (!u)
                    return false;
                if (u != p.unit.unit)
                    p.bookUnits.push_back(u);
            }
        }
        return true;
    };
    const Row* asked = rows.find(m_statement.asked);
    if (!asked || !place(*asked, m_asked))
        return;
    for (const Row& row : topic.rows) {
        // A field the topic filled is a constant of the page.
        if (&row == asked || !m_page.text(row.field).isEmpty())
            continue;
        Place p;
        if (!place(row, p))
            return;
        m_places.push_back(std::move(p));
    }
    m_valid = true;
}

std::vector<const Units::Unit*> Situation::chooseUnits(Level level, Prng& prng, const Units::Unit*& askedUnit) const
{
    std::vector<const Units::Unit*> shownIn;
    askedUnit = m_asked.unit.unit;
    bool converts = false;
    for (const Place& p : m_places) {
        const Units::Unit* u = p.unit.unit;
        if (level == Level::Conversions && !p.value.table && !p.bookUnits.empty() && prng.coin()) {
            u = p.bookUnits[prng.below(p.bookUnits.size())];
            converts = true;
        }
        shownIn.push_back(u);
    }
    if (level != Level::Conversions)
        return shownIn;
    if (!m_asked.bookUnits.empty() && prng.coin()) {
        askedUnit = m_asked.bookUnits[prng.below(m_asked.bookUnits.size())];
        converts = true;
    }
    if (!converts) {
        // Some value is always in another unit: one of those that can be, chosen evenly.
        std::vector<int> open;
        for (std::size_t i = 0; i < m_places.size(); ++i) {
            if (!m_places[i].value.table && !m_places[i].bookUnits.empty())
                open.push_back(int(i));
        }
        if (!m_asked.bookUnits.empty())
            open.push_back(-1);
        if (!open.empty()) {
            const int i = open[prng.below(open.size())];
            if (i < 0) {
                askedUnit = m_asked.bookUnits[prng.below(m_asked.bookUnits.size())];
            } else {
                const Place& p = m_places[std::size_t(i)];
                shownIn[std::size_t(i)] = p.bookUnits[prng.below(p.bookUnits.size())];
            }
        }
    }
    // Values of one kind read in one unit, as a book gives them: both marks of a road in
    // km, a period and a duration in min, never 28 500 m beside 192 km.
    std::vector<const Units::Unit*> settled;
    for (std::size_t i = 0; i < m_places.size(); ++i) {
        const Units::Unit* kind = m_places[i].unit.unit;
        if (shownIn[i] == kind || std::find(settled.begin(), settled.end(), kind) != settled.end())
            continue;
        settled.push_back(kind);
        for (std::size_t j = 0; j < m_places.size(); ++j) {
            const Place& other = m_places[j];
            if (j != i && other.unit.unit == kind && !other.value.table
                && std::find(other.bookUnits.begin(), other.bookUnits.end(), shownIn[i]) != other.bookUnits.end())
                shownIn[j] = shownIn[i];
        }
    }
    return shownIn;
}

bool Situation::drawValue(const Place& p, const Units::Unit* shownIn, Prng& prng, Given& g) const
{
    g.row = p.row;
    g.value = p.value;
    g.unit = shownIn;
    g.rowUnit = p.unit.unit;
    g.whole = p.value.whole;
    const bool difference = p.row->difference();
    if (p.value.table) {
        const auto& items = p.value.table->items;
        g.item = &items[prng.below(items.size())];
        const Units::Unit* tableUnit = ExerciseGenerator::unitOfKind(p.unit.kind, QString::fromUtf8(p.value.table->unit));
        // A table's value is shown in its own unit where the book uses it, else in the page's.
        const bool ownUnit = tableUnit && (tableUnit == p.unit.unit || std::count(p.bookUnits.begin(), p.bookUnits.end(), tableUnit));
        g.unit = ownUnit && shownIn != p.unit.unit ? tableUnit : p.unit.unit;
        const Figures::Decimal own = Notation::exact(g.item->value);
        const Figures::Decimal d = g.unit == tableUnit || !tableUnit
            ? own
            : Figures::rounded(convert(g.item->value, tableUnit, g.unit, difference).value(), own.figures);
        g.plain = d.plain;
        g.shown = d.value;
        g.figures = d.figures;
        g.inRow = convert(d.value, g.unit, g.rowUnit, difference);
        return true;
    }
    long double low = p.low, high = p.high;
    if (g.converted()) {
        low = Units::fromRow(low, *g.unit, *g.rowUnit, difference).value();
        high = Units::fromRow(high, *g.unit, *g.rowUnit, difference).value();
        if (low > high)
            std::swap(low, high);
        if (plainScale(*g.unit) && low >= 0) {
            // A book gives 860 kg, not 0,86 t, where the range leaves room from 1 up.
            low = std::max(low, high >= 10 ? 1 : readableLow);
            high = std::min(high, readableHigh);
            if (low > high)
                return false;
        }
    }
    // A large count is drawn as a book gives it, with a few figures and a power of ten.
    const bool whole = g.whole && high < 1e6L;
    const int figures = 2 + int(prng.below(2));
    const Figures::Decimal d = Figures::draw(prng, low, high, figures, whole);
    g.plain = d.plain;
    g.shown = d.value;
    g.figures = d.figures;
    g.inRow = g.converted() ? Units::toRow(d.value, *g.unit, *g.rowUnit, difference) : d.value;
    return true;
}

// A whole answer (images, resistors, harmonics) is not left to chance, which seldom gives
// one: the answer is drawn whole, one given that is not whole is worked out from it by
// the page's own solver, then rounded to three figures in the unit it is shown in.
bool Situation::wholeAnswer(std::vector<Given>& givens, Prng& prng) const
{
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        if (!givens[i].whole && !givens[i].item)
            open.push_back(i);
    }
    if (open.empty())
        return true;
    const std::size_t free = open[prng.below(open.size())];
    Sheet sheet = m_page;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        if (i != free)
            sheet.set(givens[i].row->field, givens[i].inRow);
    }
    sheet.set(m_asked.row->field, Figures::draw(prng, std::max<long double>(1, m_asked.low), m_asked.high, 2, true).value);
    Given& g = givens[free];
    const std::optional<Number> value = resultOf(sheet.calculate(), g.row->field);
    if (!value || !std::isfinite(value->value()) || value->value() == 0)
        return false;
    const bool difference = g.row->difference();
    const Number shown = g.converted() ? Units::fromRow(*value, *g.unit, *g.rowUnit, difference) : *value;
    // Three figures, or two where the third is a zero: a book gives 40°, not 40,0°.
    Figures::Decimal d = Figures::rounded(shown.value(), 3);
    if (Figures::rounded(shown.value(), 2).value.value() == d.value.value())
        d = Figures::rounded(shown.value(), 2);
    const Number inRow = g.converted() ? Units::toRow(d.value, *g.unit, *g.rowUnit, difference) : d.value;
    const Place& p = m_places[free];
    if (inRow.value() < std::min(p.low, p.high) || inRow.value() > std::max(p.low, p.high))
        return false;
    if (g.converted() && plainScale(*g.unit) && (std::fabs(d.value.value()) < readableLow || std::fabs(d.value.value()) > readableHigh))
        return false;
    g.plain = d.plain;
    g.shown = d.value;
    g.figures = d.figures;
    g.inRow = inRow;
    return true;
}

std::optional<Number> Situation::solve(const std::vector<Given>& givens, Taken taken, std::size_t which, Working* working) const
{
    Sheet sheet = m_page;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        const bool asWritten = taken == Taken::AllAsWritten || (taken == Taken::OneAsWritten && i == which);
        sheet.set(givens[i].row->field, asWritten ? givens[i].shown : givens[i].inRow);
    }
    Working w = sheet.calculate();
    if (w.failure())
        return std::nullopt;
    const auto result = resultOf(w, m_asked.row->field);
    if (working)
        *working = std::move(w);
    return result;
}

// Whether an answer is one the situation can have: in its range, clear of zero, what
// the words say, a whole count where it counts, and none of the values given.
bool Situation::fits(const std::vector<Given>& givens, long double& answer) const
{
    if (!std::isfinite(answer))
        return false;
    const long double low = std::min(m_asked.low, m_asked.high), high = std::max(m_asked.low, m_asked.high);
    if (answer < low || answer > high)
        return false;
    if (std::fabs(answer) < std::max(std::fabs(low), std::fabs(high)) * nearZero)
        return false;
    if (m_asked.value.completed) {
        // Only the completed turns count, and a result a rounding could tip over the next
        // whole number is left out.
        const long double whole = std::floor(answer), part = answer - whole;
        if (whole < 1 || part < 0.02L || part > 0.98L)
            return false;
        answer = whole;
    } else if (m_asked.value.whole && answer < 1e6L) {
        if (std::round(answer) < 1 || std::fabs(answer - std::round(answer)) > 0.002L * std::fabs(answer))
            return false;
        answer = std::round(answer);
    }
    DrawnValues drawn;
    for (const Given& g : givens)
        drawn.values.insert(QByteArray(g.row->field), g.inRow.value());
    drawn.values.insert(QByteArray(m_asked.row->field), answer);
    if (m_statement.holds && !m_statement.holds(drawn))
        return false;
    for (const Given& g : givens) {
        const bool sameKind = g.rowUnit == m_asked.unit.unit && QByteArray(g.row->unit) == QByteArray(m_asked.row->unit);
        if (sameKind && std::fabs(g.inRow.value() - answer) <= std::fabs(answer) / 100)
            return false;
    }
    return true;
}

void Situation::slips(Exercise& ex) const
{
    bool anyConverted = false;
    for (std::size_t i = 0; i < ex.givens.size(); ++i) {
        if (!ex.givens[i].converted())
            continue;
        anyConverted = true;
        try {
            ex.givens[i].unconverted = solve(ex.givens, Taken::OneAsWritten, i);
        } catch (const EngineError&) {
        }
    }
    if (anyConverted) {
        try {
            ex.allUnconverted = solve(ex.givens, Taken::AllAsWritten);
        } catch (const EngineError&) {
        }
    }
}

QString Situation::compose(const Exercise& ex) const
{
    QString text = QString::fromUtf8(m_statement.text);
    bool temperatureConverted = false;
    for (const Given& g : ex.givens) {
        const QString field = QString::fromUtf8(g.row->field);
        text.replace(u'{' + field + u'}', g.text());
        if (g.item) {
            text.replace(u'{' + field + QStringLiteral(":nome}"), QString::fromUtf8(g.item->name));
            text.replace(u'{' + field + QStringLiteral(":em}"), QString::fromUtf8(g.item->in ? g.item->in : g.item->name));
        }
        temperatureConverted = temperatureConverted || (g.converted() && !plainScale(*g.unit) != !plainScale(*g.rowUnit));
    }
    // "em graus", as a book asks an angle; any other unit by its sign.
    // The unit asked stays on the line of its "em".
    text.replace(QStringLiteral("em {?}"), QStringLiteral("em") + QChar(Notation::unitSpace) + QStringLiteral("{?}"));
    const QString askedIn = Notation::unit(ex.askedUnitName());
    text.replace(QStringLiteral("{?}"), askedIn == u"°" ? QStringLiteral("graus") : askedIn);
    if (ex.answerConverted() && !plainScale(*ex.askedUnit) != !plainScale(*ex.askedRow.unit))
        temperatureConverted = true;
    // A unit never parts at its slash ("km/" then "h"): a word joiner holds it together.
    for (qsizetype i = text.indexOf(u'/'); i > 0 && i + 1 < text.size(); i = text.indexOf(u'/', i + 2)) {
        if (!text[i - 1].isSpace() && !text[i + 1].isSpace())
            text.insert(i + 1, QChar(Notation::wordJoiner));
    }
    // What the solution uses that the statement does not say, as books give it.
    QStringList data;
    for (const Row& row : m_topic.rows) {
        const QString constant = m_page.text(row.field);
        const QString symbol = QString::fromUtf8(row.symbol);
        if (constant.isEmpty() || text.contains(symbol + QStringLiteral(" =")))
            continue;
        // The constant as the page shows it ("1,38*10E-23") in a book's form.
        QString plain = constant;
        plain.replace(QStringLiteral("*10E"), QStringLiteral("E"));
        QString value = BookNumber::fromText(plain, u',');
        value.replace(u' ', QChar(Notation::unitSpace));
        data << symbol + QStringLiteral(" = ") + Notation::withUnit(value, QString::fromUtf8(row.unit));
    }
    if (temperatureConverted)
        data << QStringLiteral("T(K) = T(°C) + 273");
    // Each datum reads whole on one line.
    for (QString& datum : data)
        datum.replace(u' ', QChar(Notation::unitSpace));
    if (!data.isEmpty())
        text += (data.size() == 1 ? QStringLiteral(" Dado: ") : QStringLiteral(" Dados: ")) + data.join(QStringLiteral("; "))
            + u'.';
    return text;
}

void Situation::draw(Exercise& ex, Level level, std::uint32_t number, int index)
{
    ex.statement = &m_statement;
    ex.asked = m_asked.row;
    ex.askedValue = m_asked.value;
    ex.askedRow = m_asked.unit;
    Prng prng(seed(QString::fromUtf8(m_topic.button), level, number, index));
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const Units::Unit* askedUnit = nullptr;
        const std::vector<const Units::Unit*> shownIn = chooseUnits(level, prng, askedUnit);
        std::vector<Given> givens(m_places.size());
        bool drawn = true;
        for (std::size_t i = 0; i < m_places.size() && drawn; ++i)
            drawn = drawValue(m_places[i], shownIn[i], prng, givens[i]);
        if (!drawn)
            continue;
        Working working;
        std::optional<Number> answer;
        try {
            if (m_asked.value.whole && !m_asked.value.completed && !wholeAnswer(givens, prng))
                continue;
            answer = solve(givens, Taken::Converted, 0, &working);
        } catch (const EngineError&) {
            continue;
        }
        long double value = answer ? answer->value() : NAN;
        if (!answer || !fits(givens, value))
            continue;
        // An answer asked in another unit reads there as a book prints it, or is asked in
        // the page's unit when a given already converts.
        if (askedUnit != m_asked.unit.unit && plainScale(*askedUnit)) {
            const long double there = std::fabs(Units::fromRow(value, *askedUnit, *m_asked.unit.unit, m_asked.row->difference()).value());
            if (there < readableLow || there > readableHigh) {
                const bool givenConverts = std::any_of(givens.begin(), givens.end(), [](const Given& g) { return g.converted(); });
                if (!givenConverts)
                    continue;
                askedUnit = m_asked.unit.unit;
            }
        }
        ex.givens = std::move(givens);
        ex.askedUnit = askedUnit;
        ex.answer = value == answer->value() ? *answer : Number(value);
        ex.answerAsked = ex.answerConverted() ? Units::fromRow(ex.answer, *askedUnit, *m_asked.unit.unit, m_asked.row->difference())
                                              : ex.answer;
        ex.tolerance = std::fabs(ex.answerAsked.value()) / 100;
        ex.working = std::move(working);
        slips(ex);
        ex.text = compose(ex);
        ex.valid = true;
        return;
    }
}
