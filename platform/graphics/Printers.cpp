#include "platform/graphics/Printers.h"

// Answers the device queries of the printer outside a job.
class TPrinter::TInfoDevice : public TPaintDevice {
public:
    TPrinterInfo Info;
    TSize DeviceSize() const override { return Info.PageSize; }
    Integer LogPixelsX() const override { return Info.DpiX; }
    Integer LogPixelsY() const override { return Info.DpiY; }
    TSize PhysicalSize() const override { return Info.PhysicalSize; }
    TPoint PhysicalOffset() const override { return Info.PhysicalOffset; }
    bool IsPrinter() const override { return true; }
};

TPrinter::TPrinter() : FInfo(std::make_unique<TInfoDevice>()), FCanvas(std::make_unique<TCanvas>()) {}

TPrinter::~TPrinter()
{
    if (FJob) FJob->Abort();
}

// The canvas measures in the printer's resolution; fonts keep their point sizes at it.
void TPrinter::Refresh()
{
    FInfo->Info = PrinterBackend().Info(FSettings);
    FCanvas->SetDevice(FJob ? static_cast<TPaintDevice*>(FJob.get()) : FInfo.get());
    FCanvas->Font().SetPixelsPerInch(FInfo->Info.DpiY);
}

TCanvas& TPrinter::Canvas()
{
    if (!FCanvas->Device()) Refresh();
    return *FCanvas;
}

void TPrinter::SetOutputFileName(const String& value)
{
    if (FJob) throw EPrinter("Printing in progress");
    FSettings.OutputFileName = value;
}

TPrinterOrientation TPrinter::Orientation() const
{
    return FSettings.Landscape ? TPrinterOrientation::poLandscape : TPrinterOrientation::poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation value)
{
    if (FJob) throw EPrinter("Printing in progress");
    FSettings.Landscape = value == TPrinterOrientation::poLandscape;
}

std::vector<String> TPrinter::Printers() const { return PrinterBackend().PrinterNames(); }

void TPrinter::SetPrinterIndex(Integer value)
{
    if (FJob) throw EPrinter("Printing in progress");
    std::vector<String> names = Printers();
    if (value < -1 || value >= static_cast<Integer>(names.size())) throw EPrinter("Printer selected is not valid");
    FPrinterIndex = value;
    FSettings.PrinterName = value < 0 ? String() : names[size_t(value)];
}

void TPrinter::BeginDoc()
{
    if (FJob) throw EPrinter("Printing in progress");
    FAborted = false;
    FJob = PrinterBackend().Begin(FSettings);
    FPageNumber = 1;
    Refresh();
}

void TPrinter::NewPage()
{
    if (!FJob) throw EPrinter("Printer is not currently printing");
    FJob->NewPage();
    ++FPageNumber;
}

void TPrinter::EndDoc()
{
    if (!FJob) throw EPrinter("Printer is not currently printing");
    FJob->End();
    FJob.reset();
    FPageNumber = 0;
    Refresh();
}

void TPrinter::Abort()
{
    if (!FJob) throw EPrinter("Printer is not currently printing");
    FJob->Abort();
    FJob.reset();
    FAborted = true;
    FPageNumber = 0;
    Refresh();
}

Integer TPrinter::PageWidth() const { return (FJob ? FJob->DeviceSize() : PrinterBackend().Info(FSettings).PageSize).cx; }
Integer TPrinter::PageHeight() const { return (FJob ? FJob->DeviceSize() : PrinterBackend().Info(FSettings).PageSize).cy; }

TPrinter& Printer()
{
    static TPrinter printer;
    return printer;
}
