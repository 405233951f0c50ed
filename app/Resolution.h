#pragma once

#include "app/SessionRecord.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class EquationPages;
class RowTable;
class QAction;
class QWidget;
class QScrollArea;
class ResolutionPanel;
class TEdit;
class Working;
struct Topic;

// The step-by-step working of the main window: every calculation is written down in the
// page's symbols and kept in the session's record; the "Resolução passo a passo" panel,
// shown or hidden from the menu (and remembered between runs), shows it under the pages.
// The panel is built the first time it is shown, so a hidden panel costs start-up nothing.
class Resolution : public QObject
{
    Q_OBJECT

public:
    Resolution(QWidget* clientArea, EquationPages& pages, const RowTable& rows, QAction* toggle, QObject* parent);

    // The mark of a line that says why nothing was computed or converted.
    static inline const QString noResult = QStringLiteral("Sem resultado — ");
    static inline const QString noConversion = QStringLiteral("Sem conversão — ");

    static constexpr int clientWidth = 679;
    static constexpr int clientHeight = 398;

    void setShown(bool shown);
    bool isShown() const { return m_shown; }
    // The panel as tall as the screen leaves room for under the pages, scrolling what it
    // cannot show; the window moved up where it passes the bottom. Run again when the
    // window is shown or goes to another screen.
    void fitScreen();
    // Null until the panel is first shown.
    ResolutionPanel* panel() const { return m_panel; }
    const SessionRecord& sessionRecord() const { return m_record; }

    void topicChosen(const Topic& topic);
    void record(const Working& working);
    // A value converted into its row's unit: written down now, and again with the next
    // calculation while the field still holds what the conversion wrote.
    void recordConversion(const TEdit* field, const QString& written, const QString& line);
    // A value shown in another unit, or why a conversion was not made.
    void recordNote(const QString& line, bool failed);

private:
    QStringList blankFields(const Working& working) const;
    QStringList conversionsInUse();
    void add(SessionRecord::Entry entry);
    void chainTabOrder();
    void keepOnScreen();

    QWidget* m_clientArea;
    EquationPages& m_pages;
    const RowTable& m_rows;
    QAction* m_toggle;
    ResolutionPanel* m_panel = nullptr;
    QScrollArea* m_scroll = nullptr;
    SessionRecord m_record;
    QString m_header;
    const Topic* m_topic = nullptr;
    // Nothing has been recorded since the topic was chosen.
    bool m_justChosen = false;
    struct Conversion
    {
        QPointer<const TEdit> field;
        QString written;
        QString line;
    };
    std::vector<Conversion> m_conversions;
    bool m_shown = false;
};
