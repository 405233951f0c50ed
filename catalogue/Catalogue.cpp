#include "catalogue/Catalogue.h"

#include "catalogue/Cinematica.h"
#include "catalogue/Dinamica.h"
#include "catalogue/Eletrodinamica.h"
#include "catalogue/Eletrostatica.h"
#include "catalogue/Hidrostatica.h"
#include "catalogue/Ondas.h"
#include "catalogue/Optica.h"
#include "catalogue/Termologia.h"

#include <vector>

namespace Catalogue {

namespace {

template <class T>
std::vector<T> joined(std::initializer_list<std::span<const T>> areas)
{
    std::vector<T> all;
    for (auto area : areas)
        all.insert(all.end(), area.begin(), area.end());
    return all;
}

const std::vector<Topic>& allTopics()
{
    static const auto all = joined<Topic>({Cinematica::topics, Dinamica::topics, Hidrostatica::topics,
                                                   Termologia::topics, Optica::topics, Eletrostatica::topics,
                                                   Ondas::topics, Eletrodinamica::topics});
    return all;
}

const std::vector<Solver>& allSolvers()
{
    static const auto all = joined<Solver>({Cinematica::solvers, Dinamica::solvers, Hidrostatica::solvers,
                                                     Termologia::solvers, Optica::solvers, Eletrostatica::solvers,
                                                     Ondas::solvers, Eletrodinamica::solvers});
    return all;
}

template <class T>
const T* byButton(const std::vector<T>& table, QStringView button)
{
    for (const T& entry : table) {
        if (button == QLatin1StringView(entry.button))
            return &entry;
    }
    return nullptr;
}

}

std::span<const Topic> topics() { return allTopics(); }
std::span<const Solver> solvers() { return allSolvers(); }
const Topic* topicOfButton(QStringView button) { return byButton(allTopics(), button); }
const Solver* solverOfButton(QStringView button) { return byButton(allSolvers(), button); }

const Solver* solverOfPage(QStringView page)
{
    for (const Solver& solver : allSolvers()) {
        if (page == QLatin1StringView(solver.page))
            return &solver;
    }
    return nullptr;
}

}
