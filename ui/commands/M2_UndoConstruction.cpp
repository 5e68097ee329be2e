#include "ui/commands/M2_UndoConstruction.h"

#include "document/Project.h"
#include "persistence/Construction.h"

#include <algorithm>

namespace {

bool insertPosition(const Project &project, int position)
{
    return project.hasProject() && position >= 0 && position <= project.layerCount();
}

bool layerPosition(const Project &project, int position)
{
    return project.hasProject() && position >= 0 && position < project.layerCount();
}

} // namespace

// ---------------------------------------------------------------------------------------------

M2_UndoAddLayer::M2_UndoAddLayer(Project &project, int index, LayerSide side,
                                 const MaterialLayer &layer)
    : M2_UndoCommandBase(project, description(index, side))
    , m_position(side == LayerSide::Left ? index : index + 1)
    , m_layer(layer)
{
    m_changed = insertPosition(project, m_position);
}

QString M2_UndoAddLayer::description(int index, LayerSide side)
{
    // the texts keep the contexts of the two commands they were written for
    return side == LayerSide::Left
               ? QCoreApplication::translate("M2_UndoAddLayerLeft",
                                             "Addition of a layer left of no. %L1")
                     .arg(index + 1)
               : QCoreApplication::translate("M2_UndoAddLayerRight",
                                             "Addition of a layer right of no. %L1")
                     .arg(index + 1);
}

void M2_UndoAddLayer::redo()
{
    m_applied = m_project.insertLayer(m_position, m_layer);
}

void M2_UndoAddLayer::undo()
{
    if (m_applied)
        m_project.removeLayers(m_position);
}

// ---------------------------------------------------------------------------------------------

M2_UndoAddConstruction::M2_UndoAddConstruction(Project &project, int index, LayerSide side,
                                               const Construction &construction)
    : M2_UndoCommandBase(project, description(index, side))
    , m_index(index)
    , m_position(side == LayerSide::Left ? index : index + 1)
    , m_name(construction.m_name)
    , m_notes(construction.m_notes)
    , m_layers(construction.m_layers)
{
    m_changed = !m_layers.empty() && insertPosition(project, m_position);
}

QString M2_UndoAddConstruction::description(int index, LayerSide side)
{
    return side == LayerSide::Left
               ? QCoreApplication::translate("M2_UndoAddConstructionLeft",
                                             "Addition of a construction left of no. %L1")
                     .arg(index + 1)
               : QCoreApplication::translate("M2_UndoAddConstructionRight",
                                             "Addition of a construction right of no. %L1")
                     .arg(index + 1);
}

void M2_UndoAddConstruction::redo()
{
    m_applied = m_project.insertLayers(m_position, m_layers);
}

void M2_UndoAddConstruction::undo()
{
    if (!m_applied)
        return;
    const int count = int(m_layers.size());
    const int remaining = m_project.layerCount() - count;
    // the layer that was current is current again (table columns count layers from 1)
    m_project.removeLayers(m_position, count, std::min(remaining, m_index + 1));
}

// ---------------------------------------------------------------------------------------------

M2_UndoRemoveLayer::M2_UndoRemoveLayer(Project &project, int index)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
{
    m_changed = layerPosition(project, index);
    if (m_changed)
        m_layer = project.inputData().layer(index);
}

QString M2_UndoRemoveLayer::description(int index)
{
    return tr("Removal of layer no. %L1").arg(index + 1);
}

void M2_UndoRemoveLayer::redo()
{
    m_applied = m_project.removeLayers(m_index);
}

void M2_UndoRemoveLayer::undo()
{
    if (m_applied)
        m_project.insertLayer(m_index, m_layer);
}

// ---------------------------------------------------------------------------------------------

M2_UndoMoveLayer::M2_UndoMoveLayer(Project &project, int index, LayerSide side)
    : M2_UndoCommandBase(project, description(index, side))
    , m_index(index)
    , m_neighbour(side == LayerSide::Left ? index - 1 : index + 1)
{
    m_changed = layerPosition(project, index) && layerPosition(project, m_neighbour);
}

QString M2_UndoMoveLayer::description(int index, LayerSide side)
{
    return side == LayerSide::Left
               ? QCoreApplication::translate("M2_UndoMoveLayerLeft",
                                             "Move of layer no. %L1 to the left")
                     .arg(index + 1)
               : QCoreApplication::translate("M2_UndoMoveLayerRight",
                                             "Move of layer no. %L1 to the right")
                     .arg(index + 1);
}

void M2_UndoMoveLayer::redo()
{
    m_applied = m_project.moveLayer(m_index, m_neighbour);
}

void M2_UndoMoveLayer::undo()
{
    if (m_applied)
        m_project.moveLayer(m_neighbour, m_index);
}

// ---------------------------------------------------------------------------------------------

M2_UndoChangeMaterial::M2_UndoChangeMaterial(Project &project, int index, const Material &material)
    : M2_UndoCommandBase(project,
                         description(index, project.changeMaterialRemovesBridge(index, material)))
    , m_index(index)
    , m_material(material)
    , m_removesBridge(project.changeMaterialRemovesBridge(index, material))
{
    m_changed =
        layerPosition(project, index) && !(project.inputData().layer(index).material() == material);
}

QString M2_UndoChangeMaterial::description(int index, bool removesBridge)
{
    if (removesBridge)
        return tr("Change of material of layer no. %L1 to one given by its sd-value, which "
                  "removes its second material")
            .arg(index + 1);
    return tr("Change of material of layer no. %L1").arg(index + 1);
}

void M2_UndoChangeMaterial::redo()
{
    m_applied = false;
    if (!layerPosition(m_project, m_index))
        return;
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    const double width = layer.m_width;
    const Material previous = layer.material();
    const std::optional<LayerBridge> bridge = layer.m_bridge;
    m_applied = m_project.changeMaterial(m_index, m_material);
    if (m_applied) {
        m_material = previous;
        m_width = width;
        m_bridge = bridge;
    }
}

void M2_UndoChangeMaterial::undo()
{
    if (!m_applied || !layerPosition(m_project, m_index))
        return;
    // Material, width and second material in one edit, so that the project recalculates once.
    MaterialLayer layer = m_project.inputData().layer(m_index);
    const Material current = layer.material();
    layer.changeMaterial(m_material);
    layer.setWidth(m_width);
    layer.m_bridge = m_bridge;
    if (m_project.replaceLayer(m_index, layer))
        m_material = current;
}
