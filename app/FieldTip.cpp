#include "app/FieldTip.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

namespace {

QPointer<FieldTip> s_tip;

// The pointer may tremble a little under a hand that is reading.
constexpr int steadyPointer = 8;

}

FieldTip::FieldTip()
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("fieldTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(4);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FieldTip::dismiss);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (isVisible() && now && now != m_field)
            dismiss();
    });
}

void FieldTip::show(QWidget* field, const QString& text)
{
    if (!s_tip)
        s_tip = new FieldTip;
    s_tip->showUnder(field, text);
}

FieldTip* FieldTip::current()
{
    return s_tip && s_tip->isVisible() ? s_tip.data() : nullptr;
}

void FieldTip::showUnder(QWidget* field, const QString& text)
{
    m_field = field;
    setText(text);
    setAccessibleName(text);
    adjustSize();
    move(field->mapToGlobal(QPoint(0, field->height() + 2)));
    m_pointer = QCursor::pos();
    qApp->installEventFilter(this);
    QLabel::show();
    raise();
    m_timer.start(shownFor);
}

void FieldTip::dismiss()
{
    qApp->removeEventFilter(this);
    m_timer.stop();
    hide();
}

bool FieldTip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if ((at - m_pointer).manhattanLength() > steadyPointer)
            dismiss();
    } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel) {
        dismiss();
    }
    return QLabel::eventFilter(watched, event);
}
