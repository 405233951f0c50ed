#pragma once

#include "app/SessionRecord.h"

#include <QWidget>
#include <QColor>
#include <memory>
#include <vector>

namespace Ui {
class ResolutionPanel;
}
class QListWidget;
class QListWidgetItem;

// The "Resolução passo a passo" panel under the equation pages: the working of the last
// calculation (formula, values, result) or why nothing was computed, and the session's
// record, which can be copied or emptied.
class ResolutionPanel : public QWidget
{
    Q_OBJECT

public:
    ResolutionPanel(SessionRecord& record, QWidget* parent);
    ~ResolutionPanel() override;

    static constexpr int panelHeight = 236;
    static inline const QString introduction = QStringLiteral("Preencha todos os campos menos um e clique em Calcular.");

    // Shows the record's newest entry and lists it first; a screen reader is told.
    void showNewest();
    // A topic just chosen: its name and formula, and what to do; the record is kept.
    void showTopic(const QString& header, const QString& formula);
    // Copies the selected entries, or every entry when none is selected, as plain text.
    void copy();
    void clearRecord();

    QListWidget* list() const;
    QWidget* copyButton() const;
    QWidget* clearButton() const;

protected:
    // Narrower than the window (a scroll bar beside it), the buttons keep to the right edge
    // and the list and lines give up the width.
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Line
    {
        QString text;
        QColor colour;
        bool bold = false;
    };
    QListWidgetItem* itemOf(const SessionRecord::Entry& e) const;
    void listEntries();
    void showEntry(const SessionRecord::Entry& e);
    void showLines(const std::vector<Line>& lines);
    void enableCopy();

    std::unique_ptr<Ui::ResolutionPanel> ui;
    SessionRecord& m_record;
};
