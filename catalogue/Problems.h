#pragma once

#include "catalogue/Materials.h"

#include <initializer_list>
#include <span>

// What an exercise on a topic gives and asks, in the topic's own words. Each area keeps
// its topics' problems in a file of its own beside the topic table.
//
// A statement is one situation, as a teacher writes a problem: its text, and beside it
// the values that situation really has. Every value it gives and the answer it asks are
// declared with their range, in the unit the situation is measured in ("a bus at 30 to
// 100 km/h"), and the units a book uses for them at the level with conversions. A value
// a table fixes (the water's specific heat, g on Earth) names the table.
namespace Problems {

// The values that a draw gave, in the units the page computes in, by field; what a
// statement's own rule reads ("aquecida": the final temperature above the first).
class Draw
{
public:
    virtual ~Draw() = default;
    virtual long double operator()(const char* field) const = 0;
};

struct Value
{
    const char* field;
    // The range, in `unit`; ignored for a value a table gives.
    double low = 0;
    double high = 0;
    // The unit of the range, as the unit table names it ("km/h"); none for the row's own.
    // For a row whose page shows no unit (the optics lengths), the unit the situation
    // measures it in, which is the one the formula is computed in for every such value
    // of the statement.
    const char* unit = nullptr;
    // The units a book uses for it in this situation, which the level with conversions may
    // give or ask it in ("km/h", "kW", "mL L").
    const char* bookUnits = nullptr;
    // A count: drawn and asked as a whole number.
    bool whole = false;
    // An asked count of completed turns or oscillations: the whole part of the result.
    bool completed = false;
    // A value the situation takes from a table of real values: a material's, or g on a
    // named body. "{field}" prints its value, "{field:nome}" the name of what it is.
    const Materials::Table* table = nullptr;
};

// A value a table gives: a material's, a body's g, R.
constexpr Value table(const char* field, const Materials::Table& t)
{
    return {.field = field, .table = &t};
}

struct Statement
{
    // The field asked; its Value is the range the answer must fall in.
    const char* asked;
    // "{field}" stands where a given value goes (its number and unit, "72 km/h"),
    // "{field:nome}" for the name of a table's entry, "{?}" for the unit the answer is
    // asked in.
    const char* text;
    std::initializer_list<Value> values = {};
    // What the words fix beyond the ranges: a direction (aquecer, subir, ceder), an order
    // between two values. Null when the ranges say it all.
    bool (*holds)(const Draw& draw) = nullptr;
};

struct TopicProblems
{
    const char* button;
    std::span<const Statement> statements;
};

}
