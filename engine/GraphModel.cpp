#include "engine/GraphModel.h"

#include "engine/BookNumber.h"
#include "engine/NumberText.h"
#include "engine/WorkingText.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The horizontal range a result is first shown on: from zero to twice the value.
std::pair<long double, long double> defaultRange(long double x)
{
    if (x == 0)
        return {-1, 1};
    return x > 0 ? std::pair{0.0L, 2 * x} : std::pair{2 * x, 0.0L};
}

// Past this the plot's arithmetic on its ends and scales overflows the doubles.
bool endDrawable(long double v)
{
    return std::abs(v) < 1e300L;
}

// A value the plot cannot draw is drawn as a gap.
double plotted(const std::optional<Number>& y)
{
    return y && endDrawable(y->value()) ? double(y->value()) : std::nan("");
}

bool same(const char* a, const char* b)
{
    return a && b && std::strcmp(a, b) == 0;
}

}

void GraphModel::showTopic(const Topic* topic)
{
    m_topic = topic;
    m_rows = topic ? RowTable(topic->rows) : RowTable();
    m_click.reset();
    m_relation.reset();
    m_x = nullptr;
    m_xChoices.clear();
    m_yChoices.clear();
    m_samples.clear();
    m_comparison.clear();
    m_table.clear();
    m_drawn = false;
    m_note.clear();
    const QString of = topic ? QStringLiteral(" de “%1”").arg(QString::fromUtf8(topic->header)) : QString();
    m_message = QStringLiteral("Preencha os campos%1 e clique em Calcular: o gráfico mostra o resultado "
                               "em função de um dos valores que você deu.").arg(of);
}

bool GraphModel::calculated(const Sheet& blank, const Working& working, const QHash<QByteArray, QString>& texts)
{
    if (!m_topic)
        return false;
    std::optional<Relation> click = Relation::of(blank, working, texts);
    if (!click || click->operands().empty()) {
        if (m_relation)
            return false;
        // The blank fields a student fills, as the panel names them.
        QStringList blanks;
        for (const Row& row : m_rows.rows()) {
            if (texts.contains(row.field) && texts.value(row.field).isEmpty() && blank.text(row.field).isEmpty())
                blanks << m_rows.symbol(row.field);
        }
        const QString why = WorkingText::reason(working, m_rows, m_separator, blanks);
        if (!why.isEmpty())
            m_message = QStringLiteral("Sem resultado — ") + why;
        return false;
    }
    // The same result computed again keeps the quantities the student chose.
    const bool again = m_click && same(m_click->target(), click->target());
    const QByteArray y = again ? QByteArray(this->y()) : QByteArray();
    const QByteArray x = again ? QByteArray(m_x) : QByteArray();
    m_click = std::move(click);
    m_yChoices = {{m_click->target(), choiceText(m_click->target())}};
    for (const Row& row : m_rows.rows()) {
        if (!same(row.field, m_click->target()) && blank.text(row.field).isEmpty() && m_click->solvedFor(row.field))
            m_yChoices.push_back({row.field, choiceText(row.field)});
    }
    m_relation = m_click;
    for (const Choice& c : m_yChoices) {
        if (!same(c.field, m_click->target()) && same(c.field, y.constData())) {
            if (std::optional<Relation> r = m_click->solvedFor(c.field))
                m_relation = std::move(r);
        }
    }
    showRelation(x.constData());
    return true;
}

bool GraphModel::chooseY(const char* field)
{
    if (!m_relation)
        return false;
    for (const Choice& c : m_yChoices) {
        if (!same(c.field, field))
            continue;
        std::optional<Relation> r = same(field, m_click->target()) ? m_click : m_click->solvedFor(c.field);
        if (!r)
            return false;
        const QByteArray x(m_x);
        m_relation = std::move(r);
        showRelation(x.constData());
        return true;
    }
    return false;
}

bool GraphModel::chooseX(const char* field)
{
    if (!m_relation || !std::any_of(m_xChoices.begin(), m_xChoices.end(), [&](const Choice& c) { return same(c.field, field); }))
        return false;
    showRelation(field);
    return true;
}

