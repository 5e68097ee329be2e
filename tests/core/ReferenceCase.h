#pragma once

#include "calculation/Calculation.h"
#include "model/InputData.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

/*! The reference cases of tests/data/reference-cases: constructions with the results that an
    independent implementation of the same calculation computes for them. */
namespace ReferenceCase {

/*! Names (file base names) of all cases, sorted. */
QStringList names();

/*! Reads NAME.case.json or NAME.expected.json; an empty object when the file is missing. */
QJsonObject readJson(const QString &fileName);

/*! Builds the input of a NAME.case.json: layers through the sd rule, climate values set, then
    the assessment condition recognised; and the calculation options. */
InputData buildInput(const QJsonObject &caseJson, CalculationOptions *options);

/*! A double of the expected output; the strings "inf", "-inf", "nan" stand for non-finite
    numbers. */
double toDouble(const QJsonValue &value);

/*! Compares the results and messages of a calculation with a NAME.expected.json: result types,
    kFirst/kLast, plane lists, the messages and the result text exactly; thermal and Glaser
    doubles to 1e-12 relative, moisture-storage doubles to 1e-9 relative. The ISO U-value is
    taken for the heat-flow direction of the run. Returns an empty text
    on agreement, else a description of the first difference. */
QString compareResults(const CalculationOutcome &outcome, HeatFlowDirection heatFlowDirection,
                       const QJsonObject &expected);

/*! The settings a case's NAME.args sets with "--set KEY=VALUE", in file order. */
QList<QPair<QString, QString>> settingsOverrides(const QString &name);

} // namespace ReferenceCase
