#pragma once

#include <QStringView>
#include <vector>

class QWidget;

// The equation pages by object name, each built from its form on first use.
class PageRegistry
{
public:
    struct Entry
    {
        QStringView name;
        void (*setup)(QWidget* page);
    };

    static const std::vector<Entry>& entries();

    static const Entry* find(QStringView name)
    {
        for (const Entry& e : entries()) {
            if (e.name == name)
                return &e;
        }
        return nullptr;
    }
};
