#pragma once

#include "app/SessionRecord.h"

#include <QWidget>
#include <memory>

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

    // Shows the record's newest entry and lists it first; a screen reader is told.
    void showNewest();
    // Copies the selected entries, or every entry when none is selected, as plain text.
    void copy();
    void clearRecord();

    QListWidget* list() const;
    QWidget* copyButton() const;
    QWidget* clearButton() const;

private:
    QListWidgetItem* itemOf(const SessionRecord::Entry& e) const;
    void listEntries();
    void showEntry(const SessionRecord::Entry& e);

    std::unique_ptr<Ui::ResolutionPanel> ui;
    SessionRecord& m_record;
};