// A new pair of axes: every operand back at the student's value, the default range.
void GraphModel::showRelation(const char* x)
{
    m_message.clear();
    m_greyKey = {};
    m_xChoices.clear();
    m_x = m_relation->operands().front().field;
    for (const Relation::Operand& o : m_relation->operands()) {
        m_relation->hold(o.field, o.value);
        m_xChoices.push_back({o.field, choiceText(o.field)});
        if (same(o.field, x))
            m_x = o.field;
    }
    // The formula solved for the vertical quantity, as the working writes it.
    const Working& w = m_relation->working();
    const std::vector<QStringList> steps = WorkingText::steps(w, m_rows, m_separator);
    m_formula.clear();
    for (std::size_t i = 0; i < w.steps().size() && i < steps.size(); ++i) {
        if (same(w.steps()[i].target, m_relation->target()))
            m_formula = steps[i].value(0);
    }
    const auto [low, high] = defaultRange(studentValue(m_x).value());
    m_low = low;
    m_high = high;
    update();
}

void GraphModel::setRange(long double low, long double high)
{
    if (!m_relation)
        return;
    m_low = low;
    m_high = high;
    update();
}

void GraphModel::resetRange()
{
    if (!m_relation)
        return;
    const auto [low, high] = defaultRange(studentValue(m_x).value());
    setRange(low, high);
}

GraphModel::RangeReading GraphModel::readRange(QStringView lowText, QStringView highText, End edited, Drawable drawable) const
{
    RangeReading r;
    const auto read = [this](QStringView text, QString& problem, const QString& end) -> std::optional<long double> {
        if (text.trimmed().isEmpty()) {
            problem = QStringLiteral("Digite %1 do intervalo.").arg(end);
            return std::nullopt;
        }
        try {
            const long double v = NumberText::toNumber(text, m_separator).value();
            if (endDrawable(v))
                return v;
            problem = QStringLiteral("Número grande demais para o gráfico.");
        } catch (const EngineError&) {
            problem = QStringLiteral("“%1” não é um número.").arg(text.trimmed());
        }
        return std::nullopt;
    };
    r.low = read(lowText, r.lowProblem, QStringLiteral("o início"));
    r.high = read(highText, r.highProblem, QStringLiteral("o fim"));
    if (!r.low || !r.high)
        return r;
    QString& problem = edited == End::Low ? r.lowProblem : r.highProblem;
    if (!(*r.low < *r.high)) {
        problem = edited == End::Low ? QStringLiteral("O início deve ser menor que o fim (%1).").arg(number(*r.high))
                                     : QStringLiteral("O fim deve ser maior que o início (%1).").arg(number(*r.low));
    } else if (!drawable(double(*r.low), double(*r.high))) {
        problem = *r.high - *r.low >= 1e300L ? QStringLiteral("Intervalo largo demais para o gráfico.")
                                       : QStringLiteral("Intervalo estreito demais para o gráfico: alargue-o.");
    }
    return r;
}

std::vector<Relation::Operand> GraphModel::others() const
{
    std::vector<Relation::Operand> list;
    if (m_relation) {
        for (const Relation::Operand& o : m_relation->operands()) {
            if (!same(o.field, m_x))
                list.push_back(o);
        }
    }
    return list;
}

void GraphModel::hold(const char* field, Number value)
{
    if (!m_relation)
        return;
    m_relation->hold(field, value);
    update();
}

