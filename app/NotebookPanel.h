#pragma once

#include "exercises/NextStep.h"

#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The Caderno: the student writes the solution one line at a time, each line checked as
// it is added, a wrong one with its hint under it; "Próximo passo" helps with what to
// write next. It checks nothing itself: the exercise's LineCheck and NextStep do.
class NotebookPanel : public QWidget
{
    Q_OBJECT

public:
    explicit NotebookPanel(QWidget* parent = nullptr);
    ~NotebookPanel() override;

    // A new exercise: the notebook starts empty.
    void setExercise(const Exercise& exercise);
    // "Ver resolução": the steps not yet written, in the book's order, written by help.
    void fillSolution();

    // The lines written so far (empty before the first).
    const std::vector<NextStep::Written>& lines() const;
    QLineEdit* lineEdit() const { return m_line; }
    // Tab runs from the line, through the palette and Próximo passo, to the lines.
    QWidgetList tabOrder() const;

    // Adds what the line editor holds, or replaces the line being edited.
    void addLine();
    // One more rung of help; the last writes the line itself.
    void pressHelp();
    // Loads a line into the editor; Enter puts it back checked again, Esc leaves it.
    void editLine(int index);
    void removeLine(int index);

signals:
    // "Próximo passo" was pressed.
    void helpTaken();
    // A line the student wrote was judged as the answer.
    void answerJudged(bool right);
    // The help wrote the answer: the solution was given.
    void solutionGiven();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NextStep& steps();
    void showLines();
    void type(const QString& text);
    void stopEditing();
    void setEditing(int index);

    std::optional<Exercise> m_exercise;
    // Made on first use: the three solutions it draws cost nothing to the single answer.
    std::unique_ptr<LineCheck> m_check;
    std::unique_ptr<NextStep> m_steps;
    // The line loaded into the editor, -1 for a new one.
    int m_editing = -1;

    QListWidget* m_lines;
    QLabel* m_editingNote;
    QLineEdit* m_line;
    QWidgetList m_keys;
    QPushButton* m_hint;
    QLabel* m_feedback;
    QLabel* m_help;
};
