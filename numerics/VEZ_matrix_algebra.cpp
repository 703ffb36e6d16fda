// Linear algebra of TMatrix: transposition, products, the threaded cross-product
// matrix, LU and Cholesky decompositions, determinant, inversion, hat matrix,
// norms with the singular value decomposition, balancing and differencing.
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_matrix.h"
#include "numerics/VEZ_matrix_algebra.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Threads.h"

bool TMatrix::Transpose()
{
    TDouble2DArray t;
    try {
        t = TransposedColumns(Mat, FNCol, FNRow);
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    Mat = t;
    std::swap(FNCol, FNRow);
    Changed();
    return true;
}

bool TMatrix::Multiply(TMatrix* MatB, TMatrix* MatRes)
{
    if (!MatB || !MatRes || FNCol != MatB->FNRow) return false;
    MatRes->Resize(MatB->FNCol, FNRow);
    for (Integer c = 1; c <= MatB->FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r) {
            double sum = 0;
            for (Integer i = 1; i <= FNCol; ++i) sum += GetVal(i, r) * MatB->GetVal(c, i);
            MatRes->SetVal(c, r, sum);
        }
    Changed();
    return true;
}

bool TMatrix::MultiplyTransposed(TMatrix* MatB, TMatrix* MatRes)
{
    if (!MatB || !MatRes || FNCol != MatB->FNCol) return false;
    MatRes->Resize(MatB->FNRow, FNRow);
    for (Integer c = 1; c <= MatB->FNRow; ++c)
        for (Integer r = 1; r <= FNRow; ++r) {
            double sum = 0;
            for (Integer i = 1; i <= FNCol; ++i) sum += GetVal(i, r) * MatB->GetVal(i, c);
            MatRes->SetVal(c, r, sum);
        }
    Changed();
    return true;
}

bool TMatrix::TransposeAndMultiply(TMatrix* MatB, TMatrix* MatRes)
{
    if (!MatB || !MatRes || FNRow != MatB->FNRow) return false;
    MatRes->Resize(MatB->FNCol, FNCol);
    for (Integer c = 1; c <= MatB->FNCol; ++c)
        for (Integer r = 1; r <= FNCol; ++r) {
            double sum = 0;
            for (Integer k = 1; k <= FNRow; ++k) sum += GetVal(r, k) * MatB->GetVal(c, k);
            MatRes->SetVal(c, r, sum);
        }
    Changed();
    return true;
}

bool TMatrix::Multiply(TVector* VecB, TVector* VecRes)
{
    if (!VecB || !VecRes || FNCol != VecB->NrOfElem()) return false;
    VecRes->Resize(FNRow);
    for (Integer r = 1; r <= FNRow; ++r) {
        double sum = 0;
        for (Integer i = 1; i <= FNCol; ++i) sum += VecB->GetVal(i) * GetVal(i, r);
        VecRes->SetVal(r, sum);
    }
    Changed();
    return true;
}

bool TMatrix::TransposeAndMultiply(TVector* VecB, TVector* VecRes)
{
    if (!VecB || !VecRes || FNRow != VecB->NrOfElem()) return false;
    VecRes->Resize(FNCol);
    for (Integer c = 1; c <= FNCol; ++c) {
        double sum = 0;
        for (Integer k = 1; k <= FNRow; ++k) sum += VecB->GetVal(k) * GetVal(c, k);
        VecRes->SetVal(c, sum);
    }
    Changed();
    return true;
}

bool TMatrix::EMult(TMatrix* MatB, TMatrix* MatRes)
{
    if (!MatB || !MatRes || FNCol != MatB->FNCol || FNRow != MatB->FNRow) return false;
    MatRes->Resize(FNCol, FNRow);
    for (Integer c = 1; c <= FNCol; ++c)
        for (Integer r = 1; r <= FNRow; ++r) MatRes->SetVal(c, r, GetVal(c, r) * MatB->GetVal(c, r));
    Changed();
    return true;
}

bool TMatrix::Add(TMatrix* MatB)
{
    if (!MatB || FNCol != MatB->FNCol || FNRow != MatB->FNRow) return false;
    for (Integer c = 0; c < FNCol; ++c)
        for (Integer r = 0; r < FNRow; ++r) Mat[c][r] += MatB->Mat[c][r];
    Changed();
    return true;
}

bool TMatrix::Subtract(TMatrix* MatB)
{
    if (!MatB || FNCol != MatB->FNCol || FNRow != MatB->FNRow) return false;
    for (Integer c = 0; c < FNCol; ++c)
        for (Integer r = 0; r < FNRow; ++r) Mat[c][r] -= MatB->Mat[c][r];
    Changed();
    return true;
}

void TMatrix::SMult(double Scalar)
{
    for (Integer c = 0; c < FNCol; ++c)
        for (Integer r = 0; r < FNRow; ++r) Mat[c][r] *= Scalar;
    Changed();
}

void TMatrix::SAdd(double Scalar)
{
    for (Integer c = 0; c < FNCol; ++c)
        for (Integer r = 0; r < FNRow; ++r) Mat[c][r] += Scalar;
    Changed();
}

// ---- cross-product matrix ----------------------------------------------------------

Integer TSquareWork::Take()
{
    std::lock_guard<std::mutex> lock(FLock);
    if (FStopped || FNextColumn > FColumns) return 0;
    return FNextColumn++;
}

void TSquareWork::ColumnDone(Integer column)
{
    std::lock_guard<std::mutex> lock(FLock);
    FDone.push_back(column);
    FSignal.notify_one();
}

void TSquareWork::WorkerStarted()
{
    std::lock_guard<std::mutex> lock(FLock);
    ++FRunning;
}

void TSquareWork::WorkerEnded()
{
    std::lock_guard<std::mutex> lock(FLock);
    --FRunning;
    FSignal.notify_one();
}

void TSquareWork::Stop()
{
    std::lock_guard<std::mutex> lock(FLock);
    FStopped = true;
}

bool TSquareWork::WaitForNews(std::vector<Integer>& done)
{
    std::unique_lock<std::mutex> lock(FLock);
    FSignal.wait(lock, [this] { return !FDone.empty() || FRunning == 0; });
    done.clear();
    done.swap(FDone);
    return FRunning > 0;
}

void TMatSq1ColThread::ComputeColumn()
{
    const TDouble2DArray& a = SrcMat->Mat;
    TDouble2DArray& res = ResMat->Mat;
    const Integer n = SrcMat->FNCol;
    const Integer m = SrcMat->FNRow;
    const double* colC = a[Column - 1].begin();
    double* out = res[Column - 1].begin();
    for (Integer k = Column; k <= n; ++k) {
        const double* colK = a[k - 1].begin();
        double sum = 0;
        for (Integer j = 0; j < m; ++j) sum += colC[j] * colK[j];
        out[k - 1] = sum / Norm;
    }
}

void TMatSq1ColThread::Execute()
{
    while ((Column = Work->Take()) != 0) {
        ComputeColumn();
        Work->ColumnDone(Column);
    }
    Work->WorkerEnded();
}

bool TMatrix::Square(TMatrix* MatRes, double Norm)
{
    return Square(MatRes, Norm, TThread::ProcessorCount());
}

bool TMatrix::Square(TMatrix* MatRes, double Norm, Integer NThreads)
{
    if (!MatRes) return false;
    const Integer n = FNCol;
    MatRes->Resize(n, n);
    // Each column is written by one worker below the diagonal only; the columns
    // done are mirrored above it at the end, so no two threads share a cache line.
    std::vector<Integer> doneColumns;
    auto mirror = [&] {
        TDouble2DArray& res = MatRes->Mat;
        for (Integer c : doneColumns)
            for (Integer k = c + 1; k <= n; ++k) res[k - 1][c - 1] = res[c - 1][k - 1];
    };
    TSquareWork work(n);
    auto makeWorker = [&] {
        auto worker = std::make_unique<TMatSq1ColThread>();
        worker->Norm = Norm;
        worker->SrcMat = this;
        worker->ResMat = MatRes;
        worker->Work = &work;
        return worker;
    };

    bool aborted = false;
    if (NThreads <= 1) {
        auto worker = makeWorker();
        while (!aborted && (worker->Column = work.Take()) != 0) {
            aborted = ProgressAbort;
            if (aborted) break;
            CountProgressStep();
            worker->ComputeColumn();
            doneColumns.push_back(worker->Column);
        }
        mirror();
        return !aborted;
    }

    std::vector<std::unique_ptr<TMatSq1ColThread>> workers;
    for (Integer i = 0; i < Min(NThreads, n); ++i) {
        workers.push_back(makeWorker());
        work.WorkerStarted();
        workers.back()->Start();
    }
    // The calling thread sleeps until a worker reports a column or its end.
    std::vector<Integer> done;
    bool running = !workers.empty();
    while (running) {
        running = work.WaitForNews(done);
        if (ProgressHook) ProgressHook(ProgressCounter);
        if (ProgressAbort && !aborted) {
            aborted = true;
            work.Stop();
        }
        for (Integer c : done) {
            doneColumns.push_back(c);
            ProgressCounter += 1;  // one column done; the hook is called on the next wake-up
        }
    }
    for (auto& worker : workers) worker->WaitFor();
    workers.clear();
    mirror();
    if (ProgressHook) ProgressHook(ProgressCounter);
    return !aborted;
}

// ---- LU decomposition, determinant, inversion --------------------------------------

namespace {
// Row-major work copy: w[i][j] is row i, column j, both from 0.
using TWork = std::vector<std::vector<double>>;

// Reciprocal of the largest absolute value of every row; false for a zero row.
bool RowScales(const TWork& w, std::vector<double>& scale)
{
    const size_t n = w.size();
    scale.assign(n, 0);
    for (size_t i = 0; i < n; ++i) {
        double big = 0;
        for (double v : w[i]) big = Max(big, std::fabs(v));
        if (big == 0) return false;
        scale[i] = 1 / big;
    }
    return true;
}

// Crout's LU decomposition in place with scaled partial pivoting.  perm[j] is the
// row exchanged with row j; sign the permutation's sign.  beforeColumn runs before
// each column and stops the work when it returns false.  False for a pivot below
// 1e-100 (set to 1e-100) or a stop.
template <class BeforeColumn>
bool CroutLU(TWork& w, std::vector<double>& scale, std::vector<size_t>& perm, Integer& sign,
             BeforeColumn beforeColumn)
{
    const size_t n = w.size();
    bool result = true;
    perm.assign(n, 0);
    for (size_t j = 0; j < n; ++j) {
        if (!beforeColumn()) return false;
        for (size_t i = 0; i < j; ++i) {
            double sum = w[i][j];
            for (size_t k = 0; k < i; ++k) sum -= w[i][k] * w[k][j];
            w[i][j] = sum;
        }
        double big = 0;
        size_t pivot = j;
        for (size_t i = j; i < n; ++i) {
            double sum = w[i][j];
            for (size_t k = 0; k < j; ++k) sum -= w[i][k] * w[k][j];
            w[i][j] = sum;
            const double weighted = scale[i] * std::fabs(sum);
            if (weighted >= big) {
                big = weighted;
                pivot = i;
            }
        }
        if (pivot != j) {
            std::swap(w[pivot], w[j]);
            sign = -sign;
            scale[pivot] = scale[j];
        }
        perm[j] = pivot;
        if (std::fabs(w[j][j]) < 1e-100) {
            result = false;
            w[j][j] = 1e-100;
        }
        if (j + 1 < n)
            for (size_t i = j + 1; i < n; ++i) w[i][j] /= w[j][j];
    }
    return result;
}

TWork WorkCopy(const TMatrix& m)
{
    TWork w(static_cast<size_t>(m.NrOfRows()), std::vector<double>(static_cast<size_t>(m.NrOfColumns())));
    for (Integer r = 1; r <= m.NrOfRows(); ++r)
        for (Integer c = 1; c <= m.NrOfColumns(); ++c) w[r - 1][c - 1] = m.GetVal(c, r);
    return w;
}
}  // namespace

bool TMatrix::LUdecomposition(TMatrix* MatL, TMatrix* MatU, Integer& NumPerm)
{
    NumPerm = 1;
    if (FNCol != FNRow || !MatL || !MatU) return false;
    const Integer n = FNCol;
    MatL->ResizeAndClear(n, n);
    MatU->Clone(this);
    TWork w = WorkCopy(*this);
    std::vector<double> scale;
    if (!RowScales(w, scale)) return false;
    std::vector<size_t> perm;
    const bool result = CroutLU(w, scale, perm, NumPerm, [] { return true; });
    for (Integer c = 1; c <= n; ++c)
        for (Integer r = 1; r <= n; ++r) MatU->SetVal(c, r, w[r - 1][c - 1]);
    if (result) {
        for (Integer c = 1; c <= n; ++c) {
            MatL->SetVal(c, c, 1);
            for (Integer r = c + 1; r <= n; ++r) {
                MatL->SetVal(c, r, MatU->GetVal(c, r));
                MatU->SetVal(c, r, 0);
            }
        }
    }
    return result;
}

double TMatrix::Determinant()
{
    TMatrix l(nullptr), u(nullptr);
    Integer numPerm = 1;
    if (!LUdecomposition(&l, &u, numPerm)) return 0;
    double det = numPerm;
    for (Integer c = 1; c <= FNCol; ++c) det *= u.GetVal(c, c);
    return det;
}

bool TMatrix::Invert()
{
    if (FNCol != FNRow || FNCol == 0) return false;
    const Integer n = FNCol;
    TWork w;
    std::vector<double> scale, column;
    TWork inverse;
    try {
        w = WorkCopy(*this);
        inverse.assign(static_cast<size_t>(n), std::vector<double>(static_cast<size_t>(n)));
        column.resize(static_cast<size_t>(n));
    } catch (const std::bad_alloc&) {
        Fail(": not enough memory on heap");
    }
    auto storeWork = [&](const TWork& from) {
        for (Integer c = 0; c < n; ++c)
            for (Integer r = 0; r < n; ++r) Mat[c][r] = from[static_cast<size_t>(r)][static_cast<size_t>(c)];
    };
    bool result = !ProgressAbort && RowScales(w, scale);
    if (!result) {
        Changed();
        return false;
    }
    std::vector<size_t> perm;
    Integer sign = 1;
    result = CroutLU(w, scale, perm, sign, [] {
        CountProgressStep();
        return !ProgressAbort;
    });
    for (Integer j = 0; j < n && result; ++j) {
        CountProgressStep();
        if (ProgressAbort) {
            result = false;
            break;
        }
        // Solve L U x = e(j) through the recorded exchanges.
        std::fill(column.begin(), column.end(), 0.0);
        column[static_cast<size_t>(j)] = 1;
        Integer first = -1;
        for (Integer i = 0; i < n; ++i) {
            const size_t p = perm[static_cast<size_t>(i)];
            double sum = column[p];
            column[p] = column[static_cast<size_t>(i)];
            if (first >= 0)
                for (Integer k = first; k < i; ++k) sum -= w[static_cast<size_t>(i)][static_cast<size_t>(k)] * column[static_cast<size_t>(k)];
            else if (sum != 0)
                first = i;
            column[static_cast<size_t>(i)] = sum;
        }
        for (Integer i = n - 1; i >= 0; --i) {
            double sum = column[static_cast<size_t>(i)];
            for (Integer k = i + 1; k < n; ++k) sum -= w[static_cast<size_t>(i)][static_cast<size_t>(k)] * column[static_cast<size_t>(k)];
            column[static_cast<size_t>(i)] = sum / w[static_cast<size_t>(i)][static_cast<size_t>(i)];
        }
        for (Integer i = 0; i < n; ++i) inverse[static_cast<size_t>(i)][static_cast<size_t>(j)] = column[static_cast<size_t>(i)];
    }
    storeWork(result ? inverse : w);
    Changed();
    return result;
}

bool TMatrix::CholeskyDecomp(TMatrix* MatL)
{
    if (FNCol != FNRow) return false;
    const Integer n = FNCol;
    std::vector<double> p(static_cast<size_t>(n) + 1, 0.0);
    bool result = true;
    for (Integer i = 1; i <= n && result; ++i)
        for (Integer j = i; j <= n; ++j) {
            double s = GetVal(i, j);
            for (Integer k = i - 1; k >= 1; --k) s -= GetVal(i, k) * GetVal(j, k);
            if (j == i) {
                // A non-positive pivot ends the decomposition; later columns would
                // divide by it.
                if (s > 0) {
                    p[static_cast<size_t>(i)] = std::sqrt(s);
                } else {
                    result = false;
                    break;
                }
            } else {
                SetVal(j, i, s / p[static_cast<size_t>(i)]);
            }
        }
    if (!MatL) return result;
    MatL->Resize(n, n);
    for (Integer c = 1; c <= n; ++c) {
        for (Integer r = c; r <= n; ++r) MatL->SetVal(c, r, GetVal(r, c));
        MatL->SetVal(c, c, p[static_cast<size_t>(c)]);
    }
    return result;
}

bool TMatrix::CalcHatMatrix(TMatrix* HatMat)
{
    TMatrix b(nullptr), r(nullptr), r2(nullptr);
    b.Clone(this);
    b.Transpose();
    b.Multiply(this, &r);
    if (!r.Invert() || !HatMat) return false;
    Multiply(&r, &r2);
    r2.Multiply(&b, HatMat);
    return true;
}

// ---- norms and the singular value decomposition ------------------------------------

namespace {
double Hypot(double a, double b) { return std::sqrt(a * a + b * b); }
double WithSign(double a, double b) { return b >= 0 ? std::fabs(a) : -std::fabs(a); }
}  // namespace

// Golub-Reinsch decomposition A = U diag(W) V^T of an m x n matrix; A becomes U.
// Elements go through GetVal and SetVal, so cells outside A read 0 and writes
// there are dropped.  False when a value needed a 30th sweep or on abort.
static bool SingularValueDecomp(TMatrix& A, TMatrix& V, TVector& W)
{
    const Integer m = A.NrOfRows();
    const Integer n = A.NrOfColumns();
    auto a = [&](Integer i, Integer j) { return A.GetVal(j, i); };
    auto setA = [&](Integer i, Integer j, double v) { A.SetVal(j, i, v); };
    auto v = [&](Integer i, Integer j) { return V.GetVal(j, i); };
    auto setV = [&](Integer i, Integer j, double x) { V.SetVal(j, i, x); };
    std::vector<double> rv1(static_cast<size_t>(n) + 2, 0.0);
    bool result = true;
    double g = 0, scale = 0, anorm = 0, s = 0, f = 0, h = 0;
    Integer l = 1;
    auto step = [&] {
        CountProgressStep();
        return !ProgressAbort;
    };

    for (Integer i = 1; i <= n; ++i) {
        if (!step()) return false;
        l = i + 1;
        rv1[static_cast<size_t>(i)] = scale * g;
        g = s = scale = 0;
        if (i <= m) {
            for (Integer k = i; k <= m; ++k) scale += std::fabs(a(k, i));
            if (scale != 0) {
                for (Integer k = i; k <= m; ++k) {
                    setA(k, i, a(k, i) / scale);
                    s += a(k, i) * a(k, i);
                }
                f = a(i, i);
                g = -WithSign(std::sqrt(s), f);
                h = f * g - s;
                setA(i, i, f - g);
                for (Integer j = l; j <= n; ++j) {
                    s = 0;
                    for (Integer k = i; k <= m; ++k) s += a(k, i) * a(k, j);
                    f = s / h;
                    for (Integer k = i; k <= m; ++k) setA(k, j, a(k, j) + f * a(k, i));
                }
                for (Integer k = i; k <= m; ++k) setA(k, i, a(k, i) * scale);
            }
        }
        W.SetVal(i, scale * g);
        g = s = scale = 0;
        if (i <= m && i != n) {
            for (Integer k = l; k <= n; ++k) scale += std::fabs(a(i, k));
            if (scale != 0) {
                for (Integer k = l; k <= n; ++k) {
                    setA(i, k, a(i, k) / scale);
                    s += a(i, k) * a(i, k);
                }
                f = a(i, l);
                g = -WithSign(std::sqrt(s), f);
                h = f * g - s;
                setA(i, l, f - g);
                for (Integer k = l; k <= n; ++k) rv1[static_cast<size_t>(k)] = a(i, k) / h;
                for (Integer j = l; j <= m; ++j) {
                    s = 0;
                    for (Integer k = l; k <= n; ++k) s += a(j, k) * a(i, k);
                    for (Integer k = l; k <= n; ++k) setA(j, k, a(j, k) + s * rv1[static_cast<size_t>(k)]);
                }
                for (Integer k = l; k <= n; ++k) setA(i, k, a(i, k) * scale);
            }
        }
        anorm = Max(anorm, std::fabs(W.GetVal(i)) + std::fabs(rv1[static_cast<size_t>(i)]));
    }

    for (Integer i = n; i >= 1; --i) {
        if (!step()) return false;
        if (i < n) {
            if (g != 0) {
                for (Integer j = l; j <= n; ++j) setV(j, i, (a(i, j) / a(i, l)) / g);
                for (Integer j = l; j <= n; ++j) {
                    s = 0;
                    for (Integer k = l; k <= n; ++k) s += a(i, k) * v(k, j);
                    for (Integer k = l; k <= n; ++k) setV(k, j, v(k, j) + s * v(k, i));
                }
            }
            for (Integer j = l; j <= n; ++j) {
                setV(i, j, 0);
                setV(j, i, 0);
            }
        }
        setV(i, i, 1);
        g = rv1[static_cast<size_t>(i)];
        l = i;
    }

    for (Integer i = n; i >= 1; --i) {
        if (!step()) return false;
        l = i + 1;
        g = W.GetVal(i);
        for (Integer j = l; j <= n; ++j) setA(i, j, 0);
        if (g != 0) {
            g = 1 / g;
            for (Integer j = l; j <= n; ++j) {
                s = 0;
                for (Integer k = l; k <= m; ++k) s += a(k, i) * a(k, j);
                f = (s / a(i, i)) * g;
                for (Integer k = i; k <= m; ++k) setA(k, j, a(k, j) + f * a(k, i));
            }
            for (Integer j = i; j <= m; ++j) setA(j, i, a(j, i) * g);
        } else {
            for (Integer j = i; j <= m; ++j) setA(j, i, 0);
        }
        setA(i, i, a(i, i) + 1);
    }

    for (Integer k = n; k >= 1; --k) {
        if (!step()) return false;
        for (Integer its = 1; its <= 30; ++its) {
            bool flag = true;
            Integer nm = 0;
            for (l = k; l >= 1; --l) {
                nm = l - 1;
                if (std::fabs(rv1[static_cast<size_t>(l)]) + anorm == anorm) {
                    flag = false;
                    break;
                }
                if (std::fabs(W.GetVal(nm)) + anorm == anorm) break;
            }
            double c = 0, x = 0, y = 0, z = 0;
            if (flag) {
                c = 0;
                s = 1;
                for (Integer i = l; i <= k; ++i) {
                    f = s * rv1[static_cast<size_t>(i)];
                    rv1[static_cast<size_t>(i)] = c * rv1[static_cast<size_t>(i)];
                    if (std::fabs(f) + anorm == anorm) break;
                    g = W.GetVal(i);
                    h = Hypot(f, g);
                    W.SetVal(i, h);
                    h = 1 / h;
                    c = g * h;
                    s = -f * h;
                    for (Integer j = 1; j <= m; ++j) {
                        y = a(j, nm);
                        z = a(j, i);
                        setA(j, nm, y * c + z * s);
                        setA(j, i, z * c - y * s);
                    }
                }
            }
            z = W.GetVal(k);
            if (l == k) {
                if (z < 0) {
                    W.SetVal(k, -z);
                    for (Integer j = 1; j <= n; ++j) setV(j, k, -v(j, k));
                }
                break;
            }
            if (its == 30) result = false;
            x = W.GetVal(l);
            nm = k - 1;
            y = W.GetVal(nm);
            g = rv1[static_cast<size_t>(nm)];
            h = rv1[static_cast<size_t>(k)];
            f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2 * h * y);
            g = Hypot(f, 1);
            f = ((x - z) * (x + z) + h * ((y / (f + WithSign(g, f))) - h)) / x;
            c = s = 1;
            for (Integer j = l; j <= nm; ++j) {
                const Integer i = j + 1;
                g = rv1[static_cast<size_t>(i)];
                y = W.GetVal(i);
                h = s * g;
                g = c * g;
                z = Hypot(f, h);
                rv1[static_cast<size_t>(j)] = z;
                c = f / z;
                s = h / z;
                f = x * c + g * s;
                g = g * c - x * s;
                h = y * s;
                y *= c;
                for (Integer jj = 1; jj <= n; ++jj) {
                    x = v(jj, j);
                    z = v(jj, i);
                    setV(jj, j, x * c + z * s);
                    setV(jj, i, z * c - x * s);
                }
                z = Hypot(f, h);
                W.SetVal(j, z);
                if (z != 0) {
                    z = 1 / z;
                    c = f * z;
                    s = h * z;
                }
                f = c * g + s * y;
                x = c * y - s * g;
                for (Integer jj = 1; jj <= m; ++jj) {
                    y = a(jj, j);
                    z = a(jj, i);
                    setA(jj, j, y * c + z * s);
                    setA(jj, i, z * c - y * s);
                }
            }
            rv1[static_cast<size_t>(l)] = 0;
            rv1[static_cast<size_t>(k)] = f;
            W.SetVal(k, x);
        }
    }
    return result;
}

