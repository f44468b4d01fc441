#include "datacopy.h"

#include "engine/catalogue/textfile.h"

#include <QDir>
#include <QFile>
#include <QtTest>

DataCopy::DataCopy(const QString& from)
{
    QVERIFY(dir_.isValid());
    const QDir source(from);
    for (const QString& name : source.entryList(QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), dir() + name));
}

void DataCopy::write(const QString& name, const QStringList& lines) const
{
    std::vector<std::string> out;
    for (const QString& line : lines)
        out.push_back(line.toStdString());
    QVERIFY(writeTextLines((dir() + name).toStdString(), out));
}

void DataCopy::remove(const QString& name) const
{
    QVERIFY(QFile::remove(dir() + name));
}
