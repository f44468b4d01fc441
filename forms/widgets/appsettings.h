#pragma once
// What the program remembers between runs: the folder of the last Load or
// Save, the last input files (newest first) and where the user left the
// report and sketch windows. Kept in an INI file in the user's
// configuration folder (~/.config/pruz/pruz.ini), never in the data folder.
// A broken or unreadable file reads as the defaults; a value of the wrong
// kind reads as not set.

#include "engine/features/checksettings.h"

#include <QPoint>
#include <QSize>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

class AppSettings {
public:
    static constexpr int kRecentCount = 8;

    // The user's settings file.
    AppSettings();
    // A given INI file (tests).
    explicit AppSettings(const QString& iniFile);
    ~AppSettings();

    QString lastFolder() const;
    // Newest first, at most kRecentCount, no empty or repeated names.
    QStringList recentFiles() const;
    // Puts `path` first (once) and makes its folder the last folder.
    void addRecentFile(const QString& path);
    void removeRecentFile(const QString& path);

    // `window` names the window ("report", "sketch").
    std::optional<QPoint> windowPosition(const QString& window) const;
    void setWindowPosition(const QString& window, QPoint position);
    // The size the user gave a window that can be resized.
    std::optional<QSize> windowSize(const QString& window) const;
    void setWindowSize(const QString& window, QSize size);

    // The settings of the check of the made spring chosen for the design
    // of input file `design`; nullopt for an empty name or a design
    // without its own (it starts from the defaults: another design's
    // choice is never carried over).
    std::optional<CheckSettings> checkSettings(const QString& design) const;
    void setCheckSettings(const QString& design, const CheckSettings& settings);

    // A field of the drawing's title block or requirements (`field`:
    // "designation", "designer", ...) kept for `scope`: the input file, the
    // material's name, or empty for one value over all designs.
    QString drawingField(const QString& field, const QString& scope) const;
    void setDrawingField(const QString& field, const QString& scope, const QString& value);

    // Writes what changed (a damaged file is replaced); false when the
    // file could not be written.
    bool save();
    QString fileName() const;

private:
    std::unique_ptr<QSettings> store_;
};
