// The Loads workbook: the loads the engine computed on every joint, one table per family of
// loads, each load beside its lever arm. The tables are processed from the bottom of the sheet
// upwards, so that the rows one table inserts or deletes leave the tables above it in place.
#include "analysis/ExcelOLE.h"
#include "analysis/ExcelOLE_fill.h"

namespace {

using TLoadArray = DynArray<double> Tjointload::*;

// A load and its lever arm (a position x or an elevation y); a pair that the model's mode
// combination rule does not show stays empty.
struct TLoadPair {
    TLoadArray Load, Arm;
    bool AlwaysShown = false;     // the dam weight, written also when it is 0
    int OnlyWithRule = -1;        // a TChopraCombination, or -1
};

struct TLoadTable {
    int FirstRow;
    Tdata Flag;                   // daChanged: the table has no flag
    const char* DeletedBlock;     // without the flag
    std::vector<TLoadPair> Pairs;
};

using L = Tjointload;

const std::vector<TLoadTable>& LoadTables()
{
    static const std::vector<TLoadTable> tables = {
        {87, daPseudoDynamic, "A80:V88",
         {{&L::EQvp, &L::xEQvp}, {&L::VDup, &L::xVDup}, {&L::VDdp, &L::xVDdp}, {&L::Mdvp, &L::xMdvp},
          {&L::SDvp, &L::xSDvp}, {&L::HDdp, &L::yHDdp}, {&L::SDhp, &L::ySDhp}}},
        {78, daPseudoDynamic, "A72:V80",
         {{&L::EQ1p, &L::yEQ1p}, {&L::HD1p, &L::yHD1p}, {&L::Mqh1p, &L::yMqh1p}, {&L::EM1p, &L::yEM1p},
          {&L::EQsp, &L::yEQsp}, {&L::Hdsp, &L::yHdsp}, {&L::Mqhsp, &L::yMqhsp}, {&L::EMsp, &L::yEMsp},
          {&L::EMcp, &L::yEMcp, false, ccSRSS}, {&L::EMcp, &L::yEMcp, false, ccAbs}}},
        {69, daPseudoDynamic, "A63:V71",
         {{&L::EQv, &L::xEQv}, {&L::VDu, &L::xVDu}, {&L::VDd, &L::xVDd}, {&L::Mdv, &L::xMdv},
          {&L::SDv, &L::xSDv}, {&L::HDd, &L::yHDd}, {&L::SDh, &L::ySDh}}},
        {60, daPseudoDynamic, "A54:V62",
         {{&L::EQ1, &L::yEQ1}, {&L::HD1, &L::yHD1}, {&L::Mqh1, &L::yMqh1}, {&L::EM1, &L::yEM1},
          {&L::EQs, &L::yEQs}, {&L::Hds, &L::yHds}, {&L::Mqhs, &L::yMqhs}, {&L::EMs, &L::yEMs},
          {&L::EMc, &L::yEMc, false, ccSRSS}, {&L::EMc, &L::yEMc, false, ccAbs}}},
        {50, daPseudoStatic, "A44:V52",
         {{&L::Qhp, &L::yQhp}, {&L::Qvp, &L::xQvp}, {&L::Mdhp, &L::yMdhp}, {&L::Mdvp, &L::xMdvp},
          {&L::HDup, &L::yHDup}, {&L::VDup, &L::xVDup}, {&L::HDdp, &L::yHDdp}, {&L::VDdp, &L::xVDdp},
          {&L::SDhp, &L::ySDhp}, {&L::SDvp, &L::xSDvp}}},
        {41, daPseudoStatic, "A35:V43",
         {{&L::Qh, &L::yQh}, {&L::Qv, &L::xQv}, {&L::Mdh, &L::yMdh}, {&L::Mdv, &L::xMdv}, {&L::HDu, &L::yHDu},
          {&L::VDu, &L::xVDu}, {&L::HDd, &L::yHDd}, {&L::VDd, &L::xVDd}, {&L::SDh, &L::ySDh},
          {&L::SDv, &L::xSDv}}},
        {31, daChanged, "",
         {{&L::Pc, &L::xPc}, {&L::Pv, &L::xPv}, {&L::Ph, &L::yPh}, {&L::FH, &L::yFH}, {&L::FV, &L::xFV}}},
        {22, daChanged, "",
         {{&L::Sh, &L::ySh}, {&L::Sv, &L::xSv}, {&L::HFu, &L::yHFu}, {&L::VFu, &L::xVFu}, {&L::HFd, &L::yHFd},
          {&L::VFd, &L::xVFd}, {&L::VFc, &L::xVFc}, {&L::UF, &L::xUF}}},
        {13, daChanged, "",
         {{&L::Wv, &L::xW, true}, {&L::Mv, &L::xMv}, {&L::HNu, &L::yHNu}, {&L::VNu, &L::xVNu}, {&L::HNd, &L::yHNd},
          {&L::VNd, &L::xVNd}, {&L::VNc, &L::xVNc}, {&L::UN, &L::xUN}, {&L::I, &L::yI}}},
    };
    return tables;
}

}  // namespace

int FillLoadsWorkbook(TWorkbook& book, const TParametres& param)
{
    WriteInformations(book, param, "F", "M");
    const int N = param.NJoints;
    TVariantArray loads(1, N + 1, 1, 22);
    for (const TLoadTable& table : LoadTables()) {
        if (table.Flag != daChanged && !param.Donnees.Contains(table.Flag)) {
            book.Delete(table.DeletedBlock, TWorkbook::dsUp);
            continue;
        }
        const int D = table.FirstRow;
        if (N > 1) book.Insert(Block("A", D + 1, "V", D + N - 1));
        if (N == 0) book.Delete(Block("A", D, "V", D), TWorkbook::dsUp);
        for (int r = 1; r <= N + 1; ++r) {
            const int j = JointOfRow(param, r);
            loads(r, 1) = r;
            loads(r, 2) = j == 0 ? TCellValue("Base") : TCellValue(param.Joint.Elev[j]);
            int col = 3;
            for (const TLoadPair& pair : table.Pairs) {
                const double load = (param.JointLoad.*pair.Load)[j];
                const bool shown = (pair.OnlyWithRule < 0 || pair.OnlyWithRule == param.ChopraCombination) &&
                                   (load != 0 || pair.AlwaysShown);
                loads(r, col) = shown ? TCellValue(load) : TCellValue("");
                loads(r, col + 1) = shown ? TCellValue((param.JointLoad.*pair.Arm)[j]) : TCellValue("");
                col += 2;
            }
        }
        book.SetValues(CellRange(1, D, 2 + 2 * static_cast<int>(table.Pairs.size()), N + 1), loads);
    }
    return 0;
}
