#include "app/Fonts.h"

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

// Qt tries a font's own family before its stand-in, and a family that is not installed
// costs a search through every installed font for each style asked for. The stand-in is
// what it finds in the end, so it is asked for first; the layout's name stays behind it.
static void standInFirst(QFont& f)
{
    const QString family = f.family();
    const QString standIn = QFont::substitute(family);
    if (standIn.compare(family, Qt::CaseInsensitive) != 0)
        f.setFamilies({standIn, family});
}

QFont layoutFont(const QString& family, int pixelSize)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    standInFirst(f);
    return f;
}

static void applyPixelSize(QWidget* w)
{
    if (const QVariant px = w->property("pixelSize"); px.isValid()) {
        QFont f = w->font();
        f.setPixelSize(px.toInt());
        standInFirst(f);
        w->setFont(f);
    }
    // Painted controls that keep a font of their own ("Font") give its size the same way.
    if (const QVariant px = w->property("FontPixelSize"); px.isValid()) {
        QFont f = w->property("Font").value<QFont>();
        f.setPixelSize(px.toInt());
        standInFirst(f);
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
