#pragma once

#include "report/ReportFrameBase.h"

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

/*! Temperatures, vapour pressures and moisture contents through the construction (frame 8). */
class ResultsTableFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(ResultsTableFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};
