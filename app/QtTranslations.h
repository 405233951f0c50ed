#pragma once

class QCoreApplication;

// Qt's own texts (a field's context menu, the standard buttons) in the program's
// language, Brazilian Portuguese, from the translations Debian installs with Qt
// (qt6-translations-l10n). Without that file they stay as Qt has them: no error.
namespace QtTranslations {

bool install(QCoreApplication& app);

}
