#include "app/EquationPages.h"

#include "app/Application.h"
#include "app/Fonts.h"
#include "app/PageRegistry.h"
#include "controls/TEdit.h"
#include "catalogue/Catalogue.h"
#include "controls/Gradpan.h"
#include "controls/JLAqua.h"
#include "app/DecimalSeparator.h"
#include "engine/NumberText.h"

#include <QLabel>
#include <QStackedWidget>
#include <algorithm>
#include <cstring>
#include <stdexcept>

const QString EquationPages::calcularHint = QStringLiteral("Clique para Calcular");

EquationPages::EquationPages(QStackedWidget* equacoes, TGradPan* header, QObject* parent)
    : QObject(parent)
    , m_equacoes(equacoes)
    , m_header(header)
    , m_separatorListener(DecimalSeparator::addListener([this](QChar previous) { relocalize(previous); }))
{
}

EquationPages::~EquationPages()
{
    DecimalSeparator::removeListener(m_separatorListener);
}

QWidget* EquationPages::page(const char* name)
{
    const QString key = QString::fromLatin1(name);
    if (QWidget* built = m_pages.value(key))
        return built;
    return build(key);
}

QWidget* EquationPages::build(const QString& name)
{
    const PageRegistry::Entry* entry = PageRegistry::find(name);
    if (!entry)
        throw std::logic_error("no equation page named " + name.toStdString());
    auto* page = new QWidget;
    {
        const TEdit::FontBatch fieldFonts;
        entry->setup(page);
        Fonts::applyPixelSizes(page);
    }
    m_equacoes->addWidget(page);
    m_pages.insert(name, page);
    useSharpIllustration(page);

    const auto children = page->findChildren<QWidget*>();
    std::vector<TEdit*> pageFields;
    TJLAqua* pageButton = nullptr;
    for (QWidget* w : children) {
        if (!w->objectName().isEmpty()) {
            Q_ASSERT_X(!m_widgets.contains(w->objectName()), "EquationPages", "a component name used twice");
            m_widgets.insert(w->objectName(), w);
        }
        if (auto* label = qobject_cast<QLabel*>(w); label && label->pixmap().isNull())
            label->adjustSize();
        if (auto* edit = qobject_cast<TEdit*>(w)) {
            // Built after the last clearing of every field: starts as a cleared field.
            edit->clear();
            m_fields.insert(edit->objectName(), edit);
            m_fieldsInOrder.push_back(edit);
            pageFields.push_back(edit);
        }
        if (auto* button = qobject_cast<TJLAqua*>(w)) {
            m_buttons.push_back(button);
            pageButton = button;
            if (m_hintsReset)
                button->setToolTip(calcularHint);
            if (const Solver* solver = Catalogue::solverOfButton(button->objectName())) {
                connect(button, &TJLAqua::clicked, this, [this, solver, page] {
                    runEventHandler([this, solver, page] { calculate(*solver, page); });
                });
            }
        }
    }
    if (pageButton)
        connectKeyboard(pageFields, pageButton);
    emit pageBuilt(page);
    return page;
}

// A click of a page's Calcular: the solver runs and its working is handed on, whether it
// wrote a result or ended on an error, which then goes on to the exception hook.
void EquationPages::calculate(const Solver& solver, QWidget* page)
{
    const QByteArray mode = m_pageModes.value(page);
    Working working;
    Calcular calcular(*this, decimalSeparator(), mode, &working);
    const auto texts = [&] {
        QHash<QByteArray, QString> all;
        for (const TEdit* field : m_fieldsInOrder) {
            if (field->parentWidget() == page)
                all.insert(field->objectName().toLatin1(), field->text());
        }
        return all;
    };
    try {
        solver.solve(calcular);
    } catch (const EngineError&) {
        emit calculated(working, texts());
        throw;
    }
    emit calculated(working, texts());
}

// On a screen with more than one device pixel per pixel the page's illustration is
// drawn from its double-size picture (the form names the single-size one).
void EquationPages::useSharpIllustration(QWidget* page)
{
    if (page->devicePixelRatioF() <= 1.0)
        return;
    const QString number = page->objectName().mid(int(std::strlen("TabSheet")));
    auto* label = page->findChild<QLabel*>(QStringLiteral("Image%1").arg(number.toInt() * 1000 + 1));
    QPixmap sharp(QStringLiteral(":/pictures/illustration_%1@2x.png").arg(page->objectName()));
    if (!label || sharp.isNull())
        return;
    sharp.setDevicePixelRatio(2.0);
    label->setPixmap(sharp);
}