// The samples, the grey curve, the table, and what to say where nothing can be drawn.
void GraphModel::update()
{
    const std::vector<std::optional<Number>> ys = m_relation->sample(m_x, m_low, m_high, points);
    m_samples.clear();
    bool anyValue = false;
    m_drawn = false;
    for (int i = 0; i < points; ++i) {
        const std::optional<Number>& y = ys[std::size_t(i)];
        m_samples.push_back({Relation::pointOf(m_low, m_high, i, points), y});
        anyValue = anyValue || y.has_value();
        m_drawn = m_drawn || !std::isnan(plotted(y));
    }
    sampleComparison();
    fillTable();
    m_message.clear();
    m_note.clear();
    const bool past = std::any_of(m_samples.begin(), m_samples.end(), [](const Point& p) { return p.y && std::isnan(plotted(p.y)); });
    if (m_drawn && past)
        m_note = QStringLiteral("Em parte do intervalo, os valores de %1 são grandes demais para o gráfico.").arg(m_rows.symbol(m_relation->target()));
    if (m_drawn)
        return;
    const QString y = m_rows.symbol(m_relation->target()), x = m_rows.symbol(m_x);
    const QString range = QStringLiteral("%1 de %2 a %3").arg(x, number(m_low), number(m_high));
    if (anyValue) {
        m_message = QStringLiteral("Os valores de %1 para %2 são grandes demais para o gráfico.").arg(y, range);
    } else {
        const Working w = m_relation->workingAt(m_x, (m_low + m_high) / 2);
        m_message = QStringLiteral("Nenhum valor de %1 para %2: %3").arg(y, range, WorkingText::reason(w, m_rows, m_separator, {}));
    }
}

// The comparison is the curve with every operand at the student's value, made once for
// each pair of axes and range while the sliders move.
void GraphModel::sampleComparison()
{
    const std::vector<Relation::Operand> moved = others();
    if (std::all_of(moved.begin(), moved.end(), [&](const Relation::Operand& o) { return m_relation->held(o.field) == o.value; })) {
        m_comparison.clear();
        return;
    }
    const Grey key{m_x, m_relation->target(), m_low, m_high};
    if (!(m_greyKey == key)) {
        Relation student = *m_relation;
        for (const Relation::Operand& o : m_relation->operands())
            student.hold(o.field, o.value);
        const auto grey = student.sample(m_x, m_low, m_high, points);
        m_grey.clear();
        for (int i = 0; i < points; ++i)
            m_grey.emplace_back(double(Relation::pointOf(m_low, m_high, i, points)), plotted(grey[std::size_t(i)]));
        m_greyKey = key;
    }
    m_comparison = m_grey;
}

std::vector<QPointF> GraphModel::curve() const
{
    std::vector<QPointF> c;
    c.reserve(m_samples.size());
    for (const Point& p : m_samples)
        c.emplace_back(double(p.x), plotted(p.y));
    return c;
}

std::optional<QPointF> GraphModel::studentPoint() const
{
    if (!m_relation)
        return std::nullopt;
    return QPointF(double(studentValue(m_x).value()), double(m_relation->result().value()));
}

// Eleven evenly spaced points and the student's, in order of x; where the student's point
// reads as one of the eleven, it takes that one's place.
void GraphModel::fillTable()
{
    m_table.clear();
    const long double mine = studentValue(m_x).value();
    const QString mineText = number(mine);
    std::vector<std::pair<long double, TableRow>> rows;
    const auto add = [&](long double x, const QString& name, bool student) {
        const std::optional<Number> y = m_relation->at(m_x, x);
        rows.push_back({x, {name, student ? mineText : number(x), y ? number(y->value()) : QStringLiteral("sem valor"), student}});
    };
    for (int i = 0; i < tablePoints; ++i) {
        const long double x = Relation::pointOf(m_low, m_high, i, tablePoints);
        if (number(x) != mineText)
            add(x, QString::number(i + 1), false);
    }
    add(mine, QStringLiteral("seu ponto"), true);
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& row : rows)
        m_table.push_back(std::move(row.second));
}

QString GraphModel::name() const
{
    if (!m_relation)
        return {};
    return QStringLiteral("%1 em função de %2").arg(m_rows.symbol(m_relation->target()), m_rows.symbol(m_x));
}

