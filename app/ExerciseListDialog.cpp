#include "app/ExerciseListDialog.h"

#include "exercises/Levels.h"

#include "app/ExerciseList.h"
#include "catalogue/Catalogue.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

ExerciseListDialog::ExerciseListDialog(const QString& currentTopic, Level level, std::uint32_t number, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Gerar lista – Velquora"));
    m_topics = new QListWidget(this);
    m_topics->setAccessibleName(QStringLiteral("Tópicos da lista"));
    for (const ProblemCatalogue::Area& area : ProblemCatalogue::areas()) {
        for (const Problems::TopicProblems& p : area.problems) {
            const Topic* t = Catalogue::topicOfButton(QString::fromLatin1(p.button));
            auto* item = new QListWidgetItem(QStringLiteral("%1 – %2").arg(QString::fromUtf8(area.name), QString::fromUtf8(t->header)), m_topics);
            item->setData(Qt::UserRole, QString::fromLatin1(p.button));
            item->setCheckState(currentTopic == QLatin1String(p.button) ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_level = new QComboBox(this);
    for (Level level : Levels::all)
        m_level->addItem(Levels::name(level));
    m_level->setCurrentIndex(int(level) - 1);
    m_count = new QSpinBox(this);
    m_count->setRange(1, ExerciseList::maxCount);
    m_count->setValue(10);
    m_number = new QSpinBox(this);
    m_number->setRange(1, int(ExerciseList::maxNumber));
    m_number->setValue(int(number));
    m_versions = new QSpinBox(this);
    m_versions->setRange(1, ExerciseList::maxVersions);
    m_versions->setValue(1);
    m_versions->setToolTip(QStringLiteral("Versões A, B, … no mesmo PDF, cada uma com seus exercícios e seu gabarito."));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Nível:"), m_level);
    form->addRow(QStringLiteral("&Quantidade de exercícios:"), m_count);
    form->addRow(QStringLiteral("N&úmero da lista:"), m_number);
    form->addRow(QStringLiteral("&Versões:"), m_versions);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("Gerar PDF…"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_topics, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExerciseListDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(480, 460);
}

void ExerciseListDialog::save()
{
    ExerciseList::Request request;
    for (int i = 0; i < m_topics->count(); ++i) {
        if (m_topics->item(i)->checkState() == Qt::Checked)
            request.topics << m_topics->item(i)->data(Qt::UserRole).toString();
    }
    if (request.topics.isEmpty()) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("Escolha ao menos um tópico."));
        return;
    }
    request.level = Level(m_level->currentIndex() + 1);
    request.count = m_count->value();
    request.number = std::uint32_t(m_number->value());
    request.versions = m_versions->value();
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar lista"),
                                                      QStringLiteral("lista-%1.pdf").arg(request.number),
                                                      QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!ExerciseList::write(request, path, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    accept();
}
