#pragma once

#include <QString>
#include <QtTest>

namespace TestSupport {

/*! Relative comparison of two doubles: |actual - expected| <= relTol * max(|actual|, |expected|),
    or both exactly equal (which covers two infinities of the same sign); NaN equals NaN.
    On failure, message describes both numbers with full precision. */
bool fuzzyEqual(double actual, double expected, double relTol, QString *message);

/*! Absolute comparison: |actual - expected| <= absTol (NaN equals NaN). */
bool absEqual(double actual, double expected, double absTol, QString *message);

/*! Directory of the test data (tests/data of the source tree). */
QString dataDir();

/*! Path of a file in the test data directory. */
QString dataFile(const QString &relativePath);

} // namespace TestSupport

// Compares two doubles with a stated relative tolerance and prints both values when they differ.
#define M2_COMPARE_REL(actual, expected, relTol)                                                   \
    do {                                                                                           \
        QString m2_msg;                                                                            \
        if (!TestSupport::fuzzyEqual((actual), (expected), (relTol), &m2_msg))                     \
            QFAIL(qPrintable(QStringLiteral(#actual ": ") + m2_msg));                              \
    } while (false)

// Compares two doubles with a stated absolute tolerance and prints both values when they differ.
#define M2_COMPARE_ABS(actual, expected, absTol)                                                   \
    do {                                                                                           \
        QString m2_msg;                                                                            \
        if (!TestSupport::absEqual((actual), (expected), (absTol), &m2_msg))                       \
            QFAIL(qPrintable(QStringLiteral(#actual ": ") + m2_msg));                              \
    } while (false)