QString GraphModel::description() const
{
    if (!m_relation || !m_message.isEmpty())
        return m_message;
    const QString y = m_rows.symbol(m_relation->target());
    const QString x = m_rows.symbol(m_x);
    int rises = 0, falls = 0;
    bool gaps = false;
    std::optional<Number> before;
    for (const Point& p : m_samples) {
        if (!p.y) {
            gaps = true;
            continue;
        }
        if (before && p.y->value() > before->value())
            ++rises;
        if (before && p.y->value() < before->value())
            ++falls;
        before = p.y;
    }
    QString trend;
    if (rises && !falls)
        trend = QStringLiteral("%1 aumenta quando %2 aumenta").arg(y, x);
    else if (falls && !rises)
        trend = QStringLiteral("%1 diminui quando %2 aumenta").arg(y, x);
    else if (!rises && !falls)
        trend = QStringLiteral("%1 não muda quando %2 muda").arg(y, x);
    else
        trend = QStringLiteral("%1 aumenta e diminui conforme %2 aumenta").arg(y, x);
    if (gaps)
        trend += QStringLiteral("; em parte do intervalo não há valor");
    if (!m_note.isEmpty())
        trend += QStringLiteral("; em parte do intervalo os valores são grandes demais para o gráfico");
    return QStringLiteral("%1: %2; %3; no seu ponto, %4 e %5.")
        .arg(name(), m_formula, trend, said(m_x, studentValue(m_x).value()), said(m_relation->target(), m_relation->result().value()));
}

QStringList GraphModel::caption() const
{
    if (!m_relation)
        return {};
    QStringList lines{QString::fromUtf8(m_topic->header) + QStringLiteral(" — ") + name()};
    QStringList values;
    for (const Relation::Operand& o : others())
        values << said(o.field, m_relation->held(o.field).value());
    if (!values.isEmpty())
        lines << values.join(QStringLiteral("; "));
    if (const QStringList l = legend(); !l.isEmpty())
        lines << l.join(QStringLiteral("; ")) + u'.';
    return lines;
}

QStringList GraphModel::legend() const
{
    if (m_comparison.empty())
        return {};
    QStringList now, student;
    for (const Relation::Operand& o : others()) {
        if (m_relation->held(o.field) == o.value)
            continue;
        now << said(o.field, m_relation->held(o.field).value());
        student << said(o.field, o.value.value());
    }
    return {QStringLiteral("Em azul, ") + now.join(QStringLiteral("; ")),
            QStringLiteral("em cinza, seus valores: ") + student.join(QStringLiteral("; "))};
}

QString GraphModel::axisLabel(const char* field) const
{
    const QString unit = m_rows.unit(field);
    return m_rows.symbol(field) + (unit.isEmpty() ? QString() : QStringLiteral(" (") + unit + u')');
}

QString GraphModel::choiceText(const char* field) const
{
    const Row* row = m_rows.find(field);
    return axisLabel(field) + (row ? QStringLiteral(" — ") + QString::fromUtf8(row->quantity) : QString());
}

// In book form, with the display's 15 digits or fewer.
QString GraphModel::number(long double v, int digits) const
{
    if (digits >= 15)
        return BookNumber::of(v, m_separator);
    const QString text = QString::number(double(v), 'g', digits).replace(u'e', u'E').replace(u'.', m_separator);
    return BookNumber::fromText(text, m_separator);
}

QString GraphModel::said(const char* field, long double v) const
{
    const QString unit = m_rows.unit(field);
    return m_rows.symbol(field) + QStringLiteral(" = ") + number(v) + (unit.isEmpty() ? QString() : u' ' + unit);
}

QString GraphModel::pointText(long double x, long double y, int digits) const
{
    if (!m_relation)
        return {};
    const auto one = [&](const char* field, long double v) {
        const QString unit = m_rows.unit(field);
        return m_rows.symbol(field) + QStringLiteral(" = ") + number(v, digits) + (unit.isEmpty() ? QString() : u' ' + unit);
    };
    return one(m_x, x) + QStringLiteral("; ") + one(m_relation->target(), y);
}

Number GraphModel::studentValue(const char* field) const
{
    for (const Relation::Operand& o : m_relation->operands()) {
        if (same(o.field, field))
            return o.value;
    }
    return {};
}
