#pragma once

#include "model/Material.h"

#include <QString>

/*  The second material of an inhomogeneous layer: the studs of a timber-frame wall, the rafters
    of a roof, the battens of an installation layer. The layer's own material fills the field
    (the insulation between the studs); the bridging material takes the area fraction given
    here and runs through the whole thickness of the layer.

    The fraction is entered either directly or as the width of the bridging member at its
    centre-to-centre spacing (60 mm at 625 mm gives 0.096). Width and spacing are kept so that
    the editor shows the numbers the user typed; the fraction is what the calculation reads.
*/
struct LayerBridge
{
    Material material;   ///< the bridging material (stud, rafter, batten)
    double fraction = 0; ///< area fraction of the bridging part, 0 < fraction < 1
    double width = 0;    ///< width of one member in m; 0 when the fraction was entered directly
    double spacing = 0;  ///< centre-to-centre spacing in m; 0 when entered directly

    LayerBridge() = default;
    /*! A bridge with a fraction entered directly. */
    LayerBridge(const Material &material, double fraction);
    /*! A bridge of members of width_m at spacing_m: fraction = width / spacing. */
    static LayerBridge fromWidthAndSpacing(const Material &material, double width_m,
                                           double spacing_m);

    /*! The fraction was entered as width and spacing. */
    bool byWidthAndSpacing() const { return width > 0 && spacing > 0; }

    /*! Whether f is an area fraction a layer can be split by: a number above 0 and below 1
        (a fraction of 0 is no bridge, one of 1 replaces the layer's material). When not,
        reason (if given) receives a translated text (context "Material"). */
    static bool acceptableFraction(double f, QString *reason = nullptr);
    /*! Whether width and spacing (m) give a fraction: both finite and positive, the width
        below the spacing. When not, reason (if given) says why (context "Material"). */
    static bool acceptableWidthAndSpacing(double width_m, double spacing_m,
                                          QString *reason = nullptr);

    /*! Whether fraction, width and spacing are numbers a layer can take: when width or
        spacing is given, both acceptable (acceptableWidthAndSpacing()) and the fraction exactly
        width / spacing; the fraction acceptable (acceptableFraction()). The material is not
        looked at. When not, reason (if given) says why. */
    bool acceptableValues(QString *reason = nullptr) const;

    /*! Fraction acceptable and material valid. */
    bool isValid() const;

    /*! Materials equal and fraction, width and spacing exactly equal. */
    bool operator==(const LayerBridge &other) const;
    bool operator!=(const LayerBridge &other) const { return !(*this == other); }
};
