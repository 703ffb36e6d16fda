#include "numerics/VEZ_statcore.h"

void StatSampleCorrection(int count, double& Skewness, double& Kurtosis)
{
    if (count < 4) {
        Skewness = 0;
        Kurtosis = 0;
        return;
    }
    const double n = static_cast<double>(count);
    Kurtosis = (Kurtosis + 3) * n * n * (n + 1) / ((n - 1) * (n - 2) * (n - 3))
             - 3 * (n - 1) * (n - 1) / ((n - 2) * (n - 3));
    Skewness = n * n * Skewness / ((n - 1) * (n - 2));
}
