#include "ui/commands/M2_UndoLayerProperties.h"

#include "document/Project.h"

#include <cmath>

namespace {

bool isLayerIndex(const Project &project, int index)
{
    return project.hasProject() && index >= 0 && index < project.layerCount();
}

} // namespace

// ---------------------------------------------------------------------------------------------

M2_UndoLayerColor::M2_UndoLayerColor(Project &project, int index, const QColor &color)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_color(color)
{
    m_changed = color.isValid() && isLayerIndex(project, index) &&
                project.inputData().layer(index).m_color != color;
}

QString M2_UndoLayerColor::description(int index)
{
    return tr("Change of colour of layer no. %1").arg(index + 1);
}

void M2_UndoLayerColor::swap()
{
    if (!isLayerIndex(m_project, m_index))
        return;
    const QColor current = m_project.inputData().layer(m_index).m_color;
    if (m_project.setLayerColor(m_index, m_color))
        m_color = current;
}

// ---------------------------------------------------------------------------------------------

M2_UndoLayerBridge::M2_UndoLayerBridge(Project &project, int index,
                                       const std::optional<LayerBridge> &bridge)
    : M2_UndoCommandBase(project, description(index, !bridge))
    , m_index(index)
    , m_bridge(bridge)
{
    m_changed = isLayerIndex(project, index) &&
                project.inputData().layer(index).m_bridge != bridge &&
                (!bridge || project.acceptsLayerBridge(index, *bridge));
}

QString M2_UndoLayerBridge::description(int index, bool removal)
{
    return removal ? tr("Removal of second material of layer no. %1").arg(index + 1)
                   : tr("Change of second material of layer no. %1").arg(index + 1);
}

void M2_UndoLayerBridge::swap()
{
    if (!isLayerIndex(m_project, m_index))
        return;
    const std::optional<LayerBridge> current = m_project.inputData().layer(m_index).m_bridge;
    if (m_project.setLayerBridge(m_index, m_bridge))
        m_bridge = current;
}

// ---------------------------------------------------------------------------------------------

M2_UndoMaterialName::M2_UndoMaterialName(Project &project, int index, const QString &name)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_name(name)
{
    m_changed = isLayerIndex(project, index) && project.inputData().layer(index).m_name != name;
}

QString M2_UndoMaterialName::description(int index)
{
    return tr("Change of material name of layer no. %1").arg(index + 1);
}

void M2_UndoMaterialName::swap()
{
    if (!isLayerIndex(m_project, m_index))
        return;
    const QString current = m_project.inputData().layer(m_index).m_name;
    if (m_project.setLayerName(m_index, m_name))
        m_name = current;
}

// ---------------------------------------------------------------------------------------------

M2_UndoMaterialParameters::M2_UndoMaterialParameters(Project &project, Project::LayerValue kind,
                                                     int index, double value)
    : M2_UndoCommandBase(project, description(kind, index))
    , m_kind(kind)
    , m_index(index)
    , m_value(value)
{
    m_changed =
        project.acceptsLayerValue(index, kind, value) && value != project.layerValue(index, kind);
}

QString M2_UndoMaterialParameters::description(Project::LayerValue kind, int index)
{
    switch (kind) {
    case Project::LV_Mu:
        return tr("Change of %L1 of layer no. %2").arg(QChar(0x03BC)).arg(index + 1);
    case Project::LV_W80:
        return tr("Change of w_80 of layer no. %1").arg(index + 1);
    case Project::LV_WSat:
        return tr("Change of w_sat of layer no. %1").arg(index + 1);
    case Project::LV_Lambda:
        return tr("Change of thermal conductivity of layer no. %1").arg(index + 1);
    case Project::LV_Aw:
        return tr("Change of water absorption coefficient of layer no. %1").arg(index + 1);
    case Project::LV_SdSummer:
        return tr("Change of summer sd-value of layer no. %1").arg(index + 1);
    default:
        return tr("Change of width of layer no. %1").arg(index + 1);
    }
}

void M2_UndoMaterialParameters::swap()
{
    if (!isLayerIndex(m_project, m_index))
        return;
    const double current = m_project.layerValue(m_index, m_kind);
    if (m_project.setLayerValue(m_index, m_kind, m_value))
        m_value = current;
}
