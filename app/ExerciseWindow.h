#pragma once

#include "exercises/Exercise.h"
#include "exercises/Progress.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Exercícios – Velquora": an exercise of the chosen topic (or of any topic of an area),
// its answer checked, its working shown, the student's progress kept.
class ExerciseWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ExerciseWindow(QWidget* parent = nullptr, Progress progress = Progress());

    // Opens on a topic (one without problems leaves the choice as it was).
    void showTopic(const Topic& topic);
    const Exercise& exercise() const { return m_exercise; }

    void check();
    void showSolution();
    void next();
    // "4821-3" (or "4821", the first of that number) brings that exercise back.
    void goToNumber(const QString& code);
    void generateList();
    void resetProgress();

private:
    void fillTopics();
    void newExercise();
    void setFeedback(const QString& text);
    void recordFirst(bool right);

    Progress m_progress;
    Exercise m_exercise;
    std::uint32_t m_number = 1;
    int m_index = 1;
    int m_wrongTries = 0;
    bool m_recorded = false;

    QComboBox* m_topic;
    QComboBox* m_level;
    QLineEdit* m_numberEdit;
    QLabel* m_statement;
    QLineEdit* m_answer;
    QComboBox* m_unit;
    QPushButton* m_check;
    QPushButton* m_solution;
    QPushButton* m_next;
    QLabel* m_feedback;
    QLabel* m_note;
    QPlainTextEdit* m_working;
};
