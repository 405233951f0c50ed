// The graph without its window: the quantities offered on each axis, the range fields'
// reading, the table, the words said, and why nothing is drawn when nothing is.
#include "SheetClick.h"

#include "engine/GraphModel.h"
#include "engine/NumberText.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

QList<std::pair<QByteArray, QString>> given(const QStringList& pairs)
{
    QList<std::pair<QByteArray, QString>> list;
    for (const QString& p : pairs)
        list.append({p.section(u'=', 0, 0).toLatin1(), p.section(u'=', 1)});
    return list;
}

// A model on `button`'s topic after one click with the texts `pairs` ("eSS=100").
GraphModel clicked(const char* button, const QStringList& pairs)
{
    GraphModel model;
    const SheetClick click = SheetClick::on(button, given(pairs));
    model.showTopic(Catalogue::topicOfButton(QString::fromLatin1(button)));
    model.calculated(click.blank, click.working, click.texts);
    return model;
}

const QStringList uniform = {"eSS=100", "eSSo=20", "eV=16"};

// Stands for the plot's own range test (app/PlotSeams), which the window tests try with
// the ranges that once froze the program: a width above a millionth of the ends.
bool wideRange(double low, double high)
{
    return high - low > 1e-6 * std::max({1.0, std::abs(low), std::abs(high)});
}

// Significant digits of a number in book form ("−1,24999875", "2 · 10⁻⁵").
int figures(const QString& text)
{
    QString digits = text.section(QStringLiteral(" · "), 0, 0);
    digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    return int(digits.size());
}

}

class TestGraphModel : public QObject
{
    Q_OBJECT

private slots:
    void everyRowOnTheVerticalAxis_data();
    void everyRowOnTheVerticalAxis();
    void choicesFollowTheClicks();
    void rangeFields_data();
    void rangeFields();
    void tableAndDescription_data();
    void tableAndDescription();
    void whyNothingIsDrawn_data();
    void whyNothingIsDrawn();
    void partPastThePlot();
    void captionAndLegend();
};

void TestGraphModel::everyRowOnTheVerticalAxis_data()
{
    QTest::addColumn<QString>("button");
    for (const Topic& topic : Catalogue::topics())
        QTest::addRow("%s", topic.header) << QString::fromLatin1(topic.button);
}

// The vertical chooser offers the click's result first, then every row of the page that
// the page computes when it alone is blank; on each, the student's point is the value the
// student gave that row, and the horizontal chooser offers what it is computed from.
void TestGraphModel::everyRowOnTheVerticalAxis()
{
    QFETCH(QString, button);
    const Topic& topic = *Catalogue::topicOfButton(button);
    const auto computed = SheetClick::firstComputed(topic);
    QVERIFY(computed);
    const auto& [target, click] = *computed;
    GraphModel model;
    model.showTopic(&topic);
    QVERIFY(model.calculated(click.blank, click.working, click.texts));
    QCOMPARE(QByteArray(model.y()), target);
    QCOMPARE(QByteArray(model.yChoices().front().field), target);
    QList<QByteArray> offered;
    for (const GraphModel::Choice& c : model.yChoices())
        offered << c.field;
    for (const QByteArray& row : SheetClick::editable(topic)) {
        Sheet sheet = click.blank;
        for (auto it = click.texts.cbegin(); it != click.texts.cend(); ++it)
            sheet.setText(it.key().constData(), it.value());
        // The result at the value written (the charge page writes it with "x10").
        sheet.set(target.constData(), *resultOf(click.working, target.constData()));
        sheet.setText(row.constData(), QString());
        const bool computes = resultOf(sheet.calculate(), row.constData()).has_value();
        QVERIFY2(offered.contains(row) == (computes || row == target), row.constData());
    }
    for (const GraphModel::Choice& c : model.yChoices()) {
        QVERIFY(model.chooseY(c.field));
        QVERIFY2(std::strcmp(model.y(), c.field) == 0, c.field);
        QVERIFY(c.text.startsWith(model.symbol(c.field)));
        const long double given = std::strcmp(c.field, target.constData()) == 0 ? resultOf(click.working, c.field)->value()
                                                                                   : NumberText::toNumber(click.texts.value(c.field), u',').value();
        const double mine = model.studentPoint()->y();
        QVERIFY2(std::abs(mine - double(given)) <= 1e-12 * std::abs(double(given)), c.field);
        QVERIFY(!model.xChoices().empty());
        for (const GraphModel::Choice& x : model.xChoices()) {
            QVERIFY(std::strcmp(x.field, c.field) != 0);
            QVERIFY(model.chooseX(x.field));
            QCOMPARE(model.samples().size(), std::size_t(GraphModel::points));
            QVERIFY(model.description().startsWith(model.name() + u':'));
        }
    }
}

