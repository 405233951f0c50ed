#include "app/NotebookPanel.h"

#include "app/Announce.h"
#include "app/NotebookLineDelegate.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// What a keyboard lacks, each with the name a screen reader says.
struct Key
{
    const char16_t* text;
    const char* id;
    const char* name;
};
constexpr Key keysLacking[] = {
    {u"Δ", "Delta", "delta, como em Δs"},      {u"₀", "Sub0", "índice zero, como em S₀"},
    {u"²", "Square", "ao quadrado"},            {u"³", "Cube", "ao cubo"},
    {u"√", "Root", "raiz quadrada"},            {u"·", "Times", "vezes"},
    {u"π", "Pi", "pi"},                         {u"º", "Degree", "grau, como em ºC"},
    {u"µ", "Micro", "micro, como em µC"},       {u"Ω", "Ohm", "ohm"},
};

const QString introduction = QStringLiteral(
    "Escreva uma linha por vez, como no caderno: os dados, a fórmula, a substituição e a resposta com a unidade. "
    "Enter confere a linha.");

// A line's own text, kept apart from its mark and hint for editing.
constexpr int lineRole = Qt::UserRole;

QListWidgetItem* itemOf(const NextStep::Written& w)
{
    const bool right = w.verdict.kind == LineCheck::Verdict::Right;
    const QString mark = right ? QStringLiteral("✓") : QStringLiteral("✗");
    QString shown = w.text;
    QString spoken = (right ? QStringLiteral("Certo: ") : QStringLiteral("Ainda não: ")) + w.text;
    if (w.byHelp) {
        shown += QStringLiteral("   (pela ajuda)");
        spoken += QStringLiteral(", escrita pela ajuda");
    }
    const QString hint = right ? QString() : w.verdict.feedback;
    if (!right)
        spoken += QStringLiteral(". ") + hint;
    auto* item = new QListWidgetItem(mark + QStringLiteral("  ") + shown + (right ? QString() : u'\n' + hint));
    item->setData(lineRole, w.text);
    item->setData(NotebookLineDelegate::MarkRole, mark);
    item->setData(NotebookLineDelegate::ShownRole, shown);
    item->setData(NotebookLineDelegate::HintRole, hint);
    item->setData(Qt::AccessibleTextRole, spoken);
    if (!right)
        item->setForeground(QColor(0xa0, 0x14, 0x14));
    else if (w.byHelp)
        item->setForeground(QColor(0x3c, 0x50, 0x82));
    return item;
}

}

