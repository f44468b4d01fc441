#pragma once
// Qt's own texts (file and print dialogs, standard buttons, the context
// menu of text fields) in Russian whatever the desktop's language, as the
// rest of the program is. Without Debian's qt6-translations-l10n they stay
// English.

#include <QTranslator>

#include <atomic>
#include <mutex>

class QCoreApplication;

// Qt's Russian catalogue, read at the first request for one of Qt's texts
// rather than at start: the main window's first drawing asks for none, and
// the catalogue is 150 KB. The program's own texts (its windows' contexts)
// are asked of it too and answered without reading it.
class LazyQtCatalogue : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
        int n = -1) const override;
    bool loaded() const;

private:
    mutable std::once_flag once_;
    mutable QTranslator catalogue_;
    mutable std::atomic<bool> loaded_ { false };
};

// Installs the catalogue and the names the file dialog needs besides it.
void installQtTranslations(QCoreApplication& app);
