// The judge, row by row: an exercise, what a student types, and exactly what the judge
// says. The exercises are found among the catalogue's (or, where the catalogue need not
// have one, made from a situation of this test's own) by what they are, and the texts
// typed are worked out from their answers, so the table holds whatever values the
// statements draw. Then the key and Ver resolução: four figures, "≈" where rounded, the
// answer with the data's figures and its unit.
#include "catalogue/Catalogue.h"
#include "catalogue/ProblemCatalogue.h"
#include "engine/NumberText.h"
#include "engine/Sheet.h"
#include "exercises/Exercise.h"
#include "exercises/Figures.h"
#include "exercises/Judge.h"
#include "exercises/Notation.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>

namespace {

// Situations of this test's own, on the catalogue's pages: what the judge must handle
// whether or not the catalogue's statements happen to ask it.
const Problems::Statement gaussInCentimetres[] = {
    {"eg1d1",
     "Um objeto está a {eg1d0} de um espelho côncavo de distância focal {eg1f}. A que distância do espelho se forma a imagem, "
     "em {?}?",
     {{"eg1f", 5, 20, "cm"}, {"eg1d0", 30, 60, "cm"}, {"eg1d1", 5, 200, "cm"}}},
};
const Problems::Statement completedTurns[] = {
    {"pT", "Uma roda gira com frequência de {pP} durante {pdT}. Quantas voltas completas ela dá?",
     {{"pP", 2, 30}, {"pdT", 10, 60}, {.field = "pT", .low = 20, .high = 2000, .whole = true, .completed = true}}},
};
// Fahrenheit readings around the freezing point: many would give an answer near 0 °C.
const Problems::Statement nearFreezing[] = {
    {"ecfc", "Um termômetro Fahrenheit marca {ecff}. Quanto marcaria um termômetro Celsius, em {?}?",
     {{"ecff", 30, 36}, {"ecfc", -1, 1000}}},
};
const Problems::TopicProblems own[] = {
    {"ButtonXPMACCorel58", gaussInCentimetres},
    {"ButtonXPMACCorel28", completedTurns},
    {"ButtonXPMACCorel42", nearFreezing},
};
enum Own { GaussInCentimetres, CompletedTurns, NearFreezing };

}

// Which exercise a row judges: a catalogue topic's, or one of this test's situations.
struct Key
{
    QString button;
    int own = -1;
    int level = 1;
    std::uint32_t number = 0;
    int index = 1;
};
Q_DECLARE_METATYPE(Key)

namespace {

Exercise build(const Key& k)
{
    if (k.own >= 0) {
        const Problems::TopicProblems& p = own[k.own];
        const Topic* topic = Catalogue::topicOfButton(QString::fromLatin1(p.button));
        return ExerciseGenerator::make(*topic, p, Level(k.level), k.number, k.index, 0);
    }
    return ExerciseGenerator::make(k.button, Level(k.level), k.number, k.index);
}

QStringList allButtons()
{
    QStringList out;
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems)
            out << QString::fromLatin1(p.button);
    }
    return out;
}

// The first exercise, topic by topic and number by number, that `wanted` takes.
std::optional<Key> find(const std::function<bool(const Exercise&)>& wanted, int level, QStringList buttons = {})
{
    if (buttons.isEmpty())
        buttons = allButtons();
    for (const QString& b : buttons) {
        for (std::uint32_t n = 1; n <= 40; ++n) {
            for (int index = 1; index <= 3; ++index) {
                const Key k{b, -1, level, n * 101, index};
                const Exercise ex = build(k);
                if (ex.valid && wanted(ex))
                    return k;
            }
        }
    }
    return std::nullopt;
}

std::optional<Key> findOwn(Own which, const std::function<bool(const Exercise&)>& wanted)
{
    for (std::uint32_t n = 1; n <= 200; ++n) {
        const Key k{{}, which, 1, n, 1};
        const Exercise ex = build(k);
        if (ex.valid && wanted(ex))
            return k;
    }
    return std::nullopt;
}

long double A(const Exercise& ex) { return ex.answerAsked.value(); }

QString digits(long double v) { return NumberText::format(v, u','); }
QString figures(long double v, int n) { return Figures::rounded(v, n).plain; }
QString nb(const QString& number, const QString& unit) { return number + QChar(0x00a0) + unit; }
// As the key prints it: "307 000", "2,0 · 10⁻⁷".
QString book(long double v, int n) { return Notation::number(Figures::rounded(v, n)); }
QString unitName(const Units::Unit* u) { return Notation::unit(QString::fromUtf8(u->name)); }

long double answerIn(const Exercise& ex, const Units::Unit& u)
{
    return Units::fromRow(ex.answer, u, *ex.askedRow.unit, ex.asked->difference()).value();
}

