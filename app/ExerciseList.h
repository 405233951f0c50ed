#pragma once

#include "exercises/Exercise.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// A list of exercises for the teacher to print: an A4 PDF with a header for the name and
// class, the exercises with their numbers and room to answer, and the answer key with
// the short working on a last page.
namespace ExerciseList {

struct Request
{
    // Topic buttons; the exercises go round them in order.
    QStringList topics;
    Level level = Level::Formula;
    int count = 10;
    std::uint32_t number = 1;
};

static constexpr int maxCount = 50;

// The exercises of the list: "4821-1" to "4821-10".
std::vector<Exercise> exercises(const Request& request);

// False, with a sentence in `error`, when the file cannot be written.
bool write(const Request& request, const QString& path, QString* error);

// The topic with problems named by its header ("Lei de Ohm"), any case; empty when none.
QString topicNamed(QStringView header);

}
