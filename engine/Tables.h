#pragma once
// Coefficient curves and tables of the simplified pseudo-dynamic method, with their
// lookup and interpolation routines: the reservoir period ratio Rr and added damping er,
// the foundation period ratio Rf and added damping ef, the hydrodynamic pressure function
// of the fundamental mode and the hydrodynamic force coefficient Ap.
//
// Es is the concrete modulus in psi, Ec and Ef the concrete and foundation moduli in the
// model's units (only their ratio is used), alpha the wave reflection coefficient of the
// reservoir bottom (0..1), HsRatio the reservoir depth over the dam height, etaf the
// foundation hysteretic damping in per cent (1..50) and Rw the reservoir period ratio.
#include <array>

// Pressure function of the fundamental mode, p(y) = c0 + c1 y + ... + c7 y^7, at 58 grid
// points (alpha, Rw), stored as eight columns of 58 values: PressureCoefficientTable[n][row]
// is cn of that row. Rows 0..12: alpha = 1; then 9 rows each for alpha = 0.9, 0.75, 0.5,
// 0.25 and 0.
constexpr int PressureTableRows = 58;
using TPressureCoefficientTable = std::array<std::array<double, PressureTableRows>, 8>;
extern TPressureCoefficientTable PressureCoefficientTable;

// Foundation damping ef at 21 ratios Ef/Ec (descending 5.0 .. 0.2) and 17 values of
// etaf / 100 (0.01 .. 0.50).
constexpr int FoundationRows = 21;
constexpr int FoundationColumns = 17;
extern const double FoundationDampingTable[FoundationRows][FoundationColumns];

// Fills PressureCoefficientTable. The table already holds these values when the program
// starts, so a lookup never reads an empty table; the start-up call sets them again.
void InitCoefficientTables();

// Rr and er for the concrete modulus Es (psi), interpolated between the modulus classes
// and between the 5 % steps of HsRatio.
void InterpolateReservoirFactors(double Es, double HsRatio, double alpha, double& Rr, double& er);
// Rr and er of the modulus class Es at HsRatio rounded to a 5 % step.
void ReservoirFactorsAtClass(double Es, double HsRatio, double alpha, double& Rr, double& er);

// Rf and ef by the curve fits; ef is left untouched when etaf is not 1, 10, 25 or 50.
void FoundationFactorsByFit(double Ec, double Ef, int etaf, double& Rf, double& ef);
// Rf by its fits and ef interpolated in FoundationDampingTable.
void InterpolateFoundationFactors(double Ec, double Ef, int etaf, double& Rf, double& ef);

// c0..c7 of the pressure function at (Rw, alpha).
void InterpolatePressureCoefficients(double Rw, double alpha, std::array<double, 8>& C);
// Hydrodynamic force coefficient Ap at (Rw, alpha).
void HydrodynamicForceCoefficient(double Rw, double alpha, double& Ap);
