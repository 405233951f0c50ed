#include "app/Startup.h"

#include "app/Application.h"
#include "app/TfrmAbout.h"
#include "app/TfrmMain.h"

namespace Startup {

int run(int& argc, char** argv, const std::function<void(QWidget*)>& created)
{
    TApplication app(argc, argv);
    // The title the desktop shows for the program (its taskbar entry).
    app.setApplicationName(QStringLiteral("Tavensa 2002"));
    TfrmMain frmMain;
    TfrmAbout frmAbout(&frmMain);
    frmMain.setAboutWindow(&frmAbout);
    if (created)
        created(&frmMain);
    frmMain.show();
    return app.exec();
}

}
