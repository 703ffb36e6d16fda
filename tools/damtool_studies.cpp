// damtool montecarlo and incremental: the analysis of a model file followed by one of its
// parametric studies, writing the study's text files into a folder.
#include <iostream>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/IncrementalLoads.h"
#include "analysis/Statistic.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"
#include "tools/damtool.h"

namespace {

using TStudy = void (*)(TParametres& model, ILongRunHost& host);

// Reads the model, makes OUTDIR the current folder (the stored file names are relative to
// it), runs the analysis and then the study, whatever the model's request flag says.
// Prints the names of the files the study wrote.
int RunStudy(const TDamToolArgs& args, TStudy study, std::vector<String> (*written)(const TParametres&))
{
    if (args.size() != 2)
        return ExitUsage;
    TParametres model;
    if (!ReadModelFile(args[0], model))
        return ExitFailed;
    const String folder(args[1]);
    if (!ForceDirectories(folder) || !SetCurrentDir(folder)) {
        std::cerr << "Cannot use the folder " << args[1] << "\n";
        return ExitFailed;
    }
    TSilentLongRunHost host;
    try {
        TSilentAnalysisHost analysisHost;
        RunAnalysis(model, analysisHost);
        study(model, host);
    } catch (const Exception& e) {
        std::cerr << e.Message() << "\n";
        return ExitFailed;
    }
    for (const String& warning : host.Warnings)
        std::cerr << warning << "\n";
    if (!host.Warnings.empty())
        return ExitFailed;
    for (const String& name : written(model))
        std::cout << name << "\n";
    return 0;
}

std::vector<String> MonteCarloFiles(const TParametres& model)
{
    std::vector<String> names;
    const TStatistiques& st = model.Statistiques;
    if (st.SauverParametres)
        names.push_back(st.FichierInput);
    if (st.SauverInputCDF)
        names.push_back(st.FichierInCDF);
    if (st.SauverOutPutCDF)
        names.push_back(st.FichierOutCDF);
    if (st.SauverResultats)
        names.push_back(st.FichierOutput);
    return names;
}

std::vector<String> IncrementalFiles(const TParametres& model)
{
    std::vector<String> names;
    if (model.IncrementLoad.SauverResultats)
        names.push_back(model.IncrementLoad.FichierOutput);
    return names;
}

// damtool montecarlo IN.dam OUTDIR
int MonteCarlo(const TDamToolArgs& args)
{
    return RunStudy(
        args, [](TParametres& model, ILongRunHost& host) { StatisticalAnalyses(model, host); }, MonteCarloFiles);
}

// damtool incremental IN.dam OUTDIR
int Incremental(const TDamToolArgs& args)
{
    return RunStudy(
        args, [](TParametres& model, ILongRunHost& host) { IncrementalLoadAnalysis(model, host); }, IncrementalFiles);
}

const bool registered =
    RegisterDamToolCommand({"montecarlo", "IN.dam OUTDIR", MonteCarlo,
                            "analyses the model, runs its Monte-Carlo simulation and writes the files it asks "
                            "for into OUTDIR"}) &&
    RegisterDamToolCommand({"incremental", "IN.dam OUTDIR", Incremental,
                            "analyses the model, runs its incremental-load analysis and writes the file it asks "
                            "for into OUTDIR"});

} // namespace
