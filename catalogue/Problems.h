#pragma once

#include <span>

// What an exercise on a topic gives and asks, in the topic's own words. Each area keeps
// its topics' problems in a file of its own beside the topic table.
namespace Problems {

// The values a row takes in the topic's context, in the row's own unit, and the other
// units a statement at the level with conversions may give or ask it in (unit-table
// names separated by spaces, "km/h" or "min h"; none when the row is always given in
// its own unit). A whole row (a number of turns, of resistors) takes whole numbers.
struct Range
{
    const char* field;
    double low;
    double high;
    const char* otherUnits = nullptr;
    bool whole = false;
};

// One way to ask for a row. In the text, "{field}" stands where a given value goes (its
// number and unit, "72 km/h") and "{?}" for the unit the answer is asked in.
struct Statement
{
    const char* asked;
    const char* text;
};

struct TopicProblems
{
    const char* button;
    std::span<const Range> ranges;
    std::span<const Statement> statements;
};

}
