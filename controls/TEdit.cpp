#include "controls/TEdit.h"

#include "engine/DecimalSeparator.h"
#include "engine/KeyFilters.h"

#include <QContextMenuEvent>
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
}

void TEdit::paintGiven()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Text, givenColor());
    setPalette(pal);
}

std::optional<QChar> TEdit::filter(QChar c) const
{
    return m_tiCos ? KeyFilters::tiCosKeyPress(c) : KeyFilters::eSKeyPress(c, DecimalSeparator::current());
}

void TEdit::keyPressEvent(QKeyEvent* e)
{
    const QString typed = e->text();
    // Keys without a character (arrows, Home, End, Delete) edit as usual.
    if ((typed.isEmpty() || e->key() == Qt::Key_Delete) && !e->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    // Key combinations insert nothing, pasting included.
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
        // Enter and Escape still reach the window (a dialog's default button).
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape)
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
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste"))
            a->setVisible(false);
    }
    menu->popup(e->globalPos());
}
