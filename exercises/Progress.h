#pragma once

#include <QHash>
#include <QString>

// What the student has done on each topic, kept between runs in a small JSON file in the
// user's data folder: exercises tried, right at the first try, and the current run of
// right answers.
class Progress
{
public:
    struct Topic
    {
        int tried = 0;
        int firstTry = 0;
        int streak = 0;
    };

    // The file in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    explicit Progress(QString path = defaultPath());

    // Reads the file; a damaged one is set aside beside it (".danificado") and said in
    // problem(), and progress starts empty.
    void load();
    // Written whole or not at all (QSaveFile); false, with problem() said, when it fails.
    bool save();
    void clear();

    // One exercise judged for the first time: right or not at the first try.
    void record(const QString& button, bool rightFirstTime);
    Topic of(const QString& button) const { return m_topics.value(button); }
    // "Praticando" under 70 % right at the first try, "Bom" from 70 %, "Domina" after 5
    // right in a row; empty before the first exercise.
    static QString status(const Topic& t);

    QString path() const { return m_path; }
    QString problem() const { return m_problem; }

private:
    QString m_path;
    QHash<QString, Topic> m_topics;
    QString m_problem;
};
