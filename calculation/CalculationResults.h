#pragma once

#include "calculation/ResultType.h"
#include "settings/HeatFlowDirection.h"

#include <limits>
#include <utility>
#include <vector>

/*! The thermal resistance of a component with inhomogeneous layers after DIN EN ISO 6946
    (layers bridged by studs, rafters or battens), with the surface resistances of the standard
    for the heat-flow direction. All resistances in m²K/W and from surface to surface including
    R_si and R_se. */
struct InhomogeneousResistance
{
    /*! The standard's range of validity: the method is not applied when the upper limit
        exceeds the lower one by more than this factor. */
    static constexpr double MaxLimitRatio = 1.5;

    bool present = false; ///< the construction has a bridged layer; the rest is set only then
    double R_upper = 0;   ///< upper limit R'_T from the parallel sections
    double R_lower = 0;   ///< lower limit R''_T from the layer-wise parallel resistances
    double R_T = 0;       ///< (R'_T + R''_T) / 2
    double e = 0;         ///< relative error estimate (R'_T − R''_T) / (2·R_T), as a fraction
    int sections = 0;     ///< number of sections with a positive area fraction

    /*! The limits are finite and their ratio lies within MaxLimitRatio. */
    bool valid() const
    {
        return present && R_lower > 0 && R_upper >= R_lower && R_upper <= MaxLimitRatio * R_lower;
    }
    /*! R'_T / R''_T. */
    double ratio() const { return R_upper / R_lower; }

    bool operator==(const InhomogeneousResistance &o) const
    {
        return present == o.present && R_upper == o.R_upper && R_lower == o.R_lower &&
               R_T == o.R_T && e == o.e && sections == o.sections;
    }
};

/*! The results record of one calculation: the dry thermal field, the Glaser scheme of DIN 4108-3
    and the moisture-storage (MIRELO) method. Read by the results display, the diagrams and the
    report.

    Interfaces of a construction with n layers are numbered 0..n (0 the inner surface, n the outer
    surface); per-interface vectors hold n+1 values, per-layer vectors n values.
    Units: °C, Pa, m, m²K/W, W/(m²K), m²·s·Pa/kg, s, kg/m², m³/m³.
*/
struct CalculationResults
{
    /*! A condensation plane or zone: (first, last). For the Glaser scheme both are interface
        indices; for MIRELO they are the layer left of the first plane and the layer right of
        the last plane. */
    using PlaneRange = std::pair<unsigned int, unsigned int>;

    ResultType::Type type = ResultType::InvalidInput;       ///< result of the MIRELO method
    ResultType::Type typeGlaser = ResultType::InvalidInput; ///< result of the Glaser scheme
    double d_total = 0;                                     ///< total thickness, m

    std::vector<double> T_Glaser;    ///< interface temperatures, dry, winter, °C (n+1)
    std::vector<double> pv_Glaser;   ///< Glaser vapour pressure line, Pa (n+1)
    std::vector<double> psat_Glaser; ///< saturation pressure (exponential form), Pa (n+1)
    std::vector<double> R_Glaser;    ///< layer thermal resistance d/λ, m²K/W (n)
    std::vector<double> Z_Glaser;    ///< layer vapour resistance μ·d/2e-10, m²·s·Pa/kg (n)

    double m_c_Glaser = 0;  ///< condensate at the end of the condensation period, kg/m²
    double m_ev_Glaser = 0; ///< mass that can evaporate in the evaporation period, kg/m²
    double t_ev_Glaser = 0; ///< drying time of the condensate, s

    int kFirst = -1; ///< first saturated interface of the Glaser line
    int kLast = -1;  ///< last saturated interface of the Glaser line

    std::vector<PlaneRange> kPlanes;       ///< MIRELO plane groups (layer indices)
    std::vector<PlaneRange> kPlanesGlaser; ///< runs of saturated interfaces (interface indices)

    double U_moist = 0;   ///< U-value (ISO 6946) with moisture-dependent conductivity, W/(m²K)
    double R_T = 0;       ///< R_si + ΣR + R_se, dry, m²K/W
    double R_T_moist = 0; ///< R_si + ΣR + R_se, moisture dependent, m²K/W
    double R_layers = 0;  ///< ΣR of the layers, dry, m²K/W
    double R_layers_moist = 0; ///< ΣR of the layers, moisture dependent, m²K/W

