#include "app/TfrmMain.h"

#include "app/AccessibleNames.h"
#include "app/Application.h"
#include "app/EquationPages.h"
#include "app/ExerciseWindow.h"
#include "app/FontConfigWarmUp.h"
#include "app/Fonts.h"
#include "app/GraphWindow.h"
#include "app/KeyboardNavigation.h"
#include "app/Resolution.h"
#include "app/UnitConversions.h"
#include "app/TfrmAbout.h"
#include "app/TopicLists.h"
#include "catalogue/Catalogue.h"
#include "controls/ButtonXPMACCorel.h"
#include "controls/XPMenu.h"
#include "ui_fMain.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QUrl>
#include <QWindow>
#include <algorithm>

const QString TfrmMain::warningCaption = QStringLiteral("ATENÇÃO");
const QString TfrmMain::warningText = QStringLiteral(
    "Preencha os dados corretamente!\r\nObs.: Apenas um campo deve estar em branco para ser calculado.");

namespace {

// The area buttons and the topic lists they open.
struct AreaLink
{
    const char* button;
    const char* list;
};
constexpr AreaLink areaLinks[] = {
    {"ButtonXPMACCorel17", "TabSheet8"},  {"ButtonXPMACCorel18", "TabSheet9"},
    {"ButtonXPMACCorel19", "TabSheet15"}, {"ButtonXPMACCorel21", "TabSheet19"},
    {"ButtonXPMACCorel20", "TabSheet30"}, {"ButtonXPMACCorel3", "TabSheet35"},
    {"ButtonXPMACCorel4", "TabSheet44"},  {"ButtonXPMACCorel22", "TabSheet41"},
};

// The hidden e-mail items: who each one writes to.
struct Contact
{
    const char* item;
    const char* address;
};
constexpr Contact contacts[] = {
    {"EnviarEmailContato1", "ana.moreira@tavensa.example"},
    {"EnviarEmailContato2", "carlos.lins@tavensa.example"},
    {"EnviarEmailContato3", "fernanda.vidal@tavensa.example"},
};

}

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TfrmMain>())
{
    ui->setupUi(this);
    // The list the window opens on is there from the start; the others are built when
    // their area is first shown. Building it measures no text, so it is built while the
    // font configuration is still being read.
    m_lists = new TopicLists(ui->Menu, this);
    m_lists->list(ui->TabSheet8);
    // The menu bar measures its items whenever its font changes: the first text measured.
    // It is given the menus' font before the window's own font reaches it.
    FontConfigWarmUp::wait();
    ui->MainMenu1->setFont(Fonts::menuFont());
    Fonts::applyPixelSizes(this);
    // The two page controls hide their tab rows: the topic lists under the area bar,
    // the equation pages under the header.
    ui->Menu->setContentsMargins(4, 24, 4, 4);
    ui->Equacoes->setContentsMargins(4, 16, 4, 4);
    ui->EnviarEmail1->menuAction()->setVisible(false);

    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_pages = new EquationPages(ui->Equacoes, ui->pNome, this);
    m_resolution = new Resolution(centralWidget(), *m_pages, m_rows, ui->Resolucao1, this);
    m_conversions = new UnitConversions(*m_pages, m_rows, *m_resolution, this);
    m_keyboard = new KeyboardNavigation(*m_pages, this);
    connect(m_lists, &TopicLists::listBuilt, this, &TfrmMain::connectTopics);
    connectTopics(ui->TabSheet8);
    m_events = new TApplicationEvents(this);
    m_events->setObjectName(QStringLiteral("ApplicationEvents1"));
    m_events->OnException = [this](QObject* sender, const std::exception& e) { ApplicationEvents1Exception(sender, e); };

    m_xpMenu = TXPMenu::forWindow(this, Fonts::menuFont(), false);
    // Pages and lists are built on first use, after the painter took the window over.
    connect(m_pages, &EquationPages::pageBuilt, m_xpMenu, &TXPMenu::hookControls);
    connect(m_lists, &TopicLists::listBuilt, m_xpMenu, &TXPMenu::hookControls);

    connect(m_pages, &EquationPages::calculated, this, [this](const Working& w, const QHash<QByteArray, QString>& texts) {
        if (!w.steps().empty()) {
            m_lastResult = w;
            m_lastTexts = texts;
        }
    });

    connectNavigation();
    connectMenu();
    centreOnScreen();
    // Ctrl+E, like Ctrl+G, must open its window from a field too (eventFilter).
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // A line edit claims Ctrl+E for "end of line" on X11, before any shortcut of the
    // window; the field lets it through to the menu instead, as it lets Ctrl+G.
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this
        || QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) != ui->Exercicios1->shortcut())
        return false;
    event->ignore();
    return true;
}

void TfrmMain::centreOnScreen()
{
    adjustSize();
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center().x() - width() / 2, std::max(area.top(), area.center().y() - height() / 2));
    }
}

void TfrmMain::connectNavigation()
{
    for (const AreaLink& link : areaLinks) {
        auto* button = findChild<TButtonXPMACCorel*>(QLatin1String(link.button));
        QWidget* list = findChild<QWidget*>(QLatin1String(link.list));
        m_keyboard->addAreaButton(button);
        connect(button, &QPushButton::clicked, this, [this, list] { runEventHandler([=, this] { showArea(list); }); });
    }
}