// The quantities chosen stay while the clicks compute the same result, and the range goes
// back to the new values; another result, or another topic, starts again.
void TestGraphModel::choicesFollowTheClicks()
{
    const Topic& topic = *Catalogue::topicOfButton(u"ButtonXPMACCorel1");
    GraphModel model = clicked("ButtonXPMACCorel1", uniform);
    QCOMPARE(QByteArray(model.y()), QByteArray("eST"));
    QCOMPARE(QByteArray(model.x()), QByteArray("eSS"));
    QVERIFY(model.chooseY("eSS"));
    QVERIFY(model.chooseX("eV"));
    QCOMPARE(model.name(), QStringLiteral("S em função de V"));
    QVERIFY(!model.chooseX("eSS"));
    // S = S₀ + V · t: the formula solved for S, at the student's point.
    QCOMPARE(model.description(), QStringLiteral("S em função de V: S = S₀ + V · t; S aumenta quando V aumenta; "
                                                 "no seu ponto, V = 16 m/s e S = 100 m."));
    SheetClick again = SheetClick::on(topic, given({"eSS=50", "eSSo=10", "eV=8"}));
    QVERIFY(model.calculated(again.blank, again.working, again.texts));
    QCOMPARE(QByteArray(model.y()), QByteArray("eSS"));
    QCOMPARE(QByteArray(model.x()), QByteArray("eV"));
    QCOMPARE(model.high(), 16.0L);
    QCOMPARE(model.studentPoint(), QPointF(8, 50));
    // A click that computes nothing leaves the drawing as it was.
    SheetClick nothing = SheetClick::on(topic, given({"eSS=50", "eSSo=10", "eV=0"}));
    QVERIFY(!model.calculated(nothing.blank, nothing.working, nothing.texts));
    QCOMPARE(QByteArray(model.y()), QByteArray("eSS"));
    QVERIFY(model.drawn());
    // V computed instead of t.
    SheetClick other = SheetClick::on(topic, given({"eSS=50", "eSSo=10", "eST=4"}));
    QVERIFY(model.calculated(other.blank, other.working, other.texts));
    QCOMPARE(QByteArray(model.y()), QByteArray("eV"));
    model.showTopic(&topic);
    QVERIFY(!model.hasRelation());
    QVERIFY(model.yChoices().empty() && model.xChoices().empty() && model.table().empty());
    QVERIFY(model.message().contains(QStringLiteral("“Movimento Uniforme” e clique em Calcular")));
}

