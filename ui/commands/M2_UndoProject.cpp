#include "ui/commands/M2_UndoProject.h"

#include "document/Project.h"

M2_UndoHeatFlowDirection::M2_UndoHeatFlowDirection(Project &project, int directionCode)
    : M2_UndoCommandBase(project, description(directionCode))
    , m_direction(heatFlowDirectionFromCode(directionCode))
{
    m_changed = project.hasProject() && m_direction != project.heatFlowDirection();
}

QString M2_UndoHeatFlowDirection::description(int directionCode)
{
    switch (heatFlowDirectionFromCode(directionCode)) {
    case HeatFlowDirection::Upwards:
        return tr("Change of heat flow direction to upwards");
    case HeatFlowDirection::Horizontal:
        return tr("Change of heat flow direction to horizontal");
    case HeatFlowDirection::Downwards:
        break;
    }
    return tr("Change of heat flow direction to downwards");
}

void M2_UndoHeatFlowDirection::swap()
{
    const HeatFlowDirection current = m_project.heatFlowDirection();
    if (m_project.setHeatFlowDirection(m_direction))
        m_direction = current;
}

// ---------------------------------------------------------------------------------------------

M2_UndoChangeProjectInfo::M2_UndoChangeProjectInfo(Project &project, const ProjectInformation &info)
    : M2_UndoCommandBase(project, description())
    , m_info(info)
{
    m_changed = project.hasProject() && !(info == project.projectInformation());
}

QString M2_UndoChangeProjectInfo::description()
{
    return tr("Change of project information");
}

void M2_UndoChangeProjectInfo::swap()
{
    const ProjectInformation current = m_project.projectInformation();
    if (m_project.setProjectInformation(m_info))
        m_info = current;
}

// ---------------------------------------------------------------------------------------------

UndoChangeDisclaimer::UndoChangeDisclaimer(Project &project, const QString &text)
    : M2_UndoCommandBase(project, description())
    , m_text(text)
{
    m_changed = project.hasProject() && text != project.projectInformation().m_disclaimerText;
}

QString UndoChangeDisclaimer::description()
{
    return tr("Change of final remarks");
}

void UndoChangeDisclaimer::swap()
{
    const QString current = m_project.projectInformation().m_disclaimerText;
    if (m_project.setFinalRemarks(m_text))
        m_text = current;
}
