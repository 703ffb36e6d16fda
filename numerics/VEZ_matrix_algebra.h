#pragma once
// The workers of the threaded cross-product matrix (TMatrix::Square).  A worker
// takes the next column still to do, computes the products of that source column
// with itself and every later column, reports it done and takes the next, until
// none is left.
#include <condition_variable>
#include <mutex>
#include <vector>

#include "numerics/VEZ_matrix.h"
#include "platform/rtl/Threads.h"

// The columns of one Square call and what the workers report back.
class TSquareWork {
public:
    explicit TSquareWork(Integer columns) : FColumns(columns) {}
    // The next column to do, in order; 0 when none is left or the work was stopped.
    Integer Take();
    void ColumnDone(Integer column);
    void WorkerEnded();
    void Stop();
    // Sleeps until a column is reported or every worker has ended; gives the columns
    // reported since the last call and whether a worker is still running.
    bool WaitForNews(std::vector<Integer>& done);
    void WorkerStarted();

private:
    std::mutex FLock;
    std::condition_variable FSignal;
    Integer FColumns;
    Integer FNextColumn = 1;
    bool FStopped = false;
    int FRunning = 0;
    std::vector<Integer> FDone;
};

class TMatSq1ColThread : public TThread {
public:
    ~TMatSq1ColThread() override { WaitFor(); }
    // Columns taken from Work, one after another.
    void Execute() override;
    // Writes (Column, k) of ResMat for k = Column .. columns of SrcMat; Square mirrors
    // them to (k, Column).
    void ComputeColumn();

    Integer Column = 1;
    double Norm = 1;
    TMatrix* SrcMat = nullptr;
    TMatrix* ResMat = nullptr;
    TSquareWork* Work = nullptr;
};