// The values the judge's hints answer to, by hint.
enum Target { Answer = 1, OtherUnit = 2, Power = 4, Sign = 8, Inverse = 16, Square = 32, SlipOne = 64, SlipAll = 128 };

std::vector<std::pair<Target, long double>> hintTargets(const Exercise& ex)
{
    const long double a = A(ex), r = ex.answer.value();
    std::vector<std::pair<Target, long double>> out{{Answer, a}, {Sign, -a}, {Inverse, 1 / a}, {Inverse, 1 / r}, {Square, a * a},
                                                   {Square, r * r}};
    for (int k = -15; k <= 15; ++k) {
        if (k != 0)
            out.emplace_back(Power, a * Figures::power(k));
    }
    if (ex.askedRow.kind) {
        for (const Units::Unit& u : ex.askedRow.kind->units) {
            if (&u != ex.askedUnit)
                out.emplace_back(OtherUnit, answerIn(ex, u));
        }
    }
    for (const Given& g : ex.givens) {
        if (g.unconverted)
            out.emplace_back(SlipOne, g.unconverted->value());
    }
    if (ex.allUnconverted)
        out.emplace_back(SlipAll, ex.allUnconverted->value());
    return out;
}

// Whether `typed` is near no value of a hint but those `allowed`: those that come after
// the one a row expects in the judge's order, and its own.
bool onlyNear(const Exercise& ex, long double typed, int allowed)
{
    for (const auto& [target, value] : hintTargets(ex)) {
        if (!(target & allowed) && std::fabs(typed - value) <= 0.02L * std::fabs(value))
            return false;
    }
    return true;
}

bool plainScale(const Units::Unit* u)
{
    return u && std::strcmp(u->before, "0") == 0 && std::strcmp(u->after, "0") == 0;
}

// A measured answer, asked in the unit the page computes in, from values given in theirs.
bool plain(const Exercise& ex)
{
    if (ex.counts() || !ex.askedRow.kind || ex.answerConverted() || A(ex) <= 0 || !plainScale(ex.askedUnit))
        return false;
    return std::none_of(ex.givens.begin(), ex.givens.end(), [](const Given& g) { return g.converted(); });
}

bool takesRoot(const Working& w, int i)
{
    const Working::Node& n = w.node(i);
    return n.op == Working::Op::SquareRoot || (n.left >= 0 && takesRoot(w, n.left)) || (n.right >= 0 && takesRoot(w, n.right));
}

const Working::Step* askedStep(const Exercise& ex)
{
    for (const Working::Step& s : ex.working.steps()) {
        if (std::strcmp(s.target, ex.asked->field) == 0)
            return &s;
    }
    return nullptr;
}

bool sumOfInverses(const Exercise& ex)
{
    const Working::Step* s = askedStep(ex);
    return s && s->textbook && QByteArray(s->textbook).startsWith("1 /");
}

// The superscript exponent of a book's power of ten.
QString superscript(int n)
{
    static const QString d = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out = n < 0 ? QStringLiteral("⁻") : QString();
    for (QChar c : QString::number(std::abs(n)))
        out += d[c.unicode() - u'0'];
    return out;
}

const int right = Judge::Verdict::Right, wrong = Judge::Verdict::Wrong, unreadable = Judge::Verdict::Unreadable;
// A note the row does not look at.
const QString anyNote = QStringLiteral("*");

// The rows of one exercise at a time; an exercise not found adds a row that fails.
class Rows
{
public:
    const Exercise* on(const char* what, const std::optional<Key>& key)
    {
        if (!key) {
            QTest::newRow(what) << Key{} << QString() << 0 << QStringLiteral("no exercise found: %1").arg(what) << QString();
            return nullptr;
        }
        m_key = *key;
        m_exercise = build(*key);
        return &m_exercise;
    }
    void add(const char* name, const QString& typed, int kind, const QString& feedback, const QString& note = {})
    {
        QTest::newRow(name) << m_key << typed << kind << feedback << note;
    }

private:
    Key m_key;
    Exercise m_exercise;
};

}

class TestJudge : public QObject
{
    Q_OBJECT

private slots:
    void table_data();
    void table();
    void notesAreAccepted_data();
    void notesAreAccepted();
    void answersClearOfZero();
    void solutionLines_data();
    void solutionLines();
    void keyFigures_data();
    void keyFigures();
};

