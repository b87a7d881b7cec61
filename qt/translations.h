// Qt's own texts in German, whatever the user's language: the edit boxes' context menu reads
// "Rückgängig", "Ausschneiden", ... like the rest of the window. Numbers keep the user's locale.
#pragma once

class QCoreApplication;

namespace qt {

// Loads Qt's German catalogue and installs it into the application. False when it is missing
// (Debian's qt6-translations-l10n); Qt's texts then stay English.
bool InstallGermanQtTexts(QCoreApplication& application);

}  // namespace qt
