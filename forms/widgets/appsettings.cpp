#include "forms/widgets/appsettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kRecent = QStringLiteral("files/recent");
const QString kSeating = QStringLiteral("check/seating"); // the last ν chosen
const QString kSeatingByDesign = QStringLiteral("check/seatingByDesign"); // input file → ν

std::optional<double> number(const QVariant& v)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok && v.isValid() ? std::optional<double>(d) : std::nullopt;
}

QString positionKey(const QString& window)
{
    return QStringLiteral("windows/") + window;
}

} // namespace

AppSettings::AppSettings()
    : store_(std::make_unique<QSettings>(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("pruz"), QStringLiteral("pruz")))
{
}

AppSettings::AppSettings(const QString& iniFile)
    : store_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

AppSettings::~AppSettings() = default;

QString AppSettings::lastFolder() const
{
    const QVariant v = store_->value(kLastFolder);
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}

QStringList AppSettings::recentFiles() const
{
    const QVariant v = store_->value(kRecent);
    QStringList out;
    if (v.typeId() != QMetaType::QStringList && v.typeId() != QMetaType::QString)
        return out;
    for (const QString& name : v.toStringList())
        if (!name.isEmpty() && !out.contains(name) && out.size() < kRecentCount)
            out << name;
    return out;
}

// Another running copy may have changed the list since this one read it:
// the change is made to the list as it is in the file now.
void AppSettings::addRecentFile(const QString& path)
{
    store_->sync();
    QStringList list = recentFiles();
    list.removeAll(path);
    list.prepend(path);
    store_->setValue(kRecent, list.mid(0, kRecentCount));
    store_->setValue(kLastFolder, QFileInfo(path).absolutePath());
}

void AppSettings::removeRecentFile(const QString& path)
{
    store_->sync();
    QStringList list = recentFiles();
    list.removeAll(path);
    store_->setValue(kRecent, list);
}

std::optional<QPoint> AppSettings::windowPosition(const QString& window) const
{
    const QVariant v = store_->value(positionKey(window));
    if (v.typeId() != QMetaType::QPoint)
        return std::nullopt;
    return v.toPoint();
}

void AppSettings::setWindowPosition(const QString& window, QPoint position)
{
    store_->setValue(positionKey(window), position);
}

std::optional<QSize> AppSettings::windowSize(const QString& window) const
{
    const QVariant v = store_->value(QStringLiteral("windowSizes/") + window);
    if (v.typeId() != QMetaType::QSize || !v.toSize().isValid())
        return std::nullopt;
    return v.toSize();
}

void AppSettings::setWindowSize(const QString& window, QSize size)
{
    store_->setValue(QStringLiteral("windowSizes/") + window, size);
}

bool AppSettings::save()
{
    store_->sync();
    // A format error only says the file read before was damaged; it has
    // been written anew.
    return store_->status() != QSettings::AccessError;
}

QString AppSettings::fileName() const
{
    return store_->fileName();
}

std::optional<double> AppSettings::seating(const QString& design) const
{
    if (!design.isEmpty())
        if (auto own = number(store_->value(kSeatingByDesign).toMap().value(design)))
            return own;
    return number(store_->value(kSeating));
}

void AppSettings::setSeating(const QString& design, double nu)
{
    store_->setValue(kSeating, nu);
    if (design.isEmpty())
        return;
    QVariantMap byDesign = store_->value(kSeatingByDesign).toMap();
    byDesign.insert(design, nu);
    store_->setValue(kSeatingByDesign, byDesign);
}