void TestJudge::table_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("feedback");
    QTest::addColumn<QString>("note");
    Rows rows;
    const QString correct = QStringLiteral("Correto!"), notYet = QStringLiteral("Ainda não.");
    const QString figuresNote = QStringLiteral("Os dados têm 2 algarismos significativos; %1 pode ser escrito %2.");

    // Hundreds of a unit, with 2-figure data, whose 2-figure rounding is over 1 % off (as
    // 150 s for 152,55 s) and whose 1-figure rounding is far off (200 s).
    const auto measured = find(
        [](const Exercise& ex) {
            const long double a = A(ex), two = Figures::rounded(a, 2).value.value(), one = Figures::rounded(a, 1).value.value();
            return plain(ex) && ex.dataFigures() == 2 && Figures::decade(a) >= 2 && Figures::decade(a) <= 3
                && std::fabs(two - a) > 0.012L * a && std::fabs(one - a) > 0.05L * a && !unitName(ex.askedUnit).contains(u'°')
                && onlyNear(ex, 1.015L * a, Answer) && onlyNear(ex, 0.985L * a, Answer) && onlyNear(ex, one, Answer)
                && onlyNear(ex, Figures::rounded(0.97L * a, 3).value.value(), Answer)
                && onlyNear(ex, Figures::power(Figures::decade(a) + 5), Answer);
        },
        1);
    if (const Exercise* ex = rows.on("measured", measured)) {
        const long double a = A(*ex);
        const QString unit = unitName(ex->askedUnit);
        rows.add("every digit", digits(a), right, correct, anyNote);
        rows.add("0,5 % over", digits(a * 1.005L), right, correct, anyNote);
        rows.add("0,5 % under", digits(a * 0.995L), right, correct, anyNote);
        rows.add("1,5 % over", digits(a * 1.015L), wrong, notYet);
        rows.add("1,5 % under", digits(a * 0.985L), wrong, notYet);
        rows.add("data's figures, over 1 % off", figures(a, 2), right, correct);
        rows.add("data's figures with the unit", figures(a, 2) + u' ' + unit, right, correct);
        rows.add("one figure more than the data", figures(a, 3), right, correct);
        rows.add("fewer figures than the data", figures(a, 1), wrong, notYet);
        rows.add("three figures, 3 % off", figures(a * 0.97L, 3), wrong, notYet);
        rows.add("five figures: the note rounds to the data's", figures(a, 5), right, correct,
                 figuresNote.arg(nb(figures(a, 5), unit), nb(figures(a, 2), unit)));
        // Powers of ten as books and calculators write them.
        const int d = Figures::decade(a);
        const QString m = figures(a / Figures::power(d), 3);
        rows.add("times 10^", QStringLiteral("%1 × 10^%2").arg(m).arg(d), right, correct);
        rows.add("middle dot and superscript", QStringLiteral("%1 · 10%2").arg(m, superscript(d)), right, correct);
        rows.add("point times 10", QStringLiteral("%1.10^%2").arg(m).arg(d), right, correct);
        rows.add("calculator E", QStringLiteral("%1E%2").arg(m).arg(d), right, correct);
        rows.add("a power of ten alone is read", QStringLiteral("10^%1").arg(d + 5), wrong, notYet);
        rows.add("a superscript power alone is read", QStringLiteral("10") + superscript(d + 5), wrong, notYet);
        // What cannot be read one way only is asked about.
        const QString thousands = QStringLiteral(" Escreva sem ponto de milhar, com vírgula nos decimais.");
        rows.add("a point and three figures", QStringLiteral("5.895"), unreadable, "“5.895” é 5895 ou 5,895?" + thousands);
        rows.add("a point, three figures and a unit", QStringLiteral("26.832 mV"), unreadable,
                 "“26.832 mV” é 26832 mV ou 26,832 mV?" + thousands);
        rows.add("a point and three zeros", QStringLiteral("2.500"), unreadable, "“2.500” é 2500 ou 2,500?" + thousands);
        rows.add("10 e 5", QStringLiteral("10 e 5"), unreadable,
                 QStringLiteral("Não entendi “10 e 5”: uma potência de dez se escreve junto do número, como 3e8 ou 3 × 10^8."));
        rows.add("1e999", QStringLiteral("1e999"), unreadable, QStringLiteral("“1e999” é grande demais."));
        rows.add("two numbers", QStringLiteral("2 3"), unreadable, QStringLiteral("Não entendi o número: “2 3”."));
        rows.add("nothing typed", QStringLiteral("  "), Judge::Verdict::Empty, QString());
    }

    // Three figures of data: two figures over 1 % off are not enough.
    const auto threeFigureData = find(
        [](const Exercise& ex) {
            const long double two = Figures::rounded(A(ex), 2).value.value();
            return plain(ex) && ex.dataFigures() == 3 && std::fabs(two - A(ex)) > 0.012L * A(ex) && onlyNear(ex, two, Answer);
        },
        1);
    if (const Exercise* ex = rows.on("three-figure data", threeFigureData))
        rows.add("two figures for three-figure data", figures(A(*ex), 2), wrong, notYet);

    // The note keeps the data's figures: 2,0 · 10⁻⁷ C, not 2 · 10⁻⁷ C.
    const auto zeroFigure = find(
        [](const Exercise& ex) {
            const QString two = Figures::rounded(A(ex), 2).plain;
            return plain(ex) && ex.dataFigures() == 2 && A(ex) < 1e-3L && two.endsWith(u'0')
                && Figures::rounded(A(ex), 5).plain != two;
        },
        1, QStringList{QStringLiteral("ButtonXPMACCorel80")} + allButtons());
    if (const Exercise* ex = rows.on("a zero figure", zeroFigure)) {
        const int d = Figures::decade(A(*ex));
        const QString five = QString::number(qint64(std::llround(A(*ex) / Figures::power(d - 4))));
        const QString power = QStringLiteral("\u00a0·\u00a010") + superscript(d);
        const QString two = QString::number(qint64(std::llround(A(*ex) / Figures::power(d)))) + QStringLiteral(",0");
        rows.add("the note keeps a zero figure", figures(A(*ex), 5), right, correct,
                 figuresNote.arg(nb(five.left(1) + u',' + five.mid(1) + power, unitName(ex->askedUnit)),
                                 nb(two + power, unitName(ex->askedUnit))));
    }

    // Units: the statement asks centimetres on a page that shows none.
    const auto gauss = findOwn(GaussInCentimetres, [](const Exercise& ex) {
        return onlyNear(ex, Figures::rounded(1 / A(ex), 4).value.value(), Inverse | Power | Sign);
    });
    if (const Exercise* ex = rows.on("Gauss", gauss)) {
        const long double a = A(*ex);
        rows.add("in metres for centimetres", figures(a / 100, 3) + QStringLiteral(" m"), right, correct);
        rows.add("no unit typed", figures(a, 3), right, correct);
        rows.add("millimetres for centimetres", figures(a, 3) + QStringLiteral(" mm"), wrong,
                 QStringLiteral("Ainda não. Confira a unidade: %1 não é %2.")
                     .arg(nb(book(a, 3), QStringLiteral("mm")), nb(book(a, 3), QStringLiteral("cm"))));
        rows.add("Gauss not inverted", figures(1 / a, 4), wrong,
                 QStringLiteral("Ainda não. Falta inverter: 1/d₁ dá o inverso da distância da imagem."));
    }

    // The right number in another unit than the one typed; units of other quantities.
    const auto otherUnit = [](const Exercise& ex) -> const Units::Unit* {
        for (const Units::Unit& u : ex.askedRow.kind->units) {
            const long double there = Units::toRow(A(ex), u, *ex.askedRow.unit, ex.asked->difference()).value();
            if (&u != ex.askedUnit && plainScale(&u) && std::fabs(there / ex.answer.value() - 1) > 0.05L)
                return &u;
        }
        return nullptr;
    };
    if (const Exercise* ex = rows.on("another unit", find([&](const Exercise& ex) { return plain(ex) && otherUnit(ex); }, 1))) {
        const long double a = A(*ex);
        const Units::Unit* other = otherUnit(*ex);
        rows.add("the number of another unit", figures(a, 3) + u' ' + QString::fromUtf8(other->name), wrong,
                 QStringLiteral("Ainda não. Confira a unidade: %1 não é %2.")
                     .arg(nb(book(a, 3), unitName(other)), nb(book(a, 3), unitName(ex->askedUnit))));
        const QString foreign = std::strcmp(ex->askedRow.kind->name, "velocidade") ? QStringLiteral("m/s") : QStringLiteral("kg");
        rows.add("a unit of another quantity", figures(a, 3) + u' ' + foreign, unreadable,
                 QStringLiteral("A unidade “%1” não é de %2.").arg(foreign, QString::fromUtf8(ex->asked->quantity)));
        rows.add("no such unit", figures(a, 3) + QStringLiteral(" abc"), unreadable,
                 QStringLiteral("Não conheço a unidade “abc”."));
    }

    // The answer asked in another unit than the formula's, left in the formula's.
    const auto askedElsewhere = find(
        [](const Exercise& ex) {
            return ex.answerConverted() && !ex.counts() && plainScale(ex.askedUnit) && plainScale(ex.askedRow.unit)
                && std::none_of(ex.givens.begin(), ex.givens.end(), [](const Given& g) { return g.converted(); })
                && onlyNear(ex, ex.answer.value(), ~(SlipOne | SlipAll));
        },
        2);
    if (const Exercise* ex = rows.on("asked in another unit", askedElsewhere)) {
        rows.add("result left in the formula's unit", digits(ex->answer.value()), wrong,
                 QStringLiteral("Ainda não. Parece que o resultado, em %1, não foi convertido para %2.")
                     .arg(unitName(ex->askedRow.unit), unitName(ex->askedUnit)));
    }

    // A given left unconverted, and all of them.
    const auto convertedGiven = [](const Exercise& ex) {
        return std::find_if(ex.givens.begin(), ex.givens.end(), [](const Given& g) { return g.converted(); });
    };
    const auto conversions = [](const Exercise& ex) {
        return std::count_if(ex.givens.begin(), ex.givens.end(), [](const Given& g) { return g.converted(); });
    };
    const auto oneUnconverted = find(
        [&](const Exercise& ex) {
            const auto g = convertedGiven(ex);
            return conversions(ex) == 1 && !ex.counts() && !ex.answerConverted() && g->unconverted
                && onlyNear(ex, g->unconverted->value(), ~Answer);
        },
        2);
    if (const Exercise* ex = rows.on("one conversion", oneUnconverted)) {
        const Given& g = *convertedGiven(*ex);
        rows.add("a given not converted", digits(g.unconverted->value()), wrong,
                 QStringLiteral("Ainda não. Parece que %1 não foi convertido para %2.").arg(g.text(), unitName(g.rowUnit)));
    }
    const auto noneConverted = find(
        [&](const Exercise& ex) {
            return conversions(ex) >= 2 && !ex.counts() && !ex.answerConverted() && ex.allUnconverted
                && onlyNear(ex, ex.allUnconverted->value(), ~(Answer | SlipOne));
        },
        2);
    if (const Exercise* ex = rows.on("conversions", noneConverted)) {
        rows.add("no given converted", digits(ex->allUnconverted->value()), wrong,
                 QStringLiteral("Ainda não. Parece que os valores não foram convertidos para as unidades da fórmula."));
    }

    // Slips of the formula.
    const auto rootTaken = find(
        [](const Exercise& ex) {
            const Working::Step* s = askedStep(ex);
            const long double square = Figures::rounded(A(ex) * A(ex), 3).value.value();
            return plain(ex) && s && takesRoot(ex.working, s->root) && onlyNear(ex, square, Square | Power | Sign | Inverse);
        },
        1, {QStringLiteral("ButtonXPMACCorel9")});
    if (const Exercise* ex = rows.on("Torricelli", rootTaken)) {
        rows.add("Torricelli squared", figures(A(*ex) * A(*ex), 3), wrong,
                 QStringLiteral("Ainda não. Parece que faltou extrair a raiz quadrada."));
    }
    const auto inverse = [](const Exercise& ex) { return Figures::rounded(1 / A(ex), 4).value.value(); };
    const auto parallel = find(
        [&](const Exercise& ex) { return plain(ex) && sumOfInverses(ex) && onlyNear(ex, inverse(ex), Inverse | Power | Sign); },
        1, {QStringLiteral("ButtonXPMACCorel102")});
    if (const Exercise* ex = rows.on("parallel", parallel)) {
        rows.add("parallel not inverted", figures(1 / A(*ex), 4), wrong,
                 QStringLiteral("Ainda não. Falta inverter: 1/Rₜₒₜₐₗ dá o inverso da resistência equivalente."));
    }
    const auto quotient = find(
        [&](const Exercise& ex) { return plain(ex) && !sumOfInverses(ex) && onlyNear(ex, inverse(ex), Inverse); }, 1);
    if (const Exercise* ex = rows.on("a quotient", quotient)) {
        rows.add("formula upside down", figures(1 / A(*ex), 4), wrong,
                 QStringLiteral("Ainda não. Parece que a fórmula foi usada invertida: confira o que vai no numerador e o que "
                                "vai no denominador."));
    }
    const auto powers = find(
        [](const Exercise& ex) { return plain(ex) && onlyNear(ex, A(ex) * 1000, Power | Sign | Inverse); }, 1);
    if (const Exercise* ex = rows.on("powers", powers)) {
        rows.add("a power of ten off", digits(A(*ex) * 1000), wrong,
                 QStringLiteral("Ainda não. A ordem de grandeza não confere: confira as potências de 10."));
    }
    const auto sign = find([](const Exercise& ex) { return plain(ex) && onlyNear(ex, -A(ex), Sign | Inverse); }, 1);
    if (const Exercise* ex = rows.on("sign", sign))
        rows.add("the sign", digits(-A(*ex)), wrong, QStringLiteral("Ainda não. Confira o sinal do resultado."));

    // Temperatures: "C" is the coulomb; the degree sign in any of its spellings.
    const auto celsius = find(
        [](const Exercise& ex) { return !ex.counts() && ex.askedUnit && QString::fromUtf8(ex.askedUnit->name) == u"ºC"; }, 1);
    if (const Exercise* ex = rows.on("Celsius", celsius)) {
        const QString value = figures(A(*ex), 3);
        rows.add("C for a temperature", value + QStringLiteral(" C"), unreadable,
                 QStringLiteral("Use °C: “C” é o coulomb, unidade de carga elétrica, não de temperatura."));
        rows.add("F for a temperature", value + QStringLiteral(" F"), unreadable,
                 QStringLiteral("Use °F: “F” é o farad, unidade de capacitância, não de temperatura."));
        for (const char* spelling : {"°C", "ºC", "oC", "º C", "graus", "graus Celsius"})
            rows.add(qPrintable(QStringLiteral("temperature in %1").arg(spelling)), value + u' ' + spelling, right, correct);
    }
    const auto angle = find([](const Exercise& ex) { return std::strcmp(ex.asked->unit, "º") == 0 && !ex.counts(); }, 1);
    if (const Exercise* ex = rows.on("angle", angle)) {
        for (const char* spelling : {"°", "º", " graus"})
            rows.add(qPrintable(QStringLiteral("angle in %1").arg(spelling)), figures(A(*ex), 3) + spelling, right, correct);
    }

    // Units as a plain keyboard types them, for the unit of the table they stand for.
    const std::pair<const char*, const char*> spellings[] = {{"m/s2", "m/s²"}, {"g/cm3", "g/cm³"}, {"ohm", "Ω"}, {"kohm", "kΩ"},
                                                             {"Ω", "Ω"},       {"j", "J"},         {"kj", "kJ"},  {"m2", "m²"},
                                                             {"m3", "m³"},     {"cm2", "cm²"},     {"uC", "µC"},  {"μC", "µC"}};
    for (const auto& [typed, name] : spellings) {
        const auto unitOf = [name](const Exercise& ex) {
            return ExerciseGenerator::unitOfKind(ex.askedRow.kind, QString::fromUtf8(name));
        };
        const QString row = QStringLiteral("%1 for %2").arg(typed, name);
        const auto found = find([&](const Exercise& ex) { return !ex.counts() && unitOf(ex); }, 1);
        if (const Exercise* ex = rows.on(qPrintable(row), found))
            rows.add(qPrintable(row), figures(answerIn(*ex, *unitOf(*ex)), 3) + u' ' + typed, right, correct);
    }

    // Counts: the exact whole number, with no unit; a large one within 1 %.
    const auto electrons = find([](const Exercise& ex) { return ex.counts() && A(ex) >= 1e6L; }, 1,
                                {QStringLiteral("ButtonXPMACCorel79")});
    if (const Exercise* ex = rows.on("electrons", electrons)) {
        const int d = Figures::decade(A(*ex));
        for (const char* unit : {"µC", "m/s", "abc"}) {
            rows.add(qPrintable(QStringLiteral("electrons in %1").arg(unit)),
                     QStringLiteral("%1e+%2 %3").arg(figures(A(*ex) / Figures::power(d), 4)).arg(d).arg(unit), unreadable,
                     QStringLiteral("Um número de elétrons não tem unidade."));
        }
        rows.add("a large count within 0,5 %", digits(A(*ex) * 1.005L), right, correct, anyNote);
        rows.add("a large count 1,5 % off", digits(A(*ex) * 1.015L), wrong, notYet);
    }
    const auto count = find(
        [](const Exercise& ex) {
            return ex.counts() && !ex.askedValue.completed && A(ex) < 1e6L && A(ex) > 3 && onlyNear(ex, A(ex) + 1, Answer);
        },
        1);
    if (const Exercise* ex = rows.on("a count", count)) {
        const QString quantity = QString::fromUtf8(ex->asked->quantity);
        rows.add("a count", digits(A(*ex)), right, correct);
        rows.add("a count one over", digits(A(*ex) + 1), wrong, notYet);
        rows.add("a count with a unit", digits(A(*ex)) + QStringLiteral(" m"), unreadable,
                 QStringLiteral("%1 %2 não tem unidade.").arg(quantity.startsWith(u"número") ? u"Um" : u"Uma", quantity));
    }
    const auto turns = findOwn(CompletedTurns, [](const Exercise& ex) { return onlyNear(ex, A(ex) + 2, Answer); });
    if (const Exercise* ex = rows.on("turns", turns)) {
        const long double raw = resultOf(ex->working, ex->asked->field)->value();
        const QString onlyCompleted =
            QStringLiteral("Ainda não. Conte só as voltas completas: a parte decimal não forma uma volta.");
        rows.add("completed turns", digits(A(*ex)), right, correct);
        rows.add("completed turns, and what they count", digits(A(*ex)) + QStringLiteral(" voltas"), right, correct);
        rows.add("turns rounded up", digits(A(*ex) + 1), wrong, onlyCompleted);
        rows.add("turns with the decimal part", figures(raw, Figures::decade(raw) + 3), wrong, onlyCompleted);
        rows.add("turns two over", digits(A(*ex) + 2), wrong, notYet);
    }
}

