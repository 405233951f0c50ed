#pragma once

#include "engine/Topic.h"
#include "engine/Working.h"

#include <QByteArray>
#include <QHash>
#include <optional>

// A topic's page without widgets: its fields as texts (and exact values), chosen as the
// window chooses the topic, computed by the page's own solver with the comma. Exercises
// and graphs compute here, so what they show is what Calcular writes, to the last bit.
// A sheet is a value: copy it to try another set of values on the same page.
class Sheet final : public EquationWindow
{
public:
    Sheet(const Topic& topic, const Solver& solver);

    const Topic& topic() const { return *m_topic; }

    // Gives a field an exact value (its text is the value's 15 digits, as a conversion writes).
    void set(const char* name, Number value);
    void setText(const char* name, const QString& text);
    QString text(const char* name) const;

    // One click of Calcular on the fields as they stand; the working records the result
    // or what ended the click. The fields keep what the solver wrote.
    Working calculate();

    // FieldLookup and PageEditor: the page as the solver and the topic see it.
    Field& field(const char* name) override;
    void setCaption(const char*, const QString&) override { }
    void setLeft(const char*, int) override { }
    void setWidth(const char*, int) override { }
    void setVisible(const char*, bool) override { }
    void setConstantText(const char* name, const QString& commaText) override;
    void setPageMode(const char* mode) override { m_mode = mode; }
    void clearFields() override { m_cells.clear(); }
    void setHeader(const QString&) override { }
    void showPage(const char*) override { }
    QChar decimalSeparator() const override { return u','; }

private:
    class Cell final : public Field
    {
    public:
        QString text() const override { return m_text; }
        void setText(const QString& text) override
        {
            m_text = text;
            m_exact.reset();
        }
        void paintGiven() override { }
        std::optional<Number> exactValue() const override { return m_exact; }
        void setExact(Number value, const QString& text)
        {
            m_text = text;
            m_exact = value;
        }

    private:
        QString m_text;
        std::optional<Number> m_exact;
    };

    const Topic* m_topic;
    const Solver* m_solver;
    QByteArray m_mode;
    QHash<QByteArray, Cell> m_cells;
};

// The value a click wrote into `target`, if it wrote one there.
std::optional<Number> resultOf(const Working& working, const char* target);
