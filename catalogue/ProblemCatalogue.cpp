#include "catalogue/ProblemCatalogue.h"

#include "catalogue/AreaProblems.h"
#include "catalogue/Cinematica.h"
#include "catalogue/Dinamica.h"
#include "catalogue/Hidrostatica.h"
#include "catalogue/Termologia.h"
#include "catalogue/Optica.h"
#include "catalogue/Eletrostatica.h"
#include "catalogue/Ondas.h"
#include "catalogue/Eletrodinamica.h"

#include <cstring>

namespace ProblemCatalogue {

namespace {

// Made on first use, so the areas' tables are complete whatever the order in which
// their files were initialised.
std::span<const Area> table()
{
    static const Area all[] = {
        {"Cinemática", Cinematica::topics, Cinematica::problems},
        {"Dinâmica", Dinamica::topics, Dinamica::problems},
        {"Hidrostática", Hidrostatica::topics, Hidrostatica::problems},
        {"Termologia", Termologia::topics, Termologia::problems},
        {"Óptica", Optica::topics, Optica::problems},
        {"Eletrostática", Eletrostatica::topics, Eletrostatica::problems},
        {"Eletrodinâmica", Eletrodinamica::topics, Eletrodinamica::problems},
        {"Ondas", Ondas::topics, Ondas::problems},
    };
    return all;
}

}

std::span<const Area> areas() { return table(); }

const Problems::TopicProblems* ofButton(QStringView button)
{
    for (const Area& area : table()) {
        for (const Problems::TopicProblems& p : area.problems) {
            if (button == QLatin1StringView(p.button))
                return &p;
        }
    }
    return nullptr;
}

const Area* areaOfButton(QStringView button)
{
    for (const Area& area : table()) {
        for (const Topic& t : area.topics) {
            if (button == QLatin1StringView(t.button))
                return &area;
        }
    }
    return nullptr;
}


}
