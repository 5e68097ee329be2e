#include "BatchOutput.h"

#include "JsonWriter.h"

#include "calculation/ResultType.h"
#include "document/Project.h"

#include <QRegularExpression>

namespace BatchOutput {

namespace {

const double SecondsPerDay = 86400;

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

QString planesText(const std::vector<CalculationResults::PlaneRange> &planes)
{
    QStringList parts;
    for (const auto &p : planes)
        parts << QStringLiteral("[%1, %2]").arg(p.first).arg(p.second);
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(" "));
}

QString line(const QString &label, const QString &value, const QString &unit = QString())
{
    QString text = QStringLiteral("  %1 %2").arg(label + QLatin1Char(':'), -44).arg(value);
    if (!unit.isEmpty())
        text += QLatin1Char(' ') + unit;
    return text + QLatin1Char('\n');
}

} // namespace

QString plainText(const QString &richText)
{
    QString text = richText;
    text.replace(
        QRegularExpression(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption),
        QStringLiteral("\n"));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text.trimmed();
}

QString textBlock(const QString &fileName, const Project &project)
{
    const InputData &input = project.inputData();
    const CalculationOutcome &outcome = project.outcome();
    const CalculationResults &r = outcome.results;
    const int n = input.layerCount();

    QString out = QStringLiteral("%1\n").arg(fileName);
    out += line(QStringLiteral("Project"), project.projectInformation().m_projectName);
    const ConstructionKind kind = project.constructionKind();
    out += line(
        QStringLiteral("Construction kind"),
        QStringLiteral("%1 (%2)").arg(ConstructionKinds::key(kind), ConstructionKinds::name(kind)));
    out += line(QStringLiteral("Layers"), QString::number(n));
    for (int i = 0; i < n; ++i) {
        const MaterialLayer &l = input.layer(i);
        out += QStringLiteral("    %1  %2 mm  %3")
                   .arg(i + 1, 2)
                   .arg(fixed(l.width(1000), 1), 7)
                   .arg(l.m_name);
        // A humidity-variable retarder computes with a second sd-value in the evaporation period.
        if (l.hasSummerSd())
            out += QStringLiteral("  [sd %1 m condensation period, %2 m evaporation period]")
                       .arg(QString::number(l.mu() * l.m_width, 'g', 4),
                            QString::number(l.muSummer() * l.m_width, 'g', 4));
        out += QLatin1Char('\n');
        if (l.m_bridge) {
            const LayerBridge &b = *l.m_bridge;
            QString spacing;
            if (b.byWidthAndSpacing())
                spacing = QStringLiteral(" (%1 mm at %2 mm)")
                              .arg(fixed(b.width * 1000, 1), fixed(b.spacing * 1000, 1));
            out += QStringLiteral("              + %1, %2 %%3\n")
                       .arg(b.material.m_name, fixed(b.fraction * 100, 1), spacing);
        }
    }
    out += line(QStringLiteral("Input status"), QString::number(int(input.status())));

    if (r.type == ResultType::InvalidInput) {
        out += line(QStringLiteral("Result"), QStringLiteral("Invalid input!"));
        // The engine names some faults itself; the first fault of the input is always named.
        const QString fault = input.faultText();
        if (!fault.isEmpty())
            out += QStringLiteral("    %1\n").arg(fault);
        for (const QString &m : outcome.messages)
            out += QStringLiteral("    %1\n").arg(plainText(m));
        return out;
    }

    out += line(QStringLiteral("Construction thickness"), fixed(r.d_total, 3), QStringLiteral("m"));
    const bool bridged = r.inhomogeneous.present;
    out += line(bridged ? QStringLiteral("Thermal transfer resistance, field section (dry)")
                        : QStringLiteral("Thermal transfer resistance (dry)"),
                fixed(r.R_layers, 3), QStringLiteral("m2K/W"));
    const HeatFlowDirection direction = project.calculationOptions().heatFlowDirection;
    const InhomogeneousResistance &inh = r.inhomogeneous;
    if (bridged) {
        // DIN EN ISO 6946, component with inhomogeneous layers
        if (inh.valid())
            out += line(QStringLiteral("U-value (ISO 6946, inhomogeneous layers)"),
                        fixed(r.U_ISO(direction), 3), QStringLiteral("W/(m2K)"));
        else
            out += line(QStringLiteral("U-value (ISO 6946, inhomogeneous layers)"),
                        QStringLiteral("none: R'T/R''T = %1 exceeds %2")
                            .arg(fixed(inh.ratio(), 3), fixed(inh.MaxLimitRatio, 1)));
        out += line(QStringLiteral("  Upper limit R'T"), fixed(inh.R_upper, 3),
                    QStringLiteral("m2K/W"));
        out += line(QStringLiteral("  Lower limit R''T"), fixed(inh.R_lower, 3),
                    QStringLiteral("m2K/W"));
        out += line(QStringLiteral("  RT = (R'T + R''T)/2"), fixed(inh.R_T, 3),
                    QStringLiteral("m2K/W"));
        out +=
            line(QStringLiteral("  Relative error e"), fixed(inh.e * 100, 1), QStringLiteral("%"));
        out += line(QStringLiteral("U-value of the field section (ISO 6946)"),
                    fixed(r.U_field(direction), 3), QStringLiteral("W/(m2K)"));
        out += line(QStringLiteral("Condensation assessments"),
                    QStringLiteral("field section (between the studs), DIN 4108-3"));
    } else {
        out += line(QStringLiteral("U-value (ISO 6946)"), fixed(r.U_ISO(direction), 3),
                    QStringLiteral("W/(m2K)"));
    }
    out += line(bridged ? QStringLiteral("U-value, field section (moisture dependent)")
                        : QStringLiteral("U-value (moisture dependent)"),
                fixed(r.U_moist, 3), QStringLiteral("W/(m2K)"));
    out += line(QStringLiteral("Result (MIRELO)"),
                plainText(ResultType::displayText(r.type, r.kPlanes, outcome.messages)));
    out += line(QStringLiteral("Condensation mass after condensation period"), fixed(r.m_cond, 3),
                QStringLiteral("kg/m2"));
    out +=
        line(QStringLiteral("Drying time"), fixed(r.t_ev / SecondsPerDay, 2), QStringLiteral("d"));

    out += QStringLiteral("  Glaser (DIN 4108-3):\n");
    out += line(QStringLiteral("  Result type"), QString::number(r.typeGlaser));
    out += line(QStringLiteral("  Condensation planes (interfaces)"), planesText(r.kPlanesGlaser));
    out +=
        line(QStringLiteral("  Condensate mass"), fixed(r.m_c_Glaser, 4), QStringLiteral("kg/m2"));
    out +=
        line(QStringLiteral("  Evaporable mass"), fixed(r.m_ev_Glaser, 4), QStringLiteral("kg/m2"));
    out += line(QStringLiteral("  Drying time"), fixed(r.t_ev_Glaser / SecondsPerDay, 2),
                QStringLiteral("d"));
    if (r.T_Glaser.size() == r.pv_Glaser.size() && r.T_Glaser.size() == r.psat_Glaser.size() &&
        !r.T_Glaser.empty()) {
        out += QStringLiteral("    interface      T [C]    pv [Pa]  psat [Pa]\n");
        for (std::size_t k = 0; k < r.T_Glaser.size(); ++k)
            out += QStringLiteral("    %1 %2 %3 %4\n")
                       .arg(k, 9)
                       .arg(fixed(r.T_Glaser[k], 2), 10)
                       .arg(fixed(r.pv_Glaser[k], 1), 10)
                       .arg(fixed(r.psat_Glaser[k], 1), 10);
    }
    return out;
}

