#pragma once

#include "exercises/Exercise.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QSpinBox;

// "Gerar lista…": the topics, level, count, number and versions of a list to print.
class ExerciseListDialog : public QDialog
{
    Q_OBJECT

public:
    ExerciseListDialog(const QString& currentTopic, Level level, std::uint32_t number, QWidget* parent);

private:
    void save();

    QListWidget* m_topics;
    QComboBox* m_level;
    QSpinBox* m_count;
    QSpinBox* m_number;
    QSpinBox* m_versions;
};
