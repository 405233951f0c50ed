#include "controls/TEdit.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // Every character goes through the key filter; nothing arrives by drag and drop or
    // by an input method around it.
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Text, givenColor());
    setPalette(pal);
    if (s_batch) {
        m_fontHeld = true;
        s_batch->m_fields.emplace_back(this);
    }
    // What the student types is what counts, even where it spells the converted text again.
    connect(this, &QLineEdit::textEdited, this, [this] { m_exact.reset(); });
}

void TEdit::setText(const QString& text)
{
    m_exact.reset();
    QLineEdit::setText(text);
    setCursorPosition(0);
}

void TEdit::setConverted(const QString& text, Number exact)
{
    setText(text);
    m_exact = exact;
    m_exactText = text;
}

std::optional<Number> TEdit::exactValue() const
{
    return m_exact && QLineEdit::text() == m_exactText ? m_exact : std::nullopt;
}

TEdit::FontBatch::FontBatch()
    : m_outer(s_batch)
{
    s_batch = this;
}

TEdit::FontBatch::~FontBatch()
{
    s_batch = m_outer;
    for (TEdit* field : m_fields) {
        if (!field)
            continue;
        field->m_fontHeld = false;
        QEvent changed(QEvent::FontChange);
        QCoreApplication::sendEvent(field, &changed);
    }
}

void TEdit::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange && m_fontHeld)
        return;
    QLineEdit::changeEvent(e);
}

void TEdit::paintGiven()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, givenColor());
    setPalette(pal);
}

std::optional<QChar> TEdit::filter(QChar c) const
{
    return filterKey(m_tiCos ? Keys::tiCos : Keys::eS, c, s_separator);
}

void TEdit::keyPressEvent(QKeyEvent* e)
{
    const QString typed = e->text();
    // Shift+F10 opens the context menu from the keyboard, as the Menu key does.
    if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) {
        const QPoint at = cursorRect().bottomLeft();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menu);
        return;
    }
    // Keys without a character (arrows, Home, End, Delete) edit as usual.
    if ((typed.isEmpty() || e->key() == Qt::Key_Delete) && !e->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // Return or Enter asks for the page's calculation, as its Calcular button would.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        emit enterPressed();
        return;
    }
    // Copying a result and selecting take no outside text in.
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // Other key combinations insert nothing, pasting included.
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) || e->matches(QKeySequence::Paste)) {
        e->accept();
        return;
    }
    QString passed;
    for (QChar c : typed) {
        if (const auto kept = filter(c))
            passed += *kept;
    }
    if (passed.isEmpty()) {
        // Escape still reaches the window.
        if (e->key() == Qt::Key_Escape)
            e->ignore();
        else
            e->accept();
        return;
    }
    if (passed == typed) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    QKeyEvent replaced(e->type(), e->key(), e->modifiers(), passed, e->isAutoRepeat(), ushort(e->count()));
    QLineEdit::keyPressEvent(&replaced);
    e->setAccepted(replaced.isAccepted());
}

void TEdit::mouseReleaseEvent(QMouseEvent* e)
{
    // The X11 selection paste would put unfiltered text into the field.
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TEdit::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Paste would put unfiltered text into the field. Qt names none of its entries, so
    // Paste is known by its text, in whatever language Qt speaks.
    const QString paste = QLineEdit::tr("&Paste");
    for (QAction* a : menu->actions()) {
        if (a->text().section(u'\t', 0, 0) == paste)
            a->setVisible(false);
    }
    emit contextMenuOpening(menu);
    menu->popup(e->globalPos());
}
