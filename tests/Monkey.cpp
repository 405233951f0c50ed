#include "Monkey.h"

#include "app/Application.h"
#include "app/Resolution.h"
#include "app/ResolutionPanel.h"
#include "app/UnitConversions.h"
#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"
#include "app/TopicLists.h"
#include "catalogue/Catalogue.h"
#include "controls/Gradpan.h"
#include "controls/JLAqua.h"
#include "controls/TEdit.h"
#include "app/DecimalSeparator.h"
#include "engine/NumberText.h"
#include "engine/WorkingText.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>
#include <random>
#include <vector>

namespace Monkey {

namespace {

const char* const areaButtons[] = {"ButtonXPMACCorel17", "ButtonXPMACCorel18", "ButtonXPMACCorel19",
                                   "ButtonXPMACCorel21", "ButtonXPMACCorel20", "ButtonXPMACCorel3",
                                   "ButtonXPMACCorel4",  "ButtonXPMACCorel22"};
const char* const formulaItems[] = {"Cinemtica1", "Dinmica1", "Hidrosttica1", "ermologia1",
                                    "ptica1",     "Eletrosttica1", "Eletrodinmica1", "Ondas1"};

const QString warningText = QStringLiteral("Preencha os dados corretamente!\r\n"
                                           "Obs.: Apenas um campo deve estar em branco para ser calculado.");

// The pages whose total is rewritten at every click, whatever it held.
bool rewritesItsTotal(const QString& field)
{
    return field == QLatin1String("rsTotal") || field == QLatin1String("rpTotal");
}

class Walk
{
public:
    Walk(std::uint64_t seed)
        : m_random(seed)
    {
        DecimalSeparator::set(u',');
        m_main.setAboutWindow(m_about);
        m_main.show();
        m_main.lists().buildAll();
        m_topic = Catalogue::topicOfButton(u"ButtonXPMACCorel1");
        // Any modal box is answered at once, inside the loop that shows it.
        m_answer.setInterval(0);
        QObject::connect(&m_answer, &QTimer::timeout, [this] { answerModal(); });
    }

    bool step(long n, Result& r)
    {
        m_step = n;
        const int kind = pick(110);
        if (kind < 6)
            clickArea();
        else if (kind < 9)
            formulaItem();
        else if (kind < 25)
            chooseTopic();
        else if (kind < 47)
            type();
        else if (kind < 63)
            fillButOne();
        else if (kind < 86)
            calculate(r, false);
        else if (kind < 99)
            calculate(r, true);
        else if (kind < 100)
            about();
        else if (kind < 107)
            convert(r);
        else if (kind < 108)
            togglePanel();
        else
            copyRecord();
        if (!m_failure.isEmpty())
            r.failure = m_failure;
        else if (TApplication::escapedExceptions() != m_escaped)
            r.failure = where() + QStringLiteral("an exception escaped a handler");
        else
            checkTopicShown(r);
        return r.failure.isEmpty();
    }

    long warnings() const { return m_warnings; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    QString where() const { return QStringLiteral("step %1 (%2): ").arg(m_step).arg(QString::fromUtf8(m_topic->header)); }

    QWidget* page() const { return m_main.findChild<QStackedWidget*>(QStringLiteral("Equacoes"))->currentWidget(); }
    std::vector<TEdit*> pageFields() const
    {
        std::vector<TEdit*> fields;
        for (TEdit* f : page()->findChildren<TEdit*>())
            fields.push_back(f);
        return fields;
    }

    template <class T>
    T* named(const char* name) const
    {
        return m_main.findChild<T*>(QLatin1String(name));
    }

    void modal(const std::function<void()>& action)
    {
        m_answer.start();
        action();
        m_answer.stop();
    }

    void answerModal()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal == m_about) {
            m_about->ButtonXPMACCorel31Click();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box || box->text() != warningText)
            m_failure = where() + QStringLiteral("a box other than the warning: ") + modal->windowTitle();
        ++m_warnings;
        if (box)
            box->button(QMessageBox::Ok)->click();
        else
            modal->close();
    }