void TfrmMain::connectMenu()
{
    const auto areaButton = [this](const char* name) { return findChild<TButtonXPMACCorel*>(QLatin1String(name)); };
    connect(ui->Sair1, &QAction::triggered, this, [this] { runEventHandler([this] { Sair1Click(); }); });
    connect(ui->Sobre1, &QAction::triggered, this, [this] { runEventHandler([this] { Sobre1Click(); }); });
    connect(ui->Exercicios1, &QAction::triggered, this, [this] { runEventHandler([this] { Exercicios1Click(); }); });
    connect(ui->Grafico1, &QAction::triggered, this, [this] { runEventHandler([this] { showGraph(); }); });
    // Cinemática and Dinâmica show their lists themselves; the others click their area button.
    connect(ui->Cinemtica1, &QAction::triggered, this, [this] { runEventHandler([this] { showArea(ui->TabSheet8); }); });
    connect(ui->Dinmica1, &QAction::triggered, this, [this] { runEventHandler([this] { showArea(ui->TabSheet9); }); });
    const std::pair<QAction*, const char*> clickers[] = {
        {ui->Hidrosttica1, "ButtonXPMACCorel19"}, {ui->ermologia1, "ButtonXPMACCorel21"},
        {ui->ptica1, "ButtonXPMACCorel20"},       {ui->Eletrosttica1, "ButtonXPMACCorel3"},
        {ui->Eletrodinmica1, "ButtonXPMACCorel4"}, {ui->Ondas1, "ButtonXPMACCorel22"},
    };
    for (const auto& [item, button] : clickers)
        connect(item, &QAction::triggered, areaButton(button), &QAbstractButton::click);
    for (const Contact& contact : contacts) {
        auto* item = findChild<QAction*>(QLatin1String(contact.item));
        const QString address = QString::fromLatin1(contact.address);
        connect(item, &QAction::triggered, this, [this, address] { runEventHandler([=, this] { sendEmail(address); }); });
    }
}

void TfrmMain::connectTopics(QWidget* list)
{
    m_keyboard->addTopicList(list);
    const auto buttons = list->findChildren<TButtonXPMACCorel*>();
    for (TButtonXPMACCorel* button : buttons) {
        const Topic* topic = Catalogue::topicOfButton(button->objectName());
        if (!topic)
            continue;
        connect(button, &QPushButton::clicked, this, [this, topic] {
            runEventHandler([this, topic] { choose(*topic); });
        });
    }
}

void TfrmMain::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!m_shown) {
        m_shown = true;
        // Another screen may leave the panel more or less room.
        connect(windowHandle(), &QWindow::screenChanged, m_resolution, &Resolution::fitScreen);
        m_resolution->fitScreen();
        runEventHandler([this] { FormShow(); });
    }
}

void TfrmMain::FormShow()
{
    ui->Menu->setCurrentWidget(m_lists->list(ui->TabSheet8));
    choose(*Catalogue::topicOfButton(u"ButtonXPMACCorel1"));
    ui->TabSheet8->findChild<QWidget*>(QStringLiteral("ButtonXPMACCorel1"))->setFocus();
    m_pages->resetHints();
}

void TfrmMain::choose(const Topic& topic)
{
    chooseTopic(*m_pages, topic);
    m_rows = RowTable(topic.rows);
    m_topic = &topic;
    AccessibleNames::describePage(ui->Equacoes->currentWidget(), QString::fromUtf8(topic.formula), m_rows);
    m_resolution->topicChosen(topic);
    m_conversions->topicChosen();
    m_lastResult.reset();
    if (m_graph)
        m_graph->topicChosen(topic);
}

// The graph is built the first time it is asked for.
void TfrmMain::showGraph()
{
    if (!m_graph)
        m_graph = new GraphWindow(*m_pages, m_topic, m_lastResult ? &*m_lastResult : nullptr, m_lastTexts, this);
    m_graph->showBeside(this);
}

void TfrmMain::showArea(QWidget* list)
{
    ui->Menu->setCurrentWidget(m_lists->list(list));
    resetScroll();
    m_keyboard->areaShown(list);
}

void TfrmMain::resetScroll()
{
    // A list not built yet will start at its top anyway.
    const auto boxes = findChildren<QScrollArea*>();
    for (QScrollArea* box : boxes)
        box->verticalScrollBar()->setValue(0);
}

void TfrmMain::Sair1Click()
{
    close();
}

void TfrmMain::Sobre1Click()
{
    if (m_about)
        m_about->exec();
}

void TfrmMain::Exercicios1Click()
{
    if (!m_exercises)
        m_exercises = new ExerciseWindow(this);
    if (m_topic)
        m_exercises->showTopic(*m_topic);
    m_exercises->show();
    m_exercises->raise();
    m_exercises->activateWindow();
}

void TfrmMain::sendEmail(const QString& address)
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + address + QStringLiteral("?subject=CD Tavensa - Velquora")));
}

void TfrmMain::ApplicationEvents1Exception(QObject*, const std::exception& e)
{
    // Only a blank operand is the student's to fix; every other failure ends the
    // calculation without a word.
    const auto* failure = dynamic_cast<const EngineError*>(&e);
    if (!failure || failure->kind() != EngineError::Kind::BlankOperand)
        return;
    QMessageBox box(QMessageBox::Warning, warningCaption, warningText, QMessageBox::Ok, this);
    box.exec();
}
