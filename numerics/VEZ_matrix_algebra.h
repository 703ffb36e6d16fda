#pragma once
// The worker of the threaded cross-product matrix (TMatrix::Square): it computes
// the products of one source column with itself and every later column.
#include "numerics/VEZ_matrix.h"
#include "platform/rtl/Threads.h"

class TMatSq1ColThread : public TThread {
public:
    ~TMatSq1ColThread() override { WaitFor(); }
    // Writes (Column, k) and (k, Column) of ResMat for k = Column .. columns of SrcMat.
    void Execute() override;

    Integer Column = 1;
    double Norm = 1;
    TMatrix* SrcMat = nullptr;
    TMatrix* ResMat = nullptr;
};