void TestGraphModel::rangeFields_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<bool>("lowEdited");
    QTest::addColumn<QString>("lowProblem");
    QTest::addColumn<QString>("highProblem");
    QTest::newRow("good") << "0" << "2,5" << false << "" << "";
    QTest::newRow("blanks around") << " -1,5 " << "1E3" << true << "" << "";
    QTest::newRow("a word") << "abc" << "32" << true << "“abc” não é um número." << "";
    QTest::newRow("two commas") << "0" << "2,,5" << false << "" << "“2,,5” não é um número.";
    QTest::newRow("both wrong") << "x" << "" << false << "“x” não é um número." << "Digite o fim do intervalo.";
    QTest::newRow("blank start") << "" << "5" << true << "Digite o início do intervalo." << "";
    QTest::newRow("reversed, end typed") << "200" << "0" << false << "" << "O fim deve ser maior que o início (200).";
    QTest::newRow("reversed, start typed") << "200" << "0" << true << "O início deve ser menor que o fim (0)." << "";
    QTest::newRow("equal") << "5" << "5" << false << "" << "O fim deve ser maior que o início (5).";
    QTest::newRow("past the doubles") << "0" << "1E400" << false << "" << "Número grande demais para o gráfico.";
    QTest::newRow("too far") << "-2E300" << "0" << true << "Número grande demais para o gráfico." << "";
    // The plot's own test refuses these (wideRange here): the sentence says which way.
    QTest::newRow("narrow") << "10" << "10,00000001" << false << "" << "Intervalo estreito demais para o gráfico: alargue-o.";
    QTest::newRow("narrow, far from zero") << "1E20" << "100000000001000000000" << false << ""
                                           << "Intervalo estreito demais para o gráfico: alargue-o.";
}

// Each field says what is wrong with it; the order of the ends is told beside the one just
// typed; a range the plot cannot draw is refused with a sentence.
void TestGraphModel::rangeFields()
{
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(bool, lowEdited);
    QFETCH(QString, lowProblem);
    QFETCH(QString, highProblem);
    const GraphModel model = clicked("ButtonXPMACCorel1", uniform);
    const auto r = model.readRange(low, high, lowEdited ? GraphModel::End::Low : GraphModel::End::High, wideRange);
    QCOMPARE(r.lowProblem, lowProblem);
    QCOMPARE(r.highProblem, highProblem);
    QCOMPARE(r.ok(), lowProblem.isEmpty() && highProblem.isEmpty());
    if (r.ok())
        QVERIFY(*r.low < *r.high);
}

void TestGraphModel::tableAndDescription_data()
{
    QTest::addColumn<QByteArray>("x");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // Rows given as "name|x|y", in order; "…" stands for rows left unchecked.
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("description");
    QTest::newRow("t of V") << QByteArray("eV") << 0.0 << 0.0
                            << QStringList{"1|0|sem valor", "2|3,2|25", "…", "5|12,8|6,25", "seu ponto|16|5", "7|19,2|4,16666666666667", "…", "11|32|2,5"}
                            << "t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; em parte do intervalo não há "
                               "valor; no seu ponto, V = 16 m/s e t = 5 s.";
    QTest::newRow("t of S") << QByteArray("eSS") << 0.0 << 0.0 << QStringList{"1|0|−1,25", "…", "seu ponto|100|5", "…", "11|200|11,25"}
                            << "t em função de S: t = (S − S₀) / V; t aumenta quando S aumenta; no seu ponto, S = 100 m e t = 5 s.";
    QTest::newRow("point before the range") << QByteArray("eV") << 20.0 << 30.0
                                            << QStringList{"seu ponto|16|5", "1|20|4", "…", "11|30|2,66666666666667"}
                                            << "t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; no seu ponto, V = 16 m/s e t = 5 s.";
    QTest::newRow("point after the range") << QByteArray("eV") << 1.0 << 2.0 << QStringList{"1|1|80", "…", "11|2|40", "seu ponto|16|5"}
                                           << "t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; no seu ponto, V = 16 m/s e t = 5 s.";
    QTest::newRow("point between two rows") << QByteArray("eV") << 0.0 << 30.0
                                            << QStringList{"…", "6|15|5,33333333333333", "seu ponto|16|5", "7|18|4,44444444444444", "…"}
                                            << "t em função de V: t = (S − S₀) / V; t diminui quando V aumenta; em parte do intervalo não "
                                               "há valor; no seu ponto, V = 16 m/s e t = 5 s.";
    QTest::newRow("millionths") << QByteArray("eSS") << 0.00002 << 0.00003 << QStringList{"1|2 · 10⁻⁵|−1,24999875", "…", "11|3 · 10⁻⁵|−1,249998125", "seu ponto|100|5"}
                                << "t em função de S: t = (S − S₀) / V; t aumenta quando S aumenta; no seu ponto, S = 100 m e t = 5 s.";
}

