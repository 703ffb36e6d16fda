#include "engine/Facteurs.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

using TLoadArray = DynArray<double> Tjointload::*;
using TFactorArray = TCaseArray<double> TLoadCombination::*;

// One load of a joint: its force, the position of its line of action and its factor
// (none for the floating debris, whose factor is DebrisFlottant.LoadCombination).
struct TLoadTerm {
    TLoadArray Force;
    TLoadArray Position;
    TFactorArray Factor;
};

using L = Tjointload;
using C = TLoadCombination;

// Vertical loads, positioned by their abscissa (the uplift is handled apart).
constexpr TLoadTerm VerticalLoads[] = {
    {&L::Pc, &L::xPc, &C::P},       {&L::Pv, &L::xPv, &C::P},       {&L::Wv, &L::xW, &C::W},
    {&L::VNu, &L::xVNu, &C::Hnu},   {&L::VNc, &L::xVNc, &C::Hnu},   {&L::VNd, &L::xVNd, &C::Hnd},
    {&L::VFu, &L::xVFu, &C::Hfu},   {&L::VFc, &L::xVFc, &C::Hfu},   {&L::VFd, &L::xVFd, &C::Hfd},
    {&L::Sv, &L::xSv, &C::S},       {&L::FV, &L::xFV, &C::F},       {&L::Mv, &L::xMv, &C::W},
    {&L::Qv, &L::xQv, &C::QV},      {&L::Mdv, &L::xMdv, &C::QV},    {&L::VDu, &L::xVDu, &C::VDu},
    {&L::VDd, &L::xVDd, &C::VDd},   {&L::SDv, &L::xSDv, &C::SDv},   {&L::Qvp, &L::xQvp, &C::QVp},
    {&L::Mdvp, &L::xMdvp, &C::QVp}, {&L::VDup, &L::xVDup, &C::VDup}, {&L::VDdp, &L::xVDdp, &C::VDdp},
    {&L::SDvp, &L::xSDvp, &C::SDvp}, {&L::EQv, &L::xEQv, &C::EQv},  {&L::Mqv, &L::xMqv, &C::EQv},
    {&L::EQvp, &L::xEQvp, &C::EQvp}, {&L::Mqvp, &L::xMqvp, &C::EQvp},
};

// Horizontal loads, positioned by their elevation.
constexpr TLoadTerm HorizontalLoads[] = {
    {&L::Ph, &L::yPh, &C::P},         {&L::HNu, &L::yHNu, &C::Hnu},     {&L::HNd, &L::yHNd, &C::Hnd},
    {&L::HFu, &L::yHFu, &C::Hfu},     {&L::HFd, &L::yHFd, &C::Hfd},     {&L::I, &L::yI, &C::I},
    {&L::FD, &L::yFD, nullptr},       {&L::Sh, &L::ySh, &C::S},         {&L::FH, &L::yFH, &C::F},
    {&L::Qh, &L::yQh, &C::QH},        {&L::Mdh, &L::yMdh, &C::QH},      {&L::HDu, &L::yHDu, &C::HDu},
    {&L::HDd, &L::yHDd, &C::HDd},     {&L::SDh, &L::ySDh, &C::SDh},     {&L::Qhp, &L::yQhp, &C::QHp},
    {&L::Mdhp, &L::yMdhp, &C::QHp},   {&L::HDup, &L::yHDup, &C::HDup},  {&L::HDdp, &L::yHDdp, &C::HDdp},
    {&L::SDhp, &L::ySDhp, &C::SDhp},  {&L::EMc, &L::yEMc, &C::EMc},     {&L::EMcp, &L::yEMcp, &C::EMcp},
};

double Factor(const TParametres& model, const TLoadTerm& term, int k)
{
    return term.Factor ? (model.LoadCombination.*term.Factor)[k] : model.DebrisFlottant.LoadCombination[k];
}

double FactoredForce(const TParametres& model, const TLoadTerm& term, int j, int k)
{
    return (model.JointLoad.*term.Force)[j] * Factor(model, term, k);
}

double Position(const TParametres& model, const TLoadTerm& term, int j)
{
    return (model.JointLoad.*term.Position)[j];
}

