#pragma once
// The Monte-Carlo probabilistic analysis of one joint for one load combination, and the
// statistics, histograms and text files made from its samples.
//
// The samples and statistics are indexed by group and quantity as the model keeps them:
// group 1 holds the drawn inputs of the rows r = 1..11, group 2 the results q = 1..11
// (see JointResult); StatIndex gives their place in AnalysesStatistiques and StatResult.
#include "analysis/ParametricRun.h"
#include "platform/rtl/SysFormat.h"

class TVector;

constexpr int StatInputs = 1;
constexpr int StatResults = 2;
inline int StatIndex(int group, int quantity) { return (group - 1) * NRandomVariables + quantity; }

// Mean, standard deviation (over the count of values, not the count - 1), smallest and
// largest of the elements idfirst..idlast. An empty range gives 0 for all four.
void MoyenneEcartTypeMinMax(const TVector& VectorIn, int idfirst, int idlast, double& Moyenne, double& Deviation,
                            double& Min, double& Max);

// Density histogram of the elements idfirst..idlast over lowerbound..higherbound in n
// classes, into elements 1..n + 1 of VectorOut: element 1 counts the values equal to
// lowerbound, element b the values of [lo + (b - 2) w, lo + (b - 1) w) with w the class
// width, element n + 1 also those equal to higherbound; each count is then divided by the
// number of values inside and by w. Bounds that are not increasing, or no value inside,
// leave every element 0.
void FaireHistogramme(const TVector& VectorIn, int idfirst, int idlast, double higherbound, double lowerbound,
                      int n, TVector& VectorOut);

// Probability of failure of result q over the elements 1..count of its sample: for the
// crack percentages (1, 2) the share of values of magnitude 100, for the safety factors
// (3..7) the share below 1; 0 for the other results and for an empty sample.
double ProbabilityOfFailure(const TVector& sample, int count, int q);

// A value of the input and result files: 15 characters, "0.00000000E+00 " for positive
// values, "-0.0000000E+00 " for negative ones, "0.0" and twelve blanks for zero; "INF",
// "-INF" or "NAN" right-aligned in the same 15 characters.
String StatisticNumber(double value, const TFormatSettings& settings);

// The statistics of the first count simulations of every selected input row and result
// into StatResult (each with a new histogram of Statistiques.nPoints + 1 densities), and
// the text files that Statistiques asks for, in this order: input values, input densities,
// output densities, results. Names are the stored ones, relative to the current folder.
// A file that cannot be written raises EInOutError; the later statistics and files are
// then not made. nPoints must be at least 1, and every selected quantity needs its sample
// in AnalysesStatistiques.
void MakeStatistics(TParametres& Param, int count, const TFormatSettings& settings = FormatSettings);

// Reads a user density from its text file: a first line holding the number N of points
// (the rest of the line skipped), then N lines each beginning with one ordinate (decimal
// point). Returns the error the probabilistic input window shows, empty when the density
// was read into number and values: "Invalid file format" for a file that cannot be
// opened, that has no first number, misses a value or holds one that is no finite number,
// or whose values cannot be drawn from (all 0, or one below 0); "Invalid number of data
// points - Aborted" for N below 10 or above 4000. On an error number and values are left
// as they were.
String ReadUserDensityFile(const String& fileName, Integer& number, DynArray<double>& values);

// The Monte-Carlo run of Statistiques on the analysed model: draws every selected row
// Statistiques.NombreAnalyses times (at least once) from the process-wide random sequence,
// analyses the combination for the output joint with the drawn values, makes the
// statistics and files, puts the inputs back and analyses the joint again. A request
// that cannot run (no such joint or combination, no histogram class, a row whose values
// give no distribution, a scaled quantity whose reference is 0, samples that need more
// memory than the program can still take) is reported through
// ShowRunWarning and changes nothing. A run that fails puts the inputs back, removes
// daAnalysed (the joint's results no longer belong to them) and raises the failure again.
void StatisticalAnalyses(TParametres& Param, ILongRunHost& host, const TFormatSettings& settings = FormatSettings);
