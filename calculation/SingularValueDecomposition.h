#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "calculation/FixedMatrix.h"
#include "htl/HTL_Exception.h"

/*! Singular value decomposition A = U·diag(w)·Vᵀ of an m x n matrix (Golub–Reinsch), and the
    least-squares solution of A·x = b with small singular values dropped.

    The fallback of the linear solver chain for systems that LU decomposition and refinement cannot
    solve to the required residual, typically (nearly) singular ones: dropping the components of
    the singular values at or below a threshold gives the minimum-norm least-squares solution.

    The constructor decomposes (Householder reduction to bidiagonal form, accumulation of the
    left and right transformations, diagonalisation by implicit-shift QR sweeps), then sorts the
    singular values into descending order, permuting the columns of U and V alike, and flips the
    signs of a column pair of U and V when most of their elements are negative. The default
    threshold is tsh = 0.5·√(m + n + 1)·w[0]·eps.
*/
template <typename T, int MaxN = 32>
class SingularValueDecomposition
{
public:
    using Matrix = FixedMatrix<T, MaxN>;
    using Vector = FixedVector<T, MaxN>;

    /*! Decomposes a. Throws HTL::Exception "no convergence in 30 svdcmp iterations" when the QR
        iteration for one singular value needs more than 30 sweeps. */
    explicit SingularValueDecomposition(const Matrix &a);

    /*! Solves A·x = b in the least-squares sense; components of singular values not above
        threshold are dropped, a negative threshold means the default tsh. x is resized to n.
        Throws HTL::Exception when the length of b differs from m or m is below 2. */
    void solve(const Vector &b, Vector &x, T threshold = T(-1)) const;

    int rows() const { return m_m; }
    int cols() const { return m_n; }
    /*! U (m x n), columns ordered like w. */
    const Matrix &u() const { return m_u; }
    /*! V (n x n), columns ordered like w. */
    const Matrix &v() const { return m_v; }
    /*! Singular values in descending order. */
    const Vector &w() const { return m_w; }
    /*! The default threshold of solve(). */
    T defaultThreshold() const { return m_tsh; }

    /*! Machine epsilon of double, the relative size below which a bidiagonal element counts as
        zero and the scale of the default threshold. */
    static constexpr T eps = T(2.220446049250313e-16);

private:
    void decompose();
    void reorder();
    /*! sqrt(a² + b²) without destructive overflow or underflow. */
    static T pythag(T a, T b);
    /*! |a| with the sign of b. */
    static T withSignOf(T a, T b) { return b >= T(0) ? std::fabs(a) : -std::fabs(a); }

    int m_m = 0;
    int m_n = 0;
    Matrix m_u;
    Matrix m_v;
    Vector m_w;
    T m_tsh = 0;
};

template <typename T, int MaxN>
SingularValueDecomposition<T, MaxN>::SingularValueDecomposition(const Matrix &a)
    : m_m(a.rows())
    , m_n(a.cols())
    , m_u(a)
{
    m_v.setShape(m_n, m_n);
    m_w.setSize(m_n);
    decompose();
    reorder();
    if (m_n > 0)
        m_tsh = T(0.5) * std::sqrt(m_m + m_n + 1.) * m_w[0] * eps;
}

template <typename T, int MaxN>
T SingularValueDecomposition<T, MaxN>::pythag(T a, T b)
{
    const T absa = std::fabs(a);
    const T absb = std::fabs(b);
    if (absa > absb) {
        const T q = absb / absa;
        return absa * std::sqrt(T(1) + q * q);
    }
    if (absb == T(0))
        return T(0);
    const T q = absa / absb;
    return absb * std::sqrt(T(1) + q * q);
}

