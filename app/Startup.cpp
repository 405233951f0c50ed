// The PNG reader plugin below is linked into the program itself.
#define QT_STATICPLUGIN

#include "app/Startup.h"

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/FontConfigWarmUp.h"
#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"

#include <QIcon>
#include <QImageIOPlugin>
#include <QImageReader>
#include <QPixmap>
#include <QtPlugin>
#include <memory>

namespace {

// Qt decodes PNG itself, but a reader that finds no plugin claiming "png" first asks every
// image format plugin installed whether it reads PNG, loading them all with the libraries
// they need (TIFF, WebP, SVG, ...) on the first picture. This plugin claims PNG and hands
// the decoding to Qt's own PNG reader, so the windows' pictures (all PNG) load no plugin.
class PngReader : public QImageIOHandler
{
public:
    bool canRead() const override
    {
        if (!device() || device()->peek(8) != QByteArrayLiteral("\x89PNG\r\n\x1a\n"))
            return false;
        setFormat("png");
        return true;
    }

    bool read(QImage* image) override
    {
        const Nested nested;
        return builtIn().read(image);
    }

    bool supportsOption(ImageOption option) const override { return option == Size || option == ImageFormat; }

    QVariant option(ImageOption option) const override
    {
        const Nested nested;
        if (option == Size)
            return builtIn().size();
        if (option == ImageFormat)
            return int(builtIn().imageFormat());
        return {};
    }

    // While Qt's own reader is looked up, the plugin stands aside.
    struct Nested
    {
        Nested() { ++depth; }
        ~Nested() { --depth; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;
        static inline thread_local int depth = 0;
    };

private:
    QImageReader& builtIn() const
    {
        if (!m_builtIn) {
            m_builtIn = std::make_unique<QImageReader>(device(), QByteArrayLiteral("png"));
            // Only the reader for the format named, no asking around.
            m_builtIn->setAutoDetectImageFormat(false);
        }
        return *m_builtIn;
    }

    mutable std::unique_ptr<QImageReader> m_builtIn;
};

}

class VelquoraPngPlugin : public QImageIOPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "PngReaderPlugin.json")

public:
    Capabilities capabilities(QIODevice*, const QByteArray& format) const override
    {
        return format == "png" && PngReader::Nested::depth == 0 ? CanRead : Capabilities();
    }

    QImageIOHandler* create(QIODevice* device, const QByteArray& format) const override
    {
        auto* handler = new PngReader;
        handler->setDevice(device);
        handler->setFormat(format);
        return handler;
    }
};

Q_IMPORT_PLUGIN(VelquoraPngPlugin)

namespace Startup {

int run(int& argc, char** argv, const std::function<void(QWidget*)>& created)
{
    // Nothing is read or built for the command line when there is none.
    if (argc > 1) {
        if (const std::optional<int> done = CommandLine::run(argc, argv))
            return *done;
    }
    FontConfigWarmUp::start();
    TApplication app(argc, argv);
    // The title the desktop shows for the program (its taskbar entry).
    app.setApplicationName(QStringLiteral("Tavensa 2002"));
    app.setDesktopFileName(QStringLiteral("br.com.tavensa.Velquora"));
    // One size: the desktop scales it for its title bars and task lists, and each file
    // more would be read before the first frame. Given as a picture, not a file name: for
    // a file name Qt first looks for an icon engine plugin that reads its kind of file.
    app.setWindowIcon(QIcon(QPixmap(QStringLiteral(":/icons/velquora_48.png"))));
    TfrmMain frmMain;
    TfrmAbout frmAbout(&frmMain);
    frmMain.setAboutWindow(&frmAbout);
    if (created)
        created(&frmMain);
    frmMain.show();
    return app.exec();
}

}

#include "Startup.moc"