// The table lists 11 evenly spaced points of the range and the student's point among them,
// in order of x, with the working's figures at most; the description says the relation in
// words.
void TestGraphModel::tableAndDescription()
{
    QFETCH(QByteArray, x);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(QStringList, rows);
    QFETCH(QString, description);
    GraphModel model = clicked("ButtonXPMACCorel1", uniform);
    QVERIFY(model.chooseX(x.constData()));
    if (low != high)
        model.setRange(low, high);
    const std::vector<GraphModel::TableRow>& table = model.table();
    const bool merged = std::none_of(table.begin(), table.end(), [](const auto& r) { return r.name == QLatin1String("6"); });
    QCOMPARE(int(table.size()), merged ? 11 : 12);
    QCOMPARE(std::count_if(table.begin(), table.end(), [](const auto& r) { return r.student; }), 1);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& r = table[i];
        QCOMPARE(r.student, r.name == QLatin1String("seu ponto"));
        QVERIFY2(figures(r.x) <= 15 && figures(r.y) <= 15, qPrintable(r.x + u'|' + r.y));
        if (i > 0)
            QVERIFY2(NumberText::toNumber(QString(table[i - 1].x).replace(QStringLiteral(" · 10⁻⁵"), QStringLiteral("E-5")), u',').value()
                         < NumberText::toNumber(QString(r.x).replace(QStringLiteral(" · 10⁻⁵"), QStringLiteral("E-5")), u',').value(),
                     qPrintable(r.x));
    }
    // The expected rows, in order, with gaps where "…" stands.
    std::size_t at = 0;
    bool skipping = false;
    for (const QString& expected : rows) {
        if (expected == QStringLiteral("…")) {
            skipping = true;
            continue;
        }
        while (skipping && at < table.size() && table[at].name != expected.section(u'|', 0, 0))
            ++at;
        QVERIFY2(at < table.size(), qPrintable(expected));
        QCOMPARE(table[at].name + u'|' + table[at].x + u'|' + table[at].y, expected);
        ++at;
        skipping = false;
    }
    QCOMPARE(model.description(), description);
    QCOMPARE(model.name(), description.section(u':', 0, 0));
}

void TestGraphModel::whyNothingIsDrawn_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("texts");
    // The range shown after the click, and a field then held at another value.
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("message");
    QTest::newRow("division by zero, nothing drawn yet") << "ButtonXPMACCorel1" << QStringList{"eSS=100", "eSSo=20", "eV=0"} << "" << ""
                                                         << "Sem resultado — Divisão por zero: V = 0.";
    QTest::newRow("two blanks") << "ButtonXPMACCorel1" << QStringList{"eSS=100", "eSSo=20"} << "" << ""
                                << "Sem resultado — Mais de um campo em branco: V e t.";
    QTest::newRow("no blank") << "ButtonXPMACCorel1" << QStringList{"eSS=100", "eSSo=20", "eV=16", "eST=5"} << "" << ""
                              << "Sem resultado — Nenhum campo em branco: nada a calcular.";
    QTest::newRow("a word") << "ButtonXPMACCorel11" << QStringList{"lnM=dois", "lnA=3"} << "" << ""
                            << "Sem resultado — O valor de m não é um número: “dois”.";
    // F = m · a with a at 10³⁰⁸ m/s²: every F from m = 2 kg on is a number, none one the plot draws.
    QTest::newRow("past the plot") << "ButtonXPMACCorel11" << QStringList{"lnM=2", "lnA=3"} << "lnM=2..4" << "lnA=1E308"
                                   << "Os valores de F para m de 2 a 4 são grandes demais para o gráfico.";
    // Past even the 80-bit numbers: every click overflows.
    QTest::newRow("overflow") << "ButtonXPMACCorel11" << QStringList{"lnM=2", "lnA=3"} << "lnM=2..4" << "lnA=1E4932"
                              << "Nenhum valor de F para m de 2 a 4: Resultado grande demais para F.";
    // V = √(V₀² + 2·a·Δs) with V₀ = 1, a = −3: no value for Δs > 1/6.
    QTest::newRow("no value in the range") << "ButtonXPMACCorel9" << QStringList{"tcVo=1", "tcA=-3", "tcDS=0,1"} << "tcDS=1..2" << ""
                                           << "Nenhum valor de V para Δs de 1 a 2: Raiz quadrada de número negativo: "
                                              "V₀² + 2 · a · Δs = −8.";
}

