#pragma once
// The loads of the engine: profile and section routines, self weight and concentrated
// masses, post-tensioning and applied forces, reservoir, ice, silt and floating debris,
// pseudo-static seismic loads and the simplified pseudo-dynamic method.
//
// Every load routine works on the model in place for one joint j (0 = base joint), writes
// the joint's entries of JointLoad (and Joint where said) and returns nothing. Forces are
// per unit width of dam, positive downstream (+x) and upward (+y), so weights are
// negative; a position named x... is the abscissa of a vertical force's line of action, one
// named y... the elevation of a horizontal force's line of action. A load that does not
// reach the joint is a zero force with a zero position.
//
// Call order of the analysis run, for every joint: ComputeSelfWeight, then
// ComputeConcentratedMasses, then ComputeReservoirLoads; after the uplift,
// ComputePostTension and ComputeAppliedForces; then ComputeConcreteInertia,
// ComputeMassInertia, ComputeHydrodynamicLoads, ComputeSiltDynamicLoads; finally
// ComputePseudoDynamicLoads for case 0 and then case 1 (or both at once), for all joints (-1).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/Unites.h"

class TMatrix;

// ---- Profiles along a joint and the section outline --------------------------------------
// An uplift profile: 8 positions along the joint from its upstream end (ascending) and the
// pressures there.
using TProfile8 = TRangeArray<double, 1, 8>;

struct TProfileResultant {
    double Force = 0;
    double Position = 0;
};

// Value of the profile at s: linear on the first segment that holds s, the smaller of the
// two values on a vertical step; 0 off the profile.
double ProfileValueAt(const TProfile8& x, const TProfile8& p, double s);
// Resultant of the profile over the cracked zones: the segments that end at or before a or
// start at or after b.
void ProfileResultant(const TProfile8& x, const TProfile8& p, TProfileResultant& result, double a, double b);
// Slice levels of the pseudo-dynamic method: count rows of (elevation, upstream face x,
// downstream face x), ascending; the matrix (column, row) is sized to the rows needed.
void DivisionElevations(const TParametres& model, TMatrix& table, int& count);
// The elevations of those rows, and the width of the section at one of them (downstream
// face x minus upstream face x).
std::vector<double> DivisionLevels(const TParametres& model);
double SliceWidth(const TDimension& dim, double h);
// Pixel of the model point (x, elevation) in a W x H drawing of the section with the
// relative margin m; true when the pixel lies inside the drawing.
bool ModelToDrawing(int& px, int& py, int W, int H, const TDimension& dim, double m, double x, double elevation);

// ---- Self weight and concentrated masses --------------------------------------------------
void ComputeSelfWeight(TParametres& model, int j);
void ComputeConcentratedMasses(TParametres& model, int j);
void ComputeMassInertia(TParametres& model, int j);

// ---- Post-tensioning and applied forces ---------------------------------------------------
void ComputePostTension(TParametres& model, int j);
void ComputeAppliedForces(TParametres& model, int j);

// ---- Reservoir, ice, silt and floating debris ----------------------------------------------
// addFloodIncrease: first raise the flood levels by Statistiques.FloodIncrease (probabilistic
// run of the flood combination).
void ComputeReservoirLoads(TParametres& model, int j, bool addFloodIncrease);

// ---- Pseudo-static seismic loads ------------------------------------------------------------
void ComputeConcreteInertia(TParametres& model, int j);
void ComputeHydrodynamicLoads(TParametres& model, int j, TSlopeCorrection correction);
void ComputeSiltDynamicLoads(TParametres& model, int j);

// ---- Simplified pseudo-dynamic method -------------------------------------------------------
// Fundamental mode shape at the relative height yr, clamped to 0..1.
double ModeShape(double yr);
// loadCase 0: peak accelerations (stress analyses), 1: sustained (stability analyses);
// joint: one joint index, or -1 for every joint.
void ComputePseudoDynamicLoads(TParametres& model, Byte loadCase, int joint);
// Case 0 then case 1, sharing the slices and the fundamental mode.
void ComputePseudoDynamicLoads(TParametres& model, int joint);
// The fundamental mode and the slices: all the method needs but the accelerations, with the
// pseudo-dynamic coefficients it leaves in ChopraC. A run that changes nothing else keeps
// one and hands it to ComputePseudoDynamicLoads (none: found again).
struct TModalBasis;
std::shared_ptr<const TModalBasis> PseudoDynamicBasis(TParametres& model);
void ComputePseudoDynamicLoads(TParametres& model, int joint, const TModalBasis* basis);

// ---- Listing -----------------------------------------------------------------------------------
// Every per-joint load of the model as ("JointLoad.Wv[0]", "-4708.8") pairs: for each joint the
// concrete area above it, the load components, the per-case uplift arrays ("JointLoad.U[1][0]")
// and the positions, in the record's order; then the modal quantities of the pseudo-dynamic
// method ("ChopraC.TDam"). Numbers in their shortest exact form.
void ListJointLoads(const TParametres& model, const std::function<void(const std::string& path, const std::string& value)>& out);
