#pragma once

#include "engine/Topic.h"

#include <QHash>
#include <QObject>
#include <vector>

class QStackedWidget;
class QWidget;
class TEdit;
class TGradPan;
class TJLAqua;

// The equation pages of the main window (the page control `Equacoes`) as the topics and
// solvers see them. A page is built from its form the first time a topic shows it, so
// start-up pays only for the page it opens on.
class EquationPages : public QObject, public EquationWindow
{
    Q_OBJECT

public:
    EquationPages(QStackedWidget* equacoes, TGradPan* header, QObject* parent = nullptr);
    ~EquationPages() override;

    // EquationWindow
    Field& field(const char* name) override;
    void setCaption(const char* name, const QString& text) override;
    void setLeft(const char* name, int x) override;
    void setWidth(const char* name, int width) override;
    void setVisible(const char* name, bool visible) override;
    void setConstantText(const char* name, const QString& commaText) override;
    void setPageMode(const char* mode) override;
    void clearFields() override;
    void setHeader(const QString& text) override;
    void showPage(const char* page) override;
    QChar decimalSeparator() const override;

    // Every Calcular button, now and on pages built later, shows this hint.
    void resetHints();

    QWidget* page(const char* name);
    QWidget* currentPage() const;
    // The first field Tab reaches on the page on show.
    QWidget* firstField() const;
    QWidget* widget(const char* name) const;
    const std::vector<TEdit*>& fields() const { return m_fieldsInOrder; }
    const std::vector<TJLAqua*>& calcularButtons() const { return m_buttons; }

    static const QString calcularHint;

signals:
    void pageBuilt(QWidget* page);
    // After every click of a Calcular button: its working, and the texts of the page's
    // fields (field → text) as the click left them.
    void calculated(const Working& working, const QHash<QByteArray, QString>& texts);

private:
    void calculate(const Solver& solver, QWidget* page);
    QWidget* build(const QString& name);
    void relocalize(QChar previous);
    void connectKeyboard(std::vector<TEdit*> fields, TJLAqua* calcular);
    void useSharpIllustration(QWidget* page);
    template <class T>
    T* named(const char* name) const;

    QStackedWidget* m_equacoes;
    TGradPan* m_header;
    QHash<QString, QWidget*> m_pages;
    QHash<QString, QWidget*> m_widgets;
    QHash<QString, TEdit*> m_fields;
    std::vector<TEdit*> m_fieldsInOrder;
    std::vector<TJLAqua*> m_buttons;
    // The constant fields that show their constant (as given, with a comma) since the
    // last clearing of every field.
    QHash<QString, QString> m_constants;
    QHash<const QWidget*, QByteArray> m_pageModes;
    int m_separatorListener;
    bool m_hintsReset = false;
};