// The uplift of the case with its factor.
double FactoredUplift(const TParametres& model, int j, int k)
{
    return model.JointLoad.U[k][j] * model.LoadCombination.U[k];
}

// The masses' weight, which always counts as resisting overturning.
constexpr int MassesWeight = 11;
static_assert(VerticalLoads[MassesWeight].Force == &L::Mv);
static_assert(std::size(VerticalLoads) == TFactoredLoads::Verticals);
static_assert(std::size(HorizontalLoads) == TFactoredLoads::Horizontals);

} // namespace

void FactorLoads(const TParametres& model, int j, int k, TFactoredLoads& loads)
{
    for (int i = 0; i < TFactoredLoads::Verticals; ++i) {
        loads.Vertical[i] = FactoredForce(model, VerticalLoads[i], j, k);
        loads.X[i] = Position(model, VerticalLoads[i], j);
    }
    for (int i = 0; i < TFactoredLoads::Horizontals; ++i) {
        loads.Horizontal[i] = FactoredForce(model, HorizontalLoads[i], j, k);
        loads.Y[i] = Position(model, HorizontalLoads[i], j);
    }
}

double FactoredVerticalLoad(const TFactoredLoads& loads)
{
    double sum = 0;
    for (double force : loads.Vertical)
        sum += force;
    return sum;
}

double FactoredHorizontalLoad(const TFactoredLoads& loads)
{
    double sum = 0;
    for (double force : loads.Horizontal)
        sum += force;
    return sum;
}

double FactoredVerticalLoad(const TParametres& model, int j, int k)
{
    TFactoredLoads loads;
    FactorLoads(model, j, k, loads);
    return FactoredVerticalLoad(loads);
}

double FactoredHorizontalLoad(const TParametres& model, int j, int k)
{
    TFactoredLoads loads;
    FactorLoads(model, j, k, loads);
    return FactoredHorizontalLoad(loads);
}

double LoadMomentWithoutUplift(const TFactoredLoads& loads, double yc, double xc)
{
    double moment = 0;
    for (int i = 0; i < TFactoredLoads::Verticals; ++i)
        moment += (xc - loads.X[i]) * loads.Vertical[i];
    for (int i = 0; i < TFactoredLoads::Horizontals; ++i)
        moment += (loads.Y[i] - yc) * loads.Horizontal[i];
    return moment;
}

void CollectMomentTerms(const TFactoredLoads& loads, TMomentTerms& terms)
{
    terms.Verticals = terms.Horizontals = 0;
    terms.MassesWeight = -1;
    for (int i = 0; i < TFactoredLoads::Verticals; ++i)
        if (loads.Vertical[i] != 0 || !WithinMomentTermReach(loads.X[i])) {
            if (i == MassesWeight)
                terms.MassesWeight = terms.Verticals;
            terms.Vertical[terms.Verticals] = loads.Vertical[i];
            terms.X[terms.Verticals++] = loads.X[i];
        }
    for (int i = 0; i < TFactoredLoads::Horizontals; ++i)
        if (loads.Horizontal[i] != 0 || !WithinMomentTermReach(loads.Y[i])) {
            terms.Horizontal[terms.Horizontals] = loads.Horizontal[i];
            terms.Y[terms.Horizontals++] = loads.Y[i];
        }
}

double LoadMomentWithoutUplift(const TMomentTerms& terms, double yc, double xc)
{
    // A sum that starts at +0 stays the same when a +0 or -0 is added to it.
    double moment = 0;
    for (int i = 0; i < terms.Verticals; ++i)
        moment += (xc - terms.X[i]) * terms.Vertical[i];
    for (int i = 0; i < terms.Horizontals; ++i)
        moment += (terms.Y[i] - yc) * terms.Horizontal[i];
    return moment;
}

double UpliftMoment(const TParametres& model, int j, int k, double uc)
{
    const Tjointload& load = model.JointLoad;
    if (model.UpliftLoad == ulInternal)
        return (uc - load.Xuc[k][j]) * load.Uc[k][j] * model.LoadCombination.U[k];
    return (uc - load.Xu[k][j]) * FactoredUplift(model, j, k);
}

