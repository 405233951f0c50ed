#pragma once

#include "engine/Field.h"

#include <QLineEdit>

class QMenu;
#include <QPointer>
#include <vector>

// A field of an equation page: a single-line edit whose key filter decides, character
// by character, what typing may insert.
class TEdit : public QLineEdit, public Field
{
    Q_OBJECT
    // Which filter serves the field: "eSKeyPress" (the default) or "tiCosKeyPress".
    Q_PROPERTY(QString OnKeyPress READ onKeyPress WRITE setOnKeyPress)

public:
    explicit TEdit(QWidget* parent = nullptr);

    QString onKeyPress() const { return m_tiCos ? QStringLiteral("tiCosKeyPress") : QStringLiteral("eSKeyPress"); }
    void setOnKeyPress(const QString& handler) { m_tiCos = handler == QLatin1String("tiCosKeyPress"); }

    QString text() const override { return QLineEdit::text(); }
    // A text set whole, a result or a constant, shows its start, as an edit box does
    // when its text is set.
    void setText(const QString& text) override;
    void paintGiven() override;
    // A value converted from another unit: its text, and the exact value the next
    // calculation reads for as long as the field holds that text untouched.
    void setConverted(const QString& text, Number exact);
    std::optional<Number> exactValue() const override;

    // The user's decimal separator, which a typed "." or "," becomes; the program tells
    // every field when the regional settings change.
    static void setDecimalSeparator(QChar separator) { s_separator = separator; }
    static QChar decimalSeparator() { return s_separator; }

    // The given colour: every field's font has it at rest.
    static QColor givenColor() { return QColor(0, 0, 255); }

    // A form gives a field its font in steps (the layout's family, then its size), and a
    // field lays its text out at each one. Fields built while a batch lives take only the
    // font they have when it ends.
    class FontBatch
    {
    public:
        FontBatch();
        ~FontBatch();
        FontBatch(const FontBatch&) = delete;
        FontBatch& operator=(const FontBatch&) = delete;

    private:
        friend class TEdit;
        std::vector<QPointer<TEdit>> m_fields;
        FontBatch* m_outer;
    };

signals:
    // Return or keypad Enter was pressed in the field.
    void enterPressed();
    // The field's context menu is about to open: more may be added to it.
    void contextMenuOpening(QMenu* menu);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    std::optional<QChar> filter(QChar c) const;

    bool m_tiCos = false;
    std::optional<Number> m_exact;
    QString m_exactText;
    bool m_fontHeld = false;
    static inline FontBatch* s_batch = nullptr;
    static inline QChar s_separator = u',';
};