void TestJudge::table()
{
    QFETCH(Key, key);
    QFETCH(QString, typed);
    QFETCH(int, kind);
    QFETCH(QString, feedback);
    QFETCH(QString, note);
    const Exercise ex = build(key);
    QVERIFY2(ex.valid, qPrintable(feedback));
    const Judge::Verdict v = Judge::judge(ex, typed, ex.askedUnit);
    const QString where = QStringLiteral("%1 %2: typed %3 for %4").arg(key.button, ex.code(), typed, ex.answerText());
    QVERIFY2(v.kind == kind, qPrintable(where + QStringLiteral(" → ") + v.feedback));
    QCOMPARE(v.feedback, feedback);
    if (note != anyNote)
        QCOMPARE(v.note, note);
}

void TestJudge::notesAreAccepted_data()
{
    QTest::addColumn<QString>("button");
    for (const QString& b : allButtons())
        QTest::newRow(qPrintable(b)) << b;
}

// A note on figures never suggests what the judge would then refuse, whatever the
// figures typed.
void TestJudge::notesAreAccepted()
{
    QFETCH(QString, button);
    for (int level : {1, 2}) {
        for (std::uint32_t n = 1; n <= 10; ++n) {
            const Exercise ex = ExerciseGenerator::make(button, Level(level), n * 977, 1);
            if (!ex.valid || ex.counts())
                continue;
            for (int f = 4; f <= 7; ++f) {
                for (long double off : {1.0L, 1.008L, 0.992L}) {
                    const QString typed = figures(A(ex) * off, f);
                    const Judge::Verdict v = Judge::judge(ex, typed, ex.askedUnit);
                    if (v.note.isEmpty())
                        continue;
                    const QString where = ex.code() + u' ' + typed + u' ' + v.note;
                    QVERIFY2(v.kind == Judge::Verdict::Right, qPrintable(where));
                    const qsizetype at = v.note.indexOf(QStringLiteral("pode ser escrito "));
                    QVERIFY2(at > 0 && v.note.endsWith(u'.'), qPrintable(where));
                    const QString suggestion = v.note.mid(at + 17).chopped(1);
                    QVERIFY2(Judge::judge(ex, suggestion, ex.askedUnit).kind == Judge::Verdict::Right,
                             qPrintable(where + QStringLiteral(" refused: ") + suggestion));
                }
            }
        }
    }
}

