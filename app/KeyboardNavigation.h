#pragma once

#include <QObject>

class EquationPages;
class QWidget;

// The main window without a mouse: Up and Down move between the topics of a list, Space
// or Return chooses one, the focused topic is scrolled into view, Tab goes from a topic
// to the first field of the page on show, and an area chosen from the keyboard hands
// the focus to its first topic.
class KeyboardNavigation : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardNavigation(EquationPages& pages, QObject* parent = nullptr);
    ~KeyboardNavigation() override;

    void addAreaButton(QWidget* button);
    void addTopicList(QWidget* list);

    // Called when an area was shown: a keyboard user goes on in its list.
    void areaShown(QWidget* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool topicKey(QWidget* topic, int key);

    EquationPages& m_pages;
    bool m_lastInputWasKeyboard = false;
};
