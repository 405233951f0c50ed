#pragma once

#include "exercises/Exercise.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// A list of exercises for the teacher to print: an A4 PDF with a header for the school,
// date, name and class, the exercises with their numbers and room to answer, and the
// answer key with the short working. Up to six versions of the list, each with its own
// exercises and answer key, go into one PDF so that neighbours get different exercises.
namespace ExerciseList {

struct Request
{
    // Topic buttons; the exercises go round them in order.
    QStringList topics;
    Level level = Level::Formula;
    int count = 10;
    std::uint32_t number = 1;
    int versions = 1;
};

static constexpr int maxCount = 50;
static constexpr int maxVersions = 6;
static constexpr std::uint32_t maxNumber = 999999999;

// Version 0 ("A") has the list's number, each next version the number after.
std::uint32_t numberOf(const Request& request, int version);
// "A", "B", …
QString versionName(int version);

// One version's exercises: "4821-1" to "4821-10", except that an exercise with the text
// of one before it, or with no answer, gives way to the next index of its topic. A topic
// with no other exercise left gives its turn to the next; when none has one, the list
// is shorter than asked.
std::vector<Exercise> exercises(const Request& request, int version = 0);


// The statement or working as printed: degrees with the degree sign, "30 °C" and "60°",
// where the program writes "º" (the ordinal of "nº" stays).
QString printed(const QString& text);

// The lines to answer on: more for the conversions an exercise asks for.
int answerLines(const Exercise& exercise);

// False, with a sentence in `error`, when the list is not in the file.
bool write(const Request& request, const QString& path, QString* error);

}
