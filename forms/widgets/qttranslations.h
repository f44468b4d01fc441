#pragma once
// Qt's own texts (file and print dialogs, standard buttons, the context
// menu of text fields) in Russian whatever the desktop's language, as the
// rest of the program is. Without Debian's qt6-translations-l10n they stay
// English.

class QCoreApplication;

// Installs Qt's Russian catalogue and the names the file dialog needs
// besides it.
void installQtTranslations(QCoreApplication& app);
