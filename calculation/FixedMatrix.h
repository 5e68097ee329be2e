#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>

#include "htl/HTL_Exception.h"

/*! A dense matrix with a fixed capacity of MaxN x MaxN elements held in place.

    The moisture-storage calculation builds and solves one small square system for every
    candidate set of condensation planes, many times per calculation, and the calculation runs
    after every edit. These systems never exceed MaxN rows, so the storage lives inside the object
    (no heap allocation per system) and only the rows() x cols() corner is used. Rows are stored
    with the stride MaxN, so a row is contiguous and rowPtr(i) can be indexed like a C array.

    Elements outside the used corner are left uninitialised on purpose; copies transfer only the
    used corner.
*/
template <typename T, int MaxN = 32>
class FixedMatrix
{
    static_assert(MaxN > 0, "FixedMatrix needs a positive capacity");

public:
    /*! Largest row and column count this matrix can hold. */
    static constexpr int capacity() { return MaxN; }

    /*! An empty 0 x 0 matrix. */
    FixedMatrix() {}

    /*! A rows x cols matrix with every element set to value. */
    FixedMatrix(int rows, int cols, const T &value = T()) { resize(rows, cols, value); }

    /*! A matrix from nested lists, one inner list per row (all rows as long as the first). */
    FixedMatrix(std::initializer_list<std::initializer_list<T>> rowList)
    {
        const int rows = static_cast<int>(rowList.size());
        const int cols = rows > 0 ? static_cast<int>(rowList.begin()->size()) : 0;
        resize(rows, cols);
        int i = 0;
        for (const std::initializer_list<T> &row : rowList) {
            if (static_cast<int>(row.size()) != cols)
                throw HTL::Exception("Rows of different length", "[FixedMatrix::constructor]");
            int j = 0;
            for (const T &v : row)
                (*this)(i, j++) = v;
            ++i;
        }
    }

    FixedMatrix(const FixedMatrix &other) { copyFrom(other); }

    FixedMatrix &operator=(const FixedMatrix &other)
    {
        if (this != &other)
            copyFrom(other);
        return *this;
    }

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    /*! Sets the shape to rows x cols and every element of it to value.
        Throws HTL::Exception when the shape exceeds the capacity. */
    void resize(int rows, int cols, const T &value = T())
    {
        setShape(rows, cols);
        for (int i = 0; i < m_rows; ++i) {
            T *r = rowPtr(i);
            for (int j = 0; j < m_cols; ++j)
                r[j] = value;
        }
    }

    /*! Sets the shape without touching the elements (their values are then unspecified).
        Throws HTL::Exception when the shape exceeds the capacity. */
    void setShape(int rows, int cols)
    {
        if (rows < 0 || cols < 0 || rows > MaxN || cols > MaxN)
            throw HTL::Exception("Matrix size " + std::to_string(rows) + "x" +
                                     std::to_string(cols) + " exceeds the capacity " +
                                     std::to_string(MaxN),
                                 "[FixedMatrix::setShape]");
        m_rows = rows;
        m_cols = cols;
    }

    T &operator()(int i, int j) { return m_data[static_cast<std::size_t>(i * MaxN + j)]; }
    const T &operator()(int i, int j) const
    {
        return m_data[static_cast<std::size_t>(i * MaxN + j)];
    }

    /*! Start of row i (cols() contiguous elements). */
    T *rowPtr(int i) { return m_data.data() + static_cast<std::size_t>(i) * MaxN; }
    const T *rowPtr(int i) const { return m_data.data() + static_cast<std::size_t>(i) * MaxN; }

    /*! Exchanges the used parts of rows i and k. */
    void swapRows(int i, int k)
    {
        T *a = rowPtr(i);
        T *b = rowPtr(k);
        for (int j = 0; j < m_cols; ++j) {
            const T t = a[j];
            a[j] = b[j];
            b[j] = t;
        }
    }

private:
    void copyFrom(const FixedMatrix &other)
    {
        m_rows = other.m_rows;
        m_cols = other.m_cols;
        for (int i = 0; i < m_rows; ++i) {
            const T *src = other.rowPtr(i);
            T *dst = rowPtr(i);
            for (int j = 0; j < m_cols; ++j)
                dst[j] = src[j];
        }
    }

    int m_rows = 0;
    int m_cols = 0;
    std::array<T, static_cast<std::size_t>(MaxN) * MaxN> m_data;
};

/*! A vector with a fixed capacity of MaxN elements held in place, the right-hand sides and
    solutions of the systems held by FixedMatrix. Only the first size() elements are used. */
template <typename T, int MaxN = 32>
class FixedVector
{
    static_assert(MaxN > 0, "FixedVector needs a positive capacity");

public:
    static constexpr int capacity() { return MaxN; }

    FixedVector() {}

    /*! A vector of n elements, each set to value. */
    explicit FixedVector(int n, const T &value = T()) { resize(n, value); }

    FixedVector(std::initializer_list<T> values)
    {
        setSize(static_cast<int>(values.size()));
        int i = 0;
        for (const T &v : values)
            m_data[static_cast<std::size_t>(i++)] = v;
    }

    FixedVector(const FixedVector &other) { copyFrom(other); }

    FixedVector &operator=(const FixedVector &other)
    {
        if (this != &other)
            copyFrom(other);
        return *this;
    }

    int size() const { return m_size; }

    /*! Sets the size to n and every element to value.
        Throws HTL::Exception when n exceeds the capacity. */
    void resize(int n, const T &value = T())
    {
        setSize(n);
        for (int i = 0; i < m_size; ++i)
            m_data[static_cast<std::size_t>(i)] = value;
    }

    /*! Sets the size without touching the elements (new elements are unspecified).
        Throws HTL::Exception when n exceeds the capacity. */
    void setSize(int n)
    {
        if (n < 0 || n > MaxN)
            throw HTL::Exception("Vector size " + std::to_string(n) + " exceeds the capacity " +
                                     std::to_string(MaxN),
                                 "[FixedVector::setSize]");
        m_size = n;
    }

    T &operator[](int i) { return m_data[static_cast<std::size_t>(i)]; }
    const T &operator[](int i) const { return m_data[static_cast<std::size_t>(i)]; }

    T *data() { return m_data.data(); }
    const T *data() const { return m_data.data(); }
    T *begin() { return m_data.data(); }
    T *end() { return m_data.data() + m_size; }
    const T *begin() const { return m_data.data(); }
    const T *end() const { return m_data.data() + m_size; }

private:
    void copyFrom(const FixedVector &other)
    {
        m_size = other.m_size;
        for (int i = 0; i < m_size; ++i)
            m_data[static_cast<std::size_t>(i)] = other.m_data[static_cast<std::size_t>(i)];
    }

    int m_size = 0;
    std::array<T, static_cast<std::size_t>(MaxN)> m_data;
};
