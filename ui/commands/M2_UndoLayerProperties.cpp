#include "ui/commands/M2_UndoLayerProperties.h"

#include "document/Project.h"

#include <cmath>

namespace {

bool layerPosition(const Project &project, int index)
{
    return project.hasProject() && index >= 0 && index < project.layerCount();
}

// The form in which the layer editor shows a value.
QString shown(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

// ---------------------------------------------------------------------------------------------

M2_UndoLayerColor::M2_UndoLayerColor(Project &project, int index, const QColor &color)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_color(color)
{
    m_changed = color.isValid() && layerPosition(project, index) &&
                project.inputData().layer(index).m_color != color;
}

QString M2_UndoLayerColor::description(int index)
{
    return tr("Undo change of color at layer No. %1").arg(index + 1);
}

void M2_UndoLayerColor::swap()
{
    if (!layerPosition(m_project, m_index))
        return;
    const QColor current = m_project.inputData().layer(m_index).m_color;
    if (m_project.setLayerColor(m_index, m_color))
        m_color = current;
}

// ---------------------------------------------------------------------------------------------

M2_UndoMaterialName::M2_UndoMaterialName(Project &project, int index, const QString &name)
    : M2_UndoCommandBase(project, description(index))
    , m_index(index)
    , m_name(name)
{
    m_changed = layerPosition(project, index) && project.inputData().layer(index).m_name != name;
}

QString M2_UndoMaterialName::description(int index)
{
    return tr("Undo change of material name at layer No. %1").arg(index + 1);
}

void M2_UndoMaterialName::swap()
{
    if (!layerPosition(m_project, m_index))
        return;
    const QString current = m_project.inputData().layer(m_index).m_name;
    if (m_project.setLayerName(m_index, m_name))
        m_name = current;
}

// ---------------------------------------------------------------------------------------------

M2_UndoMaterialParameters::M2_UndoMaterialParameters(Project &project, int kind, int index,
                                                     double value, bool awInSeconds)
    : M2_UndoCommandBase(project, description(kind, index))
    , m_kind(kind)
    , m_index(index)
    , m_value(value)
{
    m_changed = false;
    if (!layerPosition(project, index) || !std::isfinite(value))
        return;
    const MaterialLayer &layer = project.inputData().layer(index);
    switch (kind) {
    case Project::LV_Mu:
        if (value < 0.1)
            return;
        break;
    case Project::LV_W80:
        if (value <= 0 || value >= layer.m_w_sat)
            return;
        break;
    case Project::LV_WSat:
        if (value <= layer.m_w_80 || value <= 0 || value > 1)
            return;
        break;
    case Project::LV_Lambda:
    case Project::LV_Aw:
        if (value <= 0)
            return;
        break;
    case Project::LV_Width:
        // The sd-value fixes the width of such a layer.
        if (value <= 0 || layer.m_sd_value != 0)
            return;
        break;
    default:
        return;
    }
    const double current = currentValue();
    if (kind == Project::LV_Aw && !awInSeconds)
        m_changed = shown(value * 60) != shown(current * 60);
    else
        m_changed = value != current;
}

QString M2_UndoMaterialParameters::description(int kind, int index)
{
    switch (kind) {
    case Project::LV_Mu:
        return tr("Undo %L1-value change at layer No. %2").arg(QChar(0x03BC)).arg(index + 1);
    case Project::LV_W80:
        return tr("Undo w_80 change at layer No. %1").arg(index + 1);
    case Project::LV_WSat:
        return tr("Undo w_sat change at layer No. %1").arg(index + 1);
    case Project::LV_Lambda:
        return tr("Undo lambda change at layer No. %1").arg(index + 1);
    case Project::LV_Aw:
        return tr("Undo Aw change at layer No. %1").arg(index + 1);
    default:
        return tr("Undo layer width change at layer No. %1").arg(index + 1);
    }
}

double M2_UndoMaterialParameters::currentValue() const
{
    const MaterialLayer &layer = m_project.inputData().layer(m_index);
    switch (m_kind) {
    case Project::LV_Mu:
        return layer.m_mu;
    case Project::LV_W80:
        return layer.m_w_80;
    case Project::LV_WSat:
        return layer.m_w_sat;
    case Project::LV_Lambda:
        return layer.m_lambda;
    case Project::LV_Aw:
        return layer.m_A_w;
    default:
        return layer.m_width;
    }
}

void M2_UndoMaterialParameters::swap()
{
    if (!layerPosition(m_project, m_index))
        return;
    const double current = currentValue();
    if (m_project.setLayerValue(m_index, Project::LayerValue(m_kind), m_value))
        m_value = current;
}
