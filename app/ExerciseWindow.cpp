#include "app/ExerciseWindow.h"

#include "app/Announce.h"
#include "app/ExerciseListDialog.h"
#include "app/NotebookPanel.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "exercises/Levels.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// An item of the topic chooser: a topic button, or "área:<n>" to mix an area's topics.
const QString areaPrefix = QStringLiteral("área:");
// Whether the student writes in the Caderno.
const QString notebookKey = QStringLiteral("Exercicios/Caderno");
// Set on a topic's item: it stands indented under its area's.
constexpr int indentedRole = Qt::UserRole + 1;

// Indents the topics under their area in the chooser's list. The indent is drawn, not
// typed, so an item's text starts with the topic's name and typing the name reaches it.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!index.data(indentedRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QWidget* view = item.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        // The row's background across its whole width, its text indented.
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, view);
        item.rect.adjust(indent(item), 0, 0, 0);
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.data(indentedRole).toBool())
            size.rwidth() += indent(option);
        return size;
    }

private:
    static int indent(const QStyleOptionViewItem& option) { return option.fontMetrics.averageCharWidth() * 3; }
};

}

ExerciseWindow::ExerciseWindow(QWidget* parent, Progress progress)
    : QWidget(parent, Qt::Window)
    , m_progress(std::move(progress))
{
    setWindowTitle(QStringLiteral("Exercícios – Velquora"));
    setObjectName(QStringLiteral("ExerciseWindow"));
    m_progress.load();
    // A number of its own for each session; the teacher's number replaces it.
    m_number = 1000 + QRandomGenerator::global()->bounded(9000);

    const auto named = [](QWidget* w, const char* name, const QString& accessible) {
        w->setObjectName(QLatin1String(name));
        w->setAccessibleName(accessible);
        return w;
    };
    m_topic = new QComboBox(this);
    named(m_topic, "exTopic", QStringLiteral("Tópico"));
    m_topic->setItemDelegate(new IndentDelegate(m_topic));
    m_level = new QComboBox(this);
    named(m_level, "exLevel", QStringLiteral("Nível"));
    for (const Level l : Levels::all)
        m_level->addItem(Levels::name(l), int(l));
    m_levelNote = new QLabel(this);
    named(m_levelNote, "exLevelNote", QStringLiteral("Níveis do tópico"));
    m_levelNote->setWordWrap(true);
    m_levelNote->hide();
    m_numberEdit = new QLineEdit(this);
    named(m_numberEdit, "exNumber", QStringLiteral("Número do exercício"));
    m_numberEdit->setToolTip(QStringLiteral("Digite 4821-3 (ou 4821) e Enter para trazer de volta esse exercício."));
    m_numberEdit->setMaximumWidth(120);
    m_statement = new QLabel(this);
    named(m_statement, "exStatement", QStringLiteral("Enunciado"));
    m_statement->setWordWrap(true);
    m_statement->setMinimumHeight(70);
    m_statement->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statement->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_statement->setFocusPolicy(Qt::StrongFocus);
    m_answerRow = new QWidget(this);
    m_answer = new QLineEdit(m_answerRow);
    named(m_answer, "exAnswer", QStringLiteral("Resposta"));
    m_answer->setPlaceholderText(QStringLiteral("Ex.: 19,4 ou 3 × 10^8"));
    m_unit = new QComboBox(m_answerRow);
    named(m_unit, "exUnit", QStringLiteral("Unidade da resposta"));
    // As wide as its longest unit, "cal/(g·ºC)" included, at any pixel ratio.
    m_unit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_check = new QPushButton(QStringLiteral("&Verificar"), this);
    named(m_check, "exCheck", QStringLiteral("Verificar"));
    m_solution = new QPushButton(QStringLiteral("Ver &resolução"), this);
    named(m_solution, "exSolution", QStringLiteral("Ver resolução"));
    m_next = new QPushButton(QStringLiteral("&Próximo"), this);
    named(m_next, "exNext", QStringLiteral("Próximo"));
    m_notebookToggle = new QPushButton(QStringLiteral("&Caderno"), this);
    named(m_notebookToggle, "exNotebook", QStringLiteral("Caderno"));
    m_notebookToggle->setCheckable(true);
    m_notebookToggle->setToolTip(QStringLiteral("Resolva linha por linha, como no caderno: cada linha é conferida."));
    m_notebook = new NotebookPanel(this);
    m_notebook->hide();
    m_feedback = new QLabel(this);
    named(m_feedback, "exFeedback", QStringLiteral("Resultado"));
    m_feedback->setWordWrap(true);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("exNote"));
    m_note->setWordWrap(true);
    m_working = new QPlainTextEdit(this);
    named(m_working, "exWorking", QStringLiteral("Resolução"));
    m_working->setReadOnly(true);
    m_working->setTabChangesFocus(true);
    m_working->setMinimumHeight(130);
    auto* list = new QPushButton(QStringLiteral("&Gerar lista…"), this);
    list->setObjectName(QStringLiteral("exList"));
    auto* reset = new QPushButton(QStringLiteral("&Zerar progresso"), this);
    reset->setObjectName(QStringLiteral("exReset"));

    auto* grid = new QGridLayout;
    auto* topicLabel = new QLabel(QStringLiteral("&Tópico:"), this);
    topicLabel->setBuddy(m_topic);
    grid->addWidget(topicLabel, 0, 0);
    grid->addWidget(m_topic, 0, 1, 1, 3);
    auto* levelLabel = new QLabel(QStringLiteral("&Nível:"), this);
    levelLabel->setBuddy(m_level);
    grid->addWidget(levelLabel, 1, 0);
    grid->addWidget(m_level, 1, 1);
    auto* numberLabel = new QLabel(QStringLiteral("&Exercício:"), this);
    numberLabel->setBuddy(m_numberEdit);
    grid->addWidget(numberLabel, 1, 2, Qt::AlignRight);
    grid->addWidget(m_numberEdit, 1, 3);
    grid->addWidget(m_levelNote, 2, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    auto* answerRow = new QHBoxLayout(m_answerRow);
    answerRow->setContentsMargins(0, 0, 0, 0);
    auto* answerLabel = new QLabel(QStringLiteral("Re&sposta:"), m_answerRow);
    answerLabel->setBuddy(m_answer);
    answerRow->addWidget(answerLabel);
    answerRow->addWidget(m_answer, 1);
    answerRow->addWidget(m_unit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addWidget(m_solution);
    buttons->addWidget(m_next);
    buttons->addWidget(m_notebookToggle);
    buttons->addStretch();
    buttons->addWidget(list);
    buttons->addWidget(reset);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_statement);
    layout->addWidget(m_answerRow);
    layout->addWidget(m_notebook, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_feedback);
    layout->addWidget(m_note);
    layout->addWidget(m_working, 1);
    resize(640, 460);

    // Top to bottom, as the window reads.
    // Top to bottom, as the window reads; hidden parts are passed over.
    const QWidgetList order = QWidgetList{m_topic, m_level, m_numberEdit, m_statement, m_answer, m_unit, m_check}
        + m_notebook->tabOrder() + QWidgetList{m_solution, m_next, m_notebookToggle, list, reset, m_working};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    fillTopics();
    connect(m_topic, &QComboBox::activated, this, [this] {
        m_index = 1;
        topicChosen();
    });
    connect(m_level, &QComboBox::activated, this, [this] {
        m_wantedLevel = level();
        newExercise();
    });
    connect(m_answer, &QLineEdit::returnPressed, this, &ExerciseWindow::check);
    connect(m_check, &QPushButton::clicked, this, &ExerciseWindow::check);
    connect(m_solution, &QPushButton::clicked, this, &ExerciseWindow::showSolution);
    connect(m_next, &QPushButton::clicked, this, &ExerciseWindow::next);
    // Enter and leaving the box both bring the number typed.
    connect(m_numberEdit, &QLineEdit::editingFinished, this, &ExerciseWindow::numberEdited);
    connect(list, &QPushButton::clicked, this, &ExerciseWindow::generateList);
    connect(reset, &QPushButton::clicked, this, &ExerciseWindow::resetProgress);
    connect(m_notebookToggle, &QPushButton::toggled, this, &ExerciseWindow::setNotebook);
    connect(m_notebook, &NotebookPanel::helpTaken, this, [this] {
        m_attempt.takeHelp();
        saveProgress();
    });
    connect(m_notebook, &NotebookPanel::solutionGiven, this, [this] {
        m_attempt.showSolution();
        saveProgress();
        showWorking();
    });
    connect(m_notebook, &NotebookPanel::answerJudged, this, [this](bool right) {
        m_attempt.notebookAnswer(right);
        saveProgress();
    });
    m_notebookToggle->setChecked(Settings::open().value(notebookKey, false).toBool());
    topicChosen();
    if (!m_progress.problem().isEmpty())
        setFeedback(m_progress.problem());
}

void ExerciseWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    focusEntry();
}

void ExerciseWindow::focusEntry()
{
    if (notebookShown())
        m_notebook->lineEdit()->setFocus(Qt::OtherFocusReason);
    else
        m_answer->setFocus(Qt::OtherFocusReason);
}

bool ExerciseWindow::notebookShown() const
{
    return m_notebookToggle->isChecked();
}

void ExerciseWindow::setNotebook(bool on)
{
    if (m_notebookToggle->isChecked() != on) {
        m_notebookToggle->setChecked(on);
        return;
    }
    Settings::open().setValue(notebookKey, on);
    m_answerRow->setVisible(!on);
    m_check->setVisible(!on);
    m_notebook->setVisible(on);
    // The Caderno holds its own working; the panel below is the single answer's.
    m_working->setVisible(!on);
    if (isVisible())
        focusEntry();
}

void ExerciseWindow::fillTopics()
{
    m_topic->clear();
    QFont areaFont = m_topic->font();
    areaFont.setBold(true);
    const auto areas = ProblemCatalogue::areas();
    for (std::size_t a = 0; a < areas.size(); ++a) {
        m_topic->addItem(QStringLiteral("%1 – Misturar a área").arg(QString::fromUtf8(areas[a].name)),
                         areaPrefix + QString::number(a));
        m_topic->setItemData(m_topic->count() - 1, areaFont, Qt::FontRole);
        for (const Problems::TopicProblems& p : areas[a].problems) {
            m_topic->addItem(QString(), QString::fromLatin1(p.button));
            m_topic->setItemData(m_topic->count() - 1, true, indentedRole);
        }
    }
    labelTopics();
    m_topic->setCurrentIndex(m_topic->count() > 1 ? 1 : 0);
}

