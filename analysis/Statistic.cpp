#include "analysis/Statistic.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "analysis/CombinationAnalysis.h"
#include "engine/JointAnalysis.h"
#include "engine/Loads.h"
#include "numerics/VEZ_statis.h"
#include "numerics/VEZ_vector.h"
#include "platform/rtl/FileIO.h"
#include "platform/rtl/MemoryStatus.h"
#include "platform/rtl/RtlMath.h"

namespace {

// ---- Labels of the text files ------------------------------------------------------------

// By quantity code 1..14 of an input row.
const char* const InputLabels[] = {
    "ft             ", "c (peak)       ", "c (res.)       ", "friction peak  ", "friction res   ",
    "Norm. U/S res. ", "Add. Flood U/S ", "Silt elev.     ", "Silt weight    ", "Drain effic.   ",
    "Float. debris  ", "Ice load       ", "Last force     ", "Peak Hor. Acc. "};
const char* const InputDensityLabels[] = {
    "ft         PDF      CDF      ", "c(peak)    PDF      CDF      ", "c(res.)    PDF      CDF      ",
    "Ang(peak)  PDF      CDF      ", "Ang(res )  PDF      CDF      ", "Norm. res. PDF      CDF      ",
    "Flood add. PDF      CDF      ", "Silt elev. PDF      CDF      ", "Silt weig. PDF      CDF      ",
    "Drain eff. PDF      CDF      ", "Fl. Debris PDF      CDF      ", "Ice load   PDF      CDF      ",
    "Last force PDF      CDF      ", "P. Hor Acc PDF      CDF      "};
// By result 1..11.
const char* const ResultLabels[] = {
    "U/S crack (%)  ", "D/S crack (%)  ", "SSF peak       ", "SSF residual   ", "OSF toward U/S ",
    "OSF toward D/S ", "Uplifting SF   ", "Nor max stress ", "Nor min stress ", "Resultant (%)  ",
    "Final uplift   "};
const char* const ResultDensityLabels[] = {
    "U/S crack  PDF    CDF    ",   "D/S crack  PDF    CDF    ",   "SSF (peak) PDF     CDF     ",
    "SSF (res.) PDF     CDF     ", "OSF ->U/S  PDF     CDF     ", "OSF ->D/S  PDF     CDF     ",
    "Uplift SF  PDF     CDF     ", "max comp.  PDF     CDF     ", "Max tens.  PDF     CDF     ",
    "Resultant  PDF     CDF     ", "F. Uplift  PDF     CDF     "};

// The label of code (1..count) in the table; none for a code outside it.
template <size_t N>
const char* LabelOf(const char* const (&labels)[N], int code)
{
    return code >= 1 && code <= static_cast<int>(N) ? labels[code - 1] : "";
}

// ---- Quantities of a summary ---------------------------------------------------------------

// One selected quantity of a group: its place in the model's arrays and its file labels.
struct TSummarised {
    int Index;
    const char* Label;
    const char* DensityLabel;
};

std::vector<TSummarised> SelectedInputs(const TParametres& model)
{
    std::vector<TSummarised> inputs;
    for (int r = 1; r <= NRandomVariables; ++r)
        if (model.Statistiques.Selection[r]) {
            const int code = model.Statistiques.NumeroParametre[r];
            inputs.push_back({StatIndex(StatInputs, r), LabelOf(InputLabels, code), LabelOf(InputDensityLabels, code)});
        }
    return inputs;
}

std::vector<TSummarised> SelectedResults(const TParametres& model)
{
    std::vector<TSummarised> results;
    for (int q = 1; q <= NRandomVariables; ++q)
        if (model.Statistiques.Resultats[q])
            results.push_back({StatIndex(StatResults, q), LabelOf(ResultLabels, q), LabelOf(ResultDensityLabels, q)});
    return results;
}

// Mean, deviation, extremes and a new histogram of one sample into StatResult.
void Summarise(TParametres& model, int index, int count)
{
    TStatResult& s = model.StatResult;
    const TVector& sample = *model.AnalysesStatistiques[index];
    MoyenneEcartTypeMinMax(sample, 1, count, s.moyenne[index], s.deviation[index], s.minimum[index],
                           s.maximum[index]);
    if (index > NRandomVariables)
        s.performance[index] = ProbabilityOfFailure(sample, count, index - NRandomVariables);
    const int n = model.Statistiques.nPoints;
    auto histogram = std::make_shared<TVector>(nullptr);
    histogram->SetNrOfElem(n + 1);
    histogram->Clear();
    FaireHistogramme(sample, 1, count, s.maximum[index], s.minimum[index], n, *histogram);
    s.histogramme[index] = histogram;
}

// Label line, then one line per simulation with the sample values; with the summary, an
// empty line and the lines of the mean, deviation, minimum, maximum and probability of
// failure.
void WriteValuesFile(const String& name, const TParametres& model, const std::vector<TSummarised>& quantities,
                     int count, const TFormatSettings& settings, bool withSummary)
{
    TStudyTextFile file(name);
    String line;
    for (const TSummarised& q : quantities)
        line += q.Label;
    file.WriteLine(line);
    for (int i = 1; i <= count; ++i) {
        line = String();
        for (const TSummarised& q : quantities)
            line += StatisticNumber(model.AnalysesStatistiques[q.Index]->GetVal(i), settings);
        file.WriteLine(line);
    }
    if (withSummary) {
        const TStatResult& s = model.StatResult;
        file.WriteLine(String());
        for (const auto* values : {&s.moyenne, &s.deviation, &s.minimum, &s.maximum, &s.performance}) {
            line = String();
            for (const TSummarised& q : quantities)
                line += StatisticNumber((*values)[q.Index], settings);
            file.WriteLine(line);
        }
    }
    file.Close();
}

// Label line, then for each class k = 1..n + 1 the abscissa, the density and the
// cumulative probability of every quantity.
void WriteDensityFile(const String& name, const TParametres& model, const std::vector<TSummarised>& quantities,
                      const String& format, const TFormatSettings& settings)
{
    const int n = model.Statistiques.nPoints;
    const TStatResult& s = model.StatResult;
    TStudyTextFile file(name);
    String line;
    for (const TSummarised& q : quantities)
        line += q.DensityLabel;
    file.WriteLine(line);
    std::vector<double> cumulative(quantities.size(), 0.0);
    for (int k = 1; k <= n + 1; ++k) {
        line = String();
        for (size_t i = 0; i < quantities.size(); ++i) {
            const int index = quantities[i].Index;
            const double lo = s.minimum[index], hi = s.maximum[index];
            const double density = s.histogramme[index]->GetVal(k);
            cumulative[i] += density * ((hi - lo) / n);
            const double x = lo + static_cast<double>(k - 1) / n * (hi - lo);
            line += Format(format, {x, density, cumulative[i]}, settings);
        }
        file.WriteLine(line);
    }
    file.Close();
}

// The characters of a line from its first one that is not a blank, tab or other control
// character up to the next such character.
String FirstWord(const String& line)
{
    const std::u16string_view s = line.u16();
    size_t first = 0;
    while (first < s.size() && s[first] <= u' ')
        ++first;
    size_t last = first;
    while (last < s.size() && s[last] > u' ')
        ++last;
    return String(s.substr(first, last - first));
}

// ---- The Monte-Carlo run -------------------------------------------------------------------

enum TQuantityCode {
    qcTensileStrength = 1, qcPeakCohesion, qcResidualCohesion, qcPeakFriction, qcResidualFriction,
    qcNormalLevel, qcFloodIncrease, qcSiltElevation, qcSiltWeight, qcDrainEffectiveness, qcDebrisForce,
    qcIceLoad, qcLastForce, qcPeakAcceleration
};

const char* const NotRun = "Probabilistic analysis not run: ";

// The run keeps every drawn input and every result of every simulation: refused when that
// storage is more than the memory the program can still take.
String StorageProblem(const TParametres& model)
{
    const TStatistiques& st = model.Statistiques;
    int samples = 0;
    for (int i = 1; i <= NRandomVariables; ++i)
        samples += (st.Selection[i] ? 1 : 0) + (st.Resultats[i] ? 1 : 0);
    const double megabyte = 1024.0 * 1024.0;
    const double needed = static_cast<double>(std::max(st.NombreAnalyses, 0)) * samples * sizeof(double);
    const double available = static_cast<double>(AvailableMemory());
    if (needed <= available)
        return String();
    return NotRun + Format("the %d values of each of its %d samples need %.0f MB of memory, and %.0f MB are available.",
                           {st.NombreAnalyses, samples, needed / megabyte, available / megabyte});
}

// Why the request cannot run; empty when it can.
String RequestProblem(const TParametres& model)
{
    const TStatistiques& st = model.Statistiques;
    const int j = st.OutputJoint;
    if (j < 0 || j > model.NJoints)
        return String(NotRun) + "the output joint does not exist.";
    if (!IsParametricCombination(st.Combination))
        return String(NotRun) + "the load combination is none of usual, flood, seismic #1, seismic #2 and post-seismic.";
    if (st.nPoints < 1)
        return String(NotRun) + "the PDF and CDF need at least one interval.";
    for (int r = 1; r <= NRandomVariables; ++r) {
        if (!st.Selection[r])
            continue;
        const double mean = st.Moyenne[r], deviation = st.Deviation[r], lo = st.Minimum[r], hi = st.Maximum[r];
        const String row = Format("row %d ", {r});
        if (!std::isfinite(mean) || !std::isfinite(deviation) || !std::isfinite(lo) || !std::isfinite(hi))
            return NotRun + row + "holds a value that is not a number.";
        switch (st.Distribution[r]) {
        case 1:
            if (deviation <= 0)
                return NotRun + row + "has a normal distribution with a standard deviation of 0 or less.";
            break;
        case 2:
            if (mean <= 0 || deviation <= 0 || lo <= 0 || hi <= 0)
                return NotRun + row + "has a log-normal distribution with a value of 0 or less.";
            break;
        case 3:
            if (model.UserDefinedPDF.elem[r].Length() < model.UserDefinedPDF.number[r])
                return NotRun + row + "has a user defined density with fewer points than it announces.";
            if (!IsUsableDensity(model.UserDefinedPDF.elem[r], model.UserDefinedPDF.number[r]))
                return NotRun + row +
                       "has a user defined density without a value above 0, or with a value below 0 or not a number.";
            break;
        }
        if (lo > hi)
            return NotRun + row + "has a lower bound above its higher bound.";
        const int code = st.NumeroParametre[r];
        if (code >= qcTensileStrength && code <= qcResidualFriction && JointMaterialIndex(model, j) < 0)
            return NotRun + row + "changes the material of the output joint, which has none.";
        if (code == qcLastForce && LastForceIndex(model) >= 0) {
            const TForce& f = model.Force.Elem[LastForceIndex(model)];
            if (f.HorForce == 0 && f.VertForce == 0)
                return NotRun + row + "changes the last applied force, which is 0 and has no direction.";
        }
        if (code == qcPeakAcceleration && model.Acc.Peak.horizontal == 0)
            return NotRun + row +
                   "changes the peak horizontal ground acceleration, which is 0, so the other accelerations cannot follow it.";
    }
    return StorageProblem(model);
}

// What the drawn quantities make the run recompute for the output joint.
struct TRunFlags {
    bool RerunCombination = false, RecomputeReservoir = false, RecomputeForces = false, RecomputeSeismic = false,
         RerunUsualFirst = false;
};

void AddFlags(const TParametres& model, int code, TRunFlags& f)
{
    const int c = model.Statistiques.Combination;
    const TLoadCombination& lc = model.LoadCombination;
    switch (code) {
    case qcTensileStrength:
        f.RerunCombination |= model.Cracking.Considered;
        break;
    case qcNormalLevel:
        if (c != 2 && model.Combination.Usual.Hu != 0)
            f.RerunCombination = f.RecomputeReservoir = true;
        break;
    case qcFloodIncrease:
        if (c == 2 && model.Combination.Flood.Hu != 0)
            f.RerunUsualFirst = f.RerunCombination = f.RecomputeReservoir = true;
        break;
    case qcSiltElevation:
    case qcSiltWeight:
        if (lc.S[c] != 0)
            f.RerunCombination = f.RecomputeReservoir = true;
        break;
    case qcDrainEffectiveness:
        f.RerunCombination |= model.Drain && model.Drainage.Code != cCDSA;
        break;
    case qcDebrisForce:
    case qcIceLoad:
        f.RecomputeReservoir = f.RerunCombination = true;
        break;
    case qcLastForce:
        if (model.NForces > 0)
            f.RecomputeForces = f.RerunCombination = true;
        break;
    case qcPeakAcceleration:
        if (c >= 3 && c <= 6 && (lc.QH[c] != 0 || lc.QV[c] != 0 || lc.EQ1[c] != 0 || lc.EQv[c] != 0))
            f.RerunCombination = f.RerunUsualFirst = f.RecomputeSeismic = true;
        break;
    }
}

// A generator for row r with its density.
std::unique_ptr<TRandGen> MakeGenerator(const TParametres& model, int r)
{
    const TStatistiques& st = model.Statistiques;
    auto rand = std::make_unique<TRandGen>(nullptr);
    rand->SetResolution(st.Distribution[r] == 3 ? model.UserDefinedPDF.number[r] : 1000);
    rand->SetLowBorder(st.Minimum[r]);
    rand->SetHighBorder(st.Maximum[r]);
    switch (st.Distribution[r]) {
    case 0:
        rand->UniformDistri();
        break;
    case 1:
        rand->NormalDistri(st.Moyenne[r], st.Deviation[r]);
        break;
    case 2: {
        const double s = std::sqrt(std::log(st.Deviation[r] * st.Deviation[r] / (st.Moyenne[r] * st.Moyenne[r]) + 1));
        const double m = std::log(st.Moyenne[r]) - s * s / 2;
        rand->SetHighBorder(std::log(st.Maximum[r]));
        rand->SetLowBorder(std::log(st.Minimum[r]));
        rand->NormalDistri(m, s);
        break;
    }
    case 3:
        for (int i = 1; i <= model.UserDefinedPDF.number[r]; ++i)
            rand->SetProbability(i, model.UserDefinedPDF.elem[r][i - 1]);
        rand->Normalize();
        break;
    }
    return rand;
}

double FrictionAngle(double coefficient)
{
    return std::atan(coefficient) * 180 / std::numbers::pi;
}

// Puts the drawn value v of a quantity code into the model.
void ApplyDrawnValue(TParametres& model, int code, double v, const TKeptInputs& kept, int j)
{
    TReservoir& reservoir = model.Reservoir;
    const TReservoir& k = kept.Reservoir();
    const int materialIndex = JointMaterialIndex(model, j);
    switch (code) {
    case qcTensileStrength: model.JointMaterials[materialIndex].ft = v; break;
    case qcPeakCohesion: model.JointMaterials[materialIndex].peak.c = v; break;
    case qcResidualCohesion: model.JointMaterials[materialIndex].residual.c = v; break;
    case qcPeakFriction: model.JointMaterials[materialIndex].peak.angle = FrictionAngle(v); break;
    case qcResidualFriction: model.JointMaterials[materialIndex].residual.angle = FrictionAngle(v); break;
    case qcNormalLevel:
        reservoir.NormalUp = v;
        reservoir.NormalDn =
            std::max(v - model.Dim.Elev.G, 0.0) * DownstreamRatio(model, k.NormalUp, k.NormalDn) + k.NormalDn;
        break;
    case qcFloodIncrease:
        model.Statistiques.FloodIncrease = v;
        reservoir.FloodUp = k.NormalUp;
        reservoir.FloodDn = k.FloodDn;
        break;
    case qcSiltElevation: reservoir.Sediment = v; break;
    case qcSiltWeight: reservoir.SedWeight = v; break;
    case qcDrainEffectiveness: model.Drainage.effectiveness = v; break;
    case qcDebrisForce: model.DebrisFlottant.Force = v; break;
    case qcIceLoad: reservoir.IceLoad = v; break;
    case qcLastForce:
        if (kept.HasLastForce()) {
            TForce& force = model.Force.Elem[LastForceIndex(model)];
            force.HorForce = v * kept.ForceCos();
            force.VertForce = v * kept.ForceSin();
        }
        break;
    case qcPeakAcceleration: model.Acc = kept.ScaledAccelerations(v); break;
    }
}

// The loads of joint j that the drawn quantities change.
void RecomputeLoads(TParametres& model, const TRunFlags& flags, int j, bool addFloodIncrease, const TModalBasis* basis)
{
    if (flags.RecomputeReservoir)
        ComputeReservoirLoads(model, j, addFloodIncrease);
    if (flags.RecomputeForces)
        ComputeAppliedForces(model, j);
    if (flags.RecomputeSeismic)
        ComputeSeismicLoads(model, j, basis);
}

// One simulation's analysis of joint j for combination c.
void AnalyseSimulation(TParametres& model, const TRunFlags& flags, int c, int j)
{
    if (flags.RerunCombination) {
        if (flags.RerunUsualFirst)
            AnalyseLoads(model, 1, j);
        AnalyseCombination(model, c, j);
        return;
    }
    // Only strengths were drawn: the safety factors again, with the cracks of the analysis.
    auto analyse = [&](int k) {
        AnalyseJoint(model, j, k, model.Joint.CrackLength.Up[k][j], model.Joint.CrackLength.Down[k][j], true);
    };
    analyse(c);
    if (c == 3 || c == 5)
        analyse(c + 1);
}

// The sample vectors of the run, which the model holds while it goes on.
void CreateSamples(TParametres& model, int n)
{
    const TStatistiques& st = model.Statistiques;
    for (int group : {StatInputs, StatResults})
        for (int i = 1; i <= NRandomVariables; ++i)
            if (group == StatInputs ? st.Selection[i] : st.Resultats[i]) {
                auto sample = std::make_shared<TVector>(nullptr);
                sample->SetNrOfElem(n);
                model.AnalysesStatistiques[StatIndex(group, i)] = sample;
            }
}

void ReleaseSamples(TParametres& model)
{
    for (TVectorRef& sample : model.AnalysesStatistiques)
        sample.reset();
}

} // namespace

