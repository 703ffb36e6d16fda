#pragma once
// Every result the analysis and the studies leave in a model, as text: one line per array
// or value, named by its place in the model, numbers in their shortest exact form (a
// negative zero keeps its sign), so that two runs compare byte by byte.
#include <charconv>
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/Unites.h"
#include "numerics/VEZ_vector.h"

class TResultsDump {
public:
    std::string Text;

    void Number(const std::string& name, double v)
    {
        Text += name + " " + Shortest(v) + "\n";
    }
    template <class T>
    void Array(const std::string& name, const DynArray<T>& values)
    {
        Text += name;
        for (int i = 0; i < values.Length(); ++i)
            Text += " " + Shortest(static_cast<double>(values[i]));
        Text += "\n";
    }
    template <class T>
    void Cases(const std::string& name, const TCaseArray<DynArray<T>>& values)
    {
        for (int k = 1; k <= NLoadCases; ++k)
            Array(name + "[" + std::to_string(k) + "]", values[k]);
    }
    void UpDown(const std::string& name, const TUpDownDynamic& values)
    {
        Cases(name + ".Up", values.Up);
        Cases(name + ".Down", values.Down);
    }
    void Vector(const std::string& name, const TVectorRef& vector)
    {
        Text += name;
        if (vector)
            for (int i = 1; i <= vector->NrOfElem(); ++i)
                Text += " " + Shortest(vector->GetVal(i));
        Text += "\n";
    }

private:
    static std::string Shortest(double v)
    {
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, v);
        return std::string(text, result.ptr);
    }
};

inline void DumpJoints(TResultsDump& d, const TJoint& j)
{
    for (const auto& [name, values] : std::initializer_list<std::pair<const char*, const DynArray<double>*>>{
             {"Elev", &j.Elev}, {"x1", &j.x1}, {"x2", &j.x2}, {"y1", &j.y1}, {"y2", &j.y2}, {"Length", &j.Length},
             {"Angle", &j.Angle}, {"Volume", &j.Volume}})
        d.Array(std::string("Joint.") + name, *values);
    d.Array("Joint.mat", j.mat);
    d.UpDown("Joint.CrackLength", j.CrackLength);
    d.UpDown("Joint.Compression", j.Compression);
    for (int p = 1; p <= 8; ++p) {
        d.Cases("Joint.Pressure.x[" + std::to_string(p) + "]", j.Pressure.x[p]);
        d.Cases("Joint.Pressure.p[" + std::to_string(p) + "]", j.Pressure.p[p]);
    }
    d.UpDown("Joint.Pressure.Cr", j.Pressure.Cr);
    d.UpDown("Joint.Stress.normal", j.Stress.normal);
    d.UpDown("Joint.Stress.shear", j.Stress.shear);
    d.UpDown("Joint.Stress.principal", j.Stress.principal);
    d.Cases("Joint.RockWedge", j.RockWedge);
    d.Cases("Joint.Resultants.Normal", j.Resultants.Normal);
    d.Cases("Joint.Resultants.Shear", j.Resultants.Shear);
    d.Cases("Joint.Resultants.Moment", j.Resultants.Moment);
    d.Cases("Joint.Resultants.Position", j.Resultants.Position);
    d.Cases("Joint.SafetyFactor.Sliding.Peak", j.SafetyFactor.Sliding.Peak);
    d.Cases("Joint.SafetyFactor.Sliding.Residual", j.SafetyFactor.Sliding.Residual);
    d.UpDown("Joint.SafetyFactor.Overturning", j.SafetyFactor.Overturning);
    d.Cases("Joint.SafetyFactor.Uplifting", j.SafetyFactor.Uplifting);
    d.Cases("Joint.SafetyFactor.Tension", j.SafetyFactor.Tension);
    d.Cases("Joint.SafetyFactor.Compression", j.SafetyFactor.Compression);
    d.Cases("Joint.ClosedCrack", j.ClosedCrack);
}