void ExerciseWindow::labelTopics()
{
    for (int i = 0; i < m_topic->count(); ++i) {
        const QString button = m_topic->itemData(i).toString();
        if (button.startsWith(areaPrefix))
            continue;
        const Topic* t = Catalogue::topicOfButton(button);
        const Progress::Topic done = m_progress.of(button);
        QString label = t ? QString::fromUtf8(t->header) : button;
        if (done.tried > 0)
            label += QStringLiteral("  (%1 · %2 de %3 na primeira)").arg(Progress::status(done)).arg(done.firstTry).arg(done.tried);
        m_topic->setItemText(i, label);
    }
}

// A window closed with the number box focused is hidden by ~QWidget, after this part of it
// is gone: the box's focus going out must not bring its number to it then.
ExerciseWindow::~ExerciseWindow()
{
    disconnect(m_numberEdit, nullptr, this, nullptr);
}

void ExerciseWindow::showTopic(const Topic& topic)
{
    const int at = m_topic->findData(QString::fromLatin1(topic.button));
    if (at < 0 || at == m_topic->currentIndex())
        return;
    m_topic->setCurrentIndex(at);
    m_index = 1;
    topicChosen();
    focusEntry();
}

void ExerciseWindow::topicChosen()
{
    fitLevels();
    newExercise();
}

// A topic whose values have no other unit has the first level only: the second is
// disabled and a sentence says why.
void ExerciseWindow::fitLevels()
{
    const QString choice = m_topic->currentData().toString();
    auto known = m_hasConversions.find(choice);
    if (known == m_hasConversions.end()) {
        bool has = false;
        if (choice.startsWith(areaPrefix)) {
            has = Levels::hasConversions(ProblemCatalogue::areas()[choice.mid(areaPrefix.size()).toUInt()]);
        } else if (const Problems::TopicProblems* p = ProblemCatalogue::ofButton(choice)) {
            has = Levels::hasConversions(*p);
        }
        known = m_hasConversions.insert(choice, has);
    }
    const bool has = *known;
    auto* model = qobject_cast<QStandardItemModel*>(m_level->model());
    model->item(m_level->findData(int(Level::Conversions)))->setEnabled(has);
    m_level->setCurrentIndex(m_level->findData(int(has ? m_wantedLevel : Level::Formula)));
    m_levelNote->setVisible(!has);
    m_levelNote->setText(has ? QString()
                             : QStringLiteral("Este tópico tem só o nível 1: seus valores não são dados em outras "
                                              "unidades, então não há conversões a fazer."));
}

Level ExerciseWindow::level() const
{
    return Level(m_level->currentData().toInt());
}

