#include "app/OperandSlider.h"

#include "engine/NumberText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

OperandSlider::OperandSlider(const QString& label, const QString& accessibleName, Number start, QChar separator, QWidget* parent)
    : QWidget(parent)
    , m_start(start)
    , m_value(start)
    , m_separator(separator)
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_edit(new QLineEdit(this))
{
    auto* name = new QLabel(label, this);
    name->setMinimumWidth(80);
    name->setBuddy(m_slider);
    m_slider->setRange(0, steps);
    m_slider->setValue(steps / 2);
    m_slider->setPageStep(steps / 20);
    m_slider->setAccessibleName(accessibleName);
    m_edit->setText(NumberText::format(start.value(), separator));
    m_edit->setAccessibleName(accessibleName);
    m_edit->setMaximumWidth(150);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(name);
    row->addWidget(m_slider, 1);
    row->addWidget(m_edit);
    connect(m_slider, &QSlider::valueChanged, this, &OperandSlider::moved);
    connect(m_edit, &QLineEdit::editingFinished, this, &OperandSlider::typed);
}

// 0 … 2 × the value; around a zero value, −1 … 1.
Number OperandSlider::valueAt(int position) const
{
    if (position == steps / 2)
        return m_start;
    const long double share = (long double)(position) / (steps / 2);
    return m_start.value() == 0 ? Number(share - 1) : Number(m_start.value() * share);
}

void OperandSlider::moved(int position)
{
    m_value = valueAt(position);
    m_edit->setText(NumberText::format(m_value, m_separator));
    emit valueChanged(m_value);
}

void OperandSlider::typed()
{
    try {
        const Number typed = NumberText::toNumber(m_edit->text(), m_separator);
        if (typed == m_value)
            return;
        m_value = typed;
        const long double scale = m_start.value() == 0 ? 1 : m_start.value();
        const long double share = m_start.value() == 0 ? typed.value() + 1 : typed.value() / scale;
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(int(std::lround(std::clamp(share, 0.0L, 2.0L) * (steps / 2))));
        emit valueChanged(m_value);
    } catch (const EngineError&) {
        m_edit->setText(NumberText::format(m_value, m_separator));
    }
}
