#pragma once

#include "exercises/Exercise.h"
#include "exercises/LineReader.h"

#include <QString>
#include <optional>
#include <vector>

// Judges one line of the Caderno against an exercise, as a teacher reads a notebook:
// - a given, "V = 72 km/h": a symbol of the topic and that quantity's value in any unit
//   of its kind (within 1 %);
// - a relation, "t = (S − S₀)/V": it holds for every symbol's true value in this
//   exercise and in three more drawn from the same statement, so a coincidence fails,
//   and not for values that solve nothing, so an identity ("V·t = t·V") fails too;
// - a substitution, "t = (910 − 290)/10,4": numbers that give the symbol's value;
// - the answer, "t = 59,6 s": judged as the single answer is, and it ends the exercise.
// True values are the page's own: the givens in its units, the rest from its solver.
class LineCheck
{
public:
    struct Verdict
    {
        // Unreadable is a sentence, never a mark.
        enum Kind { Empty, Unreadable, Right, Wrong } kind = Empty;
        enum Role { None, Given, Value, Relation, Substitution, Answer } role = None;
        // Begins with "Certo" or "Ainda não" (or says where the line was not understood).
        QString feedback;
        // The row the line gives or computes, if it names one.
        const Row* row = nullptr;
        // The answer was right: the exercise is done.
        bool finishes = false;
    };

    // Keeps a reference to `exercise`, which must outlive it; draws the three others now.
    explicit LineCheck(const Exercise& exercise);

    Verdict check(QStringView line) const;

    const Exercise& exercise() const { return *m_exercise; }
    const LineReader::Symbols& symbols() const { return m_symbols; }
    // The symbol of a row, -1 for one the topic lacks.
    int symbolOf(const Row* row) const;
    // True values by symbol: this exercise's first, then the others drawn.
    const std::vector<std::vector<std::optional<long double>>>& solutions() const { return m_solutions; }
    // Whether both sides of a read line agree for every solution.
    bool holds(const LineReader::Line& line) const;
    // Whether they agree whatever the values: with each symbol moved off every solution by a
    // factor of its own, as no relation between quantities would.
    bool identity(const LineReader::Line& line) const;
    // The symbol whose name differs from this one's in case alone ("r" for "R"), -1 for none.
    int otherCase(int symbol) const;

private:
    std::vector<std::optional<long double>> valuesOf(const Exercise& exercise) const;
    std::optional<Verdict> valueLine(QStringView lhs, QStringView rhs) const;
    Verdict relation(const LineReader::Line& line) const;
    Verdict substitution(const LineReader::Line& line) const;
    bool relates(const LineReader::Line& line) const;
    QString slip(const LineReader::Line& line) const;
    QString bracketSquared(const LineReader::Expression& e, long double truth) const;
    QString suggestion(const QString& unknown) const;
    QString bothCases(int symbol, int other) const;

    const Exercise* m_exercise;
    LineReader::Symbols m_symbols;
    std::vector<const Row*> m_rows;
    std::vector<std::vector<std::optional<long double>>> m_solutions;
    // The relation has a square: one forgotten on a whole bracket is a slip worth naming.
    bool m_squares = false;
};

// How a given's unit turns into the page's: "divida por 3,6", "multiplique por 1000",
// "some 273"; empty when it needs none.
QString conversionHow(const Given& given);
