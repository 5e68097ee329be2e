#include "model/LayerBridge.h"

#include <QCoreApplication>

LayerBridge::LayerBridge(const Material &material, double fraction)
    : material(material)
    , fraction(fraction)
{
}

LayerBridge LayerBridge::fromWidthAndSpacing(const Material &material, double width_m,
                                             double spacing_m)
{
    LayerBridge b(material, width_m / spacing_m);
    b.width = width_m;
    b.spacing = spacing_m;
    return b;
}

bool LayerBridge::acceptableFraction(double f, QString *reason)
{
    if (f > 0 && f < 1) // NaN fails
        return true;
    if (reason)
        *reason = QCoreApplication::translate(
                      "Material", "Area fraction %1, must lie above 0 and below 1 (0 % … 100 %).")
                      .arg(QString::number(f, 'g'));
    return false;
}

bool LayerBridge::acceptableWidthAndSpacing(double width_m, double spacing_m, QString *reason)
{
    // the same physical bounds as a layer width: finite, from a picometre to 100 m
    const bool finite =
        width_m >= 1e-12 && width_m <= 100 && spacing_m >= 1e-12 && spacing_m <= 100;
    if (finite && width_m < spacing_m)
        return true;
    if (reason) {
        if (!finite)
            *reason =
                QCoreApplication::translate(
                    "Material",
                    "Width %1 m at spacing %2 m: both must be finite numbers from %3 to %4 m.")
                    .arg(QString::number(width_m, 'g'), QString::number(spacing_m, 'g'),
                         QString::number(1e-12, 'g'), QString::number(100.0, 'g'));
        else
            *reason = QCoreApplication::translate(
                          "Material", "Width %1 m at spacing %2 m: the width must be smaller "
                                      "than the spacing.")
                          .arg(QString::number(width_m, 'g'), QString::number(spacing_m, 'g'));
    }
    return false;
}

bool LayerBridge::acceptableValues(QString *reason) const
{
    if (width != 0 || spacing != 0) {
        if (!acceptableWidthAndSpacing(width, spacing, reason))
            return false;
        // the fraction must be the one the width and the spacing give; the text keeps the
        // context of the edit that first said it
        if (fraction != width / spacing) {
            if (reason)
                *reason = QCoreApplication::translate(
                    "Project", "The area fraction does not follow from width and spacing.");
            return false;
        }
    }
    return acceptableFraction(fraction, reason);
}

bool LayerBridge::isValid() const
{
    return acceptableFraction(fraction) && material.isValid();
}

bool LayerBridge::operator==(const LayerBridge &o) const
{
    return fraction == o.fraction && width == o.width && spacing == o.spacing &&
           material == o.material;
}
