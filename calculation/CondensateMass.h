#pragma once

#include <QString>

/*! How a mass per area (kg/m²) of condensate or of evaporable water is shown: in kg/m² with the
    given decimals, or, when a positive mass would read 0 there, in g/m² with two significant
    digits. A result that names a condensation plane must never stand beside "0.000 kg/m²":
    the reader takes that for "dry". */
struct CondensateMass
{
    /*! The number in the unit below. */
    double value = 0;
    /*! Decimals to show it with. */
    int decimals = 3;
    /*! True: g/m², false: kg/m². */
    bool grams = false;

    /*! The form of m (kg/m²) with `decimals` decimals in kg/m². Negative and non-finite masses
        stay in kg/m² (they are faults, not small amounts). */
    static CondensateMass of(double m, int decimals = 3);

    /*! "kg/m<sup>2</sup>" or "g/m<sup>2</sup>". */
    QString unitHtml() const;
    /*! "kg/m2" or "g/m2". */
    QString unitPlain() const;
    /*! The number in the default locale's format ("%L1"), without the unit. */
    QString number() const;
};
