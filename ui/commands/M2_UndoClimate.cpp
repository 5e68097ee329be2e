#include "ui/commands/M2_UndoClimate.h"

#include "document/Project.h"
#include "model/ClimatePresets.h"

#include <cmath>

namespace {

Climate::Side climateSide(bool warmSide)
{
    return warmSide ? Climate::Inside : Climate::Outside;
}

Climate::Quantity quantityOfKind(int kind)
{
    switch (kind) {
    case 0:
    case 2:
        return Climate::Q_T;
    case 1:
    case 3:
        return Climate::Q_rh;
    default:
        return Climate::Q_Rs;
    }
}

bool sameWithinTolerance(double a, double b)
{
    return ClimatePresets::equalWithinTolerance(a, b);
}

} // namespace

// ---------------------------------------------------------------------------------------------

M2_UndoClimate::M2_UndoClimate(Project &project, int kind, bool warmSide, bool winterPeriod,
                               double value)
    : M2_UndoCommandBase(project, description(kind, warmSide))
    , m_kind(kind)
    , m_warmSide(warmSide)
    , m_winterPeriod(winterPeriod)
    , m_value(value)
    , m_summerValue(value)
{
    const Climate::Quantity quantity = quantityOfKind(kind);
    const bool summer = kind == 4 ? !winterPeriod : kind >= 2;
    const Climate::Period period = kind == 4 ? Climate::Both
                                   : summer  ? Climate::Summer
                                             : Climate::Winter;
    if (kind < 0 || kind > 4 ||
        !project.acceptsClimateValue(climateSide(warmSide), period, quantity, value)) {
        m_changed = false;
        return;
    }
    m_changed = value != project.climateValue(climateSide(warmSide),
                                              summer ? Climate::Summer : Climate::Winter, quantity);
}

QString M2_UndoClimate::sideName(bool warmSide)
{
    return warmSide ? tr("warm side") : tr("cold side");
}

QString M2_UndoClimate::description(int kind, bool warmSide)
{
    switch (kind) {
    // noun phrases: the undo and redo actions put "Undo" and "Redo" in front
    case 0:
        return tr("Change of temperature (condensation period) at %1").arg(sideName(warmSide));
    case 2:
        return tr("Change of temperature (evaporation period) at %1").arg(sideName(warmSide));
    case 1:
        return tr("Change of relative humidity (condensation period) at %1")
            .arg(sideName(warmSide));
    case 3:
        return tr("Change of relative humidity (evaporation period) at %1").arg(sideName(warmSide));
    default:
        return tr("Change of surface resistance at %1").arg(sideName(warmSide));
    }
}

void M2_UndoClimate::swap()
{
    if (!m_project.hasProject())
        return;
    const Climate::Side side = climateSide(m_warmSide);
    const Climate::Quantity quantity = quantityOfKind(m_kind);
    const Climate &climate = m_project.inputData().climate();
    const double winter = m_project.climateValue(side, Climate::Winter, quantity);
    const double summer = m_project.climateValue(side, Climate::Summer, quantity);
    if (m_kind < 4) {
        const bool summerKind = m_kind >= 2;
        const Climate::Period period = summerKind ? Climate::Summer : Climate::Winter;
        if (m_project.setClimateValue(side, period, quantity, m_value))
            m_value = summerKind ? summer : winter;
        return;
    }
    bool done;
    if (m_value == m_summerValue) {
        done = m_project.setClimateValue(side, Climate::Both, quantity, m_value);
    } else {
        Climate restored = climate;
        restored.setValue(side, Climate::Winter, quantity, m_value);
        restored.setValue(side, Climate::Summer, quantity, m_summerValue);
        done = m_project.setClimate(restored, sideColumn(m_warmSide));
    }
    if (done) {
        m_value = winter;
        m_summerValue = summer;
    }
}

// ---------------------------------------------------------------------------------------------

M2_UndoClimateAll::M2_UndoClimateAll(Project &project, bool warmSide, bool winterPeriod,
                                     int presetId)
    : M2_UndoCommandBase(project, description(warmSide))
    , m_warmSide(warmSide)
    , m_winterPeriod(winterPeriod)
    , m_presetId(presetId)
{
    const Climate::Side side = climateSide(warmSide);
    m_changed = project.hasProject() &&
                ClimatePresets::isAllowed(
                    presetId, project.inputData().climate().assessmentCondition(), side);
    if (!m_changed)
        return;
    // A preset with the values the side has already (the one shown, or another preset with the
    // same values) would change nothing.
    ClimateCondition preset;
    ClimatePresets::copyPreset(presetId, side, preset);
    const Climate &climate = project.inputData().climate();
    const ClimateCondition &current =
        side == Climate::Inside ? climate.insideWinter() : climate.outsideWinter();
    m_changed =
        preset.m_T != current.m_T || preset.m_rh != current.m_rh || preset.m_Rs != current.m_Rs;
}

QString M2_UndoClimateAll::description(bool warmSide)
{
    return tr("Change of climate data set at %1").arg(M2_UndoClimate::sideName(warmSide));
}

void M2_UndoClimateAll::redo()
{
    m_applied = false;
    if (!m_project.hasProject())
        return;
    m_previous = m_project.inputData().climate();
    m_applied = m_project.applyClimatePreset(climateSide(m_warmSide), m_presetId);
}

void M2_UndoClimateAll::undo()
{
    if (m_applied)
        m_project.setClimate(m_previous, sideColumn(m_warmSide));
}

// ---------------------------------------------------------------------------------------------

M2_UndoAssessmentType::M2_UndoAssessmentType(Project &project, Edit edit, int assessmentType,
                                             double condensationDays, double evaporationDays)
    : M2_UndoCommandBase(project, description(edit))
    , m_assessmentType(assessmentType)
    , m_condensationDays(condensationDays)
    , m_evaporationDays(evaporationDays)
{
    const Climate &climate = project.inputData().climate();
    m_changed =
        project.hasProject() && (assessmentType != climate.assessmentCondition() ||
                                 !sameWithinTolerance(condensationDays, climate.tT()) ||
                                 !sameWithinTolerance(evaporationDays, climate.tT_summer()));
}

QString M2_UndoAssessmentType::description(Edit edit)
{
    switch (edit) {
    case CondensationTime:
        return tr("Change of condensation time");
    case EvaporationTime:
        return tr("Change of evaporation time");
    default:
        return tr("Change of assessment type");
    }
}

void M2_UndoAssessmentType::redo()
{
    m_applied = false;
    if (!m_project.hasProject())
        return;
    const Climate &climate = m_project.inputData().climate();
    if (m_assessmentType == climate.assessmentCondition() &&
        sameWithinTolerance(m_condensationDays, climate.tT()) &&
        sameWithinTolerance(m_evaporationDays, climate.tT_summer()))
        return;
    m_previous = climate;
    m_applied =
        m_project.setAssessmentType(m_assessmentType, m_condensationDays, m_evaporationDays);
}

void M2_UndoAssessmentType::undo()
{
    if (m_applied)
        m_project.setClimate(m_previous);
}