// Enter in any field computes as the page's Calcular button does; Tab goes down the
// fields a student fills, then to Calcular. Constant fields are not on the way.
void EquationPages::connectKeyboard(std::vector<TEdit*> fields, TJLAqua* calcular)
{
    std::stable_sort(fields.begin(), fields.end(), [](const TEdit* a, const TEdit* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QWidget* previous = nullptr;
    for (TEdit* field : fields) {
        connect(field, &TEdit::enterPressed, calcular, &TJLAqua::click);
        if (field->isReadOnly()) {
            field->setFocusPolicy(Qt::ClickFocus);
            continue;
        }
        if (previous)
            QWidget::setTabOrder(previous, field);
        previous = field;
    }
    if (previous)
        QWidget::setTabOrder(previous, calcular);
}

template <class T>
T* EquationPages::named(const char* name) const
{
    auto* w = qobject_cast<T*>(m_widgets.value(QString::fromLatin1(name)));
    // The catalogue-integrity test proves every name; one that slipped through stops a
    // debug build here and stays silent for the student.
    Q_ASSERT_X(w, "EquationPages", name);
    if (!w)
        throw std::logic_error(std::string("no component named ") + name);
    return w;
}

QWidget* EquationPages::currentPage() const
{
    return m_equacoes->currentWidget();
}

QWidget* EquationPages::firstField() const
{
    QWidget* first = nullptr;
    for (TEdit* field : m_equacoes->currentWidget()->findChildren<TEdit*>()) {
        if (field->focusPolicy() & Qt::TabFocus && (!first || std::pair(field->y(), field->x()) < std::pair(first->y(), first->x())))
            first = field;
    }
    return first;
}

QWidget* EquationPages::widget(const char* name) const
{
    return m_widgets.value(QString::fromLatin1(name));
}

Field& EquationPages::field(const char* name)
{
    TEdit* edit = m_fields.value(QString::fromLatin1(name));
    Q_ASSERT_X(edit, "EquationPages", name);
    if (!edit)
        throw std::logic_error(std::string("no field named ") + name);
    return *edit;
}

void EquationPages::setCaption(const char* name, const QString& text)
{
    auto* label = named<QLabel>(name);
    label->setText(text);
    label->adjustSize();
}

void EquationPages::setLeft(const char* name, int x)
{
    QWidget* w = named<QWidget>(name);
    w->move(x, w->y());
}

void EquationPages::setWidth(const char* name, int width)
{
    QWidget* w = named<QWidget>(name);
    w->resize(width, w->height());
}

void EquationPages::setVisible(const char* name, bool visible)
{
    named<QWidget>(name)->setVisible(visible);
}

void EquationPages::setConstantText(const char* name, const QString& commaText)
{
    field(name).setText(NumberText::localized(commaText, decimalSeparator()));
    m_constants.insert(QString::fromLatin1(name), commaText);
}

// A locale change while the program runs: the constants on show follow the new
// separator, so the next click reads them as the student now sees them.
// The regional settings changed while the program runs: the constants are written in
// the new separator, and so is every number a student typed or a conversion wrote (its
// exact value kept), so that it still reads as what it showed.
void EquationPages::relocalize(QChar previous)
{
    const QChar now = decimalSeparator();
    for (TEdit* edit : m_fieldsInOrder) {
        const QString text = edit->text();
        if (const auto constant = m_constants.constFind(edit->objectName()); constant != m_constants.cend()) {
            if (text == NumberText::localized(*constant, previous))
                edit->setText(NumberText::localized(*constant, now));
            continue;
        }
        if (previous == now || !text.contains(previous) || !NumberText::isNumber(text, previous))
            continue;
        QString moved = text;
        moved.replace(previous, now);
        const int cursor = edit->cursorPosition();
        if (const auto exact = edit->exactValue())
            edit->setConverted(moved, *exact);
        else
            edit->setText(moved);
        edit->setCursorPosition(cursor);
    }
}

void EquationPages::setPageMode(const char* mode)
{
    m_pageModes.insert(m_equacoes->currentWidget(), QByteArray(mode));
}

void EquationPages::clearFields()
{
    for (TEdit* edit : m_fieldsInOrder)
        edit->clear();
    m_constants.clear();
}

void EquationPages::setHeader(const QString& text)
{
    m_header->setCaption(text);
}

void EquationPages::showPage(const char* name)
{
    m_equacoes->setCurrentWidget(page(name));
}

QChar EquationPages::decimalSeparator() const
{
    return DecimalSeparator::current();
}

void EquationPages::resetHints()
{
    m_hintsReset = true;
    for (TJLAqua* button : m_buttons)
        button->setToolTip(calcularHint);
}
