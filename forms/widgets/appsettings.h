#pragma once
// What the program remembers between runs: the folder of the last Load or
// Save, the last input files (newest first) and where the user left the
// report and sketch windows. Kept in an INI file in the user's
// configuration folder (~/.config/pruz/pruz.ini), never in the data folder.
// A broken or unreadable file reads as the defaults; a value of the wrong
// kind reads as not set.

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

    // The seating coefficient ν of the check of the made spring chosen for
    // the design of input file `design`; for an empty name or a design
    // without its own, the last one chosen. nullopt before any choice.
    std::optional<double> seating(const QString& design) const;
    void setSeating(const QString& design, double nu);

    // Writes what changed (a damaged file is replaced); false when the
    // file could not be written.
    bool save();
    QString fileName() const;

private:
    std::unique_ptr<QSettings> store_;
};
