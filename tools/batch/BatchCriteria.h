#pragma once

#include <QString>

class JsonObject;
struct Assessment;

/*  The assessment verdicts beside the calculation results of mirelo2-batch, formatted: the
    DIN 4108-3 validity criteria with the DIN 68800-2 drying reserve, the DIN 4108-2 minimum
    thermal resistance and, when switched on, the temperature factor f_Rsi. */
namespace BatchCriteria {

/*! Adds the members "criteria", "min_heat_resistance" and "frsi". */
void addJson(JsonObject &object, const Assessment &assessment);

/*! The readable block of the verdicts, each with its figure, its limit and whether it is
    fulfilled. */
QString text(const Assessment &assessment);

} // namespace BatchCriteria