void MoyenneEcartTypeMinMax(const TVector& VectorIn, int idfirst, int idlast, double& Moyenne, double& Deviation,
                            double& Min, double& Max)
{
    const int m = idlast - idfirst + 1;
    Moyenne = Deviation = Min = Max = 0;
    if (m < 1)
        return;
    double sum = 0;
    Min = 1e100;
    Max = -1e100;
    for (int i = idfirst; i <= idlast; ++i) {
        const double v = VectorIn.GetVal(i);
        sum += v;
        if (v < Min)
            Min = v;
        if (v > Max)
            Max = v;
    }
    Moyenne = sum / m;
    double squares = 0;
    for (int i = idfirst; i <= idlast; ++i) {
        const double d = VectorIn.GetVal(i) - Moyenne;
        squares += d * d;
    }
    Deviation = std::sqrt(squares / m);
}

void FaireHistogramme(const TVector& VectorIn, int idfirst, int idlast, double higherbound, double lowerbound,
                      int n, TVector& VectorOut)
{
    VectorOut.Clear();
    if (!(lowerbound < higherbound) || n < 1)
        return;
    const double span = higherbound - lowerbound;
    int inside = 0;
    for (int i = idfirst; i <= idlast; ++i) {
        const double v = VectorIn.GetVal(i);
        const double place = (v - lowerbound) / span * n;
        if (!(place >= 0 && place <= n))
            continue;  // outside the bounds, or not a number
        int b = static_cast<int>(Trunc(place)) + 2;
        if (v == higherbound)
            b = n + 1;
        if (v == lowerbound)
            b = 1;
        if (b > n + 1)
            continue;
        VectorOut.SetVal(b, VectorOut.GetVal(b) + 1);
        ++inside;
    }
    if (inside == 0)
        return;
    const double width = span / n;
    for (int b = 1; b <= n + 1; ++b)
        VectorOut.SetVal(b, VectorOut.GetVal(b) / inside / width);
}

