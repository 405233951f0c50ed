#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

// Every calculation of this run, newest first: the topic's header, then the lines of its
// working or the reason nothing was computed. Held in memory only; past `capacity` entries
// the oldest goes, so a program left open all day does not grow without end.
class SessionRecord
{
public:
    struct Entry
    {
        QString header;
        // Values converted into their rows' units before ("V = 72 km/h = 20 m/s"), or a
        // result shown in another unit.
        QStringList conversions;
        QStringList lines;
        // The last line says why nothing was computed (or converted).
        bool failed = false;
        // How many of the last lines are the last result's working (4 where the
        // textbook's form comes first).
        qsizetype lastStepLines = 3;

        QStringList allLines() const { return conversions + lines; }
    };

    static constexpr std::size_t capacity = 1000;

    void add(Entry entry)
    {
        m_entries.push_front(std::move(entry));
        if (m_entries.size() > capacity)
            m_entries.pop_back();
    }
    void clear() { m_entries.clear(); }
    const std::deque<Entry>& entries() const { return m_entries; }

    // Entries as plain text for a report: each one its header and its lines, a blank
    // line between two entries.
    static QString text(const std::vector<const Entry*>& entries);

private:
    std::deque<Entry> m_entries;
};
