#include "plot/SvgExport.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QtDebug>

namespace {

SvgExport::Writer writer()
{
    static const SvgExport::Writer found = [] {
        // Installed beside the libraries (the Debian package), or where the build put it, for
        // the program and the tests run from the build tree.
        const QStringList places = {
            QCoreApplication::applicationDirPath() + QStringLiteral("/" VELQUORA_SVG_MODULE_INSTALLED),
            QStringLiteral(VELQUORA_SVG_MODULE_BUILT),
        };
        for (const QString& place : places) {
            // Never unloaded: a QLibrary leaves the library open when it goes.
            QLibrary module(place);
            if (auto function = reinterpret_cast<SvgExport::Writer>(module.resolve(SvgExport::writerName)))
                return function;
        }
        qWarning() << "The SVG module was found in none of" << places;
        return SvgExport::Writer(nullptr);
    }();
    return found;
}

}

bool SvgExport::write(const Picture& picture)
{
    const Writer function = writer();
    return function && function(picture);
}
