#include "exercises/Exercise.h"

#include "catalogue/Catalogue.h"
#include "engine/BookNumber.h"
#include "engine/NumberText.h"
#include "engine/Sheet.h"
#include "engine/WorkingText.h"
#include "exercises/Figures.h"
#include "exercises/Prng.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Enough to find values for the narrowest ranges in the catalogue; a draw is a few
// microseconds.
constexpr int attempts = 2000;

QString withUnit(const QString& number, const QString& unit)
{
    if (unit.isEmpty())
        return number;
    if (unit == u"º")
        return number + unit;
    return number + u' ' + unit;
}

QString unitName(const Units::Unit* unit, const Row& row)
{
    return unit ? QString::fromUtf8(unit->name) : QString::fromUtf8(row.unit);
}

Units::RowUnit rowUnitOf(const Row& row)
{
    return Units::ofRow(QString::fromUtf8(row.unit)).value_or(Units::RowUnit{});
}

// The row's other units that the unit table knows; a name it does not know is left out.
std::vector<const Units::Unit*> otherUnits(const Problems::Range* range, const Units::RowUnit& row)
{
    std::vector<const Units::Unit*> out;
    if (!range || !range->otherUnits || !row.kind)
        return out;
    const QStringList names = QString::fromUtf8(range->otherUnits).split(u' ', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        const Units::Unit* u = ExerciseGenerator::unitOfKind(row.kind, name);
        if (u && u != row.unit)
            out.push_back(u);
    }
    return out;
}

std::uint64_t seedOf(QStringView what, Level level, std::uint32_t number, int index)
{
    std::uint64_t h = Prng::hash(what);
    h ^= (std::uint64_t(number) << 20) ^ (std::uint64_t(std::uint32_t(index)) << 4) ^ std::uint64_t(level);
    return Prng(h).next();
}

bool sensible(Number result, const Problems::Range* range, bool whole)
{
    const long double answer = result.value();
    if (!std::isfinite(answer))
        return false;
    if (!range)
        return true;
    if (answer < range->low || answer > range->high)
        return false;
    // Never an exercise whose answer is a residue of rounding next to zero.
    const long double larger = std::max(std::fabs(range->low), std::fabs(range->high));
    if (std::fabs(answer) < larger / 1000)
        return false;
    // A whole answer (images, waves, resistors) may miss its whole number by the rounding
    // of the given worked out from it, well inside what an answer is judged by.
    return !whole || (std::round(answer) >= 1 && std::fabs(answer - std::round(answer)) <= 0.002L * std::fabs(answer));
}

// A whole answer is not left to chance, which seldom gives one: the answer is drawn whole,
// one given that is not whole is worked out from it by the page's own solver, then
// rounded to three figures in the unit it is shown in, as a book prints it.
bool wholeAnswer(Sheet sheet, std::vector<Given>& givens, const Row& asked, const Problems::Range& range, Prng& prng)
{
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < givens.size(); ++i) {
        if (!givens[i].whole)
            open.push_back(i);
    }
    if (open.empty())
        return true;
    const std::size_t free = open[prng.below(open.size())];
    for (std::size_t i = 0; i < givens.size(); ++i) {
        if (i != free)
            sheet.set(givens[i].row->field, givens[i].inRow);
    }
    sheet.set(asked.field, Figures::draw(prng, std::max(1.0, range.low), range.high, 2, true).value);
    Given& g = givens[free];
    const std::optional<Number> value = resultOf(sheet.calculate(), g.row->field);
    if (!value || !std::isfinite(value->value()) || value->value() == 0)
        return false;
    const bool difference = g.row->difference();
    const Number shown = g.converted() ? Units::fromRow(*value, *g.unit, *g.rowUnit, difference) : *value;
    const Figures::Decimal d = Figures::rounded(shown.value(), 3);
    const Number inRow = g.converted() ? Units::toRow(d.value, *g.unit, *g.rowUnit, difference) : d.value;
    if (g.range && (inRow.value() < g.range->low || inRow.value() > g.range->high))
        return false;
    g.plain = d.plain;
    g.shown = d.value;
    g.figures = d.figures;
    g.inRow = inRow;
    return true;
}

std::optional<Number> solved(Sheet sheet, const std::vector<Given>& givens, const char* asked, int unconvertedOnly,
                             Working* working = nullptr)
{
    for (std::size_t i = 0; i < givens.size(); ++i) {
        const bool asWritten = unconvertedOnly == -2 || int(i) == unconvertedOnly;
        sheet.set(givens[i].row->field, asWritten ? givens[i].shown : givens[i].inRow);
    }
    Working w = sheet.calculate();
    if (w.failure())
        return std::nullopt;
    const auto result = resultOf(w, asked);
    if (working)
        *working = std::move(w);
    return result;
}

}

