#pragma once

#include "engine/WorkingText.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class QLabel;
class QWidget;
class TEdit;

// The rows of an equation page as it shows them at that moment, read from its labels: a
// field's symbol with its subscripts, exponents and signs ("Δt", "V₀", "Rₜₒₜₐₗ") and its
// unit ("m/s²", "Ω"). Read once each time a topic relabels the page.
class PageRows : public RowSymbols
{
public:
    struct Row
    {
        QString symbol;
        QString unit;
        // What shows the unit: its text, an exponent beside it, a picture.
        QList<QLabel*> unitLabels;
    };

    static Row rowOf(const TEdit* field);

    void read(const QWidget* page);
    // Null for a field of another page.
    const Row* row(const char* field) const;

    // A field without a symbol on show goes by its component name.
    QString symbol(const char* field) const override;
    QString unit(const char* field) const override;

private:
    QHash<QByteArray, Row> m_rows;
};
