#pragma once

#include "exercises/LineCheck.h"

#include <QString>
#include <vector>

// The notebook's lines and its "Próximo passo": the solution as a book writes it (the
// givens in the formula's units, the relation solved for what is asked, the
// substitution with the numbers as the statement and the given lines print them, the
// answer), asked for one step at a time. Each press on the same step
// is more direct: what to do, then how, then the line itself. A step written right,
// by the student or by the help, is not asked for again.
class NextStep
{
public:
    enum class Kind { Given, Relation, Substitution, Value, Answer };
    struct Step
    {
        Kind kind;
        const Row* row = nullptr;
        QString what;
        QString how;
        QString line;
        bool done = false;
    };
    struct Help
    {
        QString text;
        // At the last rung, the line to write (and to mark as written by help).
        QString line;
    };
    struct Written
    {
        QString text;
        LineCheck::Verdict verdict;
        bool byHelp = false;
    };

    explicit NextStep(const LineCheck& check);

    const std::vector<Step>& steps() const { return m_steps; }
    const std::vector<Written>& lines() const { return m_lines; }

    // The next rung of help on the first step not yet written; empty once finished.
    Help press();
    // Checks a line and adds it to the notebook; a right line marks its step done.
    LineCheck::Verdict write(const QString& line, bool byHelp = false);
    // Checks a line written before again, after the student edited it.
    LineCheck::Verdict edit(std::size_t index, const QString& line);
    void remove(std::size_t index);

    // The answer was written right.
    bool finished() const;
    // Some help was asked for: a solution without it counts as right at the first try.
    bool helped() const { return m_helped; }

private:
    void mark();

    const LineCheck* m_check;
    std::vector<Step> m_steps;
    std::vector<Written> m_lines;
    int m_pressed = -1;
    int m_rung = 0;
    bool m_helped = false;
};
