#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>

// What the student has done on each topic, kept between runs in a small JSON file in the
// user's data folder: exercises tried, right at the first try, and the current run of
// right answers. Several copies of the program may share the file: each keeps what it
// recorded since its last save and, under a lock beside the file, applies that onto the
// file as it is on disk, so no copy writes over another's answers.
class Progress
{
public:
    struct Topic
    {
        qint64 tried = 0;
        qint64 firstTry = 0;
        qint64 streak = 0;
    };

    // Counts stop here rather than wrap: the largest whole number a JSON reader holds exactly.
    static constexpr qint64 maxCount = (qint64(1) << 53) - 1;
    // A file larger than this, or with more topics than the catalogue has, is not this
    // program's progress: it is set aside unread, so an answer's work stays small.
    static constexpr qint64 maxFileSize = 1024 * 1024;
    static constexpr int fileVersion = 1;

    // The file in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    explicit Progress(QString path = defaultPath());

    // Reads the file. A damaged one, one of another version or one too big is set aside
    // beside it (".danificado-<data>") and progress starts empty; when it cannot be set
    // aside it is left as it is and nothing is saved over it. Either is said in problem().
    void load();
    // Applies what was recorded since the last save onto the file as it is now, and
    // writes it whole or not at all (QSaveFile). False, with problem() said, when nothing
    // was written; what was recorded is kept for the next save.
    bool save();
    // Every topic back to nothing, on disk too at the next save.
    void clear();

    // One exercise judged for the first time: right or not at the first try.
    void record(const QString& button, bool rightFirstTime);
    bool unsaved() const { return m_cleared || !m_unsaved.isEmpty(); }
    Topic of(const QString& button) const { return m_topics.value(button); }
    // "Praticando" under 70 % right at the first try, "Bom" from 70 %, "Domina" after 5
    // right in a row; empty before the first exercise.
    static QString status(const Topic& t);

    QString path() const { return m_path; }
    // What went wrong at the last load or save; empty when nothing did.
    QString problem() const { return m_problem; }

private:
    // This session's answers on a topic since the last save, to add onto any count.
    struct Increment
    {
        qint64 tried = 0;
        qint64 firstTry = 0;
        // A wrong first try ends the run on disk; `streak` counts the right ones after it.
        bool streakEnded = false;
        qint64 streak = 0;
    };
    using Table = QHash<QString, Topic>;
    struct Read;

    Read read() const;
    // Renames a file that is not progress out of the way; false, with problem() said,
    // when it could not be.
    bool setAside(const QString& reason);
    static void add(Topic& t, const Increment& i);

    QString m_path;
    Table m_topics;
    QHash<QString, Increment> m_unsaved;
    bool m_cleared = false;
    // A file that could neither be read as progress nor set aside: never written over.
    bool m_held = false;
    QString m_problem;
};