// No answer is drawn so close to zero that 1 % of it stops telling a right answer from a
// slip: here none under a thousandth of the range's larger end, 1 °C.
void TestJudge::answersClearOfZero()
{
    int drawn = 0;
    for (std::uint32_t n = 1; n <= 100; ++n) {
        const Exercise ex = build(Key{{}, NearFreezing, 1, n, 1});
        if (!ex.valid)
            continue;
        ++drawn;
        QVERIFY2(std::fabs(A(ex)) >= 1, qPrintable(ex.code() + u' ' + ex.answerText()));
        QCOMPARE(double(ex.tolerance), double(std::fabs(A(ex)) / 100));
    }
    QVERIFY(drawn > 50);
}

void TestJudge::solutionLines_data()
{
    QTest::addColumn<Key>("key");
    QTest::addColumn<QString>("line");
    const auto add = [](const char* name, const std::optional<Key>& key, const std::function<QString(const Exercise&)>& line) {
        if (key)
            QTest::newRow(name) << *key << line(build(*key));
        else
            QTest::newRow(name) << Key{} << QStringLiteral("no exercise found");
    };
    // A value the key prints without a power of ten, and whether four figures round it.
    const auto plainSize = [](long double v) { return std::fabs(v) >= 1e-3L && std::fabs(v) < 1e4L; };
    const auto rounds = [](long double v) { return Figures::rounded(v, 4).value.value() != v; };
    const auto conversion = [&](const Exercise& ex, bool rounded) {
        return std::find_if(ex.givens.begin(), ex.givens.end(), [&](const Given& g) {
            return g.converted() && plainScale(g.unit) && plainSize(g.inRow.value()) && rounds(g.inRow.value()) == rounded;
        });
    };
    const auto line = [](const Given& g, const char* equals, const QString& value) {
        return QStringLiteral("%1 = %2 %3 %4")
            .arg(QString::fromUtf8(g.row->symbol), g.text(), QString::fromUtf8(equals), nb(value, unitName(g.rowUnit)));
    };
    const auto rounded = find([&](const Exercise& ex) { return conversion(ex, true) != ex.givens.end(); }, 2);
    add("a conversion rounded to four figures", rounded,
        [&](const Exercise& ex) { return line(*conversion(ex, true), "≈", book(conversion(ex, true)->inRow.value(), 4)); });
    const auto exact = find([&](const Exercise& ex) { return conversion(ex, false) != ex.givens.end(); }, 2);
    add("an exact conversion", exact,
        [&](const Exercise& ex) { return line(*conversion(ex, false), "=", digits(conversion(ex, false)->inRow.value())); });
    const auto convertedAnswer = find(
        [&](const Exercise& ex) {
            return ex.answerConverted() && !ex.counts() && rounds(ex.answer.value()) && plainSize(ex.answer.value());
        },
        2);
    add("the result, then in the unit asked", convertedAnswer, [](const Exercise& ex) {
        const QString inRow = nb(book(ex.answer.value(), 4), unitName(ex.askedRow.unit));
        return QStringLiteral("%1 ≈ %2 ≈ %3").arg(QString::fromUtf8(ex.asked->symbol), inRow, ex.answerText());
    });
    const auto answer = [](const Exercise& ex, const QString& unit) {
        return QStringLiteral("Resposta: %1").arg(nb(book(A(ex), std::max(ex.dataFigures(), 2)), unit));
    };
    add("an optics answer has its unit", findOwn(GaussInCentimetres, [](const Exercise&) { return true; }),
        [&](const Exercise& ex) { return answer(ex, QStringLiteral("cm")); });
    add("the answer with the data's figures", find([&](const Exercise& ex) { return plain(ex) && rounds(A(ex)); }, 1),
        [&](const Exercise& ex) { return answer(ex, unitName(ex.askedUnit)); });
    add("only the completed turns", findOwn(CompletedTurns, [](const Exercise&) { return true; }),
        [](const Exercise& ex) { return QStringLiteral("Contam só as voltas completas: nº = %1").arg(digits(A(ex))); });
}

