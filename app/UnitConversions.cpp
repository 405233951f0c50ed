#include "app/UnitConversions.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/FieldTip.h"
#include "app/Resolution.h"
#include "controls/TEdit.h"
#include "engine/NumberText.h"
#include "engine/Row.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

const QString UnitConversions::convertTitle = QStringLiteral("Converter de");
const QString UnitConversions::showTitle = QStringLiteral("Mostrar em");
const QString UnitConversions::unitHint = QStringLiteral("Converter de outra unidade");

UnitConversions::UnitConversions(EquationPages& pages, const RowTable& rows, Resolution& resolution, QObject* parent)
    : QObject(parent)
    , m_pages(pages)
    , m_rows(rows)
    , m_resolution(resolution)
{
    connect(&pages, &EquationPages::pageBuilt, this, &UnitConversions::pageBuilt);
}

void UnitConversions::pageBuilt(QWidget* page)
{
    for (TEdit* field : page->findChildren<TEdit*>()) {
        connect(field, &TEdit::contextMenuOpening, this, [this, field](QMenu* menu) {
            menu->addSeparator();
            menu->addMenu(convertMenu(field, menu));
            if (whyNone(field, rowUnitOf(field)).isEmpty())
                menu->addMenu(showMenu(field, menu));
        });
    }
    for (QLabel* label : page->findChildren<QLabel*>())
        label->installEventFilter(this);
}

UnitConversions::RowUnit UnitConversions::rowUnitOf(const TEdit* field) const
{
    const Row* row = m_rows.find(field->objectName().toLatin1().constData());
    RowUnit r;
    if (!row)
        return r;
    r.symbol = QString::fromUtf8(row->symbol);
    r.unitText = QString::fromUtf8(row->unit);
    r.unit = Units::ofRow(r.unitText).value_or(Units::RowUnit{});
    r.difference = row->difference();
    r.printedElsewise = printedUnit(*row) != folded(r.unitText);
    return r;
}

// A unit as compared with the one a row prints: exponents and products as the page's
// labels write them.
QString UnitConversions::folded(QString unit)
{
    unit.replace(QStringLiteral("⁻¹"), QStringLiteral("-1")).replace(u'²', u'2').replace(u'³', u'3').replace(u'·', u'.');
    unit.remove(u' ');
    return unit;
}

QString UnitConversions::printedUnit(const Row& row)
{
    QString printed;
    for (const Caption& caption : row.unitCaptions) {
        if (caption.label)
            printed += QString::fromUtf8(caption.text);
    }
    return folded(printed);
}

QString UnitConversions::whyNone(const TEdit* field, const RowUnit& row) const
{
    if (field->isReadOnly())
        return QStringLiteral("Campo constante: não se converte");
    if (row.unitText.isEmpty())
        return QStringLiteral("Esta linha não tem unidade");
    if (!row.unit.kind)
        return QStringLiteral("Não há outras unidades para %1").arg(row.unitText);
    try {
        NumberText::toNumber(field->text(), m_pages.decimalSeparator());
    } catch (const EngineError&) {
        return QStringLiteral("Digite um número no campo para converter");
    }
    return {};
}

QMenu* UnitConversions::menu(const QString& title, TEdit* field, QWidget* parent,
                             void (UnitConversions::*act)(TEdit*, const Units::Unit&))
{
    auto* list = new QMenu(title, parent);
    const RowUnit row = rowUnitOf(field);
    const QString why = whyNone(field, row);
    if (!why.isEmpty()) {
        list->addAction(why)->setEnabled(false);
        return list;
    }
    // A row that prints no unit, or another spelling of it, says what it expects.
    if (act == &UnitConversions::convertFrom && row.printedElsewise) {
        list->addAction(QStringLiteral("Esta linha espera %1 em %2").arg(row.symbol, row.unitText))->setEnabled(false);
        list->addSeparator();
    }
    for (const Units::Choice& choice : Units::choices(row.unit, row.difference, m_pages.decimalSeparator())) {
        const Units::Unit* unit = choice.unit;
        connect(list->addAction(choice.label), &QAction::triggered, this, [this, field, unit, act] {
            runEventHandler([=, this] { (this->*act)(field, *unit); });
        });
    }
    return list;
}