double TMatrix::Norm(TNormType nt)
{
    double result = 0;
    switch (nt) {
    case ntColwise:
        for (Integer c = 1; c <= FNCol; ++c) {
            double sum = 0;
            for (Integer r = 1; r <= FNRow; ++r) sum += std::fabs(GetVal(c, r));
            result = Max(result, sum);
        }
        return result;
    case ntRowwise:
        for (Integer r = 1; r <= FNRow; ++r) {
            double sum = 0;
            for (Integer c = 1; c <= FNCol; ++c) sum += std::fabs(GetVal(c, r));
            result = Max(result, sum);
        }
        return result;
    case ntFrobenius:
        for (Integer c = 1; c <= FNCol; ++c)
            for (Integer r = 1; r <= FNRow; ++r) result += GetVal(c, r) * GetVal(c, r);
        return std::sqrt(result);
    case ntSpectral: {
        TMatrix a(nullptr), v(nullptr);
        TVector w(nullptr);
        a.Clone(this);
        v.Resize(FNCol, FNCol);
        w.Resize(FNCol);
        if (!SingularValueDecomp(a, v, w)) throw EVEZMatrixError("near singular covariance matrix");
        for (Integer i = 1; i <= w.NrOfElem(); ++i) result = Max(result, w.GetVal(i));
        return result;
    }
    }
    return 0;
}

