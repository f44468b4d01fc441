#include "forms/widgets/qttranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

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

void installQtTranslations(QCoreApplication& app)
{
    auto* catalogue = new QTranslator(&app);
    if (catalogue->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(catalogue);
    QCoreApplication::installTranslator(new FileTypeNames(&app));
}
