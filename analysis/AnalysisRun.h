#pragma once
// The analysis run of a model: every load of every joint, the drain efficiency, the uplift
// of the operating and flood levels, the dynamic loads, then every selected load
// combination with its cracking analysis, and the parametric runs the model asks for. The
// run reports its progress through its host; the analysis window is one host, a run
// without a window uses TSilentAnalysisHost.
#include <functional>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// What the run tells its host, in the order it happens. Sections: 0 "Loads:", 1 "Load
// Combinations:", 2 the parametric analyses.
class IAnalysisHost {
public:
    virtual ~IAnalysisHost() = default;
    // Starts a list section with its caption; starting section 0 first empties the list.
    virtual void StartRunSection(int section, const String& caption) = 0;
    virtual void AddRunEntry(int section, const String& caption) = 0;
    virtual void ExpandRunSection(int section) = 0;
    // Lets the user interface process its pending events.
    virtual void ProcessPendingEvents() = 0;
    virtual void SetRunTitle(const String& title) = 0;
    // The loads and combinations are done.
    virtual void CombinationsDone() = 0;
};

// A host without a window.
class TSilentAnalysisHost : public IAnalysisHost {
public:
    void StartRunSection(int, const String&) override {}
    void AddRunEntry(int, const String&) override {}
    void ExpandRunSection(int) override {}
    void ProcessPendingEvents() override {}
    void SetRunTitle(const String&) override {}
    void CombinationsDone() override {}
};

// The Monte-Carlo and incremental-load analyses, which their window provides; a run whose
// host provides none skips the requested analysis.
struct TParametricRuns {
    std::function<void(TParametres&)> StatisticalAnalyses;
    std::function<void(TParametres&)> IncrementalLoadAnalysis;
};

// Runs the whole analysis on the model and adds daAnalysed to its Donnees. Nothing is
// caught: an exception of an engine step ends the run there.
void RunAnalysis(TParametres& model, IAnalysisHost& host, const TParametricRuns& parametric = {});

// The drain efficiency of every joint that the drain line crosses below its top, from the
// drain formula (DrainEfficiency.Activated) or Drainage.effectiveness; 0 for the others.
void ComputeDrainEfficiency(TParametres& model);