NotebookPanel::NotebookPanel(QWidget* parent)
    : QWidget(parent)
{
    const auto named = [](QWidget* w, const char* name, const QString& accessible) {
        w->setObjectName(QLatin1String(name));
        w->setAccessibleName(accessible);
    };
    m_lines = new QListWidget(this);
    named(m_lines, "exLines", QStringLiteral("Linhas do caderno"));
    m_lines->setItemDelegate(new NotebookLineDelegate(m_lines));
    // Lines rewrap to the list's width.
    m_lines->setResizeMode(QListView::Adjust);
    m_lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_lines->setToolTip(QStringLiteral("F2 ou duplo clique edita a linha; Delete a apaga."));
    m_lines->setContextMenuPolicy(Qt::CustomContextMenu);
    m_lines->installEventFilter(this);
    m_editingNote = new QLabel(this);
    m_editingNote->setObjectName(QStringLiteral("exEditing"));
    m_editingNote->hide();
    m_line = new QLineEdit(this);
    named(m_line, "exLine", QStringLiteral("Linha do caderno"));
    m_line->setPlaceholderText(QStringLiteral("Ex.: V = 72 km/h, S = S₀ + V·t ou t = (910 − 290)/10,4"));
    m_line->installEventFilter(this);
    m_hint = new QPushButton(QStringLiteral("Próximo p&asso"), this);
    named(m_hint, "exHint", QStringLiteral("Próximo passo"));
    m_hint->setToolTip(QStringLiteral("Ajuda com o que escrever agora: cada clique diz mais."));
    m_feedback = new QLabel(this);
    named(m_feedback, "exLineFeedback", QStringLiteral("Conferência da linha"));
    m_feedback->setWordWrap(true);
    m_help = new QLabel(introduction, this);
    named(m_help, "exHintText", QStringLiteral("Ajuda"));
    m_help->setWordWrap(true);

    auto* lineRow = new QHBoxLayout;
    auto* lineLabel = new QLabel(QStringLiteral("&Linha:"), this);
    lineLabel->setBuddy(m_line);
    lineRow->addWidget(lineLabel);
    lineRow->addWidget(m_line, 1);
    auto* keys = new QHBoxLayout;
    keys->setSpacing(2);
    for (const Key& k : keysLacking) {
        const QString text = QString::fromUtf16(k.text);
        auto* key = new QToolButton(this);
        key->setText(text);
        key->setObjectName(QStringLiteral("exKey") + QLatin1String(k.id));
        key->setAccessibleName(QString::fromUtf8(k.name));
        key->setToolTip(QStringLiteral("Escreve %1 (%2)").arg(text, QString::fromUtf8(k.name)));
        key->setFocusPolicy(Qt::TabFocus);
        key->setMinimumWidth(key->fontMetrics().height() * 2);
        connect(key, &QToolButton::clicked, this, [this, text] { type(text); });
        keys->addWidget(key);
        m_keys.append(key);
    }
    keys->addStretch();
    keys->addWidget(m_hint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lines, 1);
    layout->addWidget(m_editingNote);
    layout->addLayout(lineRow);
    layout->addLayout(keys);
    layout->addWidget(m_feedback);
    layout->addWidget(m_help);
    setFocusProxy(m_line);

    connect(m_line, &QLineEdit::returnPressed, this, &NotebookPanel::addLine);
    connect(m_hint, &QPushButton::clicked, this, &NotebookPanel::pressHelp);
    connect(m_lines, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { editLine(m_lines->row(item)); });
    connect(m_lines, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = m_lines->row(m_lines->itemAt(at));
        if (row < 0)
            return;
        QMenu menu(this);
        menu.addAction(QStringLiteral("&Editar"), this, [this, row] { editLine(row); });
        menu.addAction(QStringLiteral("&Apagar"), this, [this, row] { removeLine(row); });
        menu.exec(m_lines->viewport()->mapToGlobal(at));
    });
}

NotebookPanel::~NotebookPanel() = default;

QWidgetList NotebookPanel::tabOrder() const
{
    return QWidgetList{m_line} + m_keys + QWidgetList{m_hint, m_lines};
}

void NotebookPanel::setExercise(const Exercise& exercise)
{
    m_steps.reset();
    m_check.reset();
    m_exercise = exercise;
    m_lines->clear();
    m_line->clear();
    stopEditing();
    announce(m_feedback, QString());
    m_help->setText(introduction);
}

NextStep& NotebookPanel::steps()
{
    if (!m_steps) {
        if (!m_exercise)
            m_exercise.emplace();
        m_check = std::make_unique<LineCheck>(*m_exercise);
        m_steps = std::make_unique<NextStep>(*m_check);
    }
    return *m_steps;
}

const std::vector<NextStep::Written>& NotebookPanel::lines() const
{
    static const std::vector<NextStep::Written> none;
    return m_steps ? m_steps->lines() : none;
}

void NotebookPanel::addLine()
{
    const QString text = m_line->text().trimmed();
    if (text.isEmpty())
        return;
    NextStep& notebook = steps();
    // A line that cannot be read stays in the editor to be mended; it is never a mark.
    const LineCheck::Verdict read = m_check->check(text);
    if (read.kind == LineCheck::Verdict::Unreadable || read.kind == LineCheck::Verdict::Empty) {
        announce(m_feedback, read.feedback);
        return;
    }
    const int at = m_editing >= 0 ? m_editing : int(notebook.lines().size());
    const LineCheck::Verdict v = m_editing >= 0 ? notebook.edit(std::size_t(m_editing), text) : notebook.write(text);
    m_line->clear();
    stopEditing();
    showLines();
    m_lines->setCurrentRow(at);
    announce(m_feedback, v.feedback);
    if (v.role == LineCheck::Verdict::Answer)
        emit answerJudged(v.kind == LineCheck::Verdict::Right);
}

