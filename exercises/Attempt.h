#pragma once

#include "exercises/Exercise.h"
#include "exercises/Judge.h"

class Progress;

// A student's go at one exercise: the answers judged, the first try decided once (by
// the first answer that can be read, or given up by asking for the working), the working
// shown after the second wrong answer, and the first try recorded into the progress once.
// It knows no widgets: a window shows what it says.
class Attempt
{
public:
    // `progress` (kept by the caller, who saves it) gets the first try; none records nothing.
    explicit Attempt(Exercise exercise = {}, Progress* progress = nullptr);

    const Exercise& exercise() const { return m_exercise; }

    // An empty answer changes nothing; an unreadable one is said and counts as no try.
    Judge::Verdict answer(QStringView typed, const Units::Unit* chosenUnit);
    // "Ver resolução": before any answer, the first try is given up.
    void showSolution();
    // The Caderno's help was asked for: the first try is given up, the working stays hidden.
    void takeHelp();
    // The Caderno's answer line was judged. It decides the first try as an answer does;
    // the working is not forced on the notebook, whose help is a press away.
    void notebookAnswer(bool right);

    // Whether the first try was decided, and right.
    bool firstTryDecided() const { return m_decided; }
    bool firstTryRight() const { return m_firstTryRight; }
    int wrongAnswers() const { return m_wrong; }
    bool solutionShown() const { return m_solutionShown; }
    // Answered right, or the working shown: what is left is practice.
    bool finished() const { return m_right || m_solutionShown; }

private:
    void decide(bool right);

    Exercise m_exercise;
    Progress* m_progress;
    bool m_decided = false;
    bool m_firstTryRight = false;
    bool m_right = false;
    bool m_solutionShown = false;
    int m_wrong = 0;
};
