#include "app/Fonts.h"

#include <QFont>
#include <QWidget>

namespace Fonts {

void installSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Small Fonts"), QStringLiteral("DejaVu Sans"));
}

static void applyPixelSize(QWidget* w)
{
    if (const QVariant px = w->property("pixelSize"); px.isValid()) {
        QFont f = w->font();
        f.setPixelSize(px.toInt());
        w->setFont(f);
    }
    // Painted controls that keep a font of their own ("Font") give its size the same way.
    if (const QVariant px = w->property("FontPixelSize"); px.isValid()) {
        QFont f = w->property("Font").value<QFont>();
        f.setPixelSize(px.toInt());
        w->setProperty("Font", f);
    }
}

void applyPixelSizes(QWidget* root)
{
    applyPixelSize(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* w : children)
        applyPixelSize(w);
}

}
