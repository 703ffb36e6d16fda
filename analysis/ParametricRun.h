#pragma once
// What the two long parametric runs of one joint share: the Monte-Carlo simulation
// (Statistic.h) and the incremental-load analysis (IncrementalLoads.h). Both put values
// into the model's inputs, recompute the loads of the joint, analyse one load combination
// for it again and again, then put the inputs back and analyse the joint once more.
//
// A run reports through its long-run host: the analysis window shows a gauge, a time-left
// estimate and a stop button; a run without a window uses TSilentLongRunHost.
#include <vector>

#include "analysis/AnalysisRun.h"
#include "engine/Unites.h"
#include "platform/rtl/FileIO.h"
#include "platform/rtl/SysFormat.h"
#include "platform/rtl/UString.h"

struct TModalBasis;

class ILongRunHost {
public:
    virtual ~ILongRunHost() = default;
    // The run begins: OK disabled; gauge, time label and stop button shown.
    virtual void StartLongRun() = 0;
    virtual void SetStopCaption(const String& caption) = 0;
    // The steps begin now; the time left is measured from here.
    virtual void StartTiming() = 0;
    virtual void SetPercentDone(int percent) = 0;
    // Lets the user interface process its pending events (the stop button among them).
    virtual void ProcessPendingEvents() = 0;
    // The process-wide go-on flag of the long runs; the stop button clears it.
    virtual bool ProceedFlag() const = 0;
    virtual void SetProceedFlag(bool value) = 0;
    // The run is over: OK enabled; the entry is added to the section "Parametric
    // Analysis:", which is expanded.
    virtual void FinishLongRun(const String& entry) = 0;
    // A request that cannot run; the run then changes nothing in the model.
    virtual void ShowRunWarning(const String& message) = 0;
};

// A host without a window: keeps the flag, the last percentage, the entries and the
// warnings.
class TSilentLongRunHost : public ILongRunHost {
public:
    void StartLongRun() override {}
    void SetStopCaption(const String&) override {}
    void StartTiming() override {}
    void SetPercentDone(int percent) override { PercentDone = percent; }
    void ProcessPendingEvents() override {}
    bool ProceedFlag() const override { return Proceed; }
    void SetProceedFlag(bool value) override { Proceed = value; }
    void FinishLongRun(const String& entry) override { Entries.push_back(entry); }
    void ShowRunWarning(const String& message) override { Warnings.push_back(message); }

    bool Proceed = false;
    int PercentDone = 0;
    std::vector<String> Entries;
    std::vector<String> Warnings;
};

// The two parametric runs bound to a host, for RunAnalysis.
TParametricRuns ParametricRuns(ILongRunHost& host);

// ---- Shared by both runs ---------------------------------------------------------------

// The combinations a parametric run analyses: 1 usual, 2 flood, 3 seismic #1,
// 5 seismic #2, 7 post-seismic.
bool IsParametricCombination(int c);
// The case whose safety factors a combination reports: its stability case c + 1 for the
// seismic combinations 3 and 5, otherwise c itself.
int SafetyFactorCase(int c);
// AnalyseLoads of case c for joint j, then of its stability case for 3 and 5.
void AnalyseCombination(TParametres& model, int c, int j);
// The analysis of joint j that ends a run: the usual case, then the combination c.
void ReanalyseJoint(TParametres& model, int c, int j);
// The seismic loads of joint j: inertia of concrete and masses, hydrodynamic and silt
// dynamic loads, the pseudo-dynamic loads of the peak and the sustained accelerations,
// from the fundamental mode `basis` a run keeps while it changes only accelerations (none:
// found again).
void ComputeSeismicLoads(TParametres& model, int j, const TModalBasis* basis = nullptr);

// Result q (1..11) of joint j for combination c: 1 and 2 the upstream and downstream crack
// in per cent, 3 to 7 the sliding (peak, residual), overturning (toward upstream,
// downstream) and uplifting safety factors of the combination's stability case, 8 and 9
// the smaller and larger normal stress at the ends, 10 the resultant position in per
// cent, 11 the final uplift force.
double JointResult(const TParametres& model, int q, int c, int j);

// The share of the upstream overtopping depth that the downstream level follows when the
// upstream level moves, from the kept levels: 1 without overtopping, 0 without a
// downstream depth, otherwise downstream depth / overtopping depth.
double DownstreamRatio(const TParametres& model, double keptUp, double keptDown);

// The inputs a parametric run may change, kept at its start and put back exactly at its
// end, also when it is stopped or fails; with them the modal quantities of the
// pseudo-dynamic method, which the seismic loads derive from the reservoir and the
// accelerations.
class TKeptInputs {
public:
    // jointMaterial: the material index of the run's joint (-1 when it has none).
    TKeptInputs(const TParametres& model, int jointMaterial);
    void Restore(TParametres& model) const;

    const TReservoir& Reservoir() const { return FReservoir; }
    const TPostTension& PostTension() const { return FPostTension; }
    bool HasLastForce() const { return FLastForceIndex >= 0; }
    // Direction of the last applied force.
    double ForceCos() const { return FCos; }
    double ForceSin() const { return FSin; }
    // The other accelerations over the peak horizontal one, for a new peak horizontal
    // acceleration a: a x kept value / kept peak horizontal value.
    TAccelerations ScaledAccelerations(double a) const;

private:
    TReservoir FReservoir;
    TAccelerations FAcc;
    TChopraCoeff FChopra;
    TPostTension FPostTension;
    TDrainage FDrainage;
    double FDebrisForce = 0;
    int FMaterialIndex = -1;
    TProprietes FMaterial;
    int FLastForceIndex = -1;
    TForce FLastForce;
    double FCos = 0, FSin = 0;
};

// Index of the last applied force in Force.Elem, or -1 when the model has none.
int LastForceIndex(const TParametres& model);
// The material index of joint j when it names a material of the model, else -1.
int JointMaterialIndex(const TParametres& model, int j);
// The percentage of done out of total steps, rounded; 100 when total is below 1.
int PercentOf(int done, int total);

// A number in a column of a study's text file: a finite value as the FormatFloat mask gives
// it (a blank ends every column of `width` characters); a value that is no number keeps the
// column, its word ("INF", "-INF", "NAN") right-aligned before that blank.
String StudyColumnNumber(const String& mask, int width, double value, const TFormatSettings& settings);

// A text file written by a run, under a name stored in the model (relative to the current
// folder): created or emptied, every line ended by CR LF. A file that cannot be created or
// written raises EInOutError.
class TStudyTextFile {
public:
    explicit TStudyTextFile(const String& storedName);
    void WriteLine(const String& line);
    void Close();

private:
    void Check();

    String FName;
    TextFile FFile;
};
