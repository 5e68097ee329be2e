#pragma once

#include <QGraphicsRectItem>
#include <QLineF>
#include <QPainterPath>
#include <QVector>

namespace QtExt {

/*! A rectangle of the construction sketch: one layer, filled with its colour and overlaid with a
    black line pattern that tells the kind of material at a glance. It has no dashed selection
    frame; a selected layer shows a heavy black outline instead.

    Lengths are in scene units (pixels of the paint device). The spacing of the pattern is a
    property of the item, so that a printed sketch can scale it with the rest of the drawing.
*/
class GraphicsRectItemWithHatch : public QGraphicsRectItem
{
public:
    enum HatchingType
    {
        HT_None = 0,
        HT_LinesHorizontal = 1,
        HT_LinesVertical = 2,
        HT_LinesFallingRight = 3,
        HT_LinesRisingRight = 4,
        HT_LinesCrossed = 5,
        HT_Grid = 6,
        HT_Insulation = 7
    };

    /*! Distance between the hatch lines at scale 1, in pixels: close enough to read as a pattern
        on a narrow layer, wide enough that the fill colour still shows. */
    static constexpr double DefaultHatchSpacing = 7.0;

    explicit GraphicsRectItemWithHatch(const QRectF &rect, int hatchingType = HT_None,
                                       double hatchSpacing = DefaultHatchSpacing,
                                       QGraphicsItem *parent = nullptr);

    int hatchingType() const { return m_hatchingType; }
    void setHatchingType(int type);
    /*! Distance between neighbouring hatch lines in scene units (> 0). */
    double hatchSpacing() const { return m_hatchSpacing; }
    void setHatchSpacing(double spacing);
    /*! Width of the black outline of a selected item; 0 (the default) means three times the
        pen width. */
    double selectionOutlineWidth() const { return m_selectionOutlineWidth; }
    void setSelectionOutlineWidth(double width);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

    /*! The straight lines of the pattern of type 1 to 6 inside rect, with spacing s: horizontal
        lines at top + k·s (k = 1 … ⌊height ÷ s⌋), vertical lines at left + k·s, diagonals at 45°
        spaced s·√2 along the edges (k = 1 … ⌊(width + height) ÷ (s·√2)⌋, lines of zero length
        left out). Empty for types 0 and 7, an empty rect or s ≤ 0. */
    static QVector<QLineF> hatchLines(const QRectF &rect, int hatchingType, double spacing);

    /*! Thickness (shorter side) in screen pixels below which an insulation layer gets no wave. */
    static constexpr double MinimumWaveThickness = 2.0;

    /*! Number of loops of the insulation wave: ⌊longer side ÷ shorter side × max(3, s)⌋, 0 for
        an empty rect, s ≤ 0 or a shorter side below MinimumWaveThickness × max(1, s). */
    static int insulationLoopCount(const QRectF &rect, double spacing);
    /*! The insulation wave as one open path running along the longer side of rect: per loop a
        semicircle at one side, two straight lines crossing the layer and two quarter circles at
        the other side, which join the neighbouring loops. The path may overhang rect by half a
        loop at either end; paint clips it. */
    static QPainterPath insulationPath(const QRectF &rect, double spacing);

private:
    int m_hatchingType;
    double m_hatchSpacing;
    double m_selectionOutlineWidth = 0.0;
};

} // namespace QtExt
