// damtool tables and damtool report: the result tables of the analysis window and the joint
// text reports of the joint plots, built by the windows' own code from an analysed model.
#include <iostream>
#include <string>

#include "analysis/AnalysisRun.h"
#include "analysis/JointValues.h"
#include "analysis/ParametricRun.h"
#include "analysis/ResultTables.h"
#include "tools/damtool.h"

namespace {

// The list entries of the analysis window, in the order the run adds them.
class TEntriesHost : public TSilentAnalysisHost {
public:
    void AddRunEntry(int, const String& caption) override { Entries.push_back(caption); }
    std::vector<String> Entries;
};

class TEntriesLongRunHost : public TSilentLongRunHost {
public:
    explicit TEntriesLongRunHost(std::vector<String>& entries) : FEntries(entries) {}
    void FinishLongRun(const String& entry) override { FEntries.push_back(entry); }

private:
    std::vector<String>& FEntries;
};

// [--french] IN.dam: the model analysed as the analysis window does, and the settings of
// the numbers.
bool ReadAndAnalyse(const TDamToolArgs& args, TParametres& model, TFormatSettings& settings,
                    std::vector<String>& entries)
{
    std::string file;
    settings = TFormatSettings::English();
    for (const std::string& a : args) {
        if (a == "--french")
            settings = TFormatSettings::French();
        else if (file.empty())
            file = a;
        else
            return false;
    }
    if (file.empty() || !ReadModelFile(file, model)) return false;
    TEntriesHost host;
    TEntriesLongRunHost longRun(host.Entries);
    RunAnalysis(model, host, ParametricRuns(longRun));
    entries = host.Entries;
    return true;
}

// Every table the list of the analysis window offers: "[entry]", the title, then one line per
// grid row with the cells separated by tabs.
int Tables(const TDamToolArgs& args)
{
    TParametres model;
    TFormatSettings settings;
    std::vector<String> entries;
    if (args.empty() || args.size() > 2) return ExitUsage;
    if (!ReadAndAnalyse(args, model, settings, entries)) return ExitFailed;
    for (const String& entry : entries) {
        TResultTable table;
        if (!ResultTableOfEntry(model, entry, settings, table)) continue;
        std::cout << "[" << entry << "]\n" << table.Caption << "\n";
        for (Integer row = 0; row < table.RowCount; ++row) {
            for (Integer col = 0; col < table.ColCount; ++col)
                std::cout << (col > 0 ? "\t" : "") << table.Cell(col, row);
            std::cout << "\n";
        }
        std::cout << "\n";
    }
    return 0;
}

// The joint text report of every joint (lift joints, then the base joint) for every analysed
// load case, one after the other, each followed by an empty line.
int Report(const TDamToolArgs& args)
{
    TParametres model;
    TFormatSettings settings;
    std::vector<String> entries;
    if (args.empty() || args.size() > 2) return ExitUsage;
    if (!ReadAndAnalyse(args, model, settings, entries)) return ExitFailed;
    for (int k = 1; k <= NLoadCases; ++k) {
        if (!model.LoadCombination.Selected[k]) continue;
        for (Integer i = 1; i <= model.NJoints + 1; ++i) {
            const TJointPlotValues values = JointPlotValues(model, k, JointOfRow(model, i));
            for (const String& line : JointReportLines(values, settings)) std::cout << line << "\n";
            std::cout << "\n";
        }
    }
    return 0;
}

const bool registeredTables = RegisterDamToolCommand(
    {"tables", "[--french] IN.dam", Tables, "analyses the model and prints every table of the analysis window"});
const bool registeredReport = RegisterDamToolCommand(
    {"report", "[--french] IN.dam", Report,
     "analyses the model and prints the joint text report of every joint and load combination"});

}  // namespace
