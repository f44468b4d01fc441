#include "forms/print/pdfexport.h"
#include "forms/print/printer.h"

#include "engine/catalogue/textfile.h"
#include "forms/widgets/appstyle.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/qtext.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

QString pdfNameFor(const QString& inputFile, const QString& tail)
{
    if (inputFile.isEmpty())
        return QDir::home().filePath(QStringLiteral("расчет") + tail + QStringLiteral(".pdf"));
    const QFileInfo input(inputFile);
    return input.dir().filePath(input.completeBaseName() + tail + QStringLiteral(".pdf"));
}

QString askPdfFile(FileChooser& files, QWidget* parent, const QString& inputFile, const QString& tail)
{
    QString offered = pdfNameFor(inputFile, tail);
    if (!files.lastPdfFolder.isEmpty())
        offered = QDir(files.lastPdfFolder).filePath(QFileInfo(offered).fileName());
    const QString chosen = files.savePdfFile(parent, offered);
    if (!chosen.isEmpty())
        files.lastPdfFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QByteArray pdfBytes(const QString& title, const QPageLayout& layout, int resolution,
    const std::function<bool(QPdfWriter&)>& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(programName());
        pdf.setTitle(title);
        if (resolution > 0)
            pdf.setResolution(resolution);
        pdf.setPageLayout(layout);
        if (!paint(pdf))
            return {};
    }
    return buffer.data();
}

bool writePdf(
    const QString& path, const QPagedPaintDevice& page, const std::function<bool(QPdfWriter&)>& paint)
{
    const QByteArray bytes
        = pdfBytes(QFileInfo(path).completeBaseName(), page.pageLayout(), printerResolution(page), paint);
    return !bytes.isEmpty() && writeFileBytes(ss(path), bytes.toStdString());
}

QByteArray svgBytes(const QSize& size, const QString& title, const std::function<void(QPainter&)>& paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setResolution(96);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    paint(painter);
    if (!painter.end())
        return {};
    return buffer.data();
}
