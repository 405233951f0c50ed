#pragma once

#include <QObject>
#include <QSet>

class QStackedWidget;
class QWidget;

// The topic lists of the main window, one per area page of the page control `Menu`.
// The window holds the eight pages empty; a list's content is built from its form the
// first time its area is shown, so start-up pays only for the list it opens on.
class TopicLists : public QObject
{
    Q_OBJECT

public:
    explicit TopicLists(QStackedWidget* menu, QObject* parent = nullptr);

    // The area page `page` of `Menu` (TabSheet8, TabSheet9, ...) with its list built.
    QWidget* list(QWidget* page);
    QWidget* list(QStringView page);

    bool isBuilt(const QWidget* page) const { return m_built.contains(page); }

    // Builds every list not built yet (what a student could reach, all at once).
    void buildAll();

signals:
    // A list was built into `page`: its topic buttons exist from now on.
    void listBuilt(QWidget* page);

private:
    QStackedWidget* m_menu;
    QSet<const QWidget*> m_built;
};