double ProbabilityOfFailure(const TVector& sample, int count, int q)
{
    if (count < 1 || q < 1 || q > 7)
        return 0;
    int failures = 0;
    for (int i = 1; i <= count; ++i) {
        const double v = sample.GetVal(i);
        if (q <= 2 ? std::fabs(v) == 100 : v < 1)
            ++failures;
    }
    return static_cast<double>(failures) / count;
}

String StatisticNumber(double value, const TFormatSettings& settings)
{
    static const String mask = "0.00000000E+00 ;-0.0000000E+00 ;0.0            ";
    return StudyColumnNumber(mask, 15, value, settings);
}

String ReadUserDensityFile(const String& fileName, Integer& number, DynArray<double>& values)
{
    const String invalidFile = "Invalid file format";
    TextFile f;
    AssignFile(f, fileName);
    Reset(f);
    if (IOResult() != 0)
        return invalidFile;
    Integer n = 0;
    const bool hasFirstNumber = !Eof(f);
    Readln(f, n);
    if (!hasFirstNumber || IOResult() != 0) {
        CloseFile(f);
        return invalidFile;
    }
    if (n < 10 || n > 4000) {
        CloseFile(f);
        return "Invalid number of data points - Aborted";
    }
    DynArray<double> read;
    read.SetLength(n);
    bool ok = true;
    for (Integer i = 0; ok && i < n; ++i) {
        ok = !Eof(f);
        String line;
        Readln(f, line);
        int code = 0;
        Val(FirstWord(line), read[i], code);
        ok = ok && code == 0 && std::isfinite(read[i]);
    }
    ok = IOResult() == 0 && ok && IsUsableDensity(read, n);
    CloseFile(f);
    if (!ok)
        return invalidFile;
    number = n;
    values = read;
    return String();
}

