#pragma once

#include "catalogue/Problems.h"
#include "engine/Topic.h"

#include <QStringView>
#include <span>

// The areas whose topics have exercises, in the order the main window lists them, and
// each topic's problems found by its button.
namespace ProblemCatalogue {

struct Area
{
    const char* name;
    std::span<const Topic> topics;
    std::span<const Problems::TopicProblems> problems;
};

std::span<const Area> areas();
// Null for a topic without problems.
const Problems::TopicProblems* ofButton(QStringView button);
const Area* areaOfButton(QStringView button);

}