template <typename T, int MaxN>
void SingularValueDecomposition<T, MaxN>::decompose()
{
    const int m = m_m;
    const int n = m_n;
    Matrix &u = m_u;
    Matrix &v = m_v;
    Vector &w = m_w;
    // superdiagonal of the bidiagonal form
    std::array<T, static_cast<std::size_t>(MaxN)> rv1;
    rv1.fill(T(0));

    // --- Householder reduction to bidiagonal form ---
    T g = 0;
    T scale = 0;
    T anorm = 0;
    int l = 0;
    for (int i = 0; i < n; ++i) {
        l = i + 1; // first column right of the diagonal
        rv1[static_cast<std::size_t>(i)] = scale * g;
        g = 0;
        scale = 0;
        T s = 0;
        // left transformation: zero column i below the diagonal
        if (i < m) {
            for (int k = i; k < m; ++k)
                scale += std::fabs(u(k, i));
            if (scale != T(0)) {
                for (int k = i; k < m; ++k) {
                    u(k, i) /= scale;
                    s += u(k, i) * u(k, i);
                }
                T f = u(i, i);
                g = -withSignOf(std::sqrt(s), f);
                const T h = f * g - s;
                u(i, i) = f - g;
                for (int j = l; j < n; ++j) {
                    s = 0;
                    for (int k = i; k < m; ++k)
                        s += u(k, i) * u(k, j);
                    f = s / h;
                    for (int k = i; k < m; ++k)
                        u(k, j) += f * u(k, i);
                }
                for (int k = i; k < m; ++k)
                    u(k, i) *= scale;
            }
        }
        w[i] = scale * g;
        g = 0;
        s = 0;
        scale = 0;
        // right transformation: zero row i right of the superdiagonal
        if (i + 1 <= m && i + 1 != n) {
            for (int k = l; k < n; ++k)
                scale += std::fabs(u(i, k));
            if (scale != T(0)) {
                for (int k = l; k < n; ++k) {
                    u(i, k) /= scale;
                    s += u(i, k) * u(i, k);
                }
                const T f = u(i, l);
                g = -withSignOf(std::sqrt(s), f);
                const T h = f * g - s;
                u(i, l) = f - g;
                for (int k = l; k < n; ++k)
                    rv1[static_cast<std::size_t>(k)] = u(i, k) / h;
                for (int j = l; j < m; ++j) {
                    s = 0;
                    for (int k = l; k < n; ++k)
                        s += u(j, k) * u(i, k);
                    for (int k = l; k < n; ++k)
                        u(j, k) += s * rv1[static_cast<std::size_t>(k)];
                }
                for (int k = l; k < n; ++k)
                    u(i, k) *= scale;
            }
        }
        const T rowNorm = std::fabs(w[i]) + std::fabs(rv1[static_cast<std::size_t>(i)]);
        if (rowNorm > anorm)
            anorm = rowNorm;
    }

    // --- accumulation of the right-hand transformations into V ---
    for (int i = n - 1; i >= 0; --i) {
        if (i < n - 1) {
            if (g != T(0)) {
                // two divisions instead of one product, against underflow
                for (int j = l; j < n; ++j)
                    v(j, i) = (u(i, j) / u(i, l)) / g;
                for (int j = l; j < n; ++j) {
                    T s = 0;
                    for (int k = l; k < n; ++k)
                        s += u(i, k) * v(k, j);
                    for (int k = l; k < n; ++k)
                        v(k, j) += s * v(k, i);
                }
            }
            for (int j = l; j < n; ++j) {
                v(i, j) = 0;
                v(j, i) = 0;
            }
        }
        v(i, i) = 1;
        g = rv1[static_cast<std::size_t>(i)];
        l = i;
    }

    // --- accumulation of the left-hand transformations into U ---
    for (int i = (m < n ? m : n) - 1; i >= 0; --i) {
        l = i + 1;
        g = w[i];
        for (int j = l; j < n; ++j)
            u(i, j) = 0;
        if (g != T(0)) {
            g = T(1) / g;
            for (int j = l; j < n; ++j) {
                T s = 0;
                for (int k = l; k < m; ++k)
                    s += u(k, i) * u(k, j);
                const T f = (s / u(i, i)) * g;
                for (int k = i; k < m; ++k)
                    u(k, j) += f * u(k, i);
            }
            for (int j = i; j < m; ++j)
                u(j, i) *= g;
        } else {
            for (int j = i; j < m; ++j)
                u(j, i) = 0;
        }
        u(i, i) += T(1);
    }

    // --- diagonalisation of the bidiagonal form by implicit-shift QR ---
    const T small = eps * anorm;
    for (int k = n - 1; k >= 0; --k) {
        for (int its = 0; its < 30; ++its) {
            // look for a split: a negligible superdiagonal element rv1[l], or a negligible
            // diagonal element w[l-1] that allows cancelling rv1[l]
            bool cancel = true;
            int nm = 0;
            for (l = k; l >= 0; --l) {
                nm = l - 1;
                if (l == 0 || std::fabs(rv1[static_cast<std::size_t>(l)]) <= small) {
                    cancel = false;
                    break;
                }
                if (std::fabs(w[nm]) <= small)
                    break;
            }
            if (cancel) {
                T c = 0;
                T s = 1;
                for (int i = l; i < k + 1; ++i) {
                    const T f = s * rv1[static_cast<std::size_t>(i)];
                    rv1[static_cast<std::size_t>(i)] = c * rv1[static_cast<std::size_t>(i)];
                    if (std::fabs(f) <= small)
                        break;
                    g = w[i];
                    T h = pythag(f, g);
                    w[i] = h;
                    h = T(1) / h;
                    c = g * h;
                    s = -f * h;
                    for (int j = 0; j < m; ++j) {
                        const T y = u(j, nm);
                        const T z = u(j, i);
                        u(j, nm) = y * c + z * s;
                        u(j, i) = z * c - y * s;
                    }
                }
            }
            T z = w[k];
            if (l == k) {
                // converged: make the singular value non-negative
                if (z < T(0)) {
                    w[k] = -z;
                    for (int j = 0; j < n; ++j)
                        v(j, k) = -v(j, k);
                }
                break;
            }
            if (its == 29)
                throw HTL::Exception("no convergence in 30 svdcmp iterations",
                                     "[SingularValueDecomposition::constructor]");
            // shift from the bottom 2 x 2 minor
            T x = w[l];
            nm = k - 1;
            T y = w[nm];
            g = rv1[static_cast<std::size_t>(nm)];
            T h = rv1[static_cast<std::size_t>(k)];
            T f = ((y - z) * (y + z) + (g - h) * (g + h)) / (T(2) * h * y);
            g = pythag(f, T(1));
            f = ((x - z) * (x + z) + h * ((y / (f + withSignOf(g, f))) - h)) / x;
            // next QR transformation
            T c = 1;
            T s = 1;
            for (int j = l; j <= nm; ++j) {
                const int i = j + 1;
                g = rv1[static_cast<std::size_t>(i)];
                y = w[i];
                h = s * g;
                g = c * g;
                z = pythag(f, h);
                rv1[static_cast<std::size_t>(j)] = z;
                c = f / z;
                s = h / z;
                f = x * c + g * s;
                g = g * c - x * s;
                h = y * s;
                y *= c;
                for (int jj = 0; jj < n; ++jj) {
                    x = v(jj, j);
                    z = v(jj, i);
                    v(jj, j) = x * c + z * s;
                    v(jj, i) = z * c - x * s;
                }
                z = pythag(f, h);
                w[j] = z;
                if (z != T(0)) {
                    // rotation can be arbitrary when z is zero
                    z = T(1) / z;
                    c = f * z;
                    s = h * z;
                }
                f = c * g + s * y;
                x = c * y - s * g;
                for (int jj = 0; jj < m; ++jj) {
                    y = u(jj, j);
                    z = u(jj, i);
                    u(jj, j) = y * c + z * s;
                    u(jj, i) = z * c - y * s;
                }
            }
            rv1[static_cast<std::size_t>(l)] = 0;
            rv1[static_cast<std::size_t>(k)] = f;
            w[k] = x;
        }
    }
}

