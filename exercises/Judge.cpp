#include "exercises/Judge.h"

#include "engine/Sheet.h"
#include "exercises/AnswerReader.h"
#include "exercises/Figures.h"
#include "exercises/Notation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Judge {

namespace {

// Under this a count is the exact whole number; from it on, a book gives a count with a
// few figures and a power of ten (7,06 · 10¹³ electrons), judged like a measure.
constexpr long double exactCountsBelow = 1e6L;
// Figures beyond these are the tolerance's to judge, not the rounding's.
constexpr int mostFigures = 15;

QString quoted(QStringView text) { return u'“' + text.toString() + u'”'; }

QString name(const Units::Unit* u) { return QString::fromUtf8(u->name); }

// Two roundings that reach the same decimal.
bool same(long double a, long double b)
{
    return std::fabs(a - b) <= 1e-12L * std::max(std::fabs(a), std::fabs(b));
}

// Whether a quantity's name takes "a": "distância focal", "resistência equivalente".
bool feminine(QStringView quantity)
{
    const QStringView word = quantity.left(quantity.indexOf(u' ') < 0 ? quantity.size() : quantity.indexOf(u' '));
    return word.endsWith(u'a') || word.endsWith(u"ão") || word.endsWith(u"dade") || word == u"corrente";
}

// "voltas" → "volta", "oscilações" → "oscilação".
QString singular(const QString& plural)
{
    if (plural.endsWith(u"ões"))
        return plural.chopped(3) + QStringLiteral("ão");
    return plural.endsWith(u's') ? plural.chopped(1) : plural;
}

// A unit as typed, compared letter for letter but for case, which tells milli from mega.
QString folded(QStringView text)
{
    QString out;
    for (QChar c : text)
        out += c == u'm' || c == u'M' ? c : c.toLower();
    return out;
}

bool exactCount(const Exercise& ex)
{
    return ex.counts() && std::fabs(ex.answerAsked.value()) < exactCountsBelow;
}

// The fewest figures a right answer may have: the data's, and two at the least.
int leastFigures(const Exercise& ex)
{
    return std::max(ex.dataFigures(), 2);
}

QString unitText(const Exercise& ex, const Units::Unit* u)
{
    return u ? name(u) : QString::fromUtf8(ex.asked->unit);
}

// A typed unit read against the answer's: the unit it is, or why it is not one here.
struct TypedUnit
{
    const Units::Unit* unit = nullptr;
    QString problem;
};

TypedUnit unitOf(const Exercise& ex, const QString& typed)
{
    TypedUnit t;
    const QString spelt = AnswerReader::unitSpelling(typed);
    const QString quantity = QString::fromUtf8(ex.asked->quantity);
    const QString own = QString::fromUtf8(ex.asked->unit);
    const Units::Kind* kind = ex.askedRow.kind;
    if (ex.counts() || (!kind && own.isEmpty())) {
        // A count may say what it counts ("12 voltas"), which is no unit.
        const QString noun = Notation::counted(quantity);
        if (!noun.isEmpty() && (folded(spelt) == folded(noun) || folded(spelt) == folded(singular(noun))))
            return t;
        t.problem = QStringLiteral("%1 %2 não tem unidade.").arg(feminine(quantity) ? u"Uma" : u"Um", quantity);
        return t;
    }
    if (kind) {
        if ((t.unit = ExerciseGenerator::unitOfKind(kind, spelt)))
            return t;
        if (std::strcmp(kind->name, "temperatura") == 0) {
            if (spelt == u"º" && (t.unit = ExerciseGenerator::unitOfKind(kind, u"ºC")))
                return t;
            if (folded(spelt) == u"c") {
                t.problem =
                    QStringLiteral("Use °C: %1 é o coulomb, unidade de carga elétrica, não de temperatura.").arg(quoted(typed));
                return t;
            }
            if (folded(spelt) == u"f") {
                t.problem =
                    QStringLiteral("Use °F: %1 é o farad, unidade de capacitância, não de temperatura.").arg(quoted(typed));
                return t;
            }
        }
        int matches = 0;
        for (const Units::Unit& u : kind->units) {
            if (folded(name(&u)) == folded(spelt)) {
                t.unit = &u;
                ++matches;
            }
        }
        if (matches == 1)
            return t;
        t.unit = nullptr;
    } else if (folded(spelt) == folded(own)) {
        return t;
    }
    t.problem = Units::ofRow(spelt) ? QStringLiteral("A unidade %1 não é de %2.").arg(quoted(typed), quantity)
                                    : QStringLiteral("Não conheço a unidade %1.").arg(quoted(typed));
    return t;
}

// The exact answer in `u`; in the unit asked for none.
long double answerIn(const Exercise& ex, const Units::Unit* u)
{
    if (!u || u == ex.askedUnit || !ex.askedRow.unit)
        return ex.answerAsked.value();
    if (u == ex.askedRow.unit)
        return ex.answer.value();
    return Units::fromRow(ex.answer, *u, *ex.askedRow.unit, ex.asked->difference()).value();
}

// A value typed in `u`, in the unit asked.
long double inAsked(const Exercise& ex, long double value, const Units::Unit* u)
{
    if (!u || !ex.askedUnit || !ex.askedRow.unit || u == ex.askedUnit)
        return value;
    const bool difference = ex.asked->difference();
    return Units::fromRow(Units::toRow(value, *u, *ex.askedRow.unit, difference), *ex.askedUnit, *ex.askedRow.unit, difference)
        .value();
}

// The answer as judged: its value, the unit it is in, and the figures it may be read with.
struct Typed
{
    long double number = 0;
    const Units::Unit* unit = nullptr;
    long double asked = 0;
    int fewest = 0;
    int most = 0;
};

// "152,55" has 5 figures, "0,050" has 2, "150" has 2 or 3.
void figuresOf(const QString& mantissa, Typed& t)
{
    t.most = Figures::significantOf(mantissa);
    t.fewest = t.most;
    if (!mantissa.contains(u',') && t.most > 0) {
        int zeros = 0;
        for (qsizetype i = mantissa.size() - 1; i >= 0 && mantissa[i] == u'0'; --i)
            ++zeros;
        t.fewest = std::max(t.most - zeros, 1);
    }
}

bool right(const Exercise& ex, const Typed& t)
{
    if (exactCount(ex))
        return same(t.asked, ex.answerAsked.value());
    if (std::fabs(t.asked - ex.answerAsked.value()) <= ex.tolerance)
        return true;
    const long double target = answerIn(ex, t.unit);
    for (int n = std::max(t.fewest, leastFigures(ex)); n <= std::min(t.most, mostFigures); ++n) {
        if (same(Figures::rounded(target, n).value.value(), t.number))
            return true;
    }
    return false;
}

QString withUnit(const Exercise& ex, const Figures::Decimal& d, const Units::Unit* u)
{
    return Notation::withUnit(Notation::number(d), unitText(ex, u));
}

// A right answer with more than one figure beyond the data's (trailing zeros of a whole
// number given the benefit of the doubt) is shown the shortest rounding of itself, from
// the data's figures up, that is still right.
QString note(const Exercise& ex, const Typed& t)
{
    const int data = ex.dataFigures();
    if (exactCount(ex) || data == 0 || t.fewest <= data + 1)
        return {};
    for (int n = data; n < std::min(t.fewest, mostFigures); ++n) {
        Typed shorter = t;
        const Figures::Decimal d = Figures::rounded(t.number, n);
        shorter.number = d.value.value();
        shorter.asked = inAsked(ex, shorter.number, t.unit);
        shorter.fewest = shorter.most = n;
        if (right(ex, shorter)) {
            return QStringLiteral("Os dados têm %1 %2; %3 pode ser escrito %4.")
                .arg(data)
                .arg(data == 1 ? u"algarismo significativo" : u"algarismos significativos",
                     withUnit(ex, Figures::rounded(t.number, std::min(t.fewest, mostFigures)), t.unit), withUnit(ex, d, t.unit));
        }
    }
    return {};
}

const Working::Step* askedStep(const Exercise& ex)
{
    for (const Working::Step& s : ex.working.steps()) {
        if (std::strcmp(s.target, ex.asked->field) == 0)
            return &s;
    }
    return nullptr;
}

bool takesRoot(const Working& w, int i)
{
    const Working::Node& n = w.node(i);
    return n.op == Working::Op::SquareRoot || (n.left >= 0 && takesRoot(w, n.left)) || (n.right >= 0 && takesRoot(w, n.right));
}

// The units a structural slip may have been made in: the formula's, the one asked, the
// student's.
std::vector<long double> answersToCheck(const Exercise& ex, const Typed& t)
{
    std::vector<long double> out{ex.answer.value(), ex.answerAsked.value()};
    if (t.unit)
        out.push_back(answerIn(ex, t.unit));
    return out;
}

// The typical slips, in the order a teacher checks them.
QString hint(const Exercise& ex, const Typed& t)
{
    const long double answer = ex.answer.value(), asked = ex.answerAsked.value();
    const QString quantity = QString::fromUtf8(ex.asked->quantity);
    if (ex.askedValue.completed) {
        const std::optional<Number> raw = resultOf(ex.working, ex.asked->field);
        // The result itself, or rounded up: past the last completed turn, short of the next.
        if (raw && t.number > answer && t.number <= std::ceil(raw->value())) {
            QString counted = Notation::counted(quantity);
            if (counted.isEmpty())
                counted = QStringLiteral("voltas");
            const QString one = singular(counted);
            return QStringLiteral("Conte só as %1 completas: a parte decimal não forma %2 %3.")
                .arg(counted, feminine(one) ? u"uma" : u"um", one);
        }
    }
    const auto inAskedOf = [&](Number rowValue) {
        return ex.answerConverted() ? Units::fromRow(rowValue, *ex.askedUnit, *ex.askedRow.unit, ex.asked->difference())
                                    : rowValue;
    };
    const auto matches = [&](std::optional<Number> rowValue) {
        return rowValue
            && (near(t.asked, rowValue->value(), ex.tolerance) || near(t.asked, inAskedOf(*rowValue).value(), ex.tolerance));
    };
    for (const Given& g : ex.givens) {
        if (g.converted() && matches(g.unconverted))
            return QStringLiteral("Parece que %1 não foi convertido para %2.").arg(g.text(), Notation::unit(name(g.rowUnit)));
    }
    if (matches(ex.allUnconverted))
        return QStringLiteral("Parece que os valores não foram convertidos para as unidades da fórmula.");
    if (ex.answerConverted() && t.unit == ex.askedUnit && near(t.number, answer, 0))
        return QStringLiteral("Parece que o resultado, em %1, não foi convertido para %2.")
            .arg(Notation::unit(name(ex.askedRow.unit)), Notation::unit(name(ex.askedUnit)));
    // The right number, in another unit of the kind than the one typed.
    if (t.unit && ex.askedRow.kind) {
        std::vector<const Units::Unit*> others{ex.askedUnit, ex.askedRow.unit};
        for (const Units::Unit& u : ex.askedRow.kind->units)
            others.push_back(&u);
        const Figures::Decimal typed = Figures::rounded(t.number, std::clamp(t.fewest, 1, mostFigures));
        for (const Units::Unit* u : others) {
            if (u != t.unit && near(t.number, answerIn(ex, u), 0))
                return QStringLiteral("Confira a unidade: %1 não é %2.").arg(withUnit(ex, typed, t.unit), withUnit(ex, typed, u));
        }
    }
    const Working::Step* step = askedStep(ex);
    const std::vector<long double> answers = answersToCheck(ex, t);
    const auto anyNear = [&](auto of) {
        return std::any_of(answers.begin(), answers.end(), [&](long double a) { return a != 0 && near(t.number, of(a), 0); });
    };
    if (step && takesRoot(ex.working, step->root) && anyNear([](long double a) { return a * a; }))
        return QStringLiteral("Parece que faltou extrair a raiz quadrada.");
    // On a relation that is a sum of inverses (1/f = 1/d₁ + 1/d₀) the sum is 1/x, still to be
    // inverted.
    const bool sumOfInverses = step && step->textbook && QByteArray(step->textbook).startsWith("1 /");
    if (sumOfInverses && anyNear([](long double a) { return 1 / a; }))
        return QStringLiteral("Falta inverter: 1/%1 dá o inverso %2 %3.")
            .arg(QString::fromUtf8(ex.asked->symbol), feminine(quantity) ? u"da" : u"do", quantity);
    for (int k = -15; k <= 15; ++k) {
        if (k != 0 && near(t.asked, asked * Figures::power(k), 0))
            return QStringLiteral("A ordem de grandeza não confere: confira as potências de 10.");
    }
    if (asked != 0 && near(t.asked, -asked, 0))
        return QStringLiteral("Confira o sinal do resultado.");
    if (!sumOfInverses && anyNear([](long double a) { return 1 / a; }))
        return QStringLiteral("Parece que a fórmula foi usada invertida: confira o que vai no numerador e o que vai no "
                              "denominador.");
    return {};
}

}

