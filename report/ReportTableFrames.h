#pragma once

#include "calculation/CalculationResults.h"
#include "model/InputData.h"
#include "report/ReportFrameBase.h"

#include <limits>
#include <vector>

/*  The frames of the report that are tables of the input and of the results: material data,
    climate, surface resistances, resistances and the results through the construction. One row
    per layer: their time grows with the number of layers and nothing else.
*/

/*! The material properties of the layers (frame 4). */
class ConstructionLayerFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ConstructionLayerFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Winter and summer climate (frame 5). */
class ClimateFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ClimateFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The surface resistances of the two sides (frame 6). */
class SurfaceResistanceFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(SurfaceResistanceFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Thermal, vapour diffusion and liquid transport resistances, R_T and U (frame 7). */
class ResistanceFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ResistanceFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! The U-value after DIN EN ISO 6946 with the dry design values, row by row (frame 14): R_si
    for the heat-flow direction, each layer's d, λ and R = d/λ (an air layer with the R of the
    standard's table), R_se, R_T and U, and the moisture-dependent U beside it when it differs.
    Every figure is the calculation's; the frame adds nothing up itself. */
class UValueFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(UValueFrame)

public:
    using ReportFrameBase::ReportFrameBase;

    /*! One row of the table; NaN for a cell that stays empty. */
    struct Row
    {
        enum Kind
        {
            InsideSurface,
            Layer,
            AirLayer,
            OutsideSurface,
            Total
        };
        Kind kind = Layer;
        /*! Layer index (0 at the warm side) of a layer row, -1 otherwise. */
        int layer = -1;
        double d = std::numeric_limits<double>::quiet_NaN();      ///< thickness, m
        double lambda = std::numeric_limits<double>::quiet_NaN(); ///< W/(m·K)
        double R = std::numeric_limits<double>::quiet_NaN();      ///< m²K/W
    };
    /*! The rows from the inside surface to R_T, from the results of the calculation; only the
        surface rows when the results have no layer resistances. One place for the rows, so that
        a layer of several materials side by side adds its rows here. */
    static std::vector<Row> rows(const InputData &input, const CalculationResults &results,
                                 HeatFlowDirection direction);

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! Temperatures, vapour pressures and moisture contents through the construction (frame 8). */
class ResultsTableFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ResultsTableFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};
