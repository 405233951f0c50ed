#pragma once

#include "engine/Constant.h"
#include "engine/Field.h"
#include "engine/Number.h"
#include "engine/NumberText.h"
#include "engine/Term.h"
#include "engine/Working.h"

#include <QByteArrayView>
#include <vector>

// The protocol every solver follows: one block per variable, in the solver's own order.
// A block acts only when its field is blank: it reads its operands (at that moment, so
// an earlier block's result counts), computes, writes the result, then, on a page that
// paints them, paints the operands it read. The first error ends the click; what earlier
// blocks wrote stays. Given a Working, the click records there what it read, computed
// and wrote.
class Calcular
{
public:
    // Whether a block paints the fields it read in the given colour once it wrote.
    enum Paint { noPainting, paintOperands };

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
        const Field& field = m_fields.field(name);
        const QString text = field.text();
        const auto exact = field.exactValue();
        const Number value = exact ? *exact : checkedRead(name, text, [&] { return NumberText::toNumber(text, m_separator); });
        return read(name, text, value);
    }
    // A text the tolerant parser does not take for a number ends the click as a malformed
    // strict operand does, instead of computing with 0.
    Term tolerant(const char* name)
    {
        const Field& field = m_fields.field(name);
        const QString text = field.text();
        if (const auto exact = field.exactValue())
            return read(name, text, *exact);
        const Number value = checkedRead(name, text, [&] {
            bool isNumber = false;
            const Number v = NumberText::parseTolerant(text, m_separator, &isNumber);
            if (!isNumber)
                throw ConversionError(text, NumberText::conversionMessage(text));
            return v;
        });
        return read(name, text, value);
    }
    // A constant the solver holds as decimal text, converted like a typed value in the
    // user's locale, so it has the same value in every locale.
    Term constant(const Constant& c)
    {
        const Number value = NumberText::toNumber(NumberText::localized(QString::fromUtf8(c.value), m_separator), m_separator);
        return Term::constant(c.symbol, value).boundTo(m_working);
    }

    // States the relation as the textbook writes it ("1 / Rₜₒₜₐₗ = 1 / R₁ + 1 / R₂"), for a
    // block that computes another form of it; the working shows it above the form computed.
    void textbook(const char* form)
    {
        if (m_working)
            m_working->textbook(form);
    }

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
    void block(const char* target, Formula formula, Paint paint = noPainting)
    {
        block(target, formula, [](QString text) { return text; }, paint);
    }

    // A page whose results carry a mark of their own passes the formatted text through
    // `written` before it is stored.
    template <class Formula, class Written>
    void block(const char* target, Formula formula, Written written, Paint paint = noPainting)
    {
        Field& field = m_fields.field(target);
        if (!field.isBlank())
            return;
        if (m_working)
            m_working->begin(target);
        m_operands.clear();
        const Term result = formula();
        const QString text = written(NumberText::format(result.number(), m_separator));
        field.setText(text);
        if (m_working)
            m_working->wrote(result.node(*m_working), text);
        if (paint == paintOperands) {
            for (const char* name : m_operands)
                m_fields.field(name).paintGiven();
        }
    }

private:
    Term read(const char* name, const QString& text, Number value)
    {
        m_operands.push_back(name);
        return Term::read(m_working, name, text, value);
    }
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

    FieldLookup& m_fields;
    QChar m_separator;
    QByteArrayView m_pageMode;
    Working* m_working;
    // The fields the block on hand has read.
    std::vector<const char*> m_operands;
};
