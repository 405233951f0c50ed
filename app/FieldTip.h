#pragma once

#include <QLabel>
#include <QPoint>
#include <QPointer>
#include <QTimer>

// A note shown just under a field, for as long as it takes to read it (four seconds) or
// until the pointer or the focus moves on. A menu closing and giving the focus back to
// the field does not take it away, as it takes a tool tip away.
class FieldTip : public QLabel
{
    Q_OBJECT

public:
    static constexpr int shownFor = 4000;

    // Shows `text` under `field`, replacing the note on show.
    static void show(QWidget* field, const QString& text);
    // The note on show, or null.
    static FieldTip* current();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldTip();
    void showUnder(QWidget* field, const QString& text);
    void dismiss();

    QPointer<QWidget> m_field;
    QPoint m_pointer;
    QTimer m_timer;
};
