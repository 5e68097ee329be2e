#include "TestSupport.h"

#include <QDir>

#include <cmath>

namespace TestSupport {

static QString describe(double actual, double expected, const char *kind, double tol)
{
    return QStringLiteral("actual %1, expected %2 (%3 tolerance %4)")
        .arg(actual, 0, 'g', 17)
        .arg(expected, 0, 'g', 17)
        .arg(QLatin1String(kind))
        .arg(tol, 0, 'g', 3);
}

bool fuzzyEqual(double actual, double expected, double relTol, QString *message)
{
    if (actual == expected || (std::isnan(actual) && std::isnan(expected)))
        return true;
    const double scale = std::max(std::fabs(actual), std::fabs(expected));
    if (std::isfinite(actual) && std::isfinite(expected) &&
        std::fabs(actual - expected) <= relTol * scale)
        return true;
    if (message)
        *message = describe(actual, expected, "relative", relTol);
    return false;
}

bool absEqual(double actual, double expected, double absTol, QString *message)
{
    if (actual == expected || (std::isnan(actual) && std::isnan(expected)))
        return true;
    if (std::isfinite(actual) && std::isfinite(expected) && std::fabs(actual - expected) <= absTol)
        return true;
    if (message)
        *message = describe(actual, expected, "absolute", absTol);
    return false;
}

QString dataDir()
{
    return QStringLiteral(M2_TEST_DATA_DIR);
}

QString dataFile(const QString &relativePath)
{
    return QDir(dataDir()).filePath(relativePath);
}

} // namespace TestSupport
