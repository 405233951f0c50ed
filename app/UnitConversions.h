#pragma once

#include "engine/Units.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class EquationPages;
class RowTable;
struct Row;
class QLabel;
class QMenu;
class QWidget;
class Resolution;
class TEdit;

// Values in the units an exercise gives. A field's context menu offers "Converter de"
// (the number typed is taken in another unit and replaced by the same quantity in the
// row's unit) and "Mostrar em" (the field's value said in another unit, the field kept as
// it is); clicking a row's unit opens the first list. What a field holds is always a
// number in its row's unit, so every solver computes as before. Each conversion is
// written in the working.
class UnitConversions : public QObject
{
    Q_OBJECT

public:
    UnitConversions(EquationPages& pages, const RowTable& rows, Resolution& resolution, QObject* parent);

    static const QString convertTitle;
    static const QString showTitle;
    static const QString unitHint;

    // After a topic relabelled its page: the units that open a list point with a hand.
    void topicChosen();

    // The "Converter de" and "Mostrar em" lists of `field`, or one disabled entry saying
    // why a list is empty.
    QMenu* convertMenu(TEdit* field, QWidget* parent);
    QMenu* showMenu(TEdit* field, QWidget* parent);

    void convertFrom(TEdit* field, const Units::Unit& from);
    void showIn(TEdit* field, const Units::Unit& to);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowUnit
    {
        QString symbol;
        QString unitText;
        Units::RowUnit unit;
        bool difference = false;
        // The page prints no unit there, or spells it otherwise ("(constante)", "watts").
        bool printedElsewise = false;
    };
    static QString folded(QString unit);
    static QString printedUnit(const Row& row);
    RowUnit rowUnitOf(const TEdit* field) const;
    // Why the field has no entries ("" when it has some).
    QString whyNone(const TEdit* field, const RowUnit& row) const;
    QMenu* menu(const QString& title, TEdit* field, QWidget* parent, void (UnitConversions::*act)(TEdit*, const Units::Unit&));
    std::optional<std::pair<QString, Number>> converted(const TEdit* field, const std::function<Number(Number)>& convert) const;
    void note(TEdit* field, const QString& line);
    void tooLarge(TEdit* field, const QString& fromUnit, const QString& toUnit);
    void pageBuilt(QWidget* page);

    EquationPages& m_pages;
    const RowTable& m_rows;
    Resolution& m_resolution;
    QList<QPointer<QLabel>> m_pointing;
    // The field of each unit label that opens a list, for the topic on show.
    QHash<const QLabel*, TEdit*> m_unitFields;
};