bool near(long double value, long double target, long double floor)
{
    return std::fabs(value - target) <= std::max(std::fabs(target) / 100, floor);
}

Verdict judge(const Exercise& ex, QStringView typed, const Units::Unit* chosen)
{
    Verdict v;
    const AnswerReader::Answer a = AnswerReader::read(typed);
    if (a.status == AnswerReader::Answer::Empty)
        return v;
    const auto unreadable = [&](const QString& why) {
        v.kind = Verdict::Unreadable;
        v.feedback = why.isEmpty() ? QStringLiteral("Não entendi o número: %1.").arg(quoted(typed.trimmed())) : why;
        return v;
    };
    if (a.status == AnswerReader::Answer::Unreadable)
        return unreadable(a.problem);
    Typed t;
    t.unit = ex.askedRow.kind ? (chosen ? chosen : ex.askedUnit) : nullptr;
    if (!a.unit.isEmpty()) {
        const TypedUnit u = unitOf(ex, a.unit);
        if (!u.problem.isEmpty())
            return unreadable(u.problem);
        if (u.unit)
            t.unit = u.unit;
    }
    t.number = a.value.value();
    figuresOf(a.mantissa, t);
    try {
        t.asked = inAsked(ex, t.number, t.unit);
        if (right(ex, t)) {
            v.kind = Verdict::Right;
            v.feedback = QStringLiteral("Correto!");
            v.note = note(ex, t);
            return v;
        }
    } catch (const EngineError&) {
        return unreadable({});
    }
    v.kind = Verdict::Wrong;
    QString h;
    try {
        h = hint(ex, t);
    } catch (const EngineError&) {
    }
    v.feedback = h.isEmpty() ? QStringLiteral("Ainda não.") : QStringLiteral("Ainda não. ") + h;
    return v;
}

}
