#include "app/TopicLists.h"

#include "app/Fonts.h"
#include "ui_TopicList_TabSheet15.h"
#include "ui_TopicList_TabSheet19.h"
#include "ui_TopicList_TabSheet30.h"
#include "ui_TopicList_TabSheet35.h"
#include "ui_TopicList_TabSheet41.h"
#include "ui_TopicList_TabSheet44.h"
#include "ui_TopicList_TabSheet8.h"
#include "ui_TopicList_TabSheet9.h"

#include <QStackedWidget>
#include <stdexcept>

namespace {

// Each form under layout/lists fills the area page it is named after.
template <class Form>
void setup(QWidget* page)
{
    Form form;
    form.setupUi(page);
}

struct ListForm
{
    QStringView page;
    void (*setup)(QWidget* page);
};

constexpr ListForm listForms[] = {
    {u"TabSheet8", setup<Ui::TopicList_TabSheet8>},   {u"TabSheet9", setup<Ui::TopicList_TabSheet9>},
    {u"TabSheet15", setup<Ui::TopicList_TabSheet15>}, {u"TabSheet19", setup<Ui::TopicList_TabSheet19>},
    {u"TabSheet30", setup<Ui::TopicList_TabSheet30>}, {u"TabSheet35", setup<Ui::TopicList_TabSheet35>},
    {u"TabSheet44", setup<Ui::TopicList_TabSheet44>}, {u"TabSheet41", setup<Ui::TopicList_TabSheet41>},
};

}

TopicLists::TopicLists(QStackedWidget* menu, QObject* parent)
    : QObject(parent)
    , m_menu(menu)
{
}

QWidget* TopicLists::list(QWidget* page)
{
    if (!page || m_built.contains(page))
        return page;
    const QString name = page->objectName();
    for (const ListForm& form : listForms) {
        if (form.page != name)
            continue;
        m_built.insert(page);
        form.setup(page);
        Fonts::applyPixelSizes(page);
        emit listBuilt(page);
        return page;
    }
    throw std::logic_error("no topic list named " + name.toStdString());
}

QWidget* TopicLists::list(QStringView page)
{
    for (int i = 0; i < m_menu->count(); ++i) {
        if (QWidget* w = m_menu->widget(i); w->objectName() == page)
            return list(w);
    }
    throw std::logic_error("no area page named " + page.toString().toStdString());
}

void TopicLists::buildAll()
{
    for (int i = 0; i < m_menu->count(); ++i)
        list(m_menu->widget(i));
}