// With nothing drawn the model says why, as the panel does: the click that computed
// nothing, or a range or a held value where no point can be drawn.
void TestGraphModel::whyNothingIsDrawn()
{
    QFETCH(QString, button);
    QFETCH(QStringList, texts);
    QFETCH(QString, range);
    QFETCH(QString, held);
    QFETCH(QString, message);
    GraphModel model = clicked(button.toLatin1().constData(), texts);
    if (!range.isEmpty()) {
        QVERIFY(model.chooseX(range.section(u'=', 0, 0).toLatin1().constData()));
        model.setRange(range.section(u'=', 1).section(QStringLiteral(".."), 0, 0).toDouble(),
                       range.section(u'=', 1).section(QStringLiteral(".."), 1).toDouble());
    }
    if (!held.isEmpty()) {
        QVERIFY(model.drawn());
        model.hold(held.section(u'=', 0, 0).toLatin1().constData(), NumberText::toNumber(held.section(u'=', 1), u','));
    }
    QVERIFY(!model.drawn());
    QCOMPARE(model.message(), message);
    QCOMPARE(model.description(), message);
    const std::vector<QPointF> curve = model.curve();
    QVERIFY(std::none_of(curve.begin(), curve.end(), [](QPointF p) { return std::isfinite(p.y()); }));
}

// A value held so large that part of the curve passes what the plot draws: the rest is
// drawn and the part is named.
void TestGraphModel::partPastThePlot()
{
    GraphModel model = clicked("ButtonXPMACCorel11", {"lnM=2", "lnA=3"});
    QCOMPARE(QByteArray(model.x()), QByteArray("lnM"));
    QVERIFY(model.note().isEmpty());
    model.hold("lnA", NumberText::toNumber(u"1E308", u','));
    QVERIFY(model.drawn());
    QVERIFY(model.message().isEmpty());
    QCOMPARE(model.note(), QStringLiteral("Em parte do intervalo, os valores de F são grandes demais para o gráfico."));
    QVERIFY(model.description().contains(QStringLiteral("em parte do intervalo os valores são grandes demais")));
    const std::vector<QPointF> curve = model.curve();
    QCOMPARE(curve.front().y(), 0.0);
    QVERIFY(std::isnan(curve.back().y()));
    model.hold("lnA", 3);
    QVERIFY(model.note().isEmpty());
}

// An exported picture carries the topic, the relation and the other quantities' values;
// with a slider moved, the legend tells the blue curve from the grey one.
void TestGraphModel::captionAndLegend()
{
    GraphModel model = clicked("ButtonXPMACCorel1", uniform);
    QVERIFY(model.chooseX("eV"));
    QCOMPARE(model.caption(), QStringList({"Movimento Uniforme — t em função de V", "S = 100 m; S₀ = 20 m"}));
    QVERIFY(model.legend().isEmpty());
    QVERIFY(model.comparison().empty());
    model.hold("eSS", 150);
    QCOMPARE(model.caption(), QStringList({"Movimento Uniforme — t em função de V", "S = 150 m; S₀ = 20 m",
                                           "Em azul, S = 150 m; em cinza, seus valores: S = 100 m."}));
    QCOMPARE(model.legend(), QStringList({"Em azul, S = 150 m", "em cinza, seus valores: S = 100 m"}));
    QCOMPARE(model.comparison().size(), std::size_t(GraphModel::points));
    QCOMPARE(model.comparison()[250].y(), 5.0);
    QCOMPARE(model.curve()[250].y(), 130.0 / 16);
    model.hold("eSS", 100);
    QVERIFY(model.legend().isEmpty());
}

QTEST_GUILESS_MAIN(TestGraphModel)
#include "tst_graphmodel.moc"
