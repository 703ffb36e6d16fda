// Listing of every per-joint load of a model as "path = value" pairs.
#include <charconv>

#include "engine/Loads.h"

namespace {

struct TLoadField {
    const char* Name;
    DynArray<double> Tjointload::*Array;
};

struct TCaseField {
    const char* Name;
    TFullArrayDynamic Tjointload::*Arrays;
};

#define FIELD(name) TLoadField{#name, &Tjointload::name}

// Load components and their positions, in the record's order.
const TLoadField Components[] = {
    FIELD(Pc), FIELD(Ph), FIELD(Pv), FIELD(Wv), FIELD(UN), FIELD(UF), FIELD(HNu), FIELD(HNd), FIELD(HFu),
    FIELD(HFd), FIELD(VNu), FIELD(VNd), FIELD(VNc), FIELD(VFu), FIELD(VFd), FIELD(VFc), FIELD(I), FIELD(FD),
    FIELD(Sv), FIELD(Sh), FIELD(FH), FIELD(FV), FIELD(FHa), FIELD(FVa), FIELD(Mv), FIELD(Qh), FIELD(Qv),
    FIELD(HDu), FIELD(VDu), FIELD(HDd), FIELD(VDd), FIELD(SDh), FIELD(SDv), FIELD(Mdh), FIELD(Mdv), FIELD(Qhp),
    FIELD(Qvp), FIELD(HDup), FIELD(VDup), FIELD(HDdp), FIELD(VDdp), FIELD(SDhp), FIELD(SDvp), FIELD(Mdhp),
    FIELD(Mdvp), FIELD(EQ1), FIELD(EQs), FIELD(EQv), FIELD(HD1), FIELD(Hds), FIELD(EM1), FIELD(EMs), FIELD(EMc),
    FIELD(Mqh1), FIELD(Mqhs), FIELD(Mqv), FIELD(EQ1p), FIELD(EQsp), FIELD(EQvp), FIELD(HD1p), FIELD(Hdsp),
    FIELD(EM1p), FIELD(EMsp), FIELD(EMcp), FIELD(Mqh1p), FIELD(Mqhsp), FIELD(Mqvp),
};

const TLoadField Positions[] = {
    FIELD(xPc), FIELD(yPh), FIELD(xPv), FIELD(xW), FIELD(yW), FIELD(xUN), FIELD(xUF), FIELD(yHNu), FIELD(yHNd),
    FIELD(yHFu), FIELD(yHFd), FIELD(xVNu), FIELD(xVNd), FIELD(xVNc), FIELD(xVFu), FIELD(xVFd), FIELD(xVFc),
    FIELD(yI), FIELD(yFD), FIELD(xSv), FIELD(ySh), FIELD(yFH), FIELD(xFV), FIELD(yFHa), FIELD(xFVa), FIELD(xMv),
    FIELD(yQh), FIELD(xQv), FIELD(yHDu), FIELD(xVDu), FIELD(yHDd), FIELD(xVDd), FIELD(ySDh), FIELD(xSDv),
    FIELD(yMdh), FIELD(xMdv), FIELD(yQhp), FIELD(xQvp), FIELD(yHDup), FIELD(xVDup), FIELD(yHDdp), FIELD(xVDdp),
    FIELD(ySDhp), FIELD(xSDvp), FIELD(yMdhp), FIELD(xMdvp), FIELD(yEQ1), FIELD(yEQs), FIELD(xEQv), FIELD(yHD1),
    FIELD(yHds), FIELD(yEM1), FIELD(yEMs), FIELD(yEMc), FIELD(yMqh1), FIELD(yMqhs), FIELD(xMqv), FIELD(yEQ1p),
    FIELD(yEQsp), FIELD(xEQvp), FIELD(yHD1p), FIELD(yHdsp), FIELD(yEM1p), FIELD(yEMsp), FIELD(yEMcp),
    FIELD(yMqh1p), FIELD(yMqhsp), FIELD(xMqvp),
};

#undef FIELD

const TCaseField PerCase[] = {{"U", &Tjointload::U},
                              {"Uc", &Tjointload::Uc},
                              {"Xu", &Tjointload::Xu},
                              {"Xuc", &Tjointload::Xuc},
                              {"PFactor", &Tjointload::PFactor}};

// A negative zero is listed as 0.
std::string Number(double v)
{
    if (v == 0)
        v = 0;
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, v);
    return std::string(text, result.ptr);
}

} // namespace

void ListJointLoads(const TParametres& model, const std::function<void(const std::string&, const std::string&)>& out)
{
    const Tjointload& L = model.JointLoad;
    auto value = [](const DynArray<double>& a, int j) { return j < a.Length() ? a[j] : 0.0; };
    for (int j = 0; j <= model.NJoints; ++j) {
        std::string index = "[" + std::to_string(j) + "]";
        out("Joint.Volume" + index, Number(value(model.Joint.Volume, j)));
        for (const TLoadField& f : Components)
            out(std::string("JointLoad.") + f.Name + index, Number(value(L.*f.Array, j)));
        for (const TCaseField& f : PerCase)
            for (int k = 1; k <= NLoadCases; ++k)
                out(std::string("JointLoad.") + f.Name + "[" + std::to_string(k) + "]" + index,
                    Number(value((L.*f.Arrays)[k], j)));
        for (const TLoadField& f : Positions)
            out(std::string("JointLoad.") + f.Name + index, Number(value(L.*f.Array, j)));
    }
    const TChopraCoeff& c = model.ChopraC;
    const std::pair<const char*, double> modal[] = {
        {"TDam", c.TDam}, {"TRes", c.TRes}, {"TDamRes", c.TDamRes}, {"TDamResFound", c.TDamResFound},
        {"Rr", c.Rr},     {"Rf", c.Rf},     {"Rw", c.Rw},           {"Ap", c.Ap},
        {"ef", c.ef},     {"er", c.er},     {"e", c.e},             {"M1", c.M1},
        {"M11", c.M11},   {"L1", c.L1},     {"L11", c.L11},         {"B1", c.B1},
        {"Fst", c.Fst},   {"Hbarrage", c.Hbarrage}, {"Hreservoir", c.Hreservoir}};
    for (const auto& [name, v] : modal)
        out(std::string("ChopraC.") + name, Number(v));
}