double TMatrix::Trace() const
{
    if (FNCol != FNRow || FNCol == 0) return 0;
    double sum = 0;
    for (Integer i = 0; i < FNCol; ++i) sum += Mat[i][i];
    return sum;
}

bool TMatrix::Balance()
{
    if (FNCol != FNRow) return false;
    const Integer n = FNCol;
    // Each pass brings the sums closer; the pass limit only guards against values
    // (infinities, NaN) for which they never settle.
    for (int pass = 0; pass < 1000; ++pass) {
        double largest = 0;
        for (Integer i = 0; i < n; ++i) {
            double rowSum = 0, colSum = 0;
            for (Integer j = 0; j < n; ++j)
                if (j != i) {
                    rowSum += std::fabs(Mat[j][i]);
                    colSum += std::fabs(Mat[i][j]);
                }
            if (colSum == 0 || rowSum == 0) continue;
            const double f = std::sqrt(rowSum / colSum);
            largest = Max(largest, f);
            for (Integer j = 0; j < n; ++j)
                if (j != i) {
                    Mat[j][i] /= f;
                    Mat[i][j] *= f;
                }
        }
        if (!(largest >= 1.05)) break;
    }
    return true;
}

void TMatrix::Diff(Integer Order)
{
    const Integer m = FNRow;
    if (Order < 1 || Order > 10 || Order >= m) return;
    for (Integer pass = 0; pass < Order; ++pass)
        for (Integer c = 0; c < FNCol; ++c)
            for (Integer r = 0; r < m - 1; ++r) Mat[c][r] = Mat[c][r + 1] - Mat[c][r];
    Resize(FNCol, m - Order);
}