QMenu* UnitConversions::convertMenu(TEdit* field, QWidget* parent)
{
    return menu(convertTitle, field, parent, &UnitConversions::convertFrom);
}

QMenu* UnitConversions::showMenu(TEdit* field, QWidget* parent)
{
    return menu(showTitle, field, parent, &UnitConversions::showIn);
}

// The field's value converted, as the display writes it, and exactly; none when it does
// not fit. A value a conversion wrote is taken exactly, not from its 15 digits.
std::optional<std::pair<QString, Number>> UnitConversions::converted(const TEdit* field,
                                                                      const std::function<Number(Number)>& convert) const
{
    const QChar separator = m_pages.decimalSeparator();
    try {
        const auto exact = field->exactValue();
        const Number value = convert(exact ? *exact : NumberText::toNumber(field->text().trimmed(), separator));
        return std::pair(NumberText::format(value, separator), value);
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

// A note by the field when the panel that would show it is hidden.
void UnitConversions::note(TEdit* field, const QString& line)
{
    if (!m_resolution.isShown())
        FieldTip::show(field, line);
}

// An overflow changes nothing and says why, by the field and in the working.
void UnitConversions::tooLarge(TEdit* field, const QString& fromUnit, const QString& toUnit)
{
    const QString why = QStringLiteral("Conversão grande demais: %1 %2 não cabe em %3.").arg(field->text().trimmed(), fromUnit, toUnit);
    m_resolution.recordNote(why, true);
    FieldTip::show(field, why);
}

void UnitConversions::convertFrom(TEdit* field, const Units::Unit& from)
{
    const RowUnit row = rowUnitOf(field);
    const QString fromName = QString::fromUtf8(from.name);
    const auto result = converted(field, [&](Number v) { return Units::toRow(v, from, *row.unit.unit, row.difference); });
    if (!result)
        return tooLarge(field, fromName, row.unitText);
    const QString given = field->text().trimmed();
    field->setConverted(result->first, result->second);
    m_resolution.recordConversion(field, result->first,
                                  QStringLiteral("%1 = %2 %3 = %4 %5").arg(row.symbol, given, fromName, result->first, row.unitText));
}

void UnitConversions::showIn(TEdit* field, const Units::Unit& to)
{
    const RowUnit row = rowUnitOf(field);
    const QString toName = QString::fromUtf8(to.name);
    const auto result = converted(field, [&](Number v) { return Units::fromRow(v, to, *row.unit.unit, row.difference); });
    if (!result)
        return tooLarge(field, row.unitText, toName);
    const QString line = QStringLiteral("%1 = %2 %3 = %4 %5").arg(row.symbol, field->text().trimmed(), row.unitText, result->first, toName);
    m_resolution.recordNote(line, false);
    // After the menu has closed, so the note outlives its closing.
    QTimer::singleShot(0, field, [this, field, line] { note(field, line); });
}

// The unit labels of the rows that have other units point with a hand and say so; the
// ones a topic took that role from go back to plain labels.
void UnitConversions::topicChosen()
{
    for (const QPointer<QLabel>& label : std::as_const(m_pointing)) {
        if (label) {
            label->unsetCursor();
            label->setToolTip(QString());
        }
    }
    m_pointing.clear();
    m_unitFields.clear();
    for (const Row& row : m_rows.rows()) {
        auto* field = qobject_cast<TEdit*>(m_pages.widget(row.field));
        if (!field || field->isReadOnly() || !rowUnitOf(field).unit.kind)
            continue;
        for (const Caption& caption : row.unitCaptions) {
            auto* label = caption.label ? qobject_cast<QLabel*>(m_pages.widget(caption.label)) : nullptr;
            if (!label)
                continue;
            label->setCursor(Qt::PointingHandCursor);
            label->setToolTip(unitHint);
            m_pointing << label;
            m_unitFields.insert(label, field);
        }
    }
}

bool UnitConversions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (TEdit* field = label ? m_unitFields.value(label) : nullptr) {
            QMenu* list = convertMenu(field, label);
            list->setAttribute(Qt::WA_DeleteOnClose);
            list->popup(label->mapToGlobal(QPoint(0, label->height())));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
