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
}

// The last result's three lines, or the reason alone, or the conversions made (in the
// blue of the values given).
void ResolutionPanel::showEntry(const SessionRecord::Entry& e)
{
    QLabel* const labels[] = {ui->lFormula, ui->lValores, ui->lResultado};
    const QStringList lines = e.lines.isEmpty() || e.failed ? e.allLines() : e.lines;
    const QStringList shown = e.failed ? lines.mid(lines.size() - 1) : lines.mid(std::max<qsizetype>(0, lines.size() - 3));
    for (int i = 0; i < 3; ++i)
        labels[i]->setText(i < shown.size() ? shown[i] : QString());
    setTextColour(ui->lFormula, e.failed ? reasonRed : e.lines.isEmpty() ? givenBlue : formulaRed);
    // A screen reader is told of the new description (setting it sends the event).
    setAccessibleDescription(shown.join(QStringLiteral("; ")));
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
}