void MakeStatistics(TParametres& Param, int count, const TFormatSettings& settings)
{
    const TStatistiques& st = Param.Statistiques;
    const std::vector<TSummarised> inputs = SelectedInputs(Param);
    const std::vector<TSummarised> results = SelectedResults(Param);

    if (st.SauverParametres)
        WriteValuesFile(st.FichierInput, Param, inputs, count, settings, false);
    for (const TSummarised& q : inputs)
        Summarise(Param, q.Index, count);
    if (st.SauverInputCDF)
        WriteDensityFile(st.FichierInCDF, Param, inputs, "%10.3f %8.6f %8.6f", settings);
    for (const TSummarised& q : results)
        Summarise(Param, q.Index, count);
    if (st.SauverOutPutCDF)
        WriteDensityFile(st.FichierOutCDF, Param, results, "%10.3f %7.5f %7.5f", settings);
    if (st.SauverResultats)
        WriteValuesFile(st.FichierOutput, Param, results, count, settings, true);
}

void StatisticalAnalyses(TParametres& Param, ILongRunHost& host, const TFormatSettings& settings)
{
    if (const String problem = RequestProblem(Param); !problem.IsEmpty()) {
        host.ShowRunWarning(problem);
        return;
    }
    TStatistiques& st = Param.Statistiques;
    const int n = st.NombreAnalyses;
    const int c = st.Combination;
    const int j = st.OutputJoint;

    host.StartLongRun();
    host.SetProceedFlag(true);
    const TKeptInputs kept(Param, JointMaterialIndex(Param, j));
    try {
        CreateSamples(Param, n);
        std::unique_ptr<TRandGen> rand[NRandomVariables + 1];
        TRunFlags flags;
        // The flood levels follow a drawn flood increase only: without one, the stored
        // increase of an earlier run would replace the model's flood level.
        bool drawsFloodIncrease = false, drawsNormalLevel = false;
        for (int r = 1; r <= NRandomVariables; ++r)
            if (st.Selection[r]) {
                rand[r] = MakeGenerator(Param, r);
                AddFlags(Param, st.NumeroParametre[r], flags);
                drawsFloodIncrease |= st.NumeroParametre[r] == qcFloodIncrease;
                drawsNormalLevel |= st.NumeroParametre[r] == qcNormalLevel;
            }
        // The fundamental mode follows the reservoir, not the accelerations: found once
        // when the level is not drawn.
        std::shared_ptr<const TModalBasis> basis;
        if (flags.RecomputeSeismic && !drawsNormalLevel && Param.Donnees.Contains(daPseudoDynamic))
            basis = PseudoDynamicBasis(Param);

        host.StartTiming();
        int o = 0;
        do {
            ++o;
            for (int r = 1; r <= NRandomVariables; ++r)
                if (st.Selection[r]) {
                    double v = rand[r]->Random();
                    if (st.Distribution[r] == 2)
                        v = std::exp(v);
                    Param.AnalysesStatistiques[StatIndex(StatInputs, r)]->SetVal(o, v);
                    ApplyDrawnValue(Param, st.NumeroParametre[r], v, kept, j);
                }
            RecomputeLoads(Param, flags, j, drawsFloodIncrease, basis.get());
            AnalyseSimulation(Param, flags, c, j);
            for (int q = 1; q <= NRandomVariables; ++q)
                if (st.Resultats[q])
                    Param.AnalysesStatistiques[StatIndex(StatResults, q)]->SetVal(o, JointResult(Param, q, c, j));
            host.SetProceedFlag(o < n);
            host.SetPercentDone(PercentOf(o, n));
            host.ProcessPendingEvents();
        } while (host.ProceedFlag());

        kept.Restore(Param);
        RecomputeLoads(Param, flags, j, false, basis.get());
        MakeStatistics(Param, o, settings);
        ReleaseSamples(Param);
        ReanalyseJoint(Param, c, j);
    } catch (...) {
        kept.Restore(Param);
        ReleaseSamples(Param);
        Param.Donnees.Exclude(daAnalysed);
        throw;
    }
    host.FinishLongRun("Monte-Carlo simulation");
}
