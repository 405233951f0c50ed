#pragma once

#include "exercises/Attempt.h"
#include "exercises/Progress.h"

#include <QHash>
#include <QWidget>

class NotebookPanel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Exercícios – Velquora": an exercise of the chosen topic (or of any topic of an area),
// its answer judged by the attempt's rules, its working shown, the student's progress
// kept. The window shows what the attempt says; it decides nothing itself.
class ExerciseWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ExerciseWindow(QWidget* parent = nullptr, Progress progress = Progress());
    ~ExerciseWindow() override;

    // Opens on a topic (one without problems leaves the choice as it was).
    void showTopic(const Topic& topic);
    const Exercise& exercise() const { return m_attempt.exercise(); }
    const Attempt& attempt() const { return m_attempt; }

    void check();
    void showSolution();
    void next();
    // "4821-3" (or "4821", the first of that number) brings that exercise back; anything
    // else is said, the exercise on show stays and the number box shows it again.
    bool goToNumber(const QString& code);
    void generateList();
    void resetProgress();
    // The Caderno in place of the single answer, remembered between runs.
    void setNotebook(bool on);
    bool notebookShown() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillTopics();
    void labelTopics();
    void topicChosen();
    void fitLevels();
    Level level() const;
    void newExercise();
    void numberEdited();
    void showWorking();
    void saveProgress();
    void setFeedback(const QString& text);
    // Where the student writes: the answer box, or the Caderno's line.
    void focusEntry();
    // The verdict's note, and under it what went wrong saving the progress, if anything.
    void setNote(const QString& verdictNote);

    Progress m_progress;
    Attempt m_attempt;
    std::uint32_t m_number = 1;
    int m_index = 1;
    // The level the student chose, kept through topics that have only the first.
    Level m_wantedLevel = Level::Formula;
    QHash<QString, bool> m_hasConversions;
    QString m_verdictNote;
    QString m_saveProblem;

    QComboBox* m_topic;
    QComboBox* m_level;
    QLabel* m_levelNote;
    QLineEdit* m_numberEdit;
    QLabel* m_statement;
    QWidget* m_answerRow;
    QLineEdit* m_answer;
    QComboBox* m_unit;
    QPushButton* m_check;
    QPushButton* m_solution;
    QPushButton* m_next;
    QPushButton* m_notebookToggle;
    NotebookPanel* m_notebook;
    QLabel* m_feedback;
    QLabel* m_note;
    QPlainTextEdit* m_working;
};
