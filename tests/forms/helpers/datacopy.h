#pragma once
// A writable copy of a data directory for one test.

#include <QString>
#include <QTemporaryDir>

class DataCopy {
public:
    // Copies every file of `from` (default: the shipped data/).
    explicit DataCopy(const QString& from = QStringLiteral(SHIPPED_DATA_DIR));
    // The copy, ending with "/".
    QString dir() const { return dir_.path() + QLatin1Char('/'); }
    std::string dataDir() const { return dir().toStdString(); }
    // Writes `lines` (UTF-8 text, stored as Windows-1251 with CR LF).
    void write(const QString& name, const QStringList& lines) const;
    void remove(const QString& name) const;

private:
    QTemporaryDir dir_;
};
