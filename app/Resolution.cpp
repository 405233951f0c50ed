#include "app/Resolution.h"

#include "app/EquationPages.h"
#include "app/ResolutionPanel.h"
#include "app/Settings.h"
#include "controls/JLAqua.h"
#include "controls/TEdit.h"
#include "engine/Row.h"
#include "engine/WorkingText.h"

#include <QAction>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QSignalBlocker>
#include <algorithm>

namespace {

// Whether the panel is shown, remembered between runs.
const QString shownKey = QStringLiteral("Exibir/ResolucaoPassoAPasso");

}

Resolution::Resolution(QWidget* clientArea, EquationPages& pages, const RowTable& rows, QAction* toggle, QObject* parent)
    : QObject(parent)
    , m_clientArea(clientArea)
    , m_pages(pages)
    , m_rows(rows)
    , m_toggle(toggle)
{
    connect(&pages, &EquationPages::calculated, this, &Resolution::record);
    setShown(Settings::open().value(shownKey, false).toBool());
    connect(toggle, &QAction::toggled, this, [this](bool on) {
        setShown(on);
        Settings::open().setValue(shownKey, on);
    });
}

// Shown, the window grows downward by the panel's height; nothing above it moves.
void Resolution::setShown(bool shown)
{
    m_shown = shown;
    const QSignalBlocker quiet(m_toggle);
    m_toggle->setChecked(shown);
    if (shown && !m_panel) {
        m_scroll = new QScrollArea(m_clientArea);
        m_scroll->setObjectName(QStringLiteral("ResolucaoRolagem"));
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_scroll->setWidgetResizable(true);
        m_panel = new ResolutionPanel(m_record, m_scroll);
        m_panel->setMinimumHeight(ResolutionPanel::panelHeight);
        m_scroll->setWidget(m_panel);
        m_scroll->move(0, clientHeight);
        if (m_topic && m_justChosen)
            m_panel->showTopic(m_header, QString::fromUtf8(m_topic->formula));
    }
    if (m_scroll)
        m_scroll->setVisible(shown);
    fitScreen();
    chainTabOrder();
}

void Resolution::fitScreen()
{
    int height = m_shown ? ResolutionPanel::panelHeight : 0;
    QWidget* window = m_clientArea->window();
    if (m_shown && window->screen()) {
        // Above the pages: the menu bar, and the title bar, known once the window is
        // framed; until then (and where it is thinner) a title bar's height is kept free.
        const auto* main = qobject_cast<QMainWindow*>(window);
        const int menu = main && main->menuBar() ? main->menuBar()->sizeHint().height() : 0;
        const int frame = std::max(window->frameGeometry().height() - window->geometry().height(),
                                   window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
        const int room = window->screen()->availableGeometry().height() - frame - menu - clientHeight;
        // At least the lines of the last result and a line of the record.
        height = std::clamp(room, 124, ResolutionPanel::panelHeight);
    }
    if (m_scroll && m_shown)
        m_scroll->resize(clientWidth, height);
    m_clientArea->setFixedSize(clientWidth, clientHeight + height);
    keepOnScreen();
}

// A window grown past the bottom of the screen moves up just enough to show the panel.
void Resolution::keepOnScreen()
{
    QWidget* window = m_clientArea->window();
    if (!window->isVisible() || !window->screen())
        return;
    window->adjustSize();
    const QRect area = window->screen()->availableGeometry();
    const int overflow = window->frameGeometry().bottom() - area.bottom();
    if (overflow > 0)
        window->move(window->x(), std::max(area.top(), window->y() - overflow));
}

void Resolution::topicChosen(const Topic& topic)
{
    m_header = QString::fromUtf8(topic.header);
    m_topic = &topic;
    m_justChosen = true;
    m_conversions.clear();
    if (m_panel)
        m_panel->showTopic(m_header, QString::fromUtf8(topic.formula));
    chainTabOrder();
}

// The panel's list and buttons come after the Calcular button of the page on show.
void Resolution::chainTabOrder()
{
    if (!m_panel || !m_shown || !m_pages.currentPage())
        return;
    auto* calcular = m_pages.currentPage()->findChild<TJLAqua*>();
    if (!calcular)
        return;
    QWidget::setTabOrder(calcular, m_panel->list());
    QWidget::setTabOrder(m_panel->list(), m_panel->copyButton());
    QWidget::setTabOrder(m_panel->copyButton(), m_panel->clearButton());
}

void Resolution::record(const Working& working)
{
    const QChar separator = m_pages.decimalSeparator();
    const std::vector<QStringList> steps = WorkingText::steps(working, m_rows, separator);
    SessionRecord::Entry entry{m_header, conversionsInUse(), {}};
    for (const QStringList& step : steps)
        entry.lines += step;
    if (!steps.empty())
        entry.lastStepLines = steps.back().size();
    // Only a blank operand, or a click with nothing to do, is about the blank fields.
    const auto& failure = working.failure();
    const bool aboutBlanks = failure ? failure->kind == EngineError::Kind::BlankOperand : working.steps().empty();
    const QString why = WorkingText::reason(working, m_rows, separator, aboutBlanks ? blankFields(working) : QStringList());
    if (!why.isEmpty()) {
        entry.lines << noResult + why;
        entry.failed = true;
    }
    add(std::move(entry));
}

void Resolution::add(SessionRecord::Entry entry)
{
    m_justChosen = false;
    m_record.add(std::move(entry));
    if (m_panel)
        m_panel->showNewest();
}

void Resolution::recordConversion(const TEdit* field, const QString& written, const QString& line)
{
    std::erase_if(m_conversions, [field](const Conversion& c) { return c.field == field; });
    m_conversions.push_back({field, written, line});
    add({m_header, {line}, {}});
}

void Resolution::recordNote(const QString& line, bool failed)
{
    add(failed ? SessionRecord::Entry{m_header, {}, {noConversion + line}, true} : SessionRecord::Entry{m_header, {line}, {}});
}

// The conversions whose result is still in its field.
QStringList Resolution::conversionsInUse()
{
    std::erase_if(m_conversions, [](const Conversion& c) { return !c.field || c.field->text() != c.written; });
    QStringList lines;
    for (const Conversion& c : m_conversions)
        lines << c.line;
    return lines;
}

// What a blank operand or a click with nothing to do is about: the blank fields the
// student fills on the page, top to bottom; on a page whose total is recomputed from the
// others, the one operand that is missing.
QStringList Resolution::blankFields(const Working& working) const
{
    const auto& failure = working.failure();
    if (failure && failure->kind == EngineError::Kind::BlankOperand && !failure->target)
        return {m_rows.symbol(failure->field)};
    std::vector<const TEdit*> blank;
    for (const TEdit* field : m_pages.fields()) {
        if (field->parentWidget() == m_pages.currentPage() && field->isVisibleTo(field->parentWidget())
            && !field->isReadOnly() && field->text().isEmpty())
            blank.push_back(field);
    }
    std::sort(blank.begin(), blank.end(), [](const TEdit* a, const TEdit* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QStringList symbols;
    for (const TEdit* field : blank)
        symbols << m_rows.symbol(field->objectName().toLatin1().constData());
    return symbols;
}
