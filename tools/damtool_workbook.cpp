// damtool workbook: writes the spreadsheet export of a model file as an .xlsx file.
#include <cstring>
#include <iostream>

#include "analysis/AnalysisRun.h"
#include "analysis/ExcelOLE.h"
#include "tools/damtool.h"

namespace {

// damtool workbook IN.dam input|loads|results OUT.xlsx: the Input, Loads or Results workbook
// filled from the program's templates; the loads and results come from a whole analysis of the
// model run first.
int Workbook(const TDamToolArgs& args)
{
    if (args.size() != 3) return ExitUsage;
    const char* const kinds[] = {"input", "loads", "results"};
    int request = 0;
    while (request < 3 && args[1] != kinds[request]) ++request;
    if (request == 3) return ExitUsage;
    TParametres model;
    if (!ReadModelFile(args[0], model)) return ExitFailed;
    try {
        if (request != caGeometry) {
            TSilentAnalysisHost host;
            RunAnalysis(model, host);
        }
        TWorkbook book;
        MakeExcelWorkbook(book, model, static_cast<TCas>(request), DAMTOOL_PROGRAMDATA);
        book.SaveAs(String(args[2]));
    } catch (const Exception& e) {
        std::cerr << e.Message() << "\n";
        return ExitFailed;
    }
    return 0;
}

const bool registered = RegisterDamToolCommand(
    {"workbook", "IN.dam input|loads|results OUT.xlsx", Workbook,
     "writes the Input, Loads or Results workbook of the model (analysed first for loads and results)"});

}  // namespace
