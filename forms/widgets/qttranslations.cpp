#include "forms/widgets/qttranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>

namespace {

// Qt's contexts are its class names, and the few others its catalogue
// holds; the program's own (its windows' classes) begin otherwise.
bool isQtContext(const char* context)
{
    static const char* const others[]
        = { "CloseButton", "MAC_APPLICATION_MENU", "Print Device Input Slot", "Print Device Output Bin" };
    if (context && context[0] == 'Q')
        return true;
    for (const char* other : others)
        if (qstrcmp(context, other) == 0)
            return true;
    return false;
}

// The file dialog's names of folders and drives, which Qt's Russian
// catalogue does not have under the context Qt 6 asks for.
class FileTypeNames : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        static const QHash<QByteArray, QString> names {
            { "Folder", QStringLiteral("Папка") },
            { "Drive", QStringLiteral("Диск") },
            { "Unknown", QStringLiteral("Неизвестный") },
        };
        return qstrcmp(context, "QAbstractFileIconProvider") == 0 ? names.value(source) : QString();
    }
};

} // namespace

QString LazyQtCatalogue::translate(
    const char* context, const char* source, const char* disambiguation, int n) const
{
    if (!isQtContext(context))
        return {};
    // Asked when the catalogue is installed: Russian is written left to
    // right, which is also what no answer means.
    if (qstrcmp(context, "QGuiApplication") == 0 && qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0)
        return {};
    // Qt asks from other threads too (the file dialog's folder reader).
    std::call_once(once_, [this] {
        // Without the catalogue Qt's texts stay English.
        (void)catalogue_.load(
            QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        loaded_ = true;
    });
    return catalogue_.translate(context, source, disambiguation, n);
}

bool LazyQtCatalogue::loaded() const
{
    return loaded_;
}

void installQtTranslations(QCoreApplication& app)
{
    QCoreApplication::installTranslator(new LazyQtCatalogue(&app));
    QCoreApplication::installTranslator(new FileTypeNames(&app));
}