    void clickArea() { named<QAbstractButton>(areaButtons[pick(8)])->click(); }
    void formulaItem() { named<QAction>(formulaItems[pick(8)])->trigger(); }

    // A topic of the list on show, as a student can click only those.
    void chooseTopic()
    {
        QWidget* list = named<QStackedWidget>("Menu")->currentWidget();
        std::vector<const Topic*> shown;
        for (const Topic& t : Catalogue::topics()) {
            if (list->findChild<QWidget*>(QLatin1String(t.button)))
                shown.push_back(&t);
        }
        const Topic* topic = shown[pick(int(shown.size()))];
        named<QAbstractButton>(topic->button)->click();
        m_topic = topic;
    }

    void type()
    {
        const auto fields = pageFields();
        TEdit* field = fields[pick(int(fields.size()))];
        field->setFocus();
        if (pick(5) == 0)
            field->clear();
        static const char keys[] = "0123456789,.-+eEaz* 5";
        static const Qt::Key controls[] = {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                           Qt::Key_End, Qt::Key_Delete, Qt::Key_Tab};
        for (int k = 1 + pick(8); k > 0; --k) {
            if (pick(6) == 0)
                QTest::keyClick(field, controls[pick(7)]);
            else
                QTest::keyClick(field, keys[pick(int(sizeof keys) - 1)]);
        }
    }

    // Every field but one filled with a number, so that many clicks compute something.
    void fillButOne()
    {
        const auto fields = pageFields();
        const std::size_t blank = std::size_t(pick(int(fields.size())));
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (fields[i]->isReadOnly())
                continue;
            const int v = pick(2000) - 1000;
            fields[i]->setText(i == blank ? QString() : NumberText::format(Number(v) / Number(8), u','));
        }
    }

    void calculate(Result& r, bool enter)
    {
        std::map<const TEdit*, QString> before;
        for (TEdit* f : m_main.findChildren<TEdit*>())
            before[f] = f->text();
        auto* calcular = page()->findChild<TJLAqua*>();
        const auto fields = pageFields();
        TEdit* typedIn = fields[pick(int(fields.size()))];
        modal([&] {
            if (enter) {
                typedIn->setFocus();
                QTest::keyClick(typedIn, Qt::Key_Return);
            } else {
                const QPoint centre = calcular->rect().center();
                QTest::mousePress(calcular, Qt::LeftButton, {}, centre);
                QTest::mouseRelease(calcular, Qt::LeftButton, {}, centre);
            }
        });
        ++r.calculations;
        std::vector<const TEdit*> changed;
        for (const auto& [f, text] : before) {
            if (f->text() != text)
                changed.push_back(f);
        }
        if (changed.empty())
            return;
        ++r.results;
        const TEdit* written = changed.front();
        if (changed.size() > 1 || written->parentWidget() != page()) {
            m_failure = where() + QStringLiteral("a click changed %1 fields, %2 first").arg(changed.size())
                                      .arg(written->objectName());
            return;
        }
        if (!before[written].isEmpty() && !rewritesItsTotal(written->objectName())) {
            m_failure = where() + QStringLiteral("a filled field was overwritten: ") + written->objectName();
            return;
        }
        checkDisplay(written);
        // The working ends on the text written, in book form.
        const auto& entries = m_main.resolution().sessionRecord().entries();
        const QString result = QStringLiteral(" = ") + WorkingText::resultText(written->text(), u',');
        if (entries.empty() || entries.front().failed || !entries.front().lines.last().contains(result))
            m_failure = where() + QStringLiteral("the working does not end on %1").arg(written->text());
    }

