#include "ReferenceCase.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include "calculation/ResultType.h"

#include <limits>

namespace {

// Thermal and Glaser values agree to rounding; the moisture-storage values depend on the
// refinement path of the solver in their last digits.
constexpr double ThermalTolerance = 1e-12;
constexpr double MoistureTolerance = 1e-9;

bool compareVector(const std::vector<double> &actual, const QJsonValue &expected, double tol,
                   QString *message);

QJsonArray planes(const std::vector<CalculationResults::PlaneRange> &list)
{
    QJsonArray result;
    for (const auto &p : list)
        result.append(QJsonArray{int(p.first), int(p.second)});
    return result;
}

QString differs(const char *what, const QString &actual, const QString &expected)
{
    return QStringLiteral("%1: actual %2, expected %3").arg(QLatin1String(what), actual, expected);
}

QString json(const QJsonArray &a)
{
    return QString::fromUtf8(QJsonDocument(a).toJson(QJsonDocument::Compact));
}

} // namespace

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
        options->heatFlowDirection =
            heatFlowDirectionFromCode(c.value("heat_flow_direction").toInt(2));
        options->moistureDependentLambda = c.value("moisture_dependent_lambda").toBool(true);
    }
    return input;
}

QString compareResults(const CalculationOutcome &outcome, HeatFlowDirection heatFlowDirection,
                       const QJsonObject &expected)
{
    const CalculationResults &r = outcome.results;
    const QJsonObject e = expected.value("results").toObject();

    const struct
    {
        const char *key;
        int value;
    } integers[] = {
        {"type", r.type}, {"typeGlaser", r.typeGlaser}, {"kFirst", r.kFirst}, {"kLast", r.kLast}};
    for (const auto &i : integers) {
        if (i.value != e.value(i.key).toInt())
            return differs(i.key, QString::number(i.value),
                           QString::number(e.value(i.key).toInt()));
    }
    if (planes(r.kPlanes) != e.value("kPlanes").toArray())
        return differs("kPlanes", json(planes(r.kPlanes)), json(e.value("kPlanes").toArray()));
    if (planes(r.kPlanesGlaser) != e.value("kPlanesGlaser").toArray())
        return differs("kPlanesGlaser", json(planes(r.kPlanesGlaser)),
                       json(e.value("kPlanesGlaser").toArray()));

    // A run reports its own messages only; the reference keeps the list the run worked on as
    // well, which is the same list at every exit.
    for (const char *key : {"messages", "messages_working"}) {
        QStringList expectedMessages;
        for (const QJsonValue &v : expected.value(key).toArray())
            expectedMessages << v.toString();
        if (outcome.messages != expectedMessages)
            return differs(key, outcome.messages.join(" | "), expectedMessages.join(" | "));
    }

    const struct
    {
        const char *key;
        double value;
        double tol;
    } scalars[] = {
        {"d_total", r.d_total, ThermalTolerance},
        {"m_c_Glaser", r.m_c_Glaser, ThermalTolerance},
        {"m_ev_Glaser", r.m_ev_Glaser, ThermalTolerance},
        {"t_ev_Glaser", r.t_ev_Glaser, ThermalTolerance},
        {"R_T", r.R_T, ThermalTolerance},
        {"R_layers", r.R_layers, ThermalTolerance},
        {"U_moist", r.U_moist, MoistureTolerance},
        {"R_T_moist", r.R_T_moist, MoistureTolerance},
        {"R_layers_moist", r.R_layers_moist, MoistureTolerance},
        {"m_condStat", r.m_condStat, MoistureTolerance},
        {"m_cond", r.m_cond, MoistureTolerance},
        {"tau", r.tau, MoistureTolerance},
        {"t_hyg", r.t_hyg, MoistureTolerance},
        {"t_ev", r.t_ev, MoistureTolerance},
        {"m_ev", r.m_ev, MoistureTolerance},
    };
    for (const auto &sc : scalars) {
        QString m;
        if (!TestSupport::fuzzyEqual(sc.value, toDouble(e.value(sc.key)), sc.tol, &m))
            return QString::fromLatin1(sc.key) + ": " + m;
    }
    QString m;
    if (!TestSupport::fuzzyEqual(r.U_ISO(heatFlowDirection), expected.value("U_ISO").toDouble(),
                                 ThermalTolerance, &m))
        return "U_ISO: " + m;

    const struct
    {
        const char *key;
        const std::vector<double> &value;
        double tol;
    } vectors[] = {
        {"T_Glaser", r.T_Glaser, ThermalTolerance},
        {"pv_Glaser", r.pv_Glaser, ThermalTolerance},
        {"psat_Glaser", r.psat_Glaser, ThermalTolerance},
        {"R_Glaser", r.R_Glaser, ThermalTolerance},
        {"Z_Glaser", r.Z_Glaser, ThermalTolerance},
        {"R", r.R, MoistureTolerance},
        {"Z", r.Z, ThermalTolerance},
        {"R_liq", r.R_liq, ThermalTolerance},
        {"T", r.T, MoistureTolerance},
        {"psat", r.psat, MoistureTolerance},
        {"pv", r.pv, MoistureTolerance},
        {"w_left", r.w_left, MoistureTolerance},
        {"w_right", r.w_right, MoistureTolerance},
        {"sk_Cond", r.sk_Cond, MoistureTolerance},
        {"m_condLayer", r.m_condLayer, MoistureTolerance},
    };
    for (const auto &v : vectors) {
        QString msg;
        if (!compareVector(v.value, e.value(v.key), v.tol, &msg))
            return QString::fromLatin1(v.key) + msg;
    }

    const QString text = ResultType::displayText(r.type, r.kPlanes, outcome.messages);
    if (text != expected.value("result_text").toString())
        return differs("result_text", text, expected.value("result_text").toString());
    return QString();
}

QList<QPair<QString, QString>> settingsOverrides(const QString &name)
{
    QList<QPair<QString, QString>> result;
    QFile f(TestSupport::dataFile(QStringLiteral("reference-cases/") + name + ".args"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.startsWith(QLatin1String("--set ")))
            continue;
        const QString assignment = line.mid(6).trimmed();
        const int eq = assignment.indexOf(QLatin1Char('='));
        if (eq > 0)
            result.append({assignment.left(eq), assignment.mid(eq + 1)});
    }
    return result;
}

} // namespace ReferenceCase

namespace {

bool compareVector(const std::vector<double> &actual, const QJsonValue &expected, double tol,
                   QString *message)
{
    const QJsonArray a = expected.toArray();
    if (int(actual.size()) != a.size()) {
        *message = QStringLiteral(" size %1, expected %2").arg(actual.size()).arg(a.size());
        return false;
    }
    for (int i = 0; i < a.size(); ++i) {
        QString m;
        if (!TestSupport::fuzzyEqual(actual[std::size_t(i)], ReferenceCase::toDouble(a[i]), tol,
                                     &m)) {
            *message = QStringLiteral("[%1] ").arg(i) + m;
            return false;
        }
    }
    return true;
}

} // namespace
