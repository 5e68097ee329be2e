#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

/*! Classification of a calculation outcome; the same values serve the Glaser scheme and the
    moisture-storage method. Texts in two variants: the results display and the report. */
namespace ResultType {

enum Type
{
    NoLayers = 0,
    InvalidInput = 1,
    CalculationError = 2,
    NoAlgorithm = 3,
    SurfaceCondensationInside = 4,
    SurfaceCondensationOutside = 5,
    OnlyOneLayer = 6,
    NoCondensation = 7,
    HygroscopicLoadingTooLong = 8,
    CondensationPlane = 9,
    CondensationZone = 10,
    SeveralPlanes = 11
};

/*! The rich text of the results display for a MIRELO result (kPlanes as in the results record).
   Type 2 shows the reported messages, one per line; types 9 to 11 name the layers around the planes
   (1-based). */
QString displayText(int type, const std::vector<std::pair<unsigned int, unsigned int>> &kPlanes,
                    const QStringList &messages);

/*! The report's conclusion text for the result types without figures (0 to 8); for 9 to 11 the
    report shows condensate mass and drying time instead, and an empty text is returned. */
QString reportText(int type);

/*! Whether the result is an accepted condensation outcome (9, 10, 11). */
inline bool isCondensation(int type)
{
    return type == CondensationPlane || type == CondensationZone || type == SeveralPlanes;
}

} // namespace ResultType
