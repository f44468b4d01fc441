// The printing module: everything that needs QtPrintSupport or QtSvg.
#include "forms/print/module/printerchoice.h"
#include "forms/print/printsupport.h"

#include <QBuffer>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <QSvgRenderer>

namespace {

class Svg : public SvgDrawing {
public:
    explicit Svg(const QString& fileName)
        : renderer_(fileName)
    {
    }
    void render(QPainter& painter, const QRectF& bounds) override { renderer_.render(&painter, bounds); }

private:
    QSvgRenderer renderer_;
};

class Module : public PrintSupport {
public:
    std::unique_ptr<QPagedPaintDevice> makePrinter() override
    {
        return std::make_unique<QPrinter>(QPrinter::HighResolution);
    }

    bool askPrinter(QPagedPaintDevice& device, QWidget* parent) override
    {
        auto& printer = static_cast<QPrinter&>(device);
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        // Qt's own dialog still shows "Pages from" after the options are set.
        if (auto* range = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange")))
            range->hide();
        if (dialog.exec() != QDialog::Accepted)
            return false;
        printer.setPrintRange(QPrinter::AllPages);
        return true;
    }

    void setUpPage(QPagedPaintDevice& device, QPageLayout::Orientation orientation) override
    {
        constexpr int kPrintResolution = 600; // dots per inch, fine for text and drawing alike
        constexpr qreal kMarginMm = 15;
        auto& printer = static_cast<QPrinter&>(device);
        if (!printer.pageLayout().pageSize().isValid())
            printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(false);
        printer.setPageOrientation(orientation);
        printer.setPageMargins(
            QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        printer.setResolution(kPrintResolution);
    }

    std::unique_ptr<QPagedPaintDevice> printerFor(const QPagedPaintDevice& chosen) override
    {
        return printerLike(static_cast<const QPrinter&>(chosen));
    }

    bool isRealPrinter(const QPagedPaintDevice& device) const override
    {
        const auto& printer = static_cast<const QPrinter&>(device);
        return printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
    }

    int resolution(const QPagedPaintDevice& device) const override
    {
        return static_cast<const QPrinter&>(device).resolution();
    }

    std::unique_ptr<SvgDrawing> readSvg(const QString& fileName) override
    {
        return std::make_unique<Svg>(fileName);
    }

    QByteArray makeSvg(
        const QSize& size, const QString& title, const std::function<void(QPainter&)>& paint) override
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
};

} // namespace

extern "C" Q_DECL_EXPORT PrintSupport* pruzPrintSupport()
{
    static Module module;
    return &module;
}
