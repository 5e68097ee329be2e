#include "ui/commands/M2_UndoProject.h"

#include "calculation/MinimumHeatResistance.h"
#include "document/Project.h"
#include "model/ClimatePresets.h"

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

// ---------------------------------------------------------------------------------------------

M2_UndoConstructionKind::State M2_UndoConstructionKind::stateOf(const Project &project)
{
    return {project.constructionKind(), project.minimumResistanceType(),
            project.heatFlowDirection(), project.inputData().climate()};
}

M2_UndoConstructionKind::M2_UndoConstructionKind(Project &project, ConstructionKind kind,
                                                 int minimumResistanceEdition)
    : M2_UndoCommandBase(project, description(kind))
    , m_kind(kind)
    , m_edition(minimumResistanceEdition)
    , m_before(stateOf(project))
{
    if (!project.hasProject()) {
        m_changed = false;
        return;
    }
    // What the kind would set, worked out as the project does it, to say it before the push.
    const HeatFlowDirection direction = ConstructionKinds::heatFlowDirection(kind);
    Climate climate = m_before.climate;
    ConstructionKinds::applyToClimate(kind, direction, climate);
    const int type = ConstructionKinds::minimumResistanceType(kind, m_edition);

    auto differ = [](const ClimateCondition &a, const ClimateCondition &b) {
        return a.m_T != b.m_T || a.m_rh != b.m_rh || a.m_Rs != b.m_Rs;
    };
    const Climate &old = m_before.climate;
    QStringList parts;
    if (direction != m_before.direction) {
        const char *const names[] = {QT_TR_NOOP("heat flow downwards"),
                                     QT_TR_NOOP("heat flow upwards"),
                                     QT_TR_NOOP("heat flow horizontal")};
        parts << tr(names[heatFlowDirectionCode(direction)]);
    }
    if (differ(old.insideWinter(), climate.insideWinter()))
        parts << tr("inside climate “%1”")
                     .arg(ClimatePresets::presetNameForCondition(climate.insideWinter()));
    if (differ(old.outsideWinter(), climate.outsideWinter()))
        parts << tr("outside climate “%1”")
                     .arg(ClimatePresets::presetNameForCondition(climate.outsideWinter()));
    // the summer surface resistances follow the winter ones and are no part of the period
    auto summerDiffers = [](const ClimateCondition &a, const ClimateCondition &b) {
        return a.m_T != b.m_T || a.m_rh != b.m_rh;
    };
    if (summerDiffers(old.insideSummer(), climate.insideSummer()) ||
        summerDiffers(old.outsideSummer(), climate.outsideSummer()) ||
        old.psat_summer() != climate.psat_summer())
        // whole pascals, written without digit grouping in every language
        parts << tr("evaporation period %1 Pa in the condensation plane, %2 Pa on both sides")
                     .arg(QString::number(climate.psat_summer(), 'f', 0),
                          QString::number(climate.pv_i_summer(), 'f', 0));
    if (old.assessmentCondition() != climate.assessmentCondition())
        parts << tr("assessment “%1”")
                     .arg(Climate::assessmentConditionText(climate.assessmentCondition()));
    if (type != m_before.minimumResistanceType)
        parts << tr("minimum thermal resistance after %1 row %2")
                     .arg(MinimumHeatResistance::editionName(m_edition),
                          MinimumHeatResistance::row(m_edition, type));
    m_summary =
        parts.isEmpty()
            ? tr("Construction kind “%1”: no default changed.").arg(ConstructionKinds::name(kind))
            : tr("Construction kind “%1”: %2.")
                  .arg(ConstructionKinds::name(kind), parts.join(QStringLiteral("; ")));
    m_changed = kind != m_before.kind || !parts.isEmpty();
}

QString M2_UndoConstructionKind::description(ConstructionKind kind)
{
    return tr("Change of construction kind to %1").arg(ConstructionKinds::name(kind));
}

void M2_UndoConstructionKind::redo()
{
    m_applied = m_project.setConstructionKind(m_kind, m_edition);
}

void M2_UndoConstructionKind::undo()
{
    if (m_applied)
        m_project.setConstructionKindValues(m_before.kind, m_before.minimumResistanceType,
                                            m_before.direction, m_before.climate);
}

// ---------------------------------------------------------------------------------------------

M2_UndoMinimumResistanceType::M2_UndoMinimumResistanceType(Project &project, int type)
    : M2_UndoCommandBase(project, description())
    , m_type(type)
{
    m_changed = project.hasProject() && type != project.minimumResistanceType() &&
                type >= ProjectInformation::NoMinimumResistanceType;
}

QString M2_UndoMinimumResistanceType::description()
{
    return tr("Change of the row of the minimum thermal resistance");
}

void M2_UndoMinimumResistanceType::swap()
{
    const int current = m_project.minimumResistanceType();
    if (m_project.setMinimumResistanceType(m_type))
        m_type = current;
}
