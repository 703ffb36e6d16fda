#pragma once
// The printer: print jobs with a title, pages and a canvas in the printer's resolution.
// Outside a job the canvas answers the device queries (resolution, page size) of the printer.
#include <memory>

#include "platform/graphics/Backend.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"

DORVANE_EXCEPTION(EPrinter, Exception);

enum class TPrinterOrientation { poPortrait, poLandscape };

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    String Title() const { return FSettings.Title; }
    void SetTitle(const String& value) { FSettings.Title = value; }
    // Prints into this PDF file instead of on a printer (empty: the printer).
    String OutputFileName() const { return FSettings.OutputFileName; }
    void SetOutputFileName(const String& value);
    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation value);   // EPrinter while printing
    Integer Copies() const { return FSettings.Copies; }
    void SetCopies(Integer value) { FSettings.Copies = value < 1 ? 1 : value; }
    std::vector<String> Printers() const;
    Integer PrinterIndex() const { return FPrinterIndex; }   // -1: the default printer
    void SetPrinterIndex(Integer value);

    // EPrinter "Printing in progress" when a job is open.
    void BeginDoc();
    // EPrinter "Printer is not currently printing" outside a job.
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return FJob != nullptr; }
    bool Aborted() const { return FAborted; }
    Integer PageNumber() const { return FPageNumber; }

    TCanvas& Canvas();
    Integer PageWidth() const;    // device pixels of the printable area
    Integer PageHeight() const;

private:
    class TInfoDevice;
    void Refresh();
    TPrintSettings FSettings;
    Integer FPrinterIndex = -1;
    std::unique_ptr<TPrintJob> FJob;
    std::unique_ptr<TInfoDevice> FInfo;
    std::unique_ptr<TCanvas> FCanvas;
    bool FAborted = false;
    Integer FPageNumber = 0;
};

// The process-wide printer.
TPrinter& Printer();
