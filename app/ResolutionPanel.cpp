#include "app/ResolutionPanel.h"

#include "app/Application.h"
#include "app/Fonts.h"
#include "app/SessionRecord.h"
#include "ui_ResolutionPanel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

namespace {

// The colours of a page: its formula red, the given blue, black; a reason in dark red.
const QColor formulaRed(255, 0, 0);
const QColor reasonRed(160, 0, 0);
const QColor givenBlue(0, 0, 255);

void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

}

ResolutionPanel::ResolutionPanel(SessionRecord& record, QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ResolutionPanel>())
    , m_record(record)
{
    // A screen reader finds the panel as a named region, not as filler.
    static const bool asRegion = (QAccessible::installFactory([](const QString& key, QObject* object) -> QAccessibleInterface* {
        if (key == QLatin1String("ResolutionPanel") && object->isWidgetType())
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
        return nullptr;
    }), true);
    Q_UNUSED(asRegion);
    ui->setupUi(this);
    Fonts::applyPixelSizes(this);
    connect(ui->btCopiar, &QPushButton::clicked, this, [this] { runEventHandler([this] { copy(); }); });
    connect(ui->btLimpar, &QPushButton::clicked, this, [this] { runEventHandler([this] { clearRecord(); }); });
    // Ctrl+C in the list copies whole entries, not the current line alone.
    auto* copyKey = new QShortcut(QKeySequence::Copy, ui->lbRegistro, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copyKey, &QShortcut::activated, this, [this] { runEventHandler([this] { copy(); }); });
    listEntries();
    if (!m_record.entries().empty())
        showEntry(m_record.entries().front());
    else
        showLines({{introduction, givenBlue}});
    enableCopy();
}

// Nothing to copy while the record is empty.
void ResolutionPanel::enableCopy()
{
    ui->btCopiar->setEnabled(!m_record.entries().empty());
}

ResolutionPanel::~ResolutionPanel() = default;

QListWidget* ResolutionPanel::list() const
{
    return ui->lbRegistro;
}

QWidget* ResolutionPanel::copyButton() const
{
    return ui->btCopiar;
}

QWidget* ResolutionPanel::clearButton() const
{
    return ui->btLimpar;
}

// An entry's height is known from its line count, so a new entry does not make the list
// measure every text it holds again.
QListWidgetItem* ResolutionPanel::itemOf(const SessionRecord::Entry& e) const
{
    const QStringList lines = e.allLines();
    auto* item = new QListWidgetItem((QStringList(e.header) + lines).join(u'\n'));
    const int lineSpacing = ui->lbRegistro->fontMetrics().lineSpacing();
    item->setSizeHint(QSize(ui->lbRegistro->viewport()->width(), int(lines.size() + 1) * lineSpacing + 4));
    return item;
}

void ResolutionPanel::listEntries()
{
    ui->lbRegistro->clear();
    for (const SessionRecord::Entry& e : m_record.entries())
        ui->lbRegistro->addItem(itemOf(e));
}

void ResolutionPanel::showNewest()
{
    const SessionRecord::Entry& e = m_record.entries().front();
    ui->lbRegistro->insertItem(0, itemOf(e));
    if (std::size_t(ui->lbRegistro->count()) > m_record.entries().size())
        delete ui->lbRegistro->takeItem(ui->lbRegistro->count() - 1);
    ui->lbRegistro->scrollToTop();
    showEntry(e);
    enableCopy();
}

// The last result's working (the textbook's form where the page computes another, the
// formula solved, the values, the result), or the reason alone, or the conversions made
// (in the blue of the values given). Lines go from the top; each has its role's colour.
void ResolutionPanel::showEntry(const SessionRecord::Entry& e)
{
    if (e.failed) {
        showLines({{e.allLines().constLast(), reasonRed}});
    } else if (e.lines.isEmpty()) {
        std::vector<ResolutionPanel::Line> lines;
        for (const QString& line : e.conversions.mid(std::max<qsizetype>(0, e.conversions.size() - 4)))
            lines.push_back({line, givenBlue});
        showLines(lines);
    } else {
        const QStringList step = e.lines.mid(e.lines.size() - e.lastStepLines);
        // The textbook's form and the formula solved in red, the values in blue, the
        // result in bold.
        std::vector<ResolutionPanel::Line> lines;
        for (qsizetype i = 0; i < step.size(); ++i) {
            const qsizetype fromEnd = step.size() - i;
            lines.push_back({step[i], fromEnd > 2 ? formulaRed : fromEnd == 2 ? givenBlue : QColor(Qt::black), fromEnd == 1});
        }
        showLines(lines);
    }
}

// A topic just chosen: its name, its formula and what to do.
void ResolutionPanel::showTopic(const QString& header, const QString& formula)
{
    showLines({{header, Qt::black}, {formula, formulaRed}, {introduction, givenBlue}});
}

void ResolutionPanel::showLines(const std::vector<ResolutionPanel::Line>& lines)
{
    QLabel* const labels[] = {ui->lLivro, ui->lFormula, ui->lValores, ui->lResultado};
    QStringList said;
    for (std::size_t i = 0; i < std::size(labels); ++i) {
        const bool used = i < lines.size();
        labels[i]->setText(used ? lines[i].text : QString());
        if (used) {
            setTextColour(labels[i], lines[i].colour);
            QFont font = labels[i]->font();
            font.setBold(lines[i].bold);
            labels[i]->setFont(font);
            said << lines[i].text;
        }
    }
    // A screen reader is told of the new description (setting it sends the event).
    setAccessibleDescription(said.join(QStringLiteral("; ")));
}

void ResolutionPanel::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const int w = width();
    for (QWidget* full : std::initializer_list<QWidget*>{ui->BevelResolucao1, ui->pResolucao, ui->BevelResolucao2})
        full->resize(w, full->height());
    for (QLabel* line : {ui->lLivro, ui->lFormula, ui->lValores, ui->lResultado})
        line->resize(w - line->x() - 10, line->height());
    for (QWidget* button : std::initializer_list<QWidget*>{ui->btCopiar, ui->btLimpar})
        button->move(w - 8 - button->width(), button->y());
    ui->lbRegistro->resize(ui->btCopiar->x() - 8 - ui->lbRegistro->x(), ui->lbRegistro->height());
}

void ResolutionPanel::copy()
{
    std::vector<const SessionRecord::Entry*> chosen;
    const auto& entries = m_record.entries();
    for (int row = 0; row < ui->lbRegistro->count(); ++row) {
        if (ui->lbRegistro->item(row)->isSelected())
            chosen.push_back(&entries[std::size_t(row)]);
    }
    if (chosen.empty()) {
        for (const SessionRecord::Entry& e : entries)
            chosen.push_back(&e);
    }
    QGuiApplication::clipboard()->setText(SessionRecord::text(chosen));
}

void ResolutionPanel::clearRecord()
{
    m_record.clear();
    ui->lbRegistro->clear();
    enableCopy();
}
