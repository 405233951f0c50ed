#include "exercises/Attempt.h"

#include "exercises/Progress.h"

namespace {

// The working comes after this many wrong answers.
constexpr int wrongBeforeWorking = 2;

}

Attempt::Attempt(Exercise exercise, Progress* progress)
    : m_exercise(std::move(exercise))
    , m_progress(progress)
{
}

Judge::Verdict Attempt::answer(QStringView typed, const Units::Unit* chosenUnit)
{
    if (!m_exercise.valid)
        return {};
    Judge::Verdict v = Judge::judge(m_exercise, typed, chosenUnit);
    if (v.kind != Judge::Verdict::Right && v.kind != Judge::Verdict::Wrong)
        return v;
    decide(v.kind == Judge::Verdict::Right);
    if (v.kind == Judge::Verdict::Right) {
        m_right = true;
    } else if (++m_wrong >= wrongBeforeWorking) {
        m_solutionShown = true;
    }
    return v;
}

void Attempt::showSolution()
{
    if (!m_exercise.valid)
        return;
    decide(false);
    m_solutionShown = true;
}

void Attempt::takeHelp()
{
    if (m_exercise.valid)
        decide(false);
}

void Attempt::notebookAnswer(bool right)
{
    if (!m_exercise.valid)
        return;
    decide(right);
    if (right)
        m_right = true;
    else
        ++m_wrong;
}

void Attempt::decide(bool right)
{
    if (m_decided)
        return;
    m_decided = true;
    m_firstTryRight = right;
    if (m_progress)
        m_progress->record(QString::fromLatin1(m_exercise.topic->button), right);
}
