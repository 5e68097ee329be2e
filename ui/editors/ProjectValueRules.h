#pragma once

#include "document/Project.h"
#include "qtext/ValidatingLineEdit.h"

#include <functional>

/*  Field rules that let the project judge: a field that edits a value of the open project asks
    the project whether it takes the value (after converting what is shown into project units),
    and shows the project's reason when it does not (and the project's note when it takes a
    value that looks unusual for its quantity). The edit operation and the undo command ask
    the same question, so a field never shows as valid a value that the project refuses. */

/*! One value of one layer. */
class LayerValueRule : public QtExt::FieldValidator
{
public:
    /*! toProject converts the shown value into project units (identity when null). */
    LayerValueRule(const Project &project, int index, Project::LayerValue kind,
                   std::function<double(double)> toProject = nullptr)
        : m_project(project)
        , m_index(index)
        , m_kind(kind)
        , m_toProject(std::move(toProject))
    {
    }
    bool isValid(double value, QString *message) override
    {
        return m_project.acceptsLayerValue(m_index, m_kind,
                                           m_toProject ? m_toProject(value) : value, message);
    }
    QString notice(double value) override
    {
        return m_project.layerValueNote(m_index, m_kind, m_toProject ? m_toProject(value) : value);
    }

private:
    const Project &m_project;
    int m_index;
    Project::LayerValue m_kind;
    std::function<double(double)> m_toProject;
};

/*! One climate value of one side and period. */
class ClimateValueRule : public QtExt::FieldValidator
{
public:
    ClimateValueRule(const Project &project, Climate::Side side, Climate::Period period,
                     Climate::Quantity quantity)
        : m_project(project)
        , m_side(side)
        , m_period(period)
        , m_quantity(quantity)
    {
    }
    bool isValid(double value, QString *message) override
    {
        return m_project.acceptsClimateValue(m_side, m_period, m_quantity, value, message);
    }
    QString notice(double value) override
    {
        return m_project.climateValueNote(m_side, m_period, m_quantity, value);
    }

private:
    const Project &m_project;
    Climate::Side m_side;
    Climate::Period m_period;
    Climate::Quantity m_quantity;
};
