#pragma once

#include "engine/Number.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;

// One operand of the graph held at a value the student moves: a slider over ±100 % of the
// value the click read (its middle is that value, to the bit) and a field to type any
// other value in.
class OperandSlider : public QWidget
{
    Q_OBJECT

public:
    OperandSlider(const QString& label, const QString& accessibleName, Number start, QChar separator, QWidget* parent = nullptr);

    Number value() const { return m_value; }
    QSlider* slider() const { return m_slider; }
    QLineEdit* edit() const { return m_edit; }

    static constexpr int steps = 1000;

signals:
    void valueChanged(Number value);

private:
    Number valueAt(int position) const;
    void moved(int position);
    void typed();

    Number m_start;
    Number m_value;
    QChar m_separator;
    QSlider* m_slider;
    QLineEdit* m_edit;
};