JsonObject jsonObject(const QString &fileName, const Project &project)
{
    const CalculationOutcome &outcome = project.outcome();
    const CalculationResults &r = outcome.results;
    using J = JsonWriter;

    JsonObject o;
    o.add(QStringLiteral("file"), J::string(fileName));
    o.add(QStringLiteral("construction_kind"),
          J::string(ConstructionKinds::key(project.constructionKind())));
    o.add(QStringLiteral("status"), J::number(int(project.inputData().status())));
    o.add(QStringLiteral("messages"), J::array(outcome.messages));
    const QString fault = project.inputData().faultText();
    o.add(QStringLiteral("input_fault"),
          fault.isEmpty() ? QStringLiteral("null") : J::string(fault));
    o.add(QStringLiteral("type"), J::number(r.type));
    o.add(QStringLiteral("typeGlaser"), J::number(r.typeGlaser));
    o.add(QStringLiteral("d_total"), J::number(r.d_total));
    o.add(QStringLiteral("T_Glaser"), J::array(r.T_Glaser));
    o.add(QStringLiteral("pv_Glaser"), J::array(r.pv_Glaser));
    o.add(QStringLiteral("psat_Glaser"), J::array(r.psat_Glaser));
    o.add(QStringLiteral("R_Glaser"), J::array(r.R_Glaser));
    o.add(QStringLiteral("Z_Glaser"), J::array(r.Z_Glaser));
    o.add(QStringLiteral("m_c_Glaser"), J::number(r.m_c_Glaser));
    o.add(QStringLiteral("m_ev_Glaser"), J::number(r.m_ev_Glaser));
    o.add(QStringLiteral("t_ev_Glaser"), J::number(r.t_ev_Glaser));
    o.add(QStringLiteral("kFirst"), J::number(r.kFirst));
    o.add(QStringLiteral("kLast"), J::number(r.kLast));
    o.add(QStringLiteral("kPlanes"), J::pairs(r.kPlanes));
    o.add(QStringLiteral("kPlanesGlaser"), J::pairs(r.kPlanesGlaser));
    o.add(QStringLiteral("U_moist"), J::number(r.U_moist));
    o.add(QStringLiteral("R_T"), J::number(r.R_T));
    o.add(QStringLiteral("R_T_moist"), J::number(r.R_T_moist));
    o.add(QStringLiteral("R_layers"), J::number(r.R_layers));
    o.add(QStringLiteral("R_layers_moist"), J::number(r.R_layers_moist));
    o.add(QStringLiteral("m_condStat"), J::number(r.m_condStat));
    o.add(QStringLiteral("m_cond"), J::number(r.m_cond));
    o.add(QStringLiteral("tau"), J::number(r.tau));
    o.add(QStringLiteral("t_hyg"), J::number(r.t_hyg));
    o.add(QStringLiteral("t_ev"), J::number(r.t_ev));
    o.add(QStringLiteral("m_ev"), J::number(r.m_ev));
    o.add(QStringLiteral("R"), J::array(r.R));
    o.add(QStringLiteral("Z"), J::array(r.Z));
    o.add(QStringLiteral("R_liq"), J::array(r.R_liq));
    o.add(QStringLiteral("T"), J::array(r.T));
    o.add(QStringLiteral("psat"), J::array(r.psat));
    o.add(QStringLiteral("pv"), J::array(r.pv));
    o.add(QStringLiteral("w_left"), J::array(r.w_left));
    o.add(QStringLiteral("w_right"), J::array(r.w_right));
    o.add(QStringLiteral("sk_Cond"), J::array(r.sk_Cond));
    o.add(QStringLiteral("m_condLayer"), J::array(r.m_condLayer));
    o.add(QStringLiteral("U_ISO"),
          J::number(r.U_ISO(project.calculationOptions().heatFlowDirection)));
    if (r.inhomogeneous.present) {
        // only for constructions with a second material, so that other outputs stay as they were
        const InhomogeneousResistance &inh = r.inhomogeneous;
        JsonObject limits;
        limits.add(QStringLiteral("R_upper"), J::number(inh.R_upper));
        limits.add(QStringLiteral("R_lower"), J::number(inh.R_lower));
        limits.add(QStringLiteral("R_T"), J::number(inh.R_T));
        limits.add(QStringLiteral("e"), J::number(inh.e));
        limits.add(QStringLiteral("ratio"), J::number(inh.ratio()));
        limits.add(QStringLiteral("valid"), J::boolean(inh.valid()));
        limits.add(QStringLiteral("sections"), J::number(inh.sections));
        o.add(QStringLiteral("inhomogeneous"), limits.toString(2));
        o.add(QStringLiteral("U_field"),
              J::number(r.U_field(project.calculationOptions().heatFlowDirection)));
    }
    o.add(QStringLiteral("result_text"),
          J::string(ResultType::displayText(r.type, r.kPlanes, outcome.messages)));
    return o;
}

JsonObject jsonError(const QString &fileName, const QString &message)
{
    JsonObject o;
    o.add(QStringLiteral("file"), JsonWriter::string(fileName));
    o.add(QStringLiteral("error"), JsonWriter::string(message));
    return o;
}

} // namespace BatchOutput
