#include "app/ExerciseWindow.h"

#include "app/ExerciseListDialog.h"
#include "catalogue/Catalogue.h"
#include "exercises/Judge.h"

#include <QAccessible>
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
#include <QVBoxLayout>

namespace {

// An item of the topic chooser: a topic button, or "área:<n>" to mix an area's topics.
const QString areaPrefix = QStringLiteral("área:");

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
    m_level = new QComboBox(this);
    named(m_level, "exLevel", QStringLiteral("Nível"));
    m_level->addItem(QStringLiteral("Nível 1 – valores nas unidades da fórmula"));
    m_level->addItem(QStringLiteral("Nível 2 – com conversões"));
    m_numberEdit = new QLineEdit(this);
    named(m_numberEdit, "exNumber", QStringLiteral("Número do exercício"));
    m_numberEdit->setMaximumWidth(120);
    m_statement = new QLabel(this);
    named(m_statement, "exStatement", QStringLiteral("Enunciado"));
    m_statement->setWordWrap(true);
    m_statement->setMinimumHeight(70);
    m_statement->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statement->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_statement->setFocusPolicy(Qt::StrongFocus);
    m_answer = new QLineEdit(this);
    named(m_answer, "exAnswer", QStringLiteral("Resposta"));
    m_answer->setPlaceholderText(QStringLiteral("Ex.: 19,4 ou 3 × 10^8"));
    m_unit = new QComboBox(this);
    named(m_unit, "exUnit", QStringLiteral("Unidade da resposta"));
    m_check = new QPushButton(QStringLiteral("&Verificar"), this);
    named(m_check, "exCheck", QStringLiteral("Verificar"));
    m_check->setDefault(true);
    m_solution = new QPushButton(QStringLiteral("Ver &resolução"), this);
    named(m_solution, "exSolution", QStringLiteral("Ver resolução"));
    m_next = new QPushButton(QStringLiteral("&Próximo"), this);
    named(m_next, "exNext", QStringLiteral("Próximo"));
    m_feedback = new QLabel(this);
    named(m_feedback, "exFeedback", QStringLiteral("Resultado"));
    m_feedback->setWordWrap(true);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("exNote"));
    m_note->setWordWrap(true);
    m_working = new QPlainTextEdit(this);
    named(m_working, "exWorking", QStringLiteral("Resolução"));
    m_working->setReadOnly(true);
    m_working->setMinimumHeight(130);
    auto* list = new QPushButton(QStringLiteral("&Gerar lista…"), this);
    list->setObjectName(QStringLiteral("exList"));
    auto* reset = new QPushButton(QStringLiteral("&Zerar progresso"), this);
    reset->setObjectName(QStringLiteral("exReset"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Tópico:"), this), 0, 0);
    grid->addWidget(m_topic, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Nível:"), this), 1, 0);
    grid->addWidget(m_level, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Exercício:"), this), 1, 2, Qt::AlignRight);
    grid->addWidget(m_numberEdit, 1, 3);
    grid->setColumnStretch(1, 1);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(new QLabel(QStringLiteral("Resposta:"), this));
    answerRow->addWidget(m_answer, 1);
    answerRow->addWidget(m_unit);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addWidget(m_solution);
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(list);
    buttons->addWidget(reset);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_statement);
    layout->addLayout(answerRow);
    layout->addLayout(buttons);
    layout->addWidget(m_feedback);
    layout->addWidget(m_note);
    layout->addWidget(m_working, 1);
    resize(640, 460);

    setTabOrder(m_topic, m_level);
    setTabOrder(m_level, m_statement);
    setTabOrder(m_statement, m_answer);
    setTabOrder(m_answer, m_unit);
    setTabOrder(m_unit, m_check);
    setTabOrder(m_check, m_solution);
    setTabOrder(m_solution, m_next);
    setTabOrder(m_next, m_numberEdit);
    setTabOrder(m_numberEdit, list);
    setTabOrder(list, reset);

    fillTopics();
    connect(m_topic, &QComboBox::activated, this, [this] { m_index = 1; newExercise(); });
    connect(m_level, &QComboBox::activated, this, [this] { newExercise(); });
    connect(m_answer, &QLineEdit::returnPressed, this, &ExerciseWindow::check);
    connect(m_check, &QPushButton::clicked, this, &ExerciseWindow::check);
    // Asking for the working before answering gives up the first try.
    connect(m_solution, &QPushButton::clicked, this, [this] {
        recordFirst(false);
        showSolution();
    });
    connect(m_next, &QPushButton::clicked, this, &ExerciseWindow::next);
    connect(m_numberEdit, &QLineEdit::returnPressed, this, [this] { goToNumber(m_numberEdit->text()); });
    connect(list, &QPushButton::clicked, this, &ExerciseWindow::generateList);
    connect(reset, &QPushButton::clicked, this, &ExerciseWindow::resetProgress);
    newExercise();
    if (!m_progress.problem().isEmpty())
        setFeedback(m_progress.problem());
}

void ExerciseWindow::fillTopics()
{
    const QVariant current = m_topic->currentData();
    m_topic->clear();
    const auto areas = ProblemCatalogue::areas();
    for (std::size_t a = 0; a < areas.size(); ++a) {
        m_topic->addItem(QStringLiteral("%1 – Misturar a área").arg(QString::fromUtf8(areas[a].name)),
                         areaPrefix + QString::number(a));
        for (const Problems::TopicProblems& p : areas[a].problems) {
            const QString button = QString::fromLatin1(p.button);
            const Topic* t = Catalogue::topicOfButton(button);
            const Progress::Topic done = m_progress.of(button);
            QString label = QStringLiteral("    ") + QString::fromUtf8(t ? t->header : p.button);
            if (done.tried > 0)
                label += QStringLiteral("  (%1 · %2 de %3 na primeira)").arg(Progress::status(done)).arg(done.firstTry).arg(done.tried);
            m_topic->addItem(label, button);
        }
    }
    const int at = m_topic->findData(current);
    m_topic->setCurrentIndex(at >= 0 ? at : (m_topic->count() > 1 ? 1 : 0));
}

void ExerciseWindow::showTopic(const Topic& topic)
{
    const int at = m_topic->findData(QString::fromLatin1(topic.button));
    if (at < 0 || at == m_topic->currentIndex())
        return;
    m_topic->setCurrentIndex(at);
    m_index = 1;
    newExercise();
}

void ExerciseWindow::newExercise()
{
    const QString choice = m_topic->currentData().toString();
    const Level level = Level(m_level->currentIndex() + 1);
    if (choice.startsWith(areaPrefix)) {
        const auto areas = ProblemCatalogue::areas();
        m_exercise = ExerciseGenerator::mixed(areas[choice.mid(areaPrefix.size()).toUInt()], level, m_number, m_index);
    } else {
        m_exercise = ExerciseGenerator::make(choice, level, m_number, m_index);
    }
    m_numberEdit->setText(m_exercise.code());
    m_wrongTries = 0;
    m_recorded = false;
    m_answer->clear();
    m_working->clear();
    m_note->clear();
    setFeedback({});
    m_unit->clear();
    if (!m_exercise.valid) {
        m_statement->setText(QStringLiteral("Este tópico ainda não tem exercícios."));
        return;
    }
    m_statement->setText(QStringLiteral("Exercício %1. %2").arg(m_exercise.code(), m_exercise.text));
    m_statement->setAccessibleDescription(m_statement->text());
    if (m_exercise.askedRow.kind) {
        for (const Units::Unit& u : m_exercise.askedRow.kind->units)
            m_unit->addItem(QString::fromUtf8(u.name), QVariant::fromValue(static_cast<const void*>(&u)));
        m_unit->setCurrentIndex(m_unit->findText(m_exercise.askedUnitName()));
    } else {
        m_unit->addItem(m_exercise.askedUnitName());
    }
}

void ExerciseWindow::setFeedback(const QString& text)
{
    m_feedback->setText(text);
    // Said by a screen reader as soon as it changes.
    QAccessibleEvent event(m_feedback, QAccessible::NameChanged);
    m_feedback->setAccessibleDescription(text);
    QAccessible::updateAccessibility(&event);
}

void ExerciseWindow::recordFirst(bool right)
{
    if (m_recorded || !m_exercise.valid)
        return;
    m_recorded = true;
    m_progress.record(QString::fromLatin1(m_exercise.topic->button), right);
    if (!m_progress.save())
        m_note->setText(m_progress.problem());
    const int at = m_topic->currentIndex();
    fillTopics();
    m_topic->setCurrentIndex(at);
}

void ExerciseWindow::check()
{
    if (!m_exercise.valid)
        return;
    const auto* unit = static_cast<const Units::Unit*>(m_unit->currentData().value<const void*>());
    const Judge::Verdict v = Judge::judge(m_exercise, m_answer->text(), unit);
    if (v.kind == Judge::Verdict::Empty)
        return;
    setFeedback(v.feedback);
    m_note->setText(v.note);
    if (v.kind == Judge::Verdict::Unreadable)
        return;
    recordFirst(v.kind == Judge::Verdict::Right);
    if (v.kind == Judge::Verdict::Wrong && ++m_wrongTries >= 2)
        showSolution();
}

void ExerciseWindow::showSolution()
{
    if (!m_exercise.valid)
        return;
    m_working->setPlainText(m_exercise.solution().join(u'\n'));
}

void ExerciseWindow::next()
{
    ++m_index;
    newExercise();
}

void ExerciseWindow::goToNumber(const QString& code)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,9})(?:\\s*-\\s*(\\d{1,3}))?\\s*$"));
    const QRegularExpressionMatch m = form.match(code);
    if (!m.hasMatch() || m.captured(1).toUInt() == 0) {
        setFeedback(QStringLiteral("Não entendi o número do exercício: “%1”. Escreva-o como 4821 ou 4821-3.").arg(code.trimmed()));
        return;
    }
    m_number = m.captured(1).toUInt();
    m_index = m.captured(2).isEmpty() ? 1 : qMax(1, m.captured(2).toInt());
    newExercise();
}

void ExerciseWindow::generateList()
{
    ExerciseListDialog dialog(m_exercise.valid ? QString::fromLatin1(m_exercise.topic->button) : QString(),
                              Level(m_level->currentIndex() + 1), m_number, this);
    dialog.exec();
}

void ExerciseWindow::resetProgress()
{
    const auto answer = QMessageBox::question(this, QStringLiteral("Zerar progresso"),
                                              QStringLiteral("Apagar o progresso de todos os tópicos?"));
    if (answer != QMessageBox::Yes)
        return;
    m_progress.clear();
    m_progress.save();
    fillTopics();
}