double JointMoment(const TParametres& model, int j, int k, double uc, double yc, double xc)
{
    TFactoredLoads loads;
    FactorLoads(model, j, k, loads);
    return LoadMomentWithoutUplift(loads, yc, xc) + UpliftMoment(model, j, k, uc);
}

double OverturningSafetyFactor(const TParametres& model, int j, int k, Byte side)
{
    TFactoredLoads loads;
    FactorLoads(model, j, k, loads);
    return OverturningSafetyFactor(model, loads, j, k, side);
}

namespace {

// Loads as the overturning factor adds them: count forces with their positions, masses the
// index of the masses' weight among the verticals (-1 when it is not among them).
struct TLoadList {
    const double* Forces;
    const double* Positions;
    int Count;
};

double OverturningFactor(const TParametres& model, TLoadList verticals, int masses, TLoadList horizontals, int j,
                         int k, Byte side)
{
    const TJoint& joint = model.Joint;
    double xc = side == 0 ? joint.x1[j] : joint.x2[j];
    double yc = side == 0 ? joint.y1[j] : joint.y2[j];
    double reference = side == 0 ? 0 : joint.Length[j];

    double positive = 0, negative = 0;
    auto add = [&](double contribution) {
        if (contribution >= 0)
            positive += contribution;
        else
            negative += contribution;
    };
    for (int i = 0; i < verticals.Count; ++i) {
        double contribution = (xc - verticals.Positions[i]) * verticals.Forces[i];
        if (i == masses)
            (side == 0 ? positive : negative) += contribution;
        else
            add(contribution);
    }
    for (int i = 0; i < horizontals.Count; ++i)
        add((horizontals.Positions[i] - yc) * horizontals.Forces[i]);
    add((reference - model.JointLoad.Xu[k][j]) * FactoredUplift(model, j, k));

    if (side == 0)
        return negative != 0 ? std::fabs(positive / negative) : 1000;
    return positive != 0 ? std::fabs(negative / positive) : 1000;
}

} // namespace

double OverturningSafetyFactor(const TParametres& model, const TFactoredLoads& loads, int j, int k, Byte side)
{
    return OverturningFactor(model, {loads.Vertical, loads.X, TFactoredLoads::Verticals}, MassesWeight,
                             {loads.Horizontal, loads.Y, TFactoredLoads::Horizontals}, j, k, side);
}

double OverturningSafetyFactor(const TParametres& model, const TFactoredLoads& loads, const TMomentTerms& terms,
                               int j, int k, Byte side)
{
    // Both sums start at +0 and stay the same when a +0 or -0 is added to them.
    const TJoint& joint = model.Joint;
    const bool within = WithinMomentTermReach(side == 0 ? joint.x1[j] : joint.x2[j]) &&
                        WithinMomentTermReach(side == 0 ? joint.y1[j] : joint.y2[j]);
    if (!within)
        return OverturningSafetyFactor(model, loads, j, k, side);
    return OverturningFactor(model, {terms.Vertical, terms.X, terms.Verticals}, terms.MassesWeight,
                             {terms.Horizontal, terms.Y, terms.Horizontals}, j, k, side);
}

double UpliftingSafetyFactor(const TParametres& model, int j, int k)
{
    TFactoredLoads loads;
    FactorLoads(model, j, k, loads);
    return UpliftingSafetyFactor(model, loads, j, k);
}

double UpliftingSafetyFactor(const TParametres& model, const TFactoredLoads& loads, int j, int k)
{
    double theta = model.Joint.Angle[j] * std::numbers::pi / 180;
    double c = std::cos(theta), s = std::sin(theta);

    double lifting = 0, holding = 0;
    auto add = [&](double contribution) {
        if (contribution > 0)
            lifting += contribution;
        else
            holding += contribution;
    };
    for (double force : loads.Vertical)
        add(force * c);
    add(FactoredUplift(model, j, k) * c);
    if (theta != 0)
        for (double force : loads.Horizontal)
            add(-force * s);
    return lifting != 0 ? std::fabs(holding / lifting) : 1000;
}