inline void DumpJointLoads(TResultsDump& d, const Tjointload& l)
{
    for (const auto& [name, values] : std::initializer_list<std::pair<const char*, const DynArray<double>*>>{
        {"Pc", &l.Pc}, {"Ph", &l.Ph}, {"Pv", &l.Pv}, {"Wv", &l.Wv}, {"UN", &l.UN}, {"UF", &l.UF},
        {"HNu", &l.HNu}, {"HNd", &l.HNd}, {"HFu", &l.HFu}, {"HFd", &l.HFd}, {"VNu", &l.VNu}, {"VNd", &l.VNd},
        {"VNc", &l.VNc}, {"VFu", &l.VFu}, {"VFd", &l.VFd}, {"VFc", &l.VFc}, {"I", &l.I}, {"FD", &l.FD},
        {"Sv", &l.Sv}, {"Sh", &l.Sh}, {"FH", &l.FH}, {"FV", &l.FV}, {"FHa", &l.FHa}, {"FVa", &l.FVa},
        {"Mv", &l.Mv}, {"Qh", &l.Qh}, {"Qv", &l.Qv}, {"HDu", &l.HDu}, {"VDu", &l.VDu}, {"HDd", &l.HDd},
        {"VDd", &l.VDd}, {"SDh", &l.SDh}, {"SDv", &l.SDv}, {"Mdh", &l.Mdh}, {"Mdv", &l.Mdv}, {"Qhp", &l.Qhp},
        {"Qvp", &l.Qvp}, {"HDup", &l.HDup}, {"VDup", &l.VDup}, {"HDdp", &l.HDdp}, {"VDdp", &l.VDdp},
        {"SDhp", &l.SDhp}, {"SDvp", &l.SDvp}, {"Mdhp", &l.Mdhp}, {"Mdvp", &l.Mdvp}, {"EQ1", &l.EQ1},
        {"EQs", &l.EQs}, {"EQv", &l.EQv}, {"HD1", &l.HD1}, {"Hds", &l.Hds}, {"EM1", &l.EM1}, {"EMs", &l.EMs},
        {"EMc", &l.EMc}, {"Mqh1", &l.Mqh1}, {"Mqhs", &l.Mqhs}, {"Mqv", &l.Mqv}, {"EQ1p", &l.EQ1p},
        {"EQsp", &l.EQsp}, {"EQvp", &l.EQvp}, {"HD1p", &l.HD1p}, {"Hdsp", &l.Hdsp}, {"EM1p", &l.EM1p},
        {"EMsp", &l.EMsp}, {"EMcp", &l.EMcp}, {"Mqh1p", &l.Mqh1p}, {"Mqhsp", &l.Mqhsp}, {"Mqvp", &l.Mqvp},
        {"xPc", &l.xPc}, {"yPh", &l.yPh}, {"xPv", &l.xPv}, {"xW", &l.xW}, {"yW", &l.yW}, {"xUN", &l.xUN},
        {"xUF", &l.xUF}, {"yHNu", &l.yHNu}, {"yHNd", &l.yHNd}, {"yHFu", &l.yHFu}, {"yHFd", &l.yHFd},
        {"xVNu", &l.xVNu}, {"xVNd", &l.xVNd}, {"xVNc", &l.xVNc}, {"xVFu", &l.xVFu}, {"xVFd", &l.xVFd},
        {"xVFc", &l.xVFc}, {"yI", &l.yI}, {"yFD", &l.yFD}, {"xSv", &l.xSv}, {"ySh", &l.ySh}, {"yFH", &l.yFH},
        {"xFV", &l.xFV}, {"yFHa", &l.yFHa}, {"xFVa", &l.xFVa}, {"xMv", &l.xMv}, {"yQh", &l.yQh},
        {"xQv", &l.xQv}, {"yHDu", &l.yHDu}, {"xVDu", &l.xVDu}, {"yHDd", &l.yHDd}, {"xVDd", &l.xVDd},
        {"ySDh", &l.ySDh}, {"xSDv", &l.xSDv}, {"yMdh", &l.yMdh}, {"xMdv", &l.xMdv}, {"yQhp", &l.yQhp},
        {"xQvp", &l.xQvp}, {"yHDup", &l.yHDup}, {"xVDup", &l.xVDup}, {"yHDdp", &l.yHDdp},
        {"xVDdp", &l.xVDdp}, {"ySDhp", &l.ySDhp}, {"xSDvp", &l.xSDvp}, {"yMdhp", &l.yMdhp},
        {"xMdvp", &l.xMdvp}, {"yEQ1", &l.yEQ1}, {"yEQs", &l.yEQs}, {"xEQv", &l.xEQv}, {"yHD1", &l.yHD1},
        {"yHds", &l.yHds}, {"yEM1", &l.yEM1}, {"yEMs", &l.yEMs}, {"yEMc", &l.yEMc}, {"yMqh1", &l.yMqh1},
        {"yMqhs", &l.yMqhs}, {"xMqv", &l.xMqv}, {"yEQ1p", &l.yEQ1p}, {"yEQsp", &l.yEQsp},
        {"xEQvp", &l.xEQvp}, {"yHD1p", &l.yHD1p}, {"yHdsp", &l.yHdsp}, {"yEM1p", &l.yEM1p},
        {"yEMsp", &l.yEMsp}, {"yEMcp", &l.yEMcp}, {"yMqh1p", &l.yMqh1p}, {"yMqhsp", &l.yMqhsp},
        {"xMqvp", &l.xMqvp}
})
        d.Array(std::string("JointLoad.") + name, *values);
    d.Cases("JointLoad.U", l.U);
    d.Cases("JointLoad.Uc", l.Uc);
    d.Cases("JointLoad.Xu", l.Xu);
    d.Cases("JointLoad.Xuc", l.Xuc);
    d.Cases("JointLoad.PFactor", l.PFactor);
}