void TestJudge::solutionLines()
{
    QFETCH(Key, key);
    QFETCH(QString, line);
    const Exercise ex = build(key);
    QVERIFY2(ex.valid, qPrintable(line));
    const QStringList lines = ex.solution();
    QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral(" not in:\n") + lines.join(u'\n')));
}

void TestJudge::keyFigures_data()
{
    QTest::addColumn<QString>("button");
    for (const QString& b : allButtons())
        QTest::newRow(qPrintable(b)) << b;
}

// Every topic's key: no number with more than four significant figures but those the
// statement itself gives; the result line ends with the answer as the key prints it, "="
// or "≈" before it; the last line is the answer, with its unit.
void TestJudge::keyFigures()
{
    QFETCH(QString, button);
    static const QRegularExpression number(QStringLiteral("\\d+(?:[\u202f]\\d{3})*(?:,\\d+)?"));
    for (int level : {1, 2}) {
        for (std::uint32_t n = 1; n <= 8; ++n) {
            const Exercise ex = ExerciseGenerator::make(button, Level(level), n * 613, 1);
            if (!ex.valid)
                continue;
            const QStringList lines = ex.solution();
            const QString where = ex.code() + u'\n' + ex.text + u'\n' + lines.join(u'\n');
            for (const QString& line : lines) {
                for (const QRegularExpressionMatch& m : number.globalMatch(line)) {
                    // The trailing zeros of a whole number are the book's doubt, not figures.
                    QString figures = m.captured();
                    figures.remove(QChar(0x202f));
                    if (!figures.contains(u','))
                        figures.remove(QRegularExpression(QStringLiteral("0+$")));
                    // A count is a whole number, every digit of it exact.
                    const bool count = ex.counts() && m.captured() == ex.answerText();
                    if (Figures::significantOf(figures) > 4 && !ex.text.contains(m.captured()) && !count)
                        QFAIL(qPrintable(QStringLiteral("%1 has more than four figures in\n%2").arg(m.captured(), where)));
                }
            }
            QCOMPARE(lines.last(), QStringLiteral("Resposta: ") + ex.answerText());
            const QString unit = ex.askedUnitName();
            if (!unit.isEmpty())
                QVERIFY2(ex.answerText().endsWith(Notation::unit(unit)), qPrintable(where));
            const QString result = lines.at(lines.size() - 2);
            const bool ends = result.endsWith(QStringLiteral(" = ") + ex.answerText())
                || result.endsWith(QStringLiteral(" ≈ ") + ex.answerText()) || result.startsWith(QStringLiteral("Contam só"));
            QVERIFY2(ends, qPrintable(where));
        }
    }
}

QTEST_GUILESS_MAIN(TestJudge)
#include "tst_judge.moc"
