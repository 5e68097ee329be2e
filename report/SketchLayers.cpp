#include "report/SketchLayers.h"

#include "qtext/GraphicsRectItemWithHatch.h"

namespace SketchLayers {

int hatchingType(const Material &material)
{
    using H = QtExt::GraphicsRectItemWithHatch;
    if (material.isAir() || material.isFoil())
        return H::HT_None;
    switch (material.m_category) {
    case 1: // plaster and mortar
        return H::HT_LinesRisingRight;
    case 2: // building brick
        return H::HT_LinesFallingRight;
    case 3: // natural stones
        return H::HT_Grid;
    case 4: // concrete
        return H::HT_LinesCrossed;
    case 5: // insulation materials
        return H::HT_Insulation;
    case 6: // building boards
    case 8: // natural materials
        return H::HT_LinesHorizontal;
    case 7: // timber: along the grain
        return H::HT_LinesVertical;
    case 9: // soil
        return H::HT_Grid;
    case 10: // cladding panels and ceramic tiles
        return H::HT_LinesRisingRight;
    default: // coatings, foils and waterproofing, miscellaneous, unknown
        return H::HT_None;
    }
}

QtExt::ConstructionLayers fromLayers(const std::vector<MaterialLayer> &layers)
{
    QtExt::ConstructionLayers sketch;
    for (const MaterialLayer &layer : layers) {
        QtExt::ConstructionLayer l;
        l.m_width = layer.width();
        l.m_color = layer.m_color;
        l.m_hatchingType = hatchingType(layer);
        l.m_name = layer.m_name;
        if (layer.m_bridge) {
            l.m_bridgeFraction = layer.m_bridge->fraction;
            l.m_bridgeColor = layer.m_bridge->material.m_color;
            // The members are cut across, so timber shows its end grain (crossed diagonals) and
            // not the lines along the grain of a timber layer; a member whose material has no
            // pattern of its own is cross-hatched too, so that it stands out from the field.
            const int hatch = hatchingType(layer.m_bridge->material);
            l.m_bridgeHatchingType =
                hatch == QtExt::GraphicsRectItemWithHatch::HT_None ||
                        hatch == QtExt::GraphicsRectItemWithHatch::HT_LinesVertical
                    ? QtExt::GraphicsRectItemWithHatch::HT_LinesCrossed
                    : hatch;
        }
        sketch << l;
    }
    return sketch;
}

} // namespace SketchLayers
