#pragma once

#include "engine/Row.h"
#include "engine/Working.h"

#include <QHash>
#include <QMainWindow>
#include <exception>
#include <memory>

namespace Ui {
class TfrmMain;
}
class EquationPages;
class ExerciseWindow;
class GraphWindow;
struct Topic;
class KeyboardNavigation;
class Resolution;
class UnitConversions;
class TApplicationEvents;
class TfrmAbout;
class TopicLists;
class TXPMenu;

// The main window: area bar, topic lists, the header and the equation pages.
class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    void setAboutWindow(TfrmAbout* about) { m_about = about; }
    EquationPages& pages() { return *m_pages; }
    TopicLists& lists() { return *m_lists; }
    Resolution& resolution() { return *m_resolution; }
    UnitConversions& conversions() { return *m_conversions; }
    // The rows of the page on show, as the topic chosen last labelled them.
    const RowTable& rows() const { return m_rows; }
    // Null until Exibir → Gráfico first opens it.
    GraphWindow* graph() const { return m_graph; }

    // Scrolls every topic list back to its top.
    void resetScroll();

    // Event handlers.
    void FormShow();
    // Chooses a topic as its button does, and names the page's fields for screen readers.
    void choose(const Topic& topic);
    void showArea(QWidget* list);
    void showGraph();
    void Sair1Click();
    void Sobre1Click();
    // Exibir → Exercícios…: built the first time, on the topic on show.
    void Exercicios1Click();
    ExerciseWindow* exerciseWindow() const { return m_exercises; }
    void sendEmail(const QString& address);
    void ApplicationEvents1Exception(QObject* sender, const std::exception& e);

    static const QString warningCaption;
    static const QString warningText;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectNavigation();
    void connectMenu();
    void connectTopics(QWidget* list);
    void centreOnScreen();

    std::unique_ptr<Ui::TfrmMain> ui;
    EquationPages* m_pages;
    TopicLists* m_lists;
    Resolution* m_resolution;
    UnitConversions* m_conversions;
    KeyboardNavigation* m_keyboard;
    TApplicationEvents* m_events;
    TXPMenu* m_xpMenu;
    TfrmAbout* m_about = nullptr;
    RowTable m_rows;
    const Topic* m_topic = nullptr;
    ExerciseWindow* m_exercises = nullptr;
    // The latest click that wrote a result on the topic on show, for the graph's first opening.
    std::optional<Working> m_lastResult;
    QHash<QByteArray, QString> m_lastTexts;
    GraphWindow* m_graph = nullptr;
    bool m_shown = false;
};