QString Given::text() const
{
    const QString number = whole ? plain : BookNumber::fromText(plain, u',');
    return withUnit(number, unitName(unit, *row));
}

QString Exercise::askedUnitName() const
{
    return asked ? unitName(askedUnit, *asked) : QString();
}

QString Exercise::answerText() const
{
    const Problems::Range* r0 = ProblemCatalogue::range(*problems, asked->field);
    const Figures::Decimal r = r0 && r0->whole ? Figures::rounded(answerAsked.value(), Figures::decade(answerAsked.value()) + 1)
                                               : Figures::rounded(answerAsked.value(), 3);
    return withUnit(BookNumber::fromText(r.plain, u','), askedUnitName());
}

int Exercise::dataFigures() const
{
    int least = 0;
    for (const Given& g : givens) {
        if (!g.whole && (least == 0 || g.figures < least))
            least = g.figures;
    }
    return least;
}

QStringList Exercise::solution() const
{
    QStringList lines;
    for (const Given& g : givens) {
        if (g.converted()) {
            lines << QStringLiteral("%1 = %2 = %3").arg(QString::fromUtf8(g.row->symbol), g.text(),
                                                        withUnit(BookNumber::of(g.inRow, u','), unitName(g.rowUnit, *g.row)));
        }
    }
    const RowTable rows(topic->rows);
    lines << WorkingText::lines(working, rows, u',');
    if (answerConverted()) {
        lines << QStringLiteral("%1 = %2 = %3").arg(QString::fromUtf8(asked->symbol),
                                                    withUnit(BookNumber::of(answer, u','), unitName(askedRow.unit, *asked)),
                                                    withUnit(BookNumber::of(answerAsked, u','), askedUnitName()));
    }
    lines << QStringLiteral("Resposta: %1").arg(answerText());
    return lines;
}

