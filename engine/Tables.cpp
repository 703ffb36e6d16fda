#include "engine/Tables.h"

#include <cmath>
#include <limits>

#include "platform/rtl/RtlMath.h"

namespace {

// c[0] + c[1] x + ... + c[n-1] x^(n-1)
double Polynomial(const double* c, int n, double x)
{
    double value = 0;
    for (int i = n - 1; i >= 0; --i)
        value = value * x + c[i];
    return value;
}

// Linear weight of x between lo and hi (0 at lo, 1 at hi).
double Weight(double x, double lo, double hi)
{
    return (x - lo) / (hi - lo);
}

// ---------------------------------------------------------------------------------------
// Reservoir curves: for each modulus class and each H/Hs of 50 %, 55 %, ..., 100 %, the
// quartic in alpha of Rr and of er (c0..c4).
//
// The 5.0e6 psi class, the constant curves of the lower classes, the zero er curves at
// 50 % of the 2.0e6 and 1.0e6 psi classes and c0 of Rr at 100 % of every class are the
// standard published values. The other coefficients of the classes below 5.0e6 psi are
// reconstructions: fitted to the frequency response of the equivalent single-degree-of-
// freedom dam-water system (compressible water, partly absorptive reservoir bottom,
// standard fundamental mode), calibrated on the 5.0e6 psi class (rms 0.0008 in Rr,
// 0.0004 in er). Each row says which of its curves are computed.

constexpr int ModulusClasses = 8;
constexpr int RatioSteps = 11;
constexpr double ModulusClass[ModulusClasses] = {1.0e6, 2.0e6, 2.5e6, 3.0e6, 3.5e6, 4.0e6, 4.5e6, 5.0e6};

struct TReservoirCurve {
    double Rr[5];
    double er[5];
};

constexpr TReservoirCurve ReservoirCurves[ModulusClasses * RatioSteps] = {
    // Es = 1.0e6 psi
    {{1.0050, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},  // 50%: Rr given; er given
    {{1.0090, 0, 0, 0, 0}, {0.0006, -0.0008, 0, 0.0004, -0.0002}},  // 55%: Rr given; er computed
    {{1.0160, 0.0015, -0.0023, 0.0015, -0.0004}, {0.0011, -0.0013, -0.0003, 0.0009, -0.0003}},  // 60%: Rr computed; er computed
    {{1.0233, 0.0027, -0.0038, 0.0023, -0.0006}, {0.0017, -0.0018, -0.0010, 0.0018, -0.0007}},  // 65%: Rr computed; er computed
    {{1.0338, 0.0044, -0.0060, 0.0033, -0.0007}, {0.0027, -0.0025, -0.0023, 0.0033, -0.0012}},  // 70%: Rr computed; er computed
    {{1.0486, 0.0071, -0.0090, 0.0045, -0.0008}, {0.0040, -0.0032, -0.0044, 0.0055, -0.0019}},  // 75%: Rr computed; er computed
    {{1.0690, 0.0108, -0.0129, 0.0058, -0.0008}, {0.0057, -0.0041, -0.0074, 0.0086, -0.0028}},  // 80%: Rr computed; er computed
    {{1.0968, 0.0158, -0.0180, 0.0072, -0.0007}, {0.0079, -0.0050, -0.0114, 0.0125, -0.0040}},  // 85%: Rr computed; er computed
    {{1.1343, 0.0220, -0.0244, 0.0091, -0.0006}, {0.0104, -0.0062, -0.0160, 0.0171, -0.0054}},  // 90%: Rr computed; er computed
    {{1.1847, 0.0294, -0.0324, 0.0121, -0.0008}, {0.0133, -0.0077, -0.0206, 0.0219, -0.0069}},  // 95%: Rr computed; er computed
    {{1.2470, 0.0375, -0.0421, 0.0170, -0.0017}, {0.0161, -0.0098, -0.0242, 0.0262, -0.0083}},  // 100%: Rr computed, c0 given; er computed
    // Es = 2.0e6 psi
    {{1.0077, 0.0009, -0.0011, 0.0006, -0.0001}, {0, 0, 0, 0, 0}},  // 50%: Rr computed; er given
    {{1.0090, 0, 0, 0, 0}, {0.0009, -0.0006, -0.0014, 0.0015, -0.0005}},  // 55%: Rr given; er computed
    {{1.0161, 0.0030, -0.0028, 0.0004, 0.0003}, {0.0015, -0.0006, -0.0028, 0.0027, -0.0008}},  // 60%: Rr computed; er computed
    {{1.0235, 0.0051, -0.0036, -0.0010, 0.0011}, {0.0025, -0.0004, -0.0053, 0.0043, -0.0010}},  // 65%: Rr computed; er computed
    {{1.0341, 0.0081, -0.0035, -0.0048, 0.0031}, {0.0038, 0.0001, -0.0087, 0.0058, -0.0010}},  // 70%: Rr computed; er computed
    {{1.0490, 0.0124, -0.0016, -0.0123, 0.0065}, {0.0057, 0.0011, -0.0132, 0.0066, -0.0002}},  // 75%: Rr computed; er computed
    {{1.0696, 0.0180, 0.0027, -0.0246, 0.0120}, {0.0082, 0.0027, -0.0182, 0.0057, 0.0017}},  // 80%: Rr computed; er computed
    {{1.0977, 0.0254, 0.0094, -0.0421, 0.0196}, {0.0113, 0.0047, -0.0238, 0.0031, 0.0048}},  // 85%: Rr computed; er computed
    {{1.1358, 0.0349, 0.0168, -0.0629, 0.0288}, {0.0150, 0.0069, -0.0305, 0.0005, 0.0082}},  // 90%: Rr computed; er computed
    {{1.1868, 0.0468, 0.0210, -0.0823, 0.0380}, {0.0190, 0.0090, -0.0392, 0.0010, 0.0101}},  // 95%: Rr computed; er computed
    {{1.2470, 0.0613, 0.0168, -0.0931, 0.0446}, {0.0231, 0.0101, -0.0501, 0.0077, 0.0091}},  // 100%: Rr computed, c0 given; er computed
    // Es = 2.5e6 psi
    {{1.0077, 0.0011, -0.0012, 0.0004, 0}, {0.0006, -0.0003, -0.0009, 0.0010, -0.0003}},  // 50%: Rr computed; er computed
    {{1.0090, 0, 0, 0, 0}, {0.0010, -0.0003, -0.0020, 0.0018, -0.0005}},  // 55%: Rr given; er computed
    {{1.0161, 0.0036, -0.0019, -0.0016, 0.0011}, {0.0017, -0.0001, -0.0039, 0.0028, -0.0006}},  // 60%: Rr computed; er computed
    {{1.0235, 0.0058, -0.0008, -0.0059, 0.0031}, {0.0028, 0.0005, -0.0064, 0.0032, -0.0001}},  // 65%: Rr computed; er computed
    {{1.0342, 0.0089, 0.0032, -0.0148, 0.0069}, {0.0043, 0.0016, -0.0090, 0.0014, 0.0017}},  // 70%: Rr computed; er computed
    {{1.0491, 0.0130, 0.0118, -0.0307, 0.0131}, {0.0064, 0.0033, -0.0107, -0.0049, 0.0059}},  // 75%: Rr computed; er computed
    {{1.0699, 0.0181, 0.0265, -0.0550, 0.0222}, {0.0092, 0.0055, -0.0105, -0.0174, 0.0131}},  // 80%: Rr computed; er computed
    {{1.0981, 0.0246, 0.0476, -0.0887, 0.0345}, {0.0127, 0.0082, -0.0086, -0.0352, 0.0229}},  // 85%: Rr computed; er computed
    {{1.1364, 0.0332, 0.0730, -0.1309, 0.0507}, {0.0169, 0.0114, -0.0079, -0.0536, 0.0331}},  // 90%: Rr computed; er computed
    {{1.1878, 0.0449, 0.0960, -0.1759, 0.0697}, {0.0215, 0.0148, -0.0123, -0.0645, 0.0405}},  // 95%: Rr computed; er computed
    {{1.2468, 0.0607, 0.1057, -0.2100, 0.0866}, {0.0260, 0.0178, -0.0247, -0.0610, 0.0418}},  // 100%: Rr computed, c0 given; er computed
    // Es = 3.0e6 psi
    {{1.0077, 0.0013, -0.0011, 0.0001, 0.0002}, {0.0006, -0.0002, -0.0013, 0.0011, -0.0003}},  // 50%: Rr computed; er computed
    {{1.0111, 0.0023, -0.0012, -0.0012, 0.0008}, {0.0011, 0, -0.0026, 0.0018, -0.0003}},  // 55%: Rr computed; er computed
    {{1.0161, 0.0039, 0, -0.0047, 0.0024}, {0.0019, 0.0005, -0.0043, 0.0017, 0.0002}},  // 60%: Rr computed; er computed
    {{1.0236, 0.0061, 0.0041, -0.0127, 0.0056}, {0.0031, 0.0014, -0.0056, -0.0010, 0.0022}},  // 65%: Rr computed; er computed
    {{1.0343, 0.0088, 0.0135, -0.0275, 0.0109}, {0.0047, 0.0028, -0.0048, -0.0098, 0.0071}},  // 70%: Rr computed; er computed
    {{1.0493, 0.0121, 0.0303, -0.0502, 0.0179}, {0.0071, 0.0045, 0.0005, -0.0284, 0.0164}},  // 75%: Rr computed; er computed
    {{1.0701, 0.0158, 0.0561, -0.0810, 0.0258}, {0.0102, 0.0065, 0.0115, -0.0581, 0.0299}},  // 80%: Rr computed; er computed
    {{1.0985, 0.0204, 0.0926, -0.1235, 0.0365}, {0.0140, 0.0091, 0.0260, -0.0949, 0.0458}},  // 85%: Rr computed; er computed
    {{1.1370, 0.0261, 0.1413, -0.1867, 0.0566}, {0.0186, 0.0125, 0.0379, -0.1303, 0.0612}},  // 90%: Rr computed; er computed
    {{1.1887, 0.0347, 0.1961, -0.2719, 0.0904}, {0.0237, 0.0169, 0.0403, -0.1543, 0.0733}},  // 95%: Rr computed; er computed
    {{1.2470, 0.0490, 0.2359, -0.3542, 0.1294}, {0.0287, 0.0216, 0.0286, -0.1581, 0.0792}},  // 100%: Rr computed, c0 given; er computed
    // Es = 3.5e6 psi
    {{1.0077, 0.0014, -0.0008, -0.0005, 0.0004}, {0.0007, 0, -0.0016, 0.0011, -0.0002}},  // 50%: Rr computed; er computed
    {{1.0111, 0.0025, -0.0001, -0.0029, 0.0015}, {0.0012, 0.0003, -0.0028, 0.0011, 0.0001}},  // 55%: Rr computed; er computed
    {{1.0162, 0.0040, 0.0030, -0.0089, 0.0039}, {0.0021, 0.0010, -0.0036, -0.0010, 0.0016}},  // 60%: Rr computed; er computed
    {{1.0236, 0.0059, 0.0108, -0.0204, 0.0079}, {0.0033, 0.0020, -0.0022, -0.0091, 0.0059}},  // 65%: Rr computed; er computed
    {{1.0343, 0.0080, 0.0252, -0.0371, 0.0118}, {0.0051, 0.0032, 0.0049, -0.0279, 0.0147}},  // 70%: Rr computed; er computed
    {{1.0494, 0.0105, 0.0455, -0.0525, 0.0105}, {0.0077, 0.0044, 0.0200, -0.0594, 0.0273}},  // 75%: Rr computed; er computed
    {{1.0704, 0.0137, 0.0703, -0.0596, -0.0009}, {0.0111, 0.0060, 0.0411, -0.0978, 0.0396}},  // 80%: Rr computed; er computed
    {{1.0989, 0.0170, 0.1081, -0.0741, -0.0140}, {0.0153, 0.0088, 0.0620, -0.1341, 0.0479}},  // 85%: Rr computed; er computed
    {{1.1376, 0.0186, 0.1789, -0.1431, -0.0014}, {0.0203, 0.0133, 0.0775, -0.1669, 0.0556}},  // 90%: Rr computed; er computed
    {{1.1896, 0.0195, 0.2868, -0.2954, 0.0581}, {0.0258, 0.0190, 0.0840, -0.1970, 0.0681}},  // 95%: Rr computed; er computed
    {{1.2560, 0.0268, 0.3910, -0.4816, 0.1463}, {0.0312, 0.0249, 0.0776, -0.2182, 0.0843}},  // 100%: Rr computed, c0 given; er computed
    // Es = 4.0e6 psi
    {{1.0077, 0.0015, -0.0004, -0.0014, 0.0008}, {0.0008, 0.0001, -0.0017, 0.0009, 0}},  // 50%: Rr computed; er computed
    {{1.0111, 0.0026, 0.0015, -0.0051, 0.0023}, {0.0013, 0.0006, -0.0025, -0.0003, 0.0009}},  // 55%: Rr computed; er computed
    {{1.0162, 0.0039, 0.0069, -0.0133, 0.0052}, {0.0022, 0.0013, -0.0016, -0.0058, 0.0039}},  // 60%: Rr computed; er computed
    {{1.0237, 0.0053, 0.0176, -0.0252, 0.0076}, {0.0036, 0.0021, 0.0044, -0.0208, 0.0107}},  // 65%: Rr computed; er computed
    {{1.0344, 0.0073, 0.0304, -0.0281, 0.0008}, {0.0055, 0.0029, 0.0185, -0.0472, 0.0204}},  // 70%: Rr computed; er computed
    {{1.0496, 0.0117, 0.0318, 0.0106, -0.0348}, {0.0083, 0.0042, 0.0366, -0.0725, 0.0234}},  // 75%: Rr computed; er computed
    {{1.0706, 0.0198, 0.0128, 0.1137, -0.1126}, {0.0119, 0.0082, 0.0459, -0.0713, 0.0052}},  // 80%: Rr computed; er computed
    {{1.0993, 0.0269, 0.0075, 0.2182, -0.1994}, {0.0165, 0.0156, 0.0432, -0.0474, -0.0279}},  // 85%: Rr computed; er computed
    {{1.1383, 0.0240, 0.0892, 0.1774, -0.2155}, {0.0219, 0.0241, 0.0422, -0.0414, -0.0469}},  // 90%: Rr computed; er computed
    {{1.1906, 0.0095, 0.2891, -0.0976, -0.1057}, {0.0278, 0.0317, 0.0488, -0.0728, -0.0355}},  // 95%: Rr computed; er computed
    {{1.2591, -0.0016, 0.5270, -0.5023, 0.0878}, {0.0336, 0.0370, 0.0582, -0.1308, 0.0019}},  // 100%: Rr computed, c0 given; er computed
    // Es = 4.5e6 psi
    {{1.0080, 0, 0, 0, 0}, {0.0008, 0.0003, -0.0017, 0.0003, 0.0003}},  // 50%: Rr given; er computed
    {{1.0120, 0, 0, 0, 0}, {0.0014, 0.0008, -0.0016, -0.0026, 0.0020}},  // 55%: Rr given; er computed
    {{1.0162, 0.0036, 0.0109, -0.0165, 0.0053}, {0.0024, 0.0014, 0.0021, -0.0125, 0.0066}},  // 60%: Rr computed; er computed
    {{1.0237, 0.0051, 0.0199, -0.0179, -0.0001}, {0.0038, 0.0019, 0.0129, -0.0326, 0.0140}},  // 65%: Rr computed; er computed
    {{1.0345, 0.0098, 0.0087, 0.0375, -0.0420}, {0.0059, 0.0031, 0.0260, -0.0469, 0.0120}},  // 70%: Rr computed; er computed
    {{1.0497, 0.0248, -0.0707, 0.2469, -0.1734}, {0.0088, 0.0091, 0.0139, 0.0018, -0.0338}},  // 75%: Rr computed; er computed
    {{1.0708, 0.0509, -0.2263, 0.6305, -0.4054}, {0.0127, 0.0238, -0.0433, 0.1440, -0.1372}},  // 80%: Rr computed; er computed
    {{1.0997, 0.0715, -0.3501, 0.9968, -0.6406}, {0.0176, 0.0414, -0.1031, 0.2809, -0.2365}},  // 85%: Rr computed; er computed
    {{1.1389, 0.0658, -0.2853, 1.0466, -0.7215}, {0.0233, 0.0551, -0.1242, 0.3216, -0.2753}},  // 90%: Rr computed; er computed
    {{1.1915, 0.0252, 0.0623, 0.5661, -0.5243}, {0.0296, 0.0640, -0.1140, 0.2780, -0.2570}},  // 95%: Rr computed; er computed
    {{1.2592, -0.0252, 0.5605, -0.2656, -0.1234}, {0.0359, 0.0678, -0.0853, 0.1795, -0.1975}},  // 100%: Rr computed, c0 given; er computed
    // Es = 5.0e6 psi
    {{1.0080, 0.0020, -0.0160, 0.0343, -0.0194}, {0.0010, -0.0020, 0.0160, -0.0343, 0.0194}},  // 50%: Rr given; er given
    {{1.0110, 0.0016, 0.0171, -0.0331, 0.0164}, {0.0020, -0.0049, 0.0322, -0.0592, 0.0299}},  // 55%: Rr given; er given
    {{1.0160, -0.0029, 0.0400, -0.0557, 0.0226}, {0.0030, -0.0016, 0.0108, -0.0187, 0.0066}},  // 60%: Rr given; er given
    {{1.0240, 0.0015, 0.0267, -0.0024, -0.0170}, {0.0040, -0.0025, 0.0388, -0.0610, 0.0206}},  // 65%: Rr given; er given
    {{1.0340, 0.0194, -0.0498, 0.1706, -0.1193}, {0.0060, 0.0167, -0.0351, 0.0763, -0.0641}},  // 70%: Rr given; er given
    {{1.0490, 0.0842, -0.4369, 0.9290, -0.5330}, {0.0090, 0.0323, -0.1269, 0.3061, -0.2203}},  // 75%: Rr given; er given
    {{1.0710, 0.1351, -0.8054, 1.7383, -0.9915}, {0.0139, 0.0470, -0.2068, 0.5159, -0.3693}},  // 80%: Rr given; er given
    {{1.1002, 0.2085, -1.2545, 2.6918, -1.5326}, {0.0189, 0.0769, -0.3158, 0.7215, -0.5004}},  // 85%: Rr given; er given
    {{1.1394, 0.1727, -1.1232, 2.7596, -1.6628}, {0.0248, 0.1090, -0.4264, 0.8999, -0.6054}},  // 90%: Rr given; er given
    {{1.1924, 0.1020, -0.6283, 2.0864, -1.3880}, {0.0318, 0.1119, -0.3828, 0.8002, -0.5593}},  // 95%: Rr given; er given
    {{1.2613, -0.0287, 0.3778, 0.4432, -0.6023}, {0.0378, 0.1252, -0.3757, 0.7185, -0.5043}},  // 100%: Rr given; er given
};

// Index of the class Es belongs to: the first class at or above it, the highest above all.
int ClassIndex(double Es)
{
    for (int i = 0; i < ModulusClasses; ++i)
        if (Es <= ModulusClass[i])
            return i;
    return ModulusClasses - 1;
}

// ---------------------------------------------------------------------------------------
// Pressure function of the fundamental mode, one row per (alpha, Rw) grid point. The
// alpha = 0 rows (fully absorptive bottom) are computed: the real part of the pressure of
// the compressible reservoir's eigen-expansion in front of a face moving in the standard
// fundamental mode, at 21 heights, fitted by least squares with a degree-7 polynomial.
// Their 2 * integral of p lies within 1 % of the force coefficient Ap at alpha = 0.

constexpr double PressureRows[PressureTableRows][8] = {
    {0.10027, 0.0283243, 0.548898, -4.89599, 19.6288, -37.2692, 33.5196, -11.6608},  // 1: alpha 1, Rw 0.5
    {0.133325, -0.0066943, 0.804921, -6.02107, 22.0828, -40.3537, 35.5923, -12.2319},  // 2: alpha 1, Rw 0.7
    {0.168166, -0.0156024, 0.932878, -7.1715, 25.6769, -45.9224, 39.7935, -13.4621},  // 3: alpha 1, Rw 0.8
    {0.198324, -0.0107674, 0.971601, -7.8892, 28.0303, -49.5786, 42.548, -14.2699},  // 4: alpha 1, Rw 0.85
    {0.251285, -0.027537, 0.9154, -7.30078, 25.5256, -45.2696, 39.1802, -13.2747},  // 5: alpha 1, Rw 0.9
    {0.28523, -0.0182896, 0.813904, -7.16673, 25.5294, -45.6323, 39.6287, -13.44},  // 6: alpha 1, Rw 0.92
    {0.307264, -0.0158049, 0.731535, -6.7984, 24.4377, -43.9944, 38.4382, -13.1062},  // 7: alpha 1, Rw 0.93
    {0.335317, -0.0228797, 0.861942, -7.93327, 27.8602, -49.054, 42.0629, -14.1103},  // 8: alpha 1, Rw 0.94
    {0.371288, -0.00737757, 0.450476, -5.32352, 19.6588, -36.2215, 32.2996, -11.228},  // 9: alpha 1, Rw 0.95
    {0.42016, -0.0228508, 0.609996, -6.57131, 23.1509, -41.2466, 35.8968, -12.2373},  // 10: alpha 1, Rw 0.96
    {0.492255, -0.0383601, 0.836153, -8.6947, 29.7135, -51.391, 43.598, -14.516},  // 11: alpha 1, Rw 0.97
    {0.6133, -0.0218277, 0.395554, -6.86824, 24.3057, -43.1134, 37.383, -12.6942},  // 12: alpha 1, Rw 0.98
    {0.886414, -0.0146994, 0.0765203, -7.19496, 25.6262, -45.2992, 39.1831, -13.2635},  // 13: alpha 1, Rw 0.99
    {0.10123, 0.0018352, 0.794398, -5.96429, 22.0937, -40.372, 35.5317, -12.1867},  // 14: alpha 0.9, Rw 0.5
    {0.133325, -0.0066943, 0.804921, -6.02107, 22.0828, -40.3537, 35.5923, -12.2319},  // 15: alpha 0.9, Rw 0.7
    {0.166182, -0.0228224, 1.05134, -7.65468, 26.5246, -46.5814, 39.967, -13.4504},  // 16: alpha 0.9, Rw 0.8
    {0.239505, -0.0530516, 1.72989, -13.4825, 46.0014, -78.1613, 64.4758, -20.7502},  // 17: alpha 0.9, Rw 0.9
    {0.317126, 0.000369279, 0.61071, -6.19639, 22.5872, -41.009, 36.0471, -12.3573},  // 18: alpha 0.9, Rw 0.95
    {0.309335, -0.0205719, 1.21629, -9.54861, 31.3888, -53.0432, 44.2878, -14.5899},  // 19: alpha 0.9, Rw 1
    {0.0562314, 0.0112417, 1.07617, -7.14916, 25.1697, -44.7843, 38.7114, -13.0914},  // 20: alpha 0.9, Rw 1.05
    {0.000612748, -0.102001, 1.45393, -6.56312, 20.9538, -36.9253, 32.3573, -11.1752},  // 21: alpha 0.9, Rw 1.1
    {-0.000170438, -0.011959, 0.770198, -9.11974, 39.5417, -73.3273, 62.5593, -20.4118},  // 22: alpha 0.9, Rw 1.2
    {0.100324, -0.0200793, 1.096738, -7.6833, 27.0048, -47.6733, 40.9202, -13.7455},  // 23: alpha 0.75, Rw 0.5
    {0.128207, 0.00181778, 0.853718, -6.72058, 24.769, -44.9345, 39.2551, -13.3531},  // 24: alpha 0.75, Rw 0.7
    {0.154433, -0.0309262, 1.22827, -8.40457, 28.1273, -48.3195, 40.842, -13.5969},  // 25: alpha 0.75, Rw 0.8
    {0.192283, -0.0170942, 1.22243, -9.00476, 30.3196, -51.931, 43.6567, -14.4382},  // 26: alpha 0.75, Rw 0.9
    {0.201358, 0.00762164, 0.95735, -7.54667, 26.4432, -46.756, 40.2376, -13.5445},  // 27: alpha 0.75, Rw 0.95
    {0.167331, 0.0307691, 0.887029, -6.90766, 24.3911, -43.5057, 37.7515, -12.8145},  // 28: alpha 0.75, Rw 1
    {0.0933668, 0.0430217, 0.998237, -7.25297, 25.6394, -45.6507, 39.474, -13.3444},  // 29: alpha 0.75, Rw 1.05
    {0.0362234, 0.0308337, 1.04806, -6.28714, 20.9868, -36.3345, 30.9264, -10.4062},  // 30: alpha 0.75, Rw 1.1
    {0.000587702, -0.0759008, 0.864466, -3.01791, 11.7389, -24.8584, 24.4378, -9.13906},  // 31: alpha 0.75, Rw 1.2
    {0.0964036, -0.0299767, 1.22751, -8.3224, 28.865, -50.7102, 43.4187, -14.545},  // 32: alpha 0.5, Rw 0.5
    {0.111321, -0.00959258, 0.899938, -6.72998, 24.2735, -43.6445, 38.0107, -12.9308},  // 33: alpha 0.5, Rw 0.7
    {0.119312, -0.0298873, 1.48143, -9.62041, 31.2976, -52.7317, 43.9719, -14.4884},  // 34: alpha 0.5, Rw 0.8
    {0.117449, 0.0023843, 1.37767, -9.53284, 31.9508, -54.6666, 45.8883, -15.1372},  // 35: alpha 0.5, Rw 0.9
    {0.1084, 0.0441269, 0.96783, -7.42453, 26.7166, -47.9161, 41.513, -14.0094},  // 36: alpha 0.5, Rw 0.95
    {0.093256, 0.0589685, 0.851097, -6.40942, 23.1916, -41.9938, 36.7571, -12.5489},  // 37: alpha 0.5, Rw 1
    {0.0723122, 0.0315608, 1.37064, -8.96459, 29.7655, -51.0884, 43.1539, -14.341},  // 38: alpha 0.5, Rw 1.05
    {0.049239, 0.076655, 0.864604, -5.85279, 20.7761, -37.7081, 33.2787, -11.4845},  // 39: alpha 0.5, Rw 1.1
    {0.0122452, 0.0563889, 1.40408, -9.10416, 30.4916, -52.2943, 43.9727, -14.5388},  // 40: alpha 0.5, Rw 1.2
    {0.0861342, 0.00631928, 0.879418, -6.38958, 23.427, -42.6208, 37.3781, -12.7667},  // 41: alpha 0.25, Rw 0.5
    {0.0849052, 0.0704636, 0.443144, -4.63171, 19.5657, -38.0365, 34.5896, -12.0859},  // 42: alpha 0.25, Rw 0.7
    {0.0813168, 0.0152898, 1.31112, -9.04062, 30.7427, -53.1305, 44.9321, -14.9116},  // 43: alpha 0.25, Rw 0.8
    {0.0722249, 0.0508377, 1.04654, -7.37003, 25.6086, -45.1706, 38.8897, -13.1274},  // 44: alpha 0.25, Rw 0.9
    {0.0652065, 0.0841448, 0.789654, -6.17103, 22.8117, -41.7715, 36.8242, -12.6327},  // 45: alpha 0.25, Rw 0.95
    {0.0573803, 0.0901984, 0.826272, -6.33839, 23.2923, -42.5477, 37.4376, -12.8178},  // 46: alpha 0.25, Rw 1
    {0.0482219, 0.0942674, 1.00291, -7.58697, 27.0943, -48.1912, 41.4587, -13.9205},  // 47: alpha 0.25, Rw 1.05
    {0.0392024, 0.0973359, 0.914959, -6.51862, 23.3642, -42.3356, 37.151, -12.7128},  // 48: alpha 0.25, Rw 1.1
    {0.0203137, 0.110445, 0.937005, -6.49259, 23.0112, -41.4192, 36.1902, -12.3574},  // 49: alpha 0.25, Rw 1.2
    {0.0700558, -0.049839, 1.85557, -11.6605, 37.4864, -62.306, 51.2366, -16.6313},  // 50: alpha 0, Rw 0.5
    {0.058939, -0.0206418, 1.8392, -11.6536, 37.4598, -62.2699, 51.2084, -16.6212},  // 51: alpha 0, Rw 0.7
    {0.0521512, -0.00383249, 1.83197, -11.6516, 37.4437, -62.2475, 51.191, -16.615},  // 52: alpha 0, Rw 0.8
    {0.044612, 0.0138742, 1.82645, -11.6511, 37.4257, -62.2221, 51.1715, -16.608},  // 53: alpha 0, Rw 0.9
    {0.0405802, 0.0229071, 1.82459, -11.6516, 37.4158, -62.2082, 51.161, -16.6042},  // 54: alpha 0, Rw 0.95
    {0.0363855, 0.031968, 1.82348, -11.6526, 37.4054, -62.1935, 51.15, -16.6003},  // 55: alpha 0, Rw 1
    {0.0320378, 0.0409832, 1.82323, -11.6541, 37.3944, -62.178, 51.1386, -16.5962},  // 56: alpha 0, Rw 1.05
    {0.027548, 0.0498751, 1.82393, -11.6561, 37.3826, -62.1617, 51.1267, -16.592},  // 57: alpha 0, Rw 1.1
    {0.0181909, 0.0669589, 1.82863, -11.6615, 37.3566, -62.1264, 51.1017, -16.5832},  // 58: alpha 0, Rw 1.2
};

struct TPressureBlock {
    double alpha;
    int firstRow;
    int count;
    const double* Rw;
};

constexpr double RwAlphaOne[13] = {0.5, 0.7, 0.8, 0.85, 0.9, 0.92, 0.93, 0.94, 0.95, 0.96, 0.97, 0.98, 0.99};
constexpr double RwOther[9] = {0.5, 0.7, 0.8, 0.9, 0.95, 1.0, 1.05, 1.1, 1.2};

// Descending alpha, as the rows are stored.
constexpr TPressureBlock PressureBlocks[6] = {
    {1.0, 0, 13, RwAlphaOne}, {0.9, 13, 9, RwOther}, {0.75, 22, 9, RwOther},
    {0.5, 31, 9, RwOther},    {0.25, 40, 9, RwOther}, {0.0, 49, 9, RwOther},
};

TPressureCoefficientTable MakePressureTable()
{
    TPressureCoefficientTable table{};
    for (int row = 0; row < PressureTableRows; ++row)
        for (int n = 0; n < 8; ++n)
            table[n][row] = PressureRows[row][n];
    return table;
}

// Coefficient n of the block at Rw: the first row up to 0.5, the last row above the
// block's last Rw, linear between the two bracketing rows otherwise.
double BlockCoefficient(const TPressureBlock& block, double Rw, int n)
{
    const auto& column = PressureCoefficientTable[n];
    if (Rw <= block.Rw[0])
        return column[block.firstRow];
    if (Rw >= block.Rw[block.count - 1])
        return column[block.firstRow + block.count - 1];
    int i = 0;
    while (Rw >= block.Rw[i + 1])
        ++i;
    double w = Weight(Rw, block.Rw[i], block.Rw[i + 1]);
    return (1 - w) * column[block.firstRow + i] + w * column[block.firstRow + i + 1];
}

// ---------------------------------------------------------------------------------------
// Hydrodynamic force coefficient: a quartic in alpha at each of nine values of Rw.

constexpr int ForceFits = 9;
constexpr double ForceFitRw[ForceFits] = {0.5, 0.7, 0.8, 0.9, 0.95, 1.0, 1.05, 1.1, 1.2};
constexpr double ForceFit[ForceFits][5] = {
    {0.206, 0.0837, -0.0943, 0.0666, -0.0251},
    {0.201, 0.0807, 0.1704, -0.2727, 0.0995},
    {0.198, 0.1021, 0.0742, 0.0774, -0.1278},
    {0.1949, 0.2004, -0.6833, 1.6557, -0.9359},
    {0.1925, 0.3051, -1.3035, 2.4649, -1.0698},
    {0.191, -0.1313, 1.5521, -3.3069, 2.4321},
    {0.189, 0.1925, -1.0169, 2.4399, -1.7119},
    {0.186, 0.0708, -0.2229, 0.6202, -0.6268},
    {0.181, -0.019, 0.1352, -0.486, 0.2316},
};

// ---------------------------------------------------------------------------------------
// Foundation curves.

constexpr double FoundationRowX[FoundationRows] = {5.0, 4.5, 4.0, 3.5, 3.0, 2.5, 2.0, 1.5, 1.4, 1.3, 1.2,
                                                   1.1, 1.0, 0.9, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.2};
constexpr double FoundationColumnEta[FoundationColumns] = {0.01, 0.02, 0.03, 0.04, 0.05, 0.06, 0.07, 0.08, 0.09,
                                                           0.10, 0.12, 0.14, 0.16, 0.18, 0.20, 0.25, 0.50};

// ef fits of the damping classes 1, 10, 25 and 50 %: for 1 <= x < 5 and for x < 1.
struct TDampingFit {
    int etaf;
    double upper[7];
    double lower[7];
};

constexpr TDampingFit DampingFits[4] = {
    {1, {0.1309, -0.1525, 0.1234, -0.0643, 0.0188, -0.0028, 0.0002},
     {0.3064, -0.5656, -1.2566, 7.736, -13.855, 10.929, -3.2407}},
    {10, {0.1809, -0.1939, 0.1109, -0.0363, 0.0068, -0.0007, 0.00003},
     {0.448, -1.965, 5.9509, -11.438, 13.073, -8.0385, 2.037}},
    {25, {0.257, -0.3219, 0.2197, -0.086, 0.0193, -0.0023, 0.0001},
     {0.5794, -2.5553, 7.4766, -13.718, 15.043, -8.9615, 2.2222}},
    {50, {0.3132, -0.4015, 0.2882, -0.1207, 0.0292, -0.0038, 0.0002},
     {0.8336, -4.1231, 12.524, -22.835, 24.359, -13.987, 3.3333}},
};

// Ef / Ec. A concrete without stiffness (Ec <= 0) has no meaningful ratio; it is taken as
// infinitely large, i.e. a rigid foundation that neither lengthens the period nor adds
// damping (Rf = 1, ef = 0), so no curve is evaluated at an infinite or undefined value.
double ModulusRatio(double Ec, double Ef)
{
    if (Ec <= 0)
        return std::numeric_limits<double>::infinity();
    return Ef / Ec;
}

double FoundationRatioByFit(double x)
{
    static constexpr double low[7] = {2.89441, -11.579, 40.2131, -79.2609, 87.765, -50.7907, 11.9451};
    static constexpr double mid[6] = {9.02733, -31.2387, 49.9387, -39.8732, 15.8329, -2.49997};
    static constexpr double high[8] = {2.96787, -4.18544, 4.0681, -2.19199, 0.699075, -0.13155, 0.0135107, -0.000584113};
    if (x < 0.2)
        return 1.678;
    if (x < 1)
        return Polynomial(low, 7, x);
    if (x < 1.5)
        return Polynomial(mid, 6, x);
    if (x <= 5)
        return Polynomial(high, 8, x);
    return 1;
}

double FoundationRatioOfTable(double x)
{
    static constexpr double low[7] = {2.63115556, -8.47356419, 25.97710909, -47.02425233, 49.49608295, -27.99358999, 6.57407414};
    static constexpr double high[7] = {1.56439579, -0.72332784, 0.50933352, -0.20517576, 0.04699511, -0.00567784, 0.0002804};
    if (x < 0.2)
        return 1.67;
    if (x < 1)
        return Polynomial(low, 7, x);
    if (x <= 5)
        return Polynomial(high, 7, x);
    return 1;
}

} // namespace

const double FoundationDampingTable[FoundationRows][FoundationColumns] = {
    {0.011, 0.011, 0.011, 0.012, 0.012, 0.013, 0.013, 0.013, 0.014, 0.014, 0.015, 0.016, 0.016, 0.017, 0.018, 0.019, 0.025},  // x = 5.0
    {0.012, 0.012, 0.013, 0.013, 0.014, 0.014, 0.015, 0.015, 0.015, 0.016, 0.017, 0.017, 0.018, 0.019, 0.02, 0.021, 0.027},  // x = 4.5
    {0.013, 0.014, 0.014, 0.015, 0.015, 0.016, 0.016, 0.017, 0.017, 0.018, 0.019, 0.02, 0.02, 0.021, 0.022, 0.024, 0.03},  // x = 4.0
    {0.016, 0.016, 0.017, 0.017, 0.018, 0.018, 0.019, 0.019, 0.02, 0.02, 0.021, 0.022, 0.023, 0.024, 0.025, 0.027, 0.035},  // x = 3.5
    {0.018, 0.019, 0.02, 0.02, 0.021, 0.021, 0.022, 0.023, 0.023, 0.024, 0.025, 0.026, 0.027, 0.028, 0.029, 0.032, 0.04},  // x = 3.0
    {0.022, 0.023, 0.024, 0.024, 0.025, 0.026, 0.026, 0.027, 0.028, 0.028, 0.03, 0.031, 0.032, 0.034, 0.035, 0.038, 0.047},  // x = 2.5
    {0.028, 0.029, 0.03, 0.03, 0.031, 0.032, 0.033, 0.034, 0.035, 0.035, 0.037, 0.039, 0.04, 0.042, 0.043, 0.046, 0.058},  // x = 2.0
    {0.037, 0.038, 0.039, 0.04, 0.041, 0.042, 0.043, 0.045, 0.046, 0.047, 0.049, 0.051, 0.052, 0.054, 0.056, 0.06, 0.075},  // x = 1.5
    {0.04, 0.041, 0.042, 0.043, 0.044, 0.045, 0.046, 0.048, 0.049, 0.05, 0.052, 0.054, 0.056, 0.058, 0.06, 0.064, 0.08},  // x = 1.4
    {0.043, 0.044, 0.045, 0.046, 0.047, 0.049, 0.05, 0.051, 0.052, 0.053, 0.055, 0.058, 0.06, 0.062, 0.064, 0.068, 0.085},  // x = 1.3
    {0.046, 0.047, 0.049, 0.05, 0.051, 0.052, 0.054, 0.055, 0.056, 0.057, 0.06, 0.062, 0.064, 0.066, 0.068, 0.073, 0.091},  // x = 1.2
    {0.05, 0.051, 0.053, 0.054, 0.055, 0.057, 0.058, 0.059, 0.061, 0.062, 0.064, 0.067, 0.069, 0.072, 0.074, 0.079, 0.098},  // x = 1.1
    {0.054, 0.056, 0.057, 0.059, 0.06, 0.062, 0.063, 0.065, 0.066, 0.067, 0.07, 0.073, 0.075, 0.078, 0.08, 0.086, 0.107},  // x = 1.0
    {0.06, 0.062, 0.063, 0.065, 0.066, 0.068, 0.069, 0.071, 0.072, 0.074, 0.077, 0.08, 0.082, 0.085, 0.088, 0.094, 0.117},  // x = 0.9
    {0.066, 0.068, 0.07, 0.072, 0.073, 0.075, 0.077, 0.078, 0.08, 0.082, 0.085, 0.088, 0.091, 0.094, 0.097, 0.104, 0.129},  // x = 0.8
    {0.075, 0.076, 0.078, 0.08, 0.082, 0.084, 0.086, 0.087, 0.089, 0.091, 0.095, 0.098, 0.101, 0.105, 0.108, 0.115, 0.143},  // x = 0.7
    {0.085, 0.087, 0.089, 0.091, 0.093, 0.095, 0.097, 0.099, 0.101, 0.103, 0.107, 0.111, 0.114, 0.118, 0.121, 0.13, 0.162},  // x = 0.6
    {0.097, 0.1, 0.102, 0.104, 0.107, 0.109, 0.111, 0.114, 0.116, 0.118, 0.122, 0.127, 0.131, 0.135, 0.139, 0.149, 0.186},  // x = 0.5
    {0.115, 0.117, 0.12, 0.123, 0.125, 0.128, 0.13, 0.133, 0.136, 0.138, 0.143, 0.148, 0.153, 0.158, 0.163, 0.174, 0.22},  // x = 0.4
    {0.138, 0.141, 0.145, 0.148, 0.151, 0.154, 0.157, 0.16, 0.163, 0.166, 0.172, 0.179, 0.185, 0.191, 0.196, 0.211, 0.269},  // x = 0.3
    {0.173, 0.177, 0.181, 0.185, 0.189, 0.193, 0.197, 0.201, 0.205, 0.208, 0.216, 0.224, 0.232, 0.24, 0.247, 0.266, 0.351},  // x = 0.2
};

TPressureCoefficientTable PressureCoefficientTable = MakePressureTable();

void InitCoefficientTables()
{
    PressureCoefficientTable = MakePressureTable();
}

void ReservoirFactorsAtClass(double Es, double HsRatio, double alpha, double& Rr, double& er)
{
    Int64 percent = Min<Int64>(5 * Round(HsRatio * 20), 100);
    if (percent < 50) {
        Rr = 1;
        er = 0;
        return;
    }
    const TReservoirCurve& curve = ReservoirCurves[ClassIndex(Es) * RatioSteps + (percent - 50) / 5];
    Rr = Polynomial(curve.Rr, 5, alpha);
    er = Polynomial(curve.er, 5, alpha);
}

void InterpolateReservoirFactors(double Es, double HsRatio, double alpha, double& Rr, double& er)
{
    // Modulus classes: both the lowest class up to 1.0e6 psi, both the highest above
    // 5.0e6 psi, otherwise the two classes with Elo < Es <= Ehi. wE weights Elo.
    double Elo = ModulusClass[0];
    double Ehi = ModulusClass[0];
    double wE = 0;
    if (Es > ModulusClass[ModulusClasses - 1]) {
        Elo = Ehi = ModulusClass[ModulusClasses - 1];
        wE = 1;
    } else if (Es > ModulusClass[0]) {
        int hi = ClassIndex(Es);
        Elo = ModulusClass[hi - 1];
        Ehi = ModulusClass[hi];
        wE = std::fabs(Ehi - Es) / (Ehi - Elo);
    }

    // The nearest 5 % step k0 / 20 and its neighbour on the other side of HsRatio, kept
    // within 0..1; wR weights k0. Counting in twentieths keeps the grid values exact.
    double scaled = HsRatio * 20;
    Int64 k0 = Round(scaled);
    Int64 k1 = scaled < k0 ? k0 - 1 : k0 + 1;
    k1 = Max<Int64>(0, Min<Int64>(k1, 20));
    double wR = std::fabs(k1 - scaled);
    double r0 = k0 * 5 / 100.0;
    double r1 = k1 * 5 / 100.0;

    double RrA, erA, RrB, erB, RrC, erC, RrD, erD;
    ReservoirFactorsAtClass(Elo, r0, alpha, RrA, erA);
    ReservoirFactorsAtClass(Elo, r1, alpha, RrB, erB);
    ReservoirFactorsAtClass(Ehi, r0, alpha, RrC, erC);
    ReservoirFactorsAtClass(Ehi, r1, alpha, RrD, erD);
    Rr = RrB * wE * (1 - wR) + RrA * wE * wR + RrC * (1 - wE) * wR + RrD * (1 - wE) * (1 - wR);
    er = erB * wE * (1 - wR) + erA * wE * wR + erC * (1 - wE) * wR + erD * (1 - wE) * (1 - wR);
}

void FoundationFactorsByFit(double Ec, double Ef, int etaf, double& Rf, double& ef)
{
    double x = ModulusRatio(Ec, Ef);
    Rf = FoundationRatioByFit(x);
    if (x >= 5) {
        ef = 0;
        return;
    }
    for (const TDampingFit& fit : DampingFits)
        if (fit.etaf == etaf)
            ef = Polynomial(x >= 1 ? fit.upper : fit.lower, 7, x);
}

void InterpolateFoundationFactors(double Ec, double Ef, int etaf, double& Rf, double& ef)
{
    double x = ModulusRatio(Ec, Ef);
    Rf = FoundationRatioOfTable(x);
    if (x > 5) {
        ef = 0;
        return;
    }

    // Column: damping values outside the table's 1..50 % are held at its first or last
    // column instead of reading outside it.
    double eta = Max(FoundationColumnEta[0], Min(etaf / 100.0, FoundationColumnEta[FoundationColumns - 1]));
    int k = FoundationColumns - 1;
    double fe = 1;
    if (eta < FoundationColumnEta[FoundationColumns - 1]) {
        k = 1;
        while (!(eta < FoundationColumnEta[k]))
            ++k;
        fe = Weight(eta, FoundationColumnEta[k - 1], FoundationColumnEta[k]);
    }

    const auto& T = FoundationDampingTable;
    const int last = FoundationRows - 1;
    if (x <= FoundationRowX[last]) {
        // At and below the last row (x = 0.2) the last row alone.
        ef = (1 - fe) * T[last][k - 1] + fe * T[last][k];
        return;
    }
    int i = 1;
    while (!(FoundationRowX[i] < x))
        ++i;
    double fx = Weight(x, FoundationRowX[i - 1], FoundationRowX[i]);
    double a = (1 - fx) * T[i - 1][k - 1] + fx * T[i][k - 1];
    double b = (1 - fx) * T[i - 1][k] + fx * T[i][k];
    ef = (1 - fe) * a + fe * b;
}

void InterpolatePressureCoefficients(double Rw, double alpha, std::array<double, 8>& C)
{
    // The two alpha blocks around alpha (alpha outside 0..1 is held at the nearest end);
    // d weights the upper block.
    alpha = Max(0.0, Min(alpha, 1.0));
    int upper = 0;
    while (upper < 4 && alpha <= PressureBlocks[upper + 1].alpha)
        ++upper;
    const TPressureBlock& hi = PressureBlocks[upper];
    const TPressureBlock& lo = PressureBlocks[upper + 1];
    double d = Weight(alpha, lo.alpha, hi.alpha);
    for (int n = 0; n < 8; ++n)
        C[n] = d * BlockCoefficient(hi, Rw, n) + (1 - d) * BlockCoefficient(lo, Rw, n);
}

void HydrodynamicForceCoefficient(double Rw, double alpha, double& Ap)
{
    if (Rw >= ForceFitRw[ForceFits - 1]) {
        Ap = Polynomial(ForceFit[ForceFits - 1], 5, alpha);
    } else if (Rw < ForceFitRw[0]) {
        Ap = Polynomial(ForceFit[0], 5, alpha);
    } else {
        int i = 0;
        while (Rw >= ForceFitRw[i + 1])
            ++i;
        double p1 = Polynomial(ForceFit[i], 5, alpha);
        double p2 = Polynomial(ForceFit[i + 1], 5, alpha);
        Ap = p1 + (p2 - p1) * (Rw - ForceFitRw[i]) / (ForceFitRw[i + 1] - ForceFitRw[i]);
    }

    // A fully reflecting bottom resonates near Rw = 1: straight lines replace the fits.
    if (alpha == 1 && Rw > 0.95 && Rw <= 0.99) {
        if (Rw <= 0.96)
            Ap = 0.647 - (0.96 - Rw) * 0.062 / 0.01;
        else if (Rw <= 0.97)
            Ap = 0.739 - (0.97 - Rw) * 0.092 / 0.01;
        else if (Rw <= 0.98)
            Ap = 0.893 - (0.98 - Rw) * 0.154 / 0.01;
        else
            Ap = 1.242 - (0.99 - Rw) * 0.349 / 0.01;
    }
}
