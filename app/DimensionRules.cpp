// The section-geometry dialog's rules: elevation order, foundation checks, picture, OK and reset.
#include "app/DimensionRules.h"

const char* const EraseAllDataQuestion = "This will erase all the previous data";
const char* const NoBaseWidthMessage = "Base width L1 must be greater than zero!";

String SectionPicture(double A, double B)
{
    if (A == B) return "DimAeqB.bmp";
    return B > A ? "DimBgtA.bmp" : "DimAgtB.bmp";
}

namespace {
double& Elevation(TElev& e, TElevationField f)
{
    double* const fields[] = {&e.A, &e.B, &e.C, &e.D, &e.E, &e.F, &e.G, &e.Fup, &e.Fdown};
    return *fields[f];
}

// "Raised": set to v when strictly below it; "lowered": set to v when strictly above it.
void Raise(double& x, double v)
{
    if (x < v) x = v;
}
void Lower(double& x, double v)
{
    if (x > v) x = v;
}

// An array of the copy made its own before one of its elements changes.
template <class T>
void Own(DynArray<T>& a)
{
    a.SetLength(a.Length());
}

// The base joint from the heel (0, A) to the toe (L1, B), without computed crack lengths.
void RebuildBaseJoint(TParametres& m)
{
    TJoint& j = m.Joint;
    if (j.Elev.IsEmpty()) SizeJointArrays(j, m.JointLoad, m.NJoints);
    for (DynArray<double>* a : {&j.Elev, &j.x1, &j.x2, &j.y1, &j.y2, &j.Length, &j.Angle}) Own(*a);
    Own(j.mat);
    ComputeBaseJoint(m);
    for (int c = 1; c <= 7; ++c)
        for (DynArray<double>* a : {&j.CrackLength.Up[c], &j.CrackLength.Down[c]})
            if (!a->IsEmpty()) {
                Own(*a);
                (*a)[0] = 0;
            }
}
}  // namespace

double TDimensionRules::LeaveLength(int index, double value)
{
    TDimension& d = FModel.Dim;
    if (index != 2 && value < 0) value = 0;
    double* const lengths[] = {&d.L1, &d.L2, &d.L3, &d.L4};
    *lengths[index - 1] = value;
    return value;
}

void TDimensionRules::LeaveElevation(TElevationField field, double v)
{
    TElev& e = FModel.Dim.Elev;
    Elevation(e, field) = v;
    switch (field) {
    case efA:
        for (double* x : {&e.C, &e.E, &e.G, &e.Fup}) Raise(*x, v);
        break;
    case efB:
        for (double* x : {&e.D, &e.F, &e.G, &e.Fdown}) Raise(*x, v);
        break;
    case efC:
        Lower(e.A, v);
        Raise(e.Fup, e.A);
        Raise(e.E, v);
        Raise(e.G, v);
        break;
    case efD:
        Lower(e.B, v);
        Raise(e.Fdown, e.B);
        Raise(e.F, v);
        Raise(e.G, v);
        break;
    case efE:
        Lower(e.A, v);
        Raise(e.Fup, e.A);
        Lower(e.C, v);
        Raise(e.G, v);
        break;
    case efF:
        Lower(e.B, v);
        Raise(e.Fdown, e.B);
        Lower(e.D, v);
        Raise(e.G, v);
        break;
    case efG:
        Lower(e.B, v);
        Raise(e.Fdown, e.B);
        Lower(e.A, v);
        Raise(e.Fup, e.A);
        for (double* x : {&e.C, &e.D, &e.E, &e.F}) Lower(*x, v);
        break;
    case efH:
    case efI:
        break;
    }
}

String TDimensionRules::LeaveFoundation(TElevationField field, double v)
{
    TElev& e = FModel.Dim.Elev;
    const bool upstream = field == efH;
    double& foundation = upstream ? e.Fup : e.Fdown;
    const double base = upstream ? e.A : e.B;
    String message;
    if (v < base)
        message = upstream ? "Upstream foundation elevation lower then elevation A!"
                           : "Downstream foundation elevation lower then elevation B!";
    else if (v > e.G)
        message = upstream ? "Upstream foundation elevation higher then crest elevation!"
                           : "Downstream foundation elevation higher then crest elevation!";
    foundation = message.IsEmpty() ? v : base;
    return message;
}

void TDimensionRules::SectionTextChanged(const TDimension& f)
{
    const TDimension& c = FCurrent;
    const TElev &a = f.Elev, &b = c.Elev;
    const bool differs = f.L1 != c.L1 || f.L2 != c.L2 || f.L3 != c.L3 || f.L4 != c.L4 || a.A != b.A || a.B != b.B ||
                         a.C != b.C || a.D != b.D || a.E != b.E || a.F != b.F || a.G != b.G || a.Fup != b.Fup ||
                         a.Fdown != b.Fdown;
    if (differs) FChanged = true;
}

bool TDimensionRules::NeedsResetQuestion() const { return FModel.Donnees.Contains(daGeometry) && FChanged; }

void TDimensionRules::ResetModel()
{
    const bool imperial = FModel.unites == US;
    FModel.Force = TForcesArray{};
    FModel.Masses = TMassesArray{};
    ClearJointMaterials(FModel.JointMaterials);
    ClearJointArrays(FModel.Joint, FModel.JointLoad);
    ClearCracks(FModel.Cracks);
    FModel.DrainEfficiency.Joint = DynArray<double>();
    SetDefaultParameters(FModel);
    if (imperial) {
        FModel.unites = US;
        ConvertModelUnits(FModel);
    }
}

void TDimensionRules::ApplyOk(const TDimension& fields, double gravity, double concreteMass)
{
    TParametres& m = FModel;
    m.gravity = gravity;
    m.Concrete.mass = concreteMass;
    if (FChanged) {
        m.Dim = fields;
        const TElev& e = m.Dim.Elev;
        m.Reservoir.NormalUp = e.Fup;
        m.Reservoir.FloodUp = e.Fup;
        m.Reservoir.NormalDn = e.Fdown;
        m.Reservoir.FloodDn = e.Fdown;
        m.Reservoir.Sediment = e.Fup;
        RebuildBaseJoint(m);
    }
    const TElev& e = m.Dim.Elev;
    if ((e.A >= e.G && e.B >= e.G) || m.Dim.L1 <= 0)
        m.Donnees.Exclude(daGeometry);
    else
        m.Donnees.Include(daGeometry);
    m.Donnees.Exclude(daAnalysed);
}