// The joints, their loads, the pseudo-dynamic coefficients and the study results.
inline std::string ResultsOf(const TParametres& m)
{
    TResultsDump d;
    DumpJoints(d, m.Joint);
    DumpJointLoads(d, m.JointLoad);
    const TChopraCoeff& c = m.ChopraC;
    for (const auto& [name, value] : std::initializer_list<std::pair<const char*, double>>{
             {"TDam", c.TDam}, {"TRes", c.TRes}, {"TDamRes", c.TDamRes}, {"TDamResFound", c.TDamResFound},
             {"Rr", c.Rr}, {"Rf", c.Rf}, {"Rw", c.Rw}, {"Ap", c.Ap}, {"e1", c.e1}, {"ef", c.ef}, {"er", c.er},
             {"e", c.e}, {"M1", c.M1}, {"M11", c.M11}, {"L1", c.L1}, {"L11", c.L11}, {"B1", c.B1},
             {"Fst", c.Fst}, {"tranches", c.tranches}, {"Hbarrage", c.Hbarrage},
             {"Hreservoir", c.Hreservoir}, {"Alpha", c.Alpha}})
        d.Number(std::string("ChopraC.") + name, value);
    for (int i = 1; i <= 22; ++i) {
        const std::string at = "[" + std::to_string(i) + "]";
        const TStatResult& s = m.StatResult;
        for (const auto& [name, value] : std::initializer_list<std::pair<const char*, double>>{
                 {"moyenne", s.moyenne[i]}, {"deviation", s.deviation[i]}, {"minimum", s.minimum[i]},
                 {"maximum", s.maximum[i]}, {"performance", s.performance[i]}})
            d.Number(std::string("StatResult.") + name + at, value);
        d.Vector("StatResult.histogramme" + at, s.histogramme[i]);
        d.Vector("AnalysesStatistiques" + at, m.AnalysesStatistiques[i]);
    }
    for (int i = 1; i <= 11; ++i) {
        d.Vector("StatPDF[" + std::to_string(i) + "]", m.StatPDF[i]);
        d.Vector("StatCDF[" + std::to_string(i) + "]", m.StatCDF[i]);
    }
    for (int i = 1; i <= 10; ++i)
        d.Array("IncrementalResult.histogramme[" + std::to_string(i) + "]", m.IncrementalResult.histogramme[i]);
    return d.Text;
}