    /*! The whole component after DIN EN ISO 6946 when layers carry a second material; the
        other thermal values (R, R_layers, R_T, U_moist) and the condensation assessments are
        those of the field section (each layer of its own material). */
    InhomogeneousResistance inhomogeneous;

    double m_condStat = 0; ///< stationary condensate mass, kg/m²
    double m_cond = 0;     ///< condensate mass at the end of the condensation period, kg/m²
    double tau = 0;        ///< time constant of the condensate accumulation, s
    double t_hyg = 0;      ///< hygroscopic loading time, s
    double t_ev = 0;       ///< drying time of the condensate, s
    double m_ev = 0;       ///< mass that can evaporate in the evaporation period, kg/m²

    std::vector<double> R;           ///< layer thermal resistance (moisture dependent), m²K/W (n)
    std::vector<double> Z;           ///< layer vapour resistance μ·d·5.4e9, m²·s·Pa/kg (n)
    std::vector<double> R_liq;       ///< liquid transport resistance (n); inf without transport
    std::vector<double> T;           ///< interface temperatures, °C (n+1)
    std::vector<double> psat;        ///< saturation pressure (power form), Pa (n+1)
    std::vector<double> pv;          ///< vapour pressure, Pa (n+1)
    std::vector<double> w_left;      ///< moisture content at the inner side of each layer (n)
    std::vector<double> w_right;     ///< moisture content at the outer side of each layer (n)
    std::vector<double> sk_Cond;     ///< thickness of the condensate region per layer, m (n)
    std::vector<double> m_condLayer; ///< condensate mass per layer, kg/m² (n)

    /*! Back to the state before any calculation (type and typeGlaser 1, all vectors empty,
        kFirst/kLast -1, all scalars 0). */
    void reset();
    /*! The same, keeping the storage of the vectors for the next calculation. */
    void resetKeepingStorage();

    /*! The dry U-value after DIN EN ISO 6946 with the standard surface resistances for the
        heat-flow direction, whatever the climate holds, W/(m²K). With bridged layers it is
        1 / R_T of the inhomogeneous component (calculated for the direction of the run), and
        NaN when the limits lie outside the standard's range of validity. */
    double U_ISO(HeatFlowDirection heatFlowDirection) const
    {
        if (inhomogeneous.present)
            return inhomogeneous.valid() ? 1 / inhomogeneous.R_T
                                         : std::numeric_limits<double>::quiet_NaN();
        return isoUValue(R_layers, heatFlowDirection);
    }
    /*! The dry U-value of the field section (every layer of its own material), W/(m²K); the
        same as U_ISO for a construction without bridged layers. */
    double U_field(HeatFlowDirection heatFlowDirection) const
    {
        return isoUValue(R_layers, heatFlowDirection);
    }

    /*! Inner surface resistance of DIN EN ISO 6946 for the heat-flow direction: 0.10 upwards (1),
        0.13 horizontal (2), 0.17 downwards (0 and every other code), m²K/W. */
    static double isoSurfaceResistanceInside(HeatFlowDirection heatFlowDirection);
    /*! Outer surface resistance of DIN EN ISO 6946, m²K/W. */
    static constexpr double IsoSurfaceResistanceOutside = 0.04;
    /*! U-value of layers with the thermal resistance R_layers between the surface resistances
        of DIN EN ISO 6946: 1 / (R_layers + R_se + R_si), summed in this order. The condensation
        climate's resistances (R_si 0.25) serve the temperature field, not the U-value. */
    static double isoUValue(double R_layers, HeatFlowDirection heatFlowDirection)
    {
        return 1 / isoTotalResistance(R_layers, heatFlowDirection);
    }
    /*! R_T of DIN EN ISO 6946: R_layers + R_se + R_si, summed in this order (the sum whose
        inverse isoUValue() is), m²K/W. */
    static double isoTotalResistance(double R_layers, HeatFlowDirection heatFlowDirection)
    {
        return R_layers + IsoSurfaceResistanceOutside +
               isoSurfaceResistanceInside(heatFlowDirection);
    }

    bool operator==(const CalculationResults &other) const;
    bool operator!=(const CalculationResults &other) const { return !(*this == other); }
};