void ExerciseWindow::newExercise()
{
    const QString choice = m_topic->currentData().toString();
    Exercise ex;
    if (choice.startsWith(areaPrefix)) {
        const auto areas = ProblemCatalogue::areas();
        ex = ExerciseGenerator::mixed(areas[choice.mid(areaPrefix.size()).toUInt()], level(), m_number, m_index);
    } else {
        ex = ExerciseGenerator::make(choice, level(), m_number, m_index);
    }
    m_attempt = Attempt(std::move(ex), &m_progress);
    const Exercise& e = exercise();
    m_notebook->setExercise(e);
    m_numberEdit->setText(e.code());
    m_answer->clear();
    m_working->clear();
    m_saveProblem.clear();
    setNote({});
    setFeedback({});
    m_unit->clear();
    if (!e.valid) {
        m_statement->setText(QStringLiteral("Este tópico ainda não tem exercícios."));
        return;
    }
    m_statement->setText(QStringLiteral("Exercício %1. %2").arg(e.code(), e.text));
    m_statement->setAccessibleDescription(m_statement->text());
    // Each unit by its name, read back through the kind's table.
    if (e.askedRow.kind) {
        for (const Units::Unit& u : e.askedRow.kind->units)
            m_unit->addItem(QString::fromUtf8(u.name), QString::fromUtf8(u.name));
        m_unit->setCurrentIndex(m_unit->findText(e.askedUnitName()));
    } else {
        m_unit->addItem(e.askedUnitName());
    }
    // A pure number, or a unit with no other of its kind: nothing to choose.
    m_unit->setEnabled(m_unit->count() > 1);
}

void ExerciseWindow::setFeedback(const QString& text)
{
    announce(m_feedback, text);
}

void ExerciseWindow::setNote(const QString& verdictNote)
{
    m_verdictNote = verdictNote;
    QString text = verdictNote;
    if (!m_saveProblem.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + m_saveProblem;
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

void ExerciseWindow::saveProgress()
{
    if (!m_progress.unsaved())
        return;
    m_progress.save();
    m_saveProblem = m_progress.problem();
    setNote(m_verdictNote);
    // Saving brings in what another copy of the program recorded meanwhile.
    labelTopics();
}

void ExerciseWindow::showWorking()
{
    if (m_attempt.solutionShown() && m_working->toPlainText().isEmpty())
        m_working->setPlainText(exercise().solution().join(u'\n'));
}

void ExerciseWindow::check()
{
    const auto* unit = ExerciseGenerator::unitOfKind(exercise().askedRow.kind, m_unit->currentData().toString());
    const Judge::Verdict v = m_attempt.answer(m_answer->text(), unit);
    if (v.kind == Judge::Verdict::Empty)
        return;
    setFeedback(v.feedback);
    setNote(v.note);
    saveProgress();
    showWorking();
    // Back in the box, what was typed chosen: a new try replaces it.
    m_answer->setFocus(Qt::OtherFocusReason);
    if (v.kind != Judge::Verdict::Right)
        m_answer->selectAll();
}

void ExerciseWindow::showSolution()
{
    m_attempt.showSolution();
    saveProgress();
    showWorking();
    if (notebookShown())
        m_notebook->fillSolution();
}

void ExerciseWindow::next()
{
    ++m_index;
    newExercise();
    focusEntry();
}

void ExerciseWindow::numberEdited()
{
    const bool fromEnter = m_numberEdit->hasFocus();
    const QString typed = m_numberEdit->text().trimmed();
    if (typed.isEmpty() || typed == exercise().code()) {
        m_numberEdit->setText(exercise().code());
    } else if (!goToNumber(m_numberEdit->text())) {
        if (fromEnter)
            m_numberEdit->selectAll();
        return;
    }
    if (fromEnter)
        focusEntry();
}

bool ExerciseWindow::goToNumber(const QString& code)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,9})(?:\\s*-\\s*(\\d{1,3}))?\\s*$"));
    const QRegularExpressionMatch m = form.match(code);
    const bool read = m.hasMatch() && m.captured(1).toUInt() > 0 && (m.captured(2).isEmpty() || m.captured(2).toInt() > 0);
    if (!read) {
        setFeedback(QStringLiteral("Não entendi o número do exercício: “%1”. Escreva-o como 4821 ou 4821-3 (de 1 em "
                                   "diante). Continua o exercício %2.")
                        .arg(code.trimmed(), exercise().code()));
        m_numberEdit->setText(exercise().code());
        return false;
    }
    m_number = m.captured(1).toUInt();
    m_index = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
    newExercise();
    return true;
}

void ExerciseWindow::generateList()
{
    ExerciseListDialog dialog(exercise().valid ? QString::fromLatin1(exercise().topic->button) : QString(), level(),
                              m_number, this);
    dialog.exec();
}

void ExerciseWindow::resetProgress()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Zerar progresso"),
                    QStringLiteral("Apagar o progresso de todos os tópicos?"), QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("exResetQuestion"));
    QPushButton* yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
    // One Enter too many must not wipe everything.
    QPushButton* no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() != yes)
        return;
    m_progress.clear();
    saveProgress();
}
