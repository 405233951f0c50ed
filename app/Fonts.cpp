#include "app/Fonts.h"

#include <QApplication>
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

// A layout's family is asked for by its stand-in alone, spelled as the substitution table
// spells it. A family that is not installed costs a search through every installed font,
// and the same font asked for under two spellings gets two font engines (each one a
// fontconfig match and a FreeType set-up); so every request for a size and style of a
// stand-in is the same request, and they share one.
static void standInOnly(QFont& f)
{
    f.setFamilies({QFont::substitute(f.family())});
}

QFont layoutFont(const QString& family, int pixelSize)
{
    QFont f; // the application font's defaults, as a widget's font would have them
    f.setFamilies({family});
    f.setPixelSize(pixelSize);
    standInOnly(f);
    return f;
}

QFont menuFont()
{
    return layoutFont(QStringLiteral("Tahoma"), 12);
}

void installApplicationFont()
{
    // Whatever the layouts leave unset (message boxes, hints) is in the menus' font.
    // Latin text needs no shaping: it is drawn glyph by glyph, unkerned, as Windows
    // drew it, without laying out each text through the OpenType tables.
    QFont f = menuFont();
    f.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(f);
}

static void applyPixelSize(QWidget* w)
{
    if (const QVariant px = w->property("pixelSize"); px.isValid()) {
        QFont f = w->font();
        f.setPixelSize(px.toInt());
        standInOnly(f);
        w->setFont(f);
    }
    // Painted controls that keep a font of their own ("Font") give its size the same way.
    if (const QVariant px = w->property("FontPixelSize"); px.isValid()) {
        QFont f = w->property("Font").value<QFont>();
        f.setPixelSize(px.toInt());
        standInOnly(f);
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
