#pragma once

#include "calculation/DINCriteriaResult.h"
#include "calculation/MinimumHeatResistance.h"

#include <QString>

class JsonObject;
class Project;
struct ReportSettings;

/*  The assessment verdicts that the report prints beside the calculation results: the
    DIN 4108-3 validity criteria with the DIN 68800-2 drying reserve, the DIN 4108-2 minimum
    thermal resistance and, when switched on, the temperature factor f_Rsi. Evaluated for every
    calculation result with the report settings of this run. */
struct BatchCriteria
{
    DINCriteriaResult din;
    MinimumHeatResistance::Result minimum;
    /*! The figures the verdicts judge: condensate mass at the end of the condensation period,
        evaporable mass (both kg/m²), drying time (s), dry sum of the layer resistances
        (m²K/W). */
    double M_c = 0;
    double m_ev = 0;
    double t_ev = 0;
    double R_layers = 0;

    static BatchCriteria evaluate(const Project &project, const ReportSettings &settings);

    /*! Adds the members "criteria", "min_heat_resistance" and "frsi". */
    void addJson(JsonObject &object) const;
    /*! The readable block of the verdicts, each with its figure, its limit and whether it is
        fulfilled. */
    QString text() const;
};
