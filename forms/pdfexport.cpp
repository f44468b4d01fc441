#include "forms/pdfexport.h"

#include "engine/textfile.h"
#include "forms/appstyle.h"
#include "forms/qtext.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>

QString pdfNameFor(const QString& inputFile, const QString& tail)
{
    if (inputFile.isEmpty())
        return QDir::home().filePath(QStringLiteral("расчет") + tail + QStringLiteral(".pdf"));
    const QFileInfo input(inputFile);
    return input.dir().filePath(input.completeBaseName() + tail + QStringLiteral(".pdf"));
}

bool writePdf(const QString& path, const QPrinter& page, const std::function<bool(QPdfWriter&)>& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(programName());
        pdf.setTitle(QFileInfo(path).completeBaseName());
        pdf.setResolution(page.resolution());
        pdf.setPageLayout(page.pageLayout());
        if (!paint(pdf))
            return false;
    }
    return writeFileBytes(ss(path), buffer.data().toStdString());
}
