#pragma once
// The tables of the analysis window's summary grid, built from an analysed model: the table
// of a load combination (the joint results of one load case), the tables of the loads on
// every joint, the summary of the Monte-Carlo simulation and that of the incremental-load
// analysis. A table holds every cell text the grid shows, leading blanks included; the
// analysis window writes it into its grid and damtool prints it.
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/SysFormat.h"

struct TResultTable {
    String Caption;          // the title above the grid
    Integer ColCount = -1;   // -1: the grid keeps its column count
    Integer RowCount = 0;
    // The cells the table writes, by column then row; a column may stop before RowCount.
    std::vector<std::vector<String>> Cells;

    String Cell(Integer col, Integer row) const;
    void SetCell(Integer col, Integer row, const String& text);
};

// The fixed rows of every table: heading, sub-heading and unit.
constexpr Integer ResultTableFixedRows = 3;

// The joint shown in data row i (1..NJoints + 1) of a table: the lift joints 1..NJoints in
// order, then the base joint 0.
inline Integer JointOfRow(const TParametres& model, Integer i) { return i % (model.NJoints + 1); }

// The table of load case k (1..7).
TResultTable CombinationTable(const TParametres& model, int k, const TFormatSettings& settings);

// Load table n: 1 geometry, 2 concentrated masses, 3 and 4 the reservoir at its operating and
// flood levels, 5 ice, 6 silts, 7 and 8 uplift at both levels, 9 post-tension, 10 applied
// forces, 11 to 14 the pseudo-static and pseudo-dynamic loads (stress, then stability
// analysis), 15 floating debris, 16 the Monte-Carlo summary, 17 the incremental-load summary.
// Another number gives the joint column's titles and the row count only, without a caption
// (the title above the grid stays).
TResultTable LoadTable(const TParametres& model, int n, const TFormatSettings& settings);

// The table that an entry of the analysis window's list shows, found by its caption; false
// for a caption that shows none.
bool ResultTableOfEntry(const TParametres& model, const String& caption, const TFormatSettings& settings,
                        TResultTable& table);
