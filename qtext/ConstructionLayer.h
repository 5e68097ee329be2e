#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>
#include <QVector>

#include <cmath>

namespace QtExt {

/*! One layer as the construction sketch draws it: the sketch knows nothing of materials, only
    what it paints. */
struct ConstructionLayer
{
    /*! Layer thickness in m. */
    double m_width = 0.0;
    /*! Fill colour of the layer. */
    QColor m_color;
    /*! Pattern drawn over the fill: 0 none, 1 horizontal lines, 2 vertical lines, 3 diagonals
        falling to the right, 4 diagonals rising to the right, 5 both diagonals, 6 horizontal and
        vertical lines, 7 insulation wave (see GraphicsRectItemWithHatch::HatchingType). */
    int m_hatchingType = 0;
    /*! Name written into the layer. */
    QString m_name;
    /*! Area fraction of a second material running through the layer (studs, rafters); 0 for
        a homogeneous layer. The sketch shows it as members across the layer. */
    double m_bridgeFraction = 0.0;
    /*! Fill colour and pattern of the second material. */
    QColor m_bridgeColor;
    int m_bridgeHatchingType = 0;

    /*! Widths closer than 0.1 mm look the same in any sketch, so they count as equal; a redraw
        for such a difference would only flicker. */
    bool operator==(const ConstructionLayer &other) const
    {
        return std::fabs(m_width - other.m_width) <= 1e-4 && m_name == other.m_name &&
               m_color == other.m_color && m_hatchingType == other.m_hatchingType &&
               m_bridgeFraction == other.m_bridgeFraction && m_bridgeColor == other.m_bridgeColor &&
               m_bridgeHatchingType == other.m_bridgeHatchingType;
    }
    bool operator!=(const ConstructionLayer &other) const { return !(*this == other); }
};

/*! The layers of a construction in sketch order (left to right, or top to bottom). Two lists are
    equal when they have the same length and are equal layer by layer. */
using ConstructionLayers = QVector<ConstructionLayer>;

} // namespace QtExt

Q_DECLARE_METATYPE(QtExt::ConstructionLayer)