template <typename T, int MaxN>
void SingularValueDecomposition<T, MaxN>::reorder()
{
    const int m = m_m;
    const int n = m_n;
    std::array<T, static_cast<std::size_t>(MaxN)> su;
    std::array<T, static_cast<std::size_t>(MaxN)> sv;

    // Shell sort (increments 1, 4, 13, ...) of the singular values into descending order,
    // carrying the columns of U and V along
    int inc = 1;
    do {
        inc *= 3;
        ++inc;
    } while (inc <= n);
    do {
        inc /= 3;
        for (int i = inc; i < n; ++i) {
            const T sw = m_w[i];
            for (int k = 0; k < m; ++k)
                su[static_cast<std::size_t>(k)] = m_u(k, i);
            for (int k = 0; k < n; ++k)
                sv[static_cast<std::size_t>(k)] = m_v(k, i);
            int j = i;
            while (m_w[j - inc] < sw) {
                m_w[j] = m_w[j - inc];
                for (int k = 0; k < m; ++k)
                    m_u(k, j) = m_u(k, j - inc);
                for (int k = 0; k < n; ++k)
                    m_v(k, j) = m_v(k, j - inc);
                j -= inc;
                if (j < inc)
                    break;
            }
            m_w[j] = sw;
            for (int k = 0; k < m; ++k)
                m_u(k, j) = su[static_cast<std::size_t>(k)];
            for (int k = 0; k < n; ++k)
                m_v(k, j) = sv[static_cast<std::size_t>(k)];
        }
    } while (inc > 1);

    // the decomposition is unique only up to the sign of each column pair: prefer the sign
    // that makes most elements positive
    for (int k = 0; k < n; ++k) {
        int negatives = 0;
        for (int i = 0; i < m; ++i)
            if (m_u(i, k) < T(0))
                ++negatives;
        for (int j = 0; j < n; ++j)
            if (m_v(j, k) < T(0))
                ++negatives;
        if (negatives > (m + n) / 2) {
            for (int i = 0; i < m; ++i)
                m_u(i, k) = -m_u(i, k);
            for (int j = 0; j < n; ++j)
                m_v(j, k) = -m_v(j, k);
        }
    }
}

template <typename T, int MaxN>
void SingularValueDecomposition<T, MaxN>::solve(const Vector &b, Vector &x, T threshold) const
{
    const int m = m_m;
    const int n = m_n;
    if (b.size() != m || m < 2)
        throw HTL::Exception("SingularValueDecomposition::solve bad size",
                             "[SingularValueDecomposition<T>::solve]");
    const T thresh = threshold >= T(0) ? threshold : m_tsh;
    // tmp = diag(1/w)·Uᵀ·b with the small singular values dropped
    std::array<T, static_cast<std::size_t>(MaxN)> tmp;
    for (int j = 0; j < n; ++j) {
        T s = 0;
        if (m_w[j] > thresh) {
            for (int i = 0; i < m; ++i)
                s += m_u(i, j) * b[i];
            s /= m_w[j];
        }
        tmp[static_cast<std::size_t>(j)] = s;
    }
    // x = V·tmp; x may be b, which is no longer needed here
    x.setSize(n);
    for (int j = 0; j < n; ++j) {
        T s = 0;
        for (int jj = 0; jj < n; ++jj)
            s += m_v(j, jj) * tmp[static_cast<std::size_t>(jj)];
        x[j] = s;
    }
}
