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

M2_UndoAddLayerLeft::M2_UndoAddLayerLeft(Project &project, int index, const MaterialLayer &layer)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_layer(layer)
{
    m_changed = insertPosition(project, index);
}

QString M2_UndoAddLayerLeft::description(int index)
{
    return tr("Add layer left to no. %L1").arg(index + 1);
}

void M2_UndoAddLayerLeft::redo()
{
    m_applied = m_project.insertLayer(m_index, m_layer);
}

void M2_UndoAddLayerLeft::undo()
{
    if (m_applied)
        m_project.removeLayers(m_index);
}

// ---------------------------------------------------------------------------------------------

M2_UndoAddLayerRight::M2_UndoAddLayerRight(Project &project, int index, const MaterialLayer &layer)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_layer(layer)
{
    m_changed = insertPosition(project, index + 1);
}

QString M2_UndoAddLayerRight::description(int index)
{
    return tr("Add layer right to no. %L1").arg(index + 1);
}

void M2_UndoAddLayerRight::redo()
{
    m_applied = m_project.insertLayer(m_index + 1, m_layer);
}

void M2_UndoAddLayerRight::undo()
{
    if (m_applied)
        m_project.removeLayers(m_index + 1);
}

// ---------------------------------------------------------------------------------------------

M2_UndoAddConstructionLeft::M2_UndoAddConstructionLeft(Project &project, int index,
                                                       const Construction &construction)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_name(construction.m_name)
    , m_notes(construction.m_notes)
    , m_layers(construction.m_layers)
{
    m_changed = !m_layers.empty() && insertPosition(project, index);
}

QString M2_UndoAddConstructionLeft::description(int index)
{
    return tr("Add construction left to no. %L1").arg(index + 1);
}

void M2_UndoAddConstructionLeft::redo()
{
    m_applied = m_project.insertLayers(m_index, m_layers);
}

void M2_UndoAddConstructionLeft::undo()
{
    if (!m_applied)
        return;
    const int count = int(m_layers.size());
    const int remaining = m_project.layerCount() - count;
    m_project.removeLayers(m_index, count, std::min(remaining, m_index + 1));
}

// ---------------------------------------------------------------------------------------------

M2_UndoAddConstructionRight::M2_UndoAddConstructionRight(Project &project, int index,
                                                         const Construction &construction)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_name(construction.m_name)
    , m_notes(construction.m_notes)
    , m_layers(construction.m_layers)
{
    m_changed = !m_layers.empty() && insertPosition(project, index + 1);
}

QString M2_UndoAddConstructionRight::description(int index)
{
    return tr("Add construction right to no. %L1").arg(index + 1);
}

void M2_UndoAddConstructionRight::redo()
{
    m_applied = m_project.insertLayers(m_index + 1, m_layers);
}

void M2_UndoAddConstructionRight::undo()
{
    if (m_applied)
        m_project.removeLayers(m_index + 1, int(m_layers.size()));
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
    return tr("Remove layer no. %L1").arg(index + 1);
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

M2_UndoMoveLayerLeft::M2_UndoMoveLayerLeft(Project &project, int index)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
{
    m_changed = index > 0 && layerPosition(project, index);
}

QString M2_UndoMoveLayerLeft::description(int index)
{
    return tr("Move layer no. %L1 to left").arg(index + 1);
}

void M2_UndoMoveLayerLeft::redo()
{
    m_applied = m_project.moveLayer(m_index, m_index - 1);
}

void M2_UndoMoveLayerLeft::undo()
{
    if (m_applied)
        m_project.moveLayer(m_index - 1, m_index);
}

// ---------------------------------------------------------------------------------------------

M2_UndoMoveLayerRight::M2_UndoMoveLayerRight(Project &project, int index)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
{
    m_changed = layerPosition(project, index) && layerPosition(project, index + 1);
}

QString M2_UndoMoveLayerRight::description(int index)
{
    return tr("Move layer no. %L1 to right").arg(index + 1);
}

void M2_UndoMoveLayerRight::redo()
{
    m_applied = m_project.moveLayer(m_index, m_index + 1);
}

void M2_UndoMoveLayerRight::undo()
{
    if (m_applied)
        m_project.moveLayer(m_index + 1, m_index);
}

// ---------------------------------------------------------------------------------------------

M2_UndoChangeMaterial::M2_UndoChangeMaterial(Project &project, int index, const Material &material)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_material(material)
{
    m_changed =
        layerPosition(project, index) && !(project.inputData().layer(index).material() == material);
}

QString M2_UndoChangeMaterial::description(int index)
{
    return tr("Change material on layer no. %L1").arg(index + 1);
}

void M2_UndoChangeMaterial::redo()
{
    m_applied = false;
    if (!layerPosition(m_project, m_index))
        return;
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    const double width = layer.m_width;
    const Material previous = layer.material();
    m_applied = m_project.changeMaterial(m_index, m_material);
    if (m_applied) {
        m_material = previous;
        m_width = width;
    }
}

void M2_UndoChangeMaterial::undo()
{
    if (!m_applied || !layerPosition(m_project, m_index))
        return;
    // Material and width in one edit, so that the project recalculates once.
    MaterialLayer layer = m_project.inputData().layer(m_index);
    const Material current = layer.material();
    layer.changeMaterial(m_material);
    layer.setWidth(m_width);
    if (m_project.replaceLayer(m_index, layer))
        m_material = current;
}
