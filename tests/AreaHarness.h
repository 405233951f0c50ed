#pragma once

// The two tables every area's tests are written in: solver rows (a topic, the texts
// typed, the field read afterwards, the warning box or silence, the fields painted) and
// the visit orders of the shared pages.
#include <QHash>
#include <QString>
#include <QStringList>

#include <QObject>

class QWidget;
class TfrmMain;

namespace TestSupport {
class Student;
}

namespace AreaHarness {

// The fixture of an area's tests: a shown main window in the comma locale with a student
// at it, made anew for every test and row.
class AreaTest : public QObject
{
    Q_OBJECT

protected slots:
    void init();
    void cleanup();

protected:
    TfrmMain* m_main = nullptr;
    TestSupport::Student* m_student = nullptr;
};

// The headers table: each topic's button, its caption, the header it writes, its page.
void headerColumns();
void headerRow(const char* button, const char* caption, const char* header, const char* page);
// Chooses the row's topic from a page with a typed value: the button reads its caption,
// the header and the page are the topic's, and the typed value is gone.
void checkHeaderRow(TfrmMain& main, TestSupport::Student& student);

// The rows of the second-law page (TabSheet10), which several areas borrow.
class SolverRows;
SolverRows secondLawRows(const char* label, const char* topic);

// Declares the columns of a solver table; call first in the test's _data().
void solverColumns();

// The rows of one page's solver as one topic shows it. Rows give the field texts in the
// page's row order; an empty text leaves the field blank.
class SolverRows
{
public:
    SolverRows(const char* label, const char* topic, const char* calcular, QStringList fields);

    // A computed field: `field` shows `expected` (a row with nothing blank gives the text
    // typed there), nothing else changes, and only the block's operands are painted.
    SolverRows& row(const char* name, const QStringList& values, const char* field, const char* expected);
    // Two blanks: the warning box, nothing written, nothing painted.
    SolverRows& warning(const char* name, const QStringList& values, const char* field);
    // A malformed operand or an arithmetic error: no box, nothing written or painted.
    SolverRows& silent(const char* name, const QStringList& values, const char* field);

private:
    SolverRows& add(const char* name, const QStringList& values, const char* field, const char* expected,
                    int boxes);

    QString m_label;
    QString m_topic;
    QString m_calcular;
    QStringList m_fields;
};

// Runs the current row: chooses the topic, types the values into fields whose font was
// made grey, presses Calcular and checks the result, the box, that nothing else changed,
// which fields turned blue, and that a second click changes nothing more.
void checkSolverRow(TestSupport::Student& student);

// One row per page shown by more than one topic, with every topic of the catalogue that
// shows it: the order-independence table.
void sharedPageColumns();
void sharedPageRows();

// Every topic of the row's page leaves the page as it leaves it on a window where no
// other topic ran first, whichever topic came before it (each ordered pair is visited).
void checkSharedPageRow();

// The look of a page: every named component's geometry and caption, or that it is hidden.
QHash<QString, QString> pageLook(QWidget* page);

}