namespace ExerciseGenerator {

const Units::Unit* unitOfKind(const Units::Kind* kind, QStringView name)
{
    if (!kind)
        return nullptr;
    QString wanted = name.trimmed().toString();
    wanted.replace(u'°', u'º');
    for (const Units::Unit& u : kind->units) {
        if (wanted == QString::fromUtf8(u.name))
            return &u;
    }
    return nullptr;
}

Exercise make(const Topic& topic, const Problems::TopicProblems& problems, Level level, std::uint32_t number, int index,
              int statement)
{
    Exercise ex;
    ex.topic = &topic;
    ex.problems = &problems;
    ex.level = level;
    ex.number = number;
    ex.index = index;
    const Solver* solver = Catalogue::solverOfPage(QString::fromUtf8(topic.page));
    if (!solver || problems.statements.empty())
        return ex;

    Prng prng(seedOf(QString::fromUtf8(topic.button), level, number, index));
    const std::size_t drawn = prng.below(problems.statements.size());
    ex.statement = &problems.statements[statement >= 0 ? std::size_t(statement) : drawn];
    const RowTable rows(topic.rows);
    ex.asked = rows.find(ex.statement->asked);
    if (!ex.asked)
        return ex;
    ex.askedRow = rowUnitOf(*ex.asked);
    const Problems::Range* askedRange = ProblemCatalogue::range(problems, ex.asked->field);

    // The page as the topic leaves it; a field the topic filled is a constant.
    const Sheet page(topic, *solver);
    struct Place { const Row* row; const Problems::Range* range; Units::RowUnit unit; std::vector<const Units::Unit*> others; };
    std::vector<Place> places;
    for (const Row& row : topic.rows) {
        if (&row == ex.asked || !page.text(row.field).isEmpty())
            continue;
        const Units::RowUnit u = rowUnitOf(row);
        const Problems::Range* r = ProblemCatalogue::range(problems, row.field);
        places.push_back({&row, r, u, otherUnits(r, u)});
    }
    const std::vector<const Units::Unit*> askedOthers = otherUnits(askedRange, ex.askedRow);
    bool anyOther = !askedOthers.empty();
    for (const Place& s : places)
        anyOther = anyOther || !s.others.empty();

    for (int attempt = 0; attempt < attempts; ++attempt) {
        // The units first: at the second level some value is always in another unit.
        std::vector<const Units::Unit*> shownIn;
        bool converts = false;
        for (const Place& s : places) {
            const Units::Unit* u = s.unit.unit;
            if (level == Level::Conversions && !s.others.empty() && prng.coin()) {
                u = s.others[prng.below(s.others.size())];
                converts = true;
            }
            shownIn.push_back(u);
        }
        const Units::Unit* askedUnit = ex.askedRow.unit;
        if (level == Level::Conversions && !askedOthers.empty() && prng.coin())
            askedUnit = askedOthers[prng.below(askedOthers.size())];
        if (level == Level::Conversions && anyOther && !converts && askedUnit == ex.askedRow.unit) {
            std::vector<std::size_t> open;
            for (std::size_t i = 0; i < places.size(); ++i) {
                if (!places[i].others.empty())
                    open.push_back(i);
            }
            if (open.empty()) {
                askedUnit = askedOthers[prng.below(askedOthers.size())];
            } else {
                const Place& s = places[open[prng.below(open.size())]];
                shownIn[std::size_t(&s - places.data())] = s.others[prng.below(s.others.size())];
            }
        }

        std::vector<Given> givens;
        for (std::size_t i = 0; i < places.size(); ++i) {
            const Place& s = places[i];
            Given g;
            g.row = s.row;
            g.unit = shownIn[i];
            g.rowUnit = s.unit.unit;
            g.whole = s.range && s.range->whole;
            g.range = s.range;
            const bool difference = s.row->difference();
            long double low = s.range ? s.range->low : 1, high = s.range ? s.range->high : 100;
            if (g.converted()) {
                low = Units::fromRow(low, *g.unit, *g.rowUnit, difference).value();
                high = Units::fromRow(high, *g.unit, *g.rowUnit, difference).value();
                // A book gives 2 min, not 0,0093 min: another unit is shown from 1 up.
                if (high >= 1 && low < 1)
                    low = 1;
            }
            const int figures = 2 + int(prng.below(2));
            const Figures::Decimal d = Figures::draw(prng, low, high, figures, g.whole);
            g.plain = d.plain;
            g.shown = d.value;
            g.figures = d.figures;
            g.inRow = g.converted() ? Units::toRow(d.value, *g.unit, *g.rowUnit, difference) : d.value;
            givens.push_back(std::move(g));
        }

        if (askedRange && askedRange->whole && !wholeAnswer(page, givens, *ex.asked, *askedRange, prng))
            continue;

        Working working;
        std::optional<Number> answer;
        try {
            answer = solved(page, givens, ex.asked->field, -1, &working);
        } catch (const EngineError&) {
            continue;
        }
        if (!answer || !sensible(*answer, askedRange, askedRange && askedRange->whole))
            continue;

        // Nor is an answer asked as 0,005 km.
        if (askedUnit != ex.askedRow.unit
            && std::fabs(Units::fromRow(*answer, *askedUnit, *ex.askedRow.unit, ex.asked->difference()).value()) < 0.1L) {
            bool givenConverts = false;
            for (const Given& g : givens)
                givenConverts = givenConverts || g.converted();
            if (!givenConverts)
                continue;
            askedUnit = ex.askedRow.unit;
        }
        ex.givens = std::move(givens);
        ex.askedUnit = askedUnit;
        ex.answer = *answer;
        ex.answerAsked = ex.answerConverted() ? Units::fromRow(*answer, *askedUnit, *ex.askedRow.unit, ex.asked->difference())
                                              : *answer;
        ex.working = std::move(working);
        // What the typical slip gives: a value taken as written.
        bool anyConverted = false;
        for (std::size_t i = 0; i < ex.givens.size(); ++i) {
            if (!ex.givens[i].converted())
                continue;
            anyConverted = true;
            try {
                ex.givens[i].unconverted = solved(page, ex.givens, ex.asked->field, int(i));
            } catch (const EngineError&) {
            }
        }
        if (anyConverted) {
            try {
                ex.allUnconverted = solved(page, ex.givens, ex.asked->field, -2);
            } catch (const EngineError&) {
            }
        }
        QString text = QString::fromUtf8(ex.statement->text);
        for (const Given& g : ex.givens)
            text.replace(u'{' + QString::fromUtf8(g.row->field) + u'}', g.text());
        text.replace(QStringLiteral("{?}"), ex.askedUnitName());
        ex.text = text;
        ex.valid = true;
        return ex;
    }
    return ex;
}

Exercise make(QStringView button, Level level, std::uint32_t number, int index)
{
    const Topic* topic = Catalogue::topicOfButton(button);
    const Problems::TopicProblems* problems = ProblemCatalogue::ofButton(button);
    if (!topic || !problems)
        return {};
    return make(*topic, *problems, level, number, index);
}

Exercise mixed(const ProblemCatalogue::Area& area, Level level, std::uint32_t number, int index)
{
    if (area.problems.empty())
        return {};
    Prng prng(seedOf(QString::fromUtf8(area.name), level, number, index));
    const Problems::TopicProblems& p = area.problems[prng.below(area.problems.size())];
    return make(QString::fromLatin1(p.button), level, number, index);
}

}
