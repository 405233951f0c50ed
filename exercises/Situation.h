#pragma once

#include "engine/Sheet.h"
#include "exercises/Exercise.h"
#include "exercises/Prng.h"

#include <vector>

// One statement of a topic as the generator works it: the rows it gives with their ranges
// and units, and the stages of an exercise drawn from it. Choose the units, draw the
// values, solve on the page's own solver, check the answer against what the words say,
// then work out the usual slips.
class Situation
{
public:
    // Which statement an exercise takes: a permutation of the topic's statements chosen by
    // the number and walked by the index, so that neighbours never repeat one. At the
    // level with conversions, only statements that can convert something.
    static int choose(const Topic& topic, const Problems::TopicProblems& problems, Level level, std::uint32_t number, int index, int forced);
    static std::uint64_t seed(QStringView what, Level level, std::uint32_t number, int index);
    // Whether a statement has a value a book gives in another unit.
    static bool converts(const Topic& topic, const Problems::Statement& statement);

    Situation(const Topic& topic, const Solver& solver, const Problems::TopicProblems& problems, int statement);

    bool valid() const { return m_valid; }
    // Fills `ex` with an exercise of this situation; leaves it not valid when no draw
    // found an answer in range.
    void draw(Exercise& ex, Level level, std::uint32_t number, int index);

    // A place the statement fills: a row, its declaration, the unit the page computes it
    // in, its range in that unit, and the units a book shows it in here.
    struct Place
    {
        const Row* row = nullptr;
        Problems::Value value;
        Units::RowUnit unit;
        long double low = 0;
        long double high = 0;
        std::vector<const Units::Unit*> bookUnits;
    };

private:
    // How a slip is computed: with the values converted, or one or all of them as written.
    enum class Taken { Converted, OneAsWritten, AllAsWritten };

    std::vector<const Units::Unit*> chooseUnits(Level level, Prng& prng, const Units::Unit*& askedUnit) const;
    bool drawValue(const Place& place, const Units::Unit* shownIn, Prng& prng, Given& g) const;
    bool wholeAnswer(std::vector<Given>& givens, Prng& prng) const;
    std::optional<Number> solve(const std::vector<Given>& givens, Taken taken, std::size_t which = 0,
                                Working* working = nullptr) const;
    bool fits(const std::vector<Given>& givens, long double& answer) const;
    void slips(Exercise& ex) const;
    QString compose(const Exercise& ex) const;

    const Topic& m_topic;
    const Problems::Statement& m_statement;
    Sheet m_page;
    Place m_asked;
    std::vector<Place> m_places;
    bool m_valid = false;
};
