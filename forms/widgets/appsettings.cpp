#include "forms/widgets/appsettings.h"

#include "engine/common/numtext.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kRecent = QStringLiteral("files/recent");
const QString kSeatingByDesign = QStringLiteral("check/seatingByDesign"); // input file → ν, as kept before
const QString kCheckByDesign = QStringLiteral("check/settingsByDesign"); // input file → check settings

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

QString AppSettings::drawingField(const QString& field, const QString& scope) const
{
    return store_->value(QStringLiteral("drawing/") + field).toMap().value(scope).toString();
}

void AppSettings::setDrawingField(const QString& field, const QString& scope, const QString& value)
{
    const QString key = QStringLiteral("drawing/") + field;
    QVariantMap byScope = store_->value(key).toMap();
    byScope.insert(scope, value);
    store_->setValue(key, byScope);
}

// Kept as "ν tolerance ends" ("0,5 en15800-2 ground") beside the ν alone
// that earlier versions kept for the same files.
std::optional<CheckSettings> AppSettings::checkSettings(const QString& design) const
{
    if (design.isEmpty())
        return std::nullopt;
    CheckSettings settings;
    const QStringList parts
        = store_->value(kCheckByDesign).toMap().value(design).toString().split(QLatin1Char(' '));
    if (parts.size() == 3) {
        double nu = 0;
        if (!tryStrToFloat(parts[0].toStdString(), nu) || !seatingCase(nu))
            return std::nullopt;
        settings.nu = nu;
        auto withBoth = withTolerance(settings, parts[1].toStdString());
        if (withBoth)
            withBoth = withEnds(*withBoth, parts[2].toStdString());
        return withBoth;
    }
    if (auto nu = number(store_->value(kSeatingByDesign).toMap().value(design)); nu && seatingCase(*nu)) {
        settings.nu = *nu;
        return settings;
    }
    return std::nullopt;
}

void AppSettings::setCheckSettings(const QString& design, const CheckSettings& settings)
{
    if (design.isEmpty())
        return;
    QVariantMap byDesign = store_->value(kCheckByDesign).toMap();
    byDesign.insert(design,
        QString::fromStdString(numText(settings.nu) + ' ' + toleranceName(settings.standard, settings.grade)
            + ' ' + endTypeName(settings.ends)));
    store_->setValue(kCheckByDesign, byDesign);
}
