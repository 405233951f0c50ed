#pragma once

#include "engine/Field.h"
#include "engine/Number.h"
#include "engine/NumberText.h"

#include <QByteArrayView>
#include <initializer_list>

// The protocol every solver follows: one block per variable, in the solver's own order.
// A block acts only when its field is blank: it reads its operands (at that moment, so
// an earlier block's result counts), computes, writes the result, then paints the
// operands. The first error ends the click; what earlier blocks wrote stays.
class Calcular
{
public:
    Calcular(FieldLookup& fields, QChar decimalSeparator, QByteArrayView pageMode = {})
        : m_fields(fields)
        , m_separator(decimalSeparator)
        , m_pageMode(pageMode)
    {
    }

    // Whether the topic that configured the page last set this mode.
    bool inMode(const char* mode) const { return m_pageMode == QByteArrayView(mode); }

    Number strict(const char* name) { return NumberText::toNumber(m_fields.field(name).text(), m_separator); }
    Number tolerant(const char* name) { return NumberText::parseTolerant(m_fields.field(name).text(), m_separator); }
    // A constant the solver holds as decimal text (written with a comma), converted like
    // a typed value in the user's locale, so it has the same value in every locale.
    Number constant(const char* commaText)
    {
        return NumberText::toNumber(NumberText::localized(QString::fromUtf8(commaText), m_separator), m_separator);
    }

    // For the pages whose total is always recomputed from whichever fields are filled
    // (resistors in series and in parallel) rather than from the one blank field.
    bool isBlank(const char* name) { return m_fields.field(name).isBlank(); }
    // Writes a result into a field whatever it held.
    void write(const char* target, Number value)
    {
        m_fields.field(target).setText(NumberText::format(value, m_separator));
    }

    template <class Formula>
    void block(const char* target, Formula formula, std::initializer_list<const char*> painted = {})
    {
        block(target, formula, [](QString text) { return text; }, painted);
    }

    // A page whose results carry a mark of their own passes the formatted text through
    // `written` before it is stored.
    template <class Formula, class Written>
    void block(const char* target, Formula formula, Written written, std::initializer_list<const char*> painted = {})
    {
        Field& field = m_fields.field(target);
        if (!field.isBlank())
            return;
        const Number result = formula();
        field.setText(written(NumberText::format(result, m_separator)));
        for (const char* name : painted)
            m_fields.field(name).paintGiven();
    }

private:
    FieldLookup& m_fields;
    QChar m_separator;
    QByteArrayView m_pageMode;
};