void NotebookPanel::pressHelp()
{
    NextStep& notebook = steps();
    const NextStep::Help help = notebook.press();
    if (help.text.isEmpty()) {
        announce(m_help, notebook.finished()
                             ? QStringLiteral("O exercício está resolvido. Clique em Próximo para outro.")
                             : QStringLiteral("Não há passo a sugerir neste exercício."));
        return;
    }
    emit helpTaken();
    if (help.line.isEmpty()) {
        announce(m_help, help.text);
        return;
    }
    const LineCheck::Verdict v = notebook.write(help.line, true);
    if (v.finishes)
        emit solutionGiven();
    showLines();
    m_lines->setCurrentRow(m_lines->count() - 1);
    announce(m_feedback, v.feedback);
    announce(m_help, QStringLiteral("A ajuda escreveu a linha: %1").arg(help.line));
}

void NotebookPanel::fillSolution()
{
    NextStep& notebook = steps();
    QStringList missing;
    for (const NextStep::Step& s : notebook.steps()) {
        if (!s.done)
            missing.append(s.line);
    }
    QString verdict;
    for (const QString& line : missing)
        verdict = notebook.write(line, true).feedback;
    if (!missing.isEmpty())
        announce(m_feedback, verdict);
    showLines();
    m_lines->setCurrentRow(m_lines->count() - 1);
    announce(m_help, missing.isEmpty() ? QStringLiteral("O caderno já tem a resolução inteira.")
                                       : QStringLiteral("A resolução está no caderno: as linhas que faltavam foram "
                                                        "escritas pela ajuda."));
}

void NotebookPanel::editLine(int index)
{
    if (index < 0 || index >= m_lines->count())
        return;
    setEditing(index);
    m_line->setText(m_lines->item(index)->data(lineRole).toString());
    m_line->setFocus(Qt::OtherFocusReason);
    m_line->selectAll();
}

void NotebookPanel::removeLine(int index)
{
    if (!m_steps || index < 0 || std::size_t(index) >= m_steps->lines().size())
        return;
    m_steps->remove(std::size_t(index));
    if (m_editing == index) {
        m_line->clear();
        stopEditing();
    } else if (m_editing > index) {
        setEditing(m_editing - 1);
    }
    showLines();
    m_lines->setCurrentRow(std::min(index, m_lines->count() - 1));
    announce(m_help, QStringLiteral("Linha %1 apagada.").arg(index + 1));
}

void NotebookPanel::setEditing(int index)
{
    m_editing = index;
    m_editingNote->setText(
        QStringLiteral("Editando a linha %1: Enter confere de novo, Esc desiste.").arg(index + 1));
    m_editingNote->show();
}

void NotebookPanel::stopEditing()
{
    m_editing = -1;
    m_editingNote->hide();
}

void NotebookPanel::showLines()
{
    m_lines->clear();
    for (const NextStep::Written& w : lines())
        m_lines->addItem(itemOf(w));
}

void NotebookPanel::type(const QString& text)
{
    // A root wraps what is chosen, or opens its bracket with the cursor inside.
    if (text == u"√") {
        const QString chosen = m_line->selectedText();
        m_line->insert(QStringLiteral("√(") + chosen + u')');
        if (chosen.isEmpty())
            m_line->cursorBackward(false);
    } else {
        m_line->insert(text);
    }
    m_line->setFocus(Qt::OtherFocusReason);
}

bool NotebookPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_lines) {
        const int row = m_lines->currentRow();
        if (key->key() == Qt::Key_Delete && row >= 0) {
            removeLine(row);
            return true;
        }
        if ((key->key() == Qt::Key_F2 || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && row >= 0) {
            editLine(row);
            return true;
        }
    } else if (watched == m_line && key->key() == Qt::Key_Escape && m_editing >= 0) {
        m_line->clear();
        stopEditing();
        m_lines->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
