#pragma once

#include "report/ReportFrameBase.h"

/*  The frames of the report that are drawings: the construction sketch, the profile diagrams
    and the Glaser diagram, each a graphics scene rendered into the frame.
*/

/*! The hatched construction drawing (frame 3). */
class SketchFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(SketchFrame)

public:
    using ReportFrameBase::ReportFrameBase;

protected:
    void build(QPaintDevice *device, double width) override;
};

/*! A profile diagram: kind 3 moisture content, kind 2 vapour pressure (frames 9 and 10). */
class DiagramFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(DiagramFrame)

public:
    DiagramFrame(const ReportContent &content, QTextDocument *document, int kind);
    int kind() const { return m_kind; }
    /*! Height of the diagram over its width. */
    static constexpr double AspectRatio = 1 / 1.5;

protected:
    void build(QPaintDevice *device, double width) override;

private:
    int m_kind;
};

/*! The Glaser diagram of DIN 4108-3: vapour and saturation pressure over the diffusion-equivalent
    air layer thickness s_d, with the condensation planes or zones of the calculation. Printed
    in front of the Glaser results when the report option PrintGlaserDiagram is set (not one of
    the numbered frames). */
class GlaserDiagramFrame : public ReportFrameBase
{
    Q_DECLARE_TR_FUNCTIONS(GlaserDiagramFrame)

public:
    using ReportFrameBase::ReportFrameBase;
    /*! Height of the diagram over its width. */
    static constexpr double AspectRatio = 0.6;

protected:
    void build(QPaintDevice *device, double width) override;
};
