#pragma once

#include "report/ReportFrameBase.h"

/*  The frames of the report that are drawings: the construction sketch and the profile
    diagrams, each a graphics scene rendered into the frame.
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
