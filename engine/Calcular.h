#pragma once

#include "engine/Field.h"
#include "engine/Number.h"
#include "engine/NumberText.h"
#include "engine/Term.h"
#include "engine/Working.h"

#include <QByteArrayView>
#include <initializer_list>

// The protocol every solver follows: one block per variable, in the solver's own order.
// A block acts only when its field is blank: it reads its operands (at that moment, so
// an earlier block's result counts), computes, writes the result, then paints the
// operands. The first error ends the click; what earlier blocks wrote stays. Given a
// Working, the click records there what it read, computed and wrote.
class Calcular
{
public:
    Calcular(FieldLookup& fields, QChar decimalSeparator, QByteArrayView pageMode = {}, Working* working = nullptr)
        : m_fields(fields)
        , m_separator(decimalSeparator)
        , m_pageMode(pageMode)
        , m_working(working)
    {
    }

    // Whether the topic that configured the page last set this mode.
    bool inMode(const char* mode) const { return m_pageMode == QByteArrayView(mode); }

    Term strict(const char* name)
    {
        const QString text = m_fields.field(name).text();
        return Term::read(m_working, name, text, checkedRead(name, text, [&] { return NumberText::toNumber(text, m_separator); }));
    }
    // Where the tolerant parser takes the text as another value than it says (a
    // malformed text reads 0), the working shows the value used.
    Term tolerant(const char* name)
    {
        const QString text = m_fields.field(name).text();
        const Number value = checkedRead(name, text, [&] { return NumberText::parseTolerant(text, m_separator); });
        return Term::read(m_working, name, readsAs(text, value) ? text : NumberText::format(value, m_separator), value);
    }
    // A constant the solver holds as decimal text (written with a comma), converted like
    // a typed value in the user's locale, so it has the same value in every locale. A
    // bare number has no symbol.
    Term constant(const char* symbol, const char* commaText)
    {
        const Number value = NumberText::toNumber(NumberText::localized(QString::fromUtf8(commaText), m_separator), m_separator);
        return Term::constant(symbol, value).boundTo(m_working);
    }
    Term constant(const char* commaText) { return constant(nullptr, commaText); }

    // For the pages whose total is always recomputed from whichever fields are filled
    // (resistors in series and in parallel) rather than from the one blank field.
    bool isBlank(const char* name) { return m_fields.field(name).isBlank(); }
    // Writes a result into a field whatever it held.
    void write(const char* target, const Term& value)
    {
        const QString text = NumberText::format(value.number(), m_separator);
        m_fields.field(target).setText(text);
        if (m_working) {
            m_working->begin(target);
            m_working->wrote(value.node(*m_working), text);
        }
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
        if (m_working)
            m_working->begin(target);
        const Term result = formula();
        const QString text = written(NumberText::format(result.number(), m_separator));
        field.setText(text);
        if (m_working)
            m_working->wrote(result.node(*m_working), text);
        for (const char* name : painted)
            m_fields.field(name).paintGiven();
    }

private:
    template <class Read>
    Number checkedRead(const char* name, const QString& text, Read read)
    {
        try {
            return read();
        } catch (const EngineError& e) {
            if (m_working)
                m_working->readFailed(e.kind(), name, text);
            throw;
        }
    }
    bool readsAs(const QString& text, Number value) const
    {
        try {
            return NumberText::toNumber(text, m_separator) == value;
        } catch (const EngineError&) {
            return false;
        }
    }

    FieldLookup& m_fields;
    QChar m_separator;
    QByteArrayView m_pageMode;
    Working* m_working;
};
