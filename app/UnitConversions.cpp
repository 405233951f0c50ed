#include "app/UnitConversions.h"

#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/PageRows.h"
#include "app/Resolution.h"
#include "controls/TEdit.h"
#include "engine/NumberText.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

const QString UnitConversions::convertTitle = QStringLiteral("Converter de");
const QString UnitConversions::showTitle = QStringLiteral("Mostrar em");
const QString UnitConversions::unitHint = QStringLiteral("Converter de outra unidade");

UnitConversions::UnitConversions(EquationPages& pages, const PageRows& rows, Resolution& resolution, QObject* parent)
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
    const QByteArray name = field->objectName().toLatin1();
    const PageRows::Row* row = m_rows.row(name.constData());
    RowUnit r;
    if (!row)
        return r;
    r.symbol = row->symbol;
    r.unitText = row->unit;
    r.unit = Units::ofRow(row->unit).value_or(Units::RowUnit{});
    r.difference = row->symbol.startsWith(u'Δ');
    return r;
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

// The field's number converted, as the display writes it; empty when it does not fit.
QString UnitConversions::converted(const TEdit* field, const std::function<Number(Number)>& convert) const
{
    const QChar separator = m_pages.decimalSeparator();
    try {
        return NumberText::format(convert(NumberText::toNumber(field->text().trimmed(), separator)), separator);
    } catch (const EngineError&) {
        return {};
    }
}

// An overflow changes nothing and says why, by the field and in the working.
void UnitConversions::tooLarge(TEdit* field, const QString& fromUnit, const QString& toUnit)
{
    const QString why = QStringLiteral("Conversão grande demais: %1 %2 não cabe em %3.").arg(field->text().trimmed(), fromUnit, toUnit);
    m_resolution.recordNote(why, true);
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), why, field);
}

void UnitConversions::convertFrom(TEdit* field, const Units::Unit& from)
{
    const RowUnit row = rowUnitOf(field);
    const QString fromName = QString::fromUtf8(from.name);
    const QString written = converted(field, [&](Number v) { return Units::toRow(v, from, *row.unit.unit, row.difference); });
    if (written.isEmpty())
        return tooLarge(field, fromName, row.unitText);
    const QString given = field->text().trimmed();
    field->setText(written);
    m_resolution.recordConversion(field, written, QStringLiteral("%1 = %2 %3 = %4 %5").arg(row.symbol, given, fromName, written, row.unitText));
}

void UnitConversions::showIn(TEdit* field, const Units::Unit& to)
{
    const RowUnit row = rowUnitOf(field);
    const QString toName = QString::fromUtf8(to.name);
    const QString shown = converted(field, [&](Number v) { return Units::fromRow(v, to, *row.unit.unit, row.difference); });
    if (shown.isEmpty())
        return tooLarge(field, row.unitText, toName);
    const QString line = QStringLiteral("%1 = %2 %3 = %4 %5").arg(row.symbol, field->text().trimmed(), row.unitText, shown, toName);
    m_resolution.recordNote(line, false);
    if (!m_resolution.isShown())
        QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), line, field);
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
    QWidget* page = m_pages.currentPage();
    for (const TEdit* field : page->findChildren<TEdit*>()) {
        const RowUnit row = rowUnitOf(field);
        if (field->isReadOnly() || !row.unit.kind)
            continue;
        for (QLabel* label : m_rows.row(field->objectName().toLatin1().constData())->unitLabels) {
            label->setCursor(Qt::PointingHandCursor);
            label->setToolTip(unitHint);
            m_pointing << label;
        }
    }
}

TEdit* UnitConversions::fieldOfUnit(const QLabel* label) const
{
    if (std::none_of(m_pointing.cbegin(), m_pointing.cend(), [label](const QPointer<QLabel>& p) { return p == label; }))
        return nullptr;
    for (TEdit* field : m_pages.currentPage()->findChildren<TEdit*>()) {
        const PageRows::Row* row = m_rows.row(field->objectName().toLatin1().constData());
        if (row && row->unitLabels.contains(label))
            return field;
    }
    return nullptr;
}

bool UnitConversions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (TEdit* field = label ? fieldOfUnit(label) : nullptr) {
            QMenu* list = convertMenu(field, label);
            list->setAttribute(Qt::WA_DeleteOnClose);
            list->popup(label->mapToGlobal(QPoint(0, label->height())));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
