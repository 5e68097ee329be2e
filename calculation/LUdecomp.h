#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "calculation/FixedMatrix.h"
#include "htl/HTL_Exception.h"

/*! LU decomposition of a square matrix by Crout's method with implicit partial pivoting, and the
    solution of A·x = b with it, including one-step iterative refinement.

    Used by the moisture-storage method for its small dense systems (at most MaxN rows). The
    decomposition is done in the constructor into a copy of the matrix; the object keeps a
    reference to the undecomposed matrix for improve(), so that matrix must outlive it.

    Pivoting: every row is scaled by the reciprocal of its largest absolute element (implicit
    scaling), and the pivot of column j is the row i >= j with the largest scaled magnitude; on a
    tie the first such row wins. Rows are exchanged physically. A pivot that is exactly zero is
    replaced by 1e-40, so a structurally singular matrix still decomposes (the caller's residual
    test then judges the solution). A row that is entirely zero cannot be scaled and makes the
    constructor throw.

    The order of every floating-point operation is fixed (sums in ascending index order, division
    by the pivot as multiplication by its reciprocal) so that results are reproducible to the last
    bit.
*/
template <typename T, int MaxN = 32>
class LUdecomp
{
public:
    using Matrix = FixedMatrix<T, MaxN>;
    using Vector = FixedVector<T, MaxN>;

    /*! Decomposes a (square). Throws HTL::Exception "Singular matrix in LUdecomp" when a row of a
        is entirely zero. a is referenced, not copied, for improve(). */
    explicit LUdecomp(const Matrix &a);

    /*! Solves A·x = b: x receives a copy of b and is transformed in place (x may be b).
        Throws HTL::Exception when the length of b differs from the row count or that is below 2. */
    void solve(const Vector &b, Vector &x) const;

    /*! One step of iterative refinement of a solution x of A·x = b: the residual
        r = A·x − b is formed with the undecomposed matrix, L·U·δ = r is solved and x ← x − δ. */
    void improve(const Vector &b, Vector &x) const;

    /*! Row count n. */
    int size() const { return m_n; }
    /*! The combined factors: U on and above the diagonal, L (unit diagonal omitted) below it,
        both for the row-permuted matrix. */
    const Matrix &lu() const { return m_lu; }
    /*! The row exchanged with row j at elimination step j. */
    int permutation(int j) const { return m_indx[static_cast<std::size_t>(j)]; }
    /*! +1 for an even, −1 for an odd number of row exchanges. */
    T parity() const { return m_parity; }

private:
    int m_n = 0;
    Matrix m_lu;
    std::array<int, static_cast<std::size_t>(MaxN)> m_indx;
    T m_parity = 1;
    const Matrix &m_aref;
};

template <typename T, int MaxN>
LUdecomp<T, MaxN>::LUdecomp(const Matrix &a)
    : m_n(a.rows())
    , m_lu(a)
    , m_aref(a)
{
    // A replacement for an exactly vanishing pivot: tiny enough not to disturb a regular
    // system, large enough that its reciprocal stays finite.
    const T tiny = T(1.0e-40);
    const int n = m_n;
    if (a.cols() != n)
        throw HTL::Exception("Matrix is not square in LUdecomp", "[LUdecomp::constructor]");

    // implicit scaling: reciprocal of the largest magnitude of each row
    std::array<T, static_cast<std::size_t>(MaxN)> vv;
    for (int i = 0; i < n; ++i) {
        const T *row = m_lu.rowPtr(i);
        T big = 0;
        for (int j = 0; j < n; ++j) {
            const T t = std::fabs(row[j]);
            if (t > big)
                big = t;
        }
        if (big == T(0))
            throw HTL::Exception("Singular matrix in LUdecomp", "[LUdecomp::constructor]");
        vv[static_cast<std::size_t>(i)] = T(1) / big;
    }

    m_parity = 1;
    for (int j = 0; j < n; ++j) {
        // U part of column j
        for (int i = 0; i < j; ++i) {
            T *ri = m_lu.rowPtr(i);
            T sum = ri[j];
            for (int k = 0; k < i; ++k)
                sum -= ri[k] * m_lu(k, j);
            ri[j] = sum;
        }
        // rest of column j, searching the pivot among the scaled candidates
        T big = 0;
        int imax = j;
        for (int i = j; i < n; ++i) {
            T *ri = m_lu.rowPtr(i);
            T sum = ri[j];
            for (int k = 0; k < j; ++k)
                sum -= ri[k] * m_lu(k, j);
            ri[j] = sum;
            const T scaled = vv[static_cast<std::size_t>(i)] * std::fabs(sum);
            if (scaled > big) { // strict: the first row wins a tie
                big = scaled;
                imax = i;
            }
        }
        if (j != imax) {
            m_lu.swapRows(imax, j);
            m_parity = -m_parity;
            vv[static_cast<std::size_t>(imax)] = vv[static_cast<std::size_t>(j)];
        }
        m_indx[static_cast<std::size_t>(j)] = imax;
        if (m_lu(j, j) == T(0))
            m_lu(j, j) = tiny;
        if (j != n - 1) {
            const T dum = T(1) / m_lu(j, j);
            for (int i = j + 1; i < n; ++i)
                m_lu(i, j) *= dum;
        }
    }
}

template <typename T, int MaxN>
void LUdecomp<T, MaxN>::solve(const Vector &b, Vector &x) const
{
    const int n = m_n;
    if (b.size() != n || n < 2)
        throw HTL::Exception("LUdecomp::solve bad size", "[LUdecomp<T>::solve]");
    if (&x != &b)
        x = b;

    // forward substitution in the permuted order; leading zeros of the right-hand side are
    // skipped (they contribute nothing)
    int first = -1;
    for (int i = 0; i < n; ++i) {
        const int ip = m_indx[static_cast<std::size_t>(i)];
        T sum = x[ip];
        x[ip] = x[i];
        if (first >= 0) {
            const T *ri = m_lu.rowPtr(i);
            for (int j = first; j < i; ++j)
                sum -= ri[j] * x[j];
        } else if (sum != T(0)) {
            first = i;
        }
        x[i] = sum;
    }
    // back substitution
    for (int i = n - 1; i >= 0; --i) {
        const T *ri = m_lu.rowPtr(i);
        T sum = x[i];
        for (int j = i + 1; j < n; ++j)
            sum -= ri[j] * x[j];
        x[i] = sum / ri[i];
    }
}

template <typename T, int MaxN>
void LUdecomp<T, MaxN>::improve(const Vector &b, Vector &x) const
{
    const int n = m_n;
    if (b.size() != n || x.size() != n || n < 2)
        throw HTL::Exception("LUdecomp::improve bad size", "[LUdecomp<T>::improve]");
    Vector r;
    r.setSize(n);
    for (int i = 0; i < n; ++i) {
        const T *ai = m_aref.rowPtr(i);
        T sum = 0;
        for (int j = 0; j < n; ++j)
            sum += ai[j] * x[j];
        r[i] = sum - b[i];
    }
    solve(r, r);
    for (int i = 0; i < n; ++i)
        x[i] -= r[i];
}