    // A unit from a field's "Converter de" (or, now and then, "Mostrar em") list: only that
    // field may change, and into a number in the display's syntax.
    void convert(Result& r)
    {
        const auto fields = pageFields();
        TEdit* field = fields[pick(int(fields.size()))];
        std::unique_ptr<QMenu> list(pick(4) == 0 ? m_main.conversions().showMenu(field, nullptr)
                                                 : m_main.conversions().convertMenu(field, nullptr));
        std::vector<QAction*> entries;
        for (QAction* a : list->actions()) {
            if (a->isEnabled())
                entries.push_back(a);
        }
        if (entries.empty())
            return;
        std::map<const TEdit*, QString> before;
        for (TEdit* f : m_main.findChildren<TEdit*>())
            before[f] = f->text();
        entries[std::size_t(pick(int(entries.size())))]->trigger();
        ++r.conversions;
        for (const auto& [f, text] : before) {
            if (f->text() != text && f != field) {
                m_failure = where() + QStringLiteral("a conversion of %1 changed %2").arg(field->objectName(), f->objectName());
                return;
            }
        }
        if (field->text() != before[field])
            checkDisplay(field);
    }

    void togglePanel()
    {
        named<QAction>("Resolucao1")->trigger();
        const int height = 398 + (m_main.resolution().isShown() ? ResolutionPanel::panelHeight : 0);
        if (m_main.centralWidget()->size() != QSize(679, height))
            m_failure = where() + QStringLiteral("the client area is %1 high").arg(m_main.centralWidget()->height());
    }

    void copyRecord()
    {
        if (!m_main.resolution().isShown())
            return;
        m_main.resolution().panel()->copy();
        std::vector<const SessionRecord::Entry*> all;
        for (const SessionRecord::Entry& e : m_main.resolution().sessionRecord().entries())
            all.push_back(&e);
        if (QGuiApplication::clipboard()->text() != SessionRecord::text(all))
            m_failure = where() + QStringLiteral("the record copied is not the record");
    }

    // What a solver writes has the display's syntax and reads back to itself; the charge
    // page's results carry "x10" before their exponent.
    void checkDisplay(const TEdit* field)
    {
        static const QRegularExpression display(
            QStringLiteral("^-?(0|[1-9][0-9]*)(,[0-9]*[1-9])?(E-?[1-9][0-9]*)?$"));
        QString text = field->text();
        if (field->objectName().startsWith(QLatin1String("cec")))
            text.replace(QStringLiteral("x10E"), QStringLiteral("E"));
        if (!display.match(text).hasMatch()) {
            m_failure = where() + QStringLiteral("%1 shows %2").arg(field->objectName(), field->text());
            return;
        }
        if (NumberText::format(NumberText::toNumber(text, u','), u',') != text)
            m_failure = where() + QStringLiteral("%1 does not read back: %2").arg(field->objectName(), text);
    }

    void about()
    {
        modal([this] { named<QAction>("Sobre1")->trigger(); });
    }

    void checkTopicShown(Result& r)
    {
        const QString header = named<TGradPan>("pNome")->caption();
        if (header != QString::fromUtf8(m_topic->header) || page()->objectName() != QLatin1String(m_topic->page))
            r.failure = where() + QStringLiteral("the window shows %1 on %2").arg(header, page()->objectName());
    }

    std::mt19937_64 m_random;
    TfrmMain m_main;
    TfrmAbout* m_about = new TfrmAbout(&m_main);
    QTimer m_answer;
    const Topic* m_topic = nullptr;
    long m_step = 0;
    long m_warnings = 0;
    int m_escaped = TApplication::escapedExceptions();
    QString m_failure;
};

}

// The offscreen platform says at every resize of the window (the panel shown or hidden)
// that it cannot tell a window manager its size; nothing else is kept quiet.
QtMessageHandler s_previous = nullptr;
void quietAboutResizing(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        s_previous(type, context, message);
}

Result walk(std::uint64_t seed, long actions)
{
    s_previous = qInstallMessageHandler(quietAboutResizing);
    const auto restore = qScopeGuard([] { qInstallMessageHandler(s_previous); });
    Result r;
    Walk w(seed);
    for (long n = 1; n <= actions; ++n) {
        r.actions = n;
        if (!w.step(n, r))
            break;
    }
    r.warnings = w.warnings();
    return r;
}

}
