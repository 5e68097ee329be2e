#include "ReferenceCase.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <limits>

namespace ReferenceCase {

QStringList names()
{
    QDir dir(TestSupport::dataFile(QStringLiteral("reference-cases")));
    QStringList result;
    for (const QString &file :
         dir.entryList({QStringLiteral("*.case.json")}, QDir::Files, QDir::Name))
        result << file.left(file.size() - int(strlen(".case.json")));
    return result;
}

QJsonObject readJson(const QString &fileName)
{
    QFile f(TestSupport::dataFile(QStringLiteral("reference-cases/") + fileName));
    if (!f.open(QIODevice::ReadOnly))
        return QJsonObject();
    return QJsonDocument::fromJson(f.readAll()).object();
}

double toDouble(const QJsonValue &value)
{
    if (value.isString()) {
        const QString s = value.toString();
        if (s == QLatin1String("inf"))
            return std::numeric_limits<double>::infinity();
        if (s == QLatin1String("-inf"))
            return -std::numeric_limits<double>::infinity();
        return std::numeric_limits<double>::quiet_NaN();
    }
    return value.toDouble();
}

static void setCondition(Climate &climate, Climate::Side side, Climate::Period period,
                         const QJsonObject &o)
{
    climate.setValue(side, period, Climate::Q_T, o.value("T").toDouble(), false);
    climate.setValue(side, period, Climate::Q_rh, o.value("rh").toDouble(), false);
    climate.setValue(side, period, Climate::Q_Rs, o.value("Rs").toDouble(), false);
}

InputData buildInput(const QJsonObject &c, CalculationOptions *options)
{
    InputData input;
    const QJsonArray layers = c.value("layers").toArray();
    for (const QJsonValue &lv : layers) {
        const QJsonObject l = lv.toObject();
        Material m;
        m.m_name = l.value("name").toString();
        m.m_category = l.value("category").toInt();
        m.m_rho = l.value("rho").toDouble();
        m.m_lambda = l.value("lambda").toDouble();
        m.m_mu = l.value("mu").toDouble();
        m.m_mu_min = m.m_mu_max = m.m_mu;
        m.m_w_80 = l.value("w_80").toDouble();
        m.m_w_sat = l.value("w_sat").toDouble();
        m.m_A_w = l.value("A_w").toDouble();
        m.m_sd_value = l.value("sd_value").toDouble();
        m.setFlags(l.value("air").toBool(), l.value("wood").toBool(), l.value("woodbased").toBool(),
                   l.value("foil").toBool());
        input.insertLayer(input.layerCount(), MaterialLayer(m, l.value("width").toDouble()));
    }
    const QJsonObject cl = c.value("climate").toObject();
    Climate &climate = input.climate();
    setCondition(climate, Climate::Inside, Climate::Winter, cl.value("inside").toObject());
    setCondition(climate, Climate::Outside, Climate::Winter, cl.value("outside").toObject());
    setCondition(climate, Climate::Inside, Climate::Summer, cl.value("inside_summer").toObject());
    setCondition(climate, Climate::Outside, Climate::Summer, cl.value("outside_summer").toObject());
    climate.setTT(cl.value("tT").toDouble(), false);
    climate.setTT_summer(cl.value("tT_summer").toDouble(), false);
    climate.updateAssessmentCondition();
    input.validate();
    if (options) {
        options->heatFlowDirection = c.value("heat_flow_direction").toInt(2);
        options->moistureDependentLambda = c.value("moisture_dependent_lambda").toBool(true);
    }
    return input;
}

} // namespace ReferenceCase
