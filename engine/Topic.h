#pragma once

#include "engine/Calcular.h"
#include "engine/Constant.h"
#include "engine/Field.h"
#include "engine/Row.h"

#include <QString>
#include <initializer_list>

// What a topic may change on its page: captions, positions, visibility and the texts
// of constant fields. The fields themselves never move.
class PageEditor
{
public:
    virtual ~PageEditor() = default;
    virtual void setCaption(const char* name, const QString& text) = 0;
    virtual void setLeft(const char* name, int x) = 0;
    virtual void setWidth(const char* name, int width) = 0;
    virtual void setVisible(const char* name, bool visible) = 0;
    // Writes a constant field's text, given with a comma, in the user's locale.
    virtual void setConstantText(const char* name, const QString& commaText) = 0;
    // How the shown page's solver computes, where one page serves two relations (the
    // hydraulic press and the isothermal gas). Choosing a topic resets it to the default.
    virtual void setPageMode(const char* mode) = 0;
    // Empties every field of the window (the refraction topic does it once more).
    virtual void clearFields() = 0;

    // The forms a topic's row of changes is written in.
    void caption(const char* name, const char* text) { setCaption(name, QString::fromUtf8(text)); }
    void caption(const char* name, const char* text, int left)
    {
        caption(name, text);
        setLeft(name, left);
    }
    void left(const char* name, int x) { setLeft(name, x); }
    void width(const char* name, int w) { setWidth(name, w); }
    void constant(const char* field, const Constant& c) { setConstantText(field, QString::fromUtf8(c.shown)); }
    void mode(const char* pageMode) { setPageMode(pageMode); }
    void show(std::initializer_list<const char*> names)
    {
        for (const char* n : names)
            setVisible(n, true);
    }
    void hide(std::initializer_list<const char*> names)
    {
        for (const char* n : names)
            setVisible(n, false);
    }
    // The symbol and unit captions of the rows; the pictures among them are shown or
    // hidden by the topic's changes.
    void captions(std::span<const Row> rows);
};

// The window as the topics and solvers see it.
class EquationWindow : public FieldLookup, public PageEditor
{
public:
    virtual void setHeader(const QString& text) = 0;
    virtual void showPage(const char* page) = 0;
    virtual QChar decimalSeparator() const = 0;
};

// One topic of an area list: its button, the header it writes, its page, its formula
// as a book writes it (what a screen reader says for the page), the rows it shows, and
// what else it changes there.
struct Topic
{
    const char* button;
    const char* header;
    const char* page;
    const char* formula;
    std::span<const Row> rows;
    void (*changes)(PageEditor&) = nullptr;
};

// Choosing a topic: every field emptied, the header written, the page shown, its rows'
// captions written, relabelled.
void chooseTopic(EquationWindow& window, const Topic& topic);

// One page's solver, run by its Calcular button.
struct Solver
{
    const char* button;
    const char* page;
    void (*solve)(Calcular&);
};
