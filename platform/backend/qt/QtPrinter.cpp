// Print jobs on Qt's printer: the system's printers, or a PDF file.
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "platform/backend/qt/QtPainting.h"
#include "platform/backend/qt/QtSupport.h"
#include "platform/graphics/Printers.h"

namespace qtbackend {

namespace {

constexpr int PrinterDpi = 600;

void Configure(QPrinter& printer, const TPrintSettings& s)
{
    printer.setResolution(PrinterDpi);
    printer.setFullPage(false);
    if (!s.OutputFileName.IsEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QS(s.OutputFileName));
    } else if (!s.PrinterName.IsEmpty()) {
        printer.setPrinterName(QS(s.PrinterName));
    }
    printer.setPageOrientation(s.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setCopyCount(std::max(1, s.Copies));
    printer.setDocName(QS(s.Title));
}

TPrinterInfo InfoOf(QPrinter& printer)
{
    TPrinterInfo info;
    info.DpiX = info.DpiY = printer.resolution();
    QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    info.PageSize = {paint.width(), paint.height()};
    info.PhysicalSize = {full.width(), full.height()};
    info.PhysicalOffset = {paint.left() - full.left(), paint.top() - full.top()};
    return info;
}

class TQtPrintJob : public TPrintJob {
public:
    explicit TQtPrintJob(const TPrintSettings& settings)
    {
        Configure(FPrinter, settings);
        FInfo = InfoOf(FPrinter);
        if (settings.OutputFileName.IsEmpty() && !FPrinter.isValid()) throw EPrinter("No printer is available");
        if (!FPainter.begin(&FPrinter)) throw EPrinter("The print job could not be started");
    }
    ~TQtPrintJob() override
    {
        if (FPainter.isActive()) FPainter.end();
    }
    void Execute(TCanvas& canvas, const TCanvasOp& op) override { PaintOp(FPainter, canvas, op); }
    TSize DeviceSize() const override { return FInfo.PageSize; }
    Integer LogPixelsX() const override { return FInfo.DpiX; }
    Integer LogPixelsY() const override { return FInfo.DpiY; }
    TSize PhysicalSize() const override { return FInfo.PhysicalSize; }
    TPoint PhysicalOffset() const override { return FInfo.PhysicalOffset; }
    bool IsPrinter() const override { return true; }
    void NewPage() override { FPrinter.newPage(); }
    void End() override { FPainter.end(); }
    void Abort() override
    {
        FPrinter.abort();
        if (FPainter.isActive()) FPainter.end();
    }

private:
    QPrinter FPrinter{QPrinter::HighResolution};
    QPainter FPainter;
    TPrinterInfo FInfo;
};

class TQtPrinterBackend : public TPrinterBackend {
public:
    std::vector<String> PrinterNames() override
    {
        std::vector<String> names;
        for (const QString& n : QPrinterInfo::availablePrinterNames()) names.push_back(VS(n));
        return names;
    }
    TPrinterInfo Info(const TPrintSettings& settings) override
    {
        QPrinter printer(QPrinter::HighResolution);
        Configure(printer, settings);
        return InfoOf(printer);
    }
    std::unique_ptr<TPrintJob> Begin(const TPrintSettings& settings) override
    {
        return std::make_unique<TQtPrintJob>(settings);
    }
};

}  // namespace

TPrinterBackend& QtPrinterBackend()
{
    static TQtPrinterBackend backend;
    return backend;
}

}  // namespace qtbackend
