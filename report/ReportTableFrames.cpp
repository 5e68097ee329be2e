#include "report/ReportTableFrames.h"

#include "calculation/ResultType.h"
#include "model/PhysicsFunctions.h"
#include "qtext/Table.h"
#include "report/ReportContent.h"
#include "settings/DisplayUnits.h"

#include <cmath>
#include <limits>

using namespace ReportFormat;

namespace {

/*! Colours of the quantities of the results table, those of the profile diagrams: temperature
    in dark red, pressures in dark blue, moisture in blue. */
const char *const TemperatureColor = "#A00000";
const char *const PressureColor = "#00008B";
const char *const MoistureColor = "#0000FF";

QString h4(const QString &text)
{
    return QStringLiteral("<h4 style=\"white-space:nowrap\">%1</h4>").arg(text);
}

/*! A number in scientific notation for print: 1.08·10<sup>10</sup>. */
QString scientific(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("&ndash;");
    if (value == 0)
        return QStringLiteral("0");
    const int exponent = int(std::floor(std::log10(std::fabs(value))));
    const double mantissa = value / std::pow(10.0, exponent);
    return QStringLiteral("%1&middot;10<sup>%2</sup>")
        .arg(localNumber(mantissa, 'f', 2))
        .arg(exponent);
}

/*! A layer width in mm: whole millimetres without decimals, otherwise one decimal, two for
    sheets thinner than a millimetre. */
QString widthMM(double width_m)
{
    const double mm = width_m * 1000;
    const int decimals = mm < 1 ? 2 : (std::fabs(mm - std::round(mm)) < 1e-9 ? 0 : 1);
    return localNumber(mm, 'f', decimals);
}

/*! The diffusion resistance factor with the digits that matter: whole numbers from 100 on
    (foils reach 10⁵), one decimal above 1, two below (air layers). */
QString muText(double mu)
{
    return localNumber(mu, 'f', mu >= 100 ? 0 : mu >= 1 ? 1 : 2);
}
/*! An sd-value in m: whole metres from 10 m on, one decimal from 1 m, two below. */
QString sdText(double sd)
{
    return localNumber(sd, 'f', sd >= 10 ? 0 : sd >= 1 ? 1 : 2);
}

/*! The layer as it heads its table row: its number and its colour beside the name, so that the
    row is found in the sketch at a glance. */
QString layerLabel(int index, const MaterialLayer &layer)
{
    const QColor color = layer.m_color.isValid() ? layer.m_color : Material::defaultColor();
    return QStringLiteral("%1&nbsp;<span style=\"background-color:%2\">&nbsp;&nbsp;&nbsp;&nbsp;"
                          "</span>&nbsp;%3")
        .arg(index + 1)
        .arg(color.name(), userText(layer.m_name));
}

/*! The material column of the row of a layer's second material: "+", a colour swatch, the
    name and the area fraction (with width and spacing when entered so). */
QString bridgeLabel(const LayerBridge &b)
{
    const QColor color =
        b.material.m_color.isValid() ? b.material.m_color : Material::defaultColor();
    QString share = QStringLiteral("%L1&nbsp;%").arg(b.fraction * 100, 0, 'f', 1);
    if (b.byWidthAndSpacing())
        share = QCoreApplication::translate("ConstructionLayerFrame", "%1, %L2 mm at %L3 mm")
                    .arg(share)
                    .arg(b.width * 1000, 0, 'f', 0)
                    .arg(b.spacing * 1000, 0, 'f', 0);
    return QStringLiteral("&nbsp;&nbsp;+&nbsp;<span style=\"background-color:%1\">&nbsp;&nbsp;"
                          "&nbsp;&nbsp;</span>&nbsp;%2 (%3)")
        .arg(color.name(), userText(b.material.m_name), share);
}

/*! Pads the cells of a bordered table so that the text keeps clear of the grid lines, and
    shades its head row. */
void formatBorderedTable(QtExt::Table *table, bool headRow)
{
    for (int c = 0; c < table->columnCount(); ++c)
        for (int r = 0; r < table->rowCount(); ++r) {
            QtExt::TableCell &cell = table->cell(c, r);
            // figures never break: a column as wide as its widest figure must not wrap it
            if (c > 0 && !cell.text().isEmpty() && !cell.text().startsWith(QLatin1String("<h4")))
                cell.setText(noWrap(cell.text()), cell.alignment());
            cell.setMargin(QtExt::TableCell::Left | QtExt::TableCell::Right, 4);
            cell.setMargin(QtExt::TableCell::Top | QtExt::TableCell::Bottom, 1.5);
            if (headRow && r == 0)
                cell.setBackgroundColor(HeadShade);
        }
}

} // namespace

// --- material data

void ConstructionLayerFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Material Properties"));
    const InputData &input = m_content.input;
    const HeatFlowDirection direction = m_content.info.m_heatFlowDirection;
    const DisplayUnits units(1000, m_content.settings.m_awInSeconds);
    const bool awPerSecond = units.awPerSecond();
    const int n = input.layerCount();
    // A humidity-variable vapour retarder adds a column with the sd-values of both periods;
    // the table of every other construction stays as it was. A layer with studs or rafters
    // gets a second row for its bridging material.
    bool humidityVariable = false;
    int bridges = 0;
    for (int i = 0; i < n; ++i) {
        humidityVariable = humidityVariable || input.layer(i).hasSummerSd();
        bridges += input.layer(i).hasBridge() ? 1 : 0;
    }
    const int columns = humidityVariable ? 9 : 8;
    QtExt::Table *t = addTable();
    t->setInnerFrameWidth(0.25);
    t->setOuterFrameWidth(m_content.defaultFrameWidth);
    t->setColsAndRows(columns, n + 1 + bridges);
    const QString awUnit = awPerSecond ? QStringLiteral("kg/m<sup>2</sup>s<sup>&frac12;</sup>")
                                       : QStringLiteral("kg/m<sup>2</sup>h<sup>&frac12;</sup>");
    QStringList heads = {h4(tr("Material")),
                         h4(QStringLiteral("d<br/>[mm]")),
                         h4(QStringLiteral("&rho;<br/>[kg/m<sup>3</sup>]")),
                         h4(QStringLiteral("&lambda;<br/>[W/mK]")),
                         h4(QStringLiteral("&mu;<br/>[---]")),
                         h4(QStringLiteral("w<sub>80</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]")),
                         h4(QStringLiteral("w<sub>sat</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]")),
                         h4(QStringLiteral("A<sub>w</sub><br/>[%1]").arg(awUnit))};
    if (humidityVariable)
        heads << h4(tr("s<sub>d</sub> winter / summer<br/>[m]"));
    for (int c = 0; c < heads.size(); ++c)
        t->setCellText(c, 0, heads[c], c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    int r = 1;
    for (int i = 0; i < n; ++i, ++r) {
        const MaterialLayer &layer = input.layer(i);
        const double aw = units.awToDisplay(layer.m_A_w);
        t->setCellText(0, r, layerLabel(i, layer));
        QStringList values = {widthMM(layer.m_width),
                              number(layer.m_rho, 0),
                              number(layer.lambda(direction), 3),
                              muText(layer.mu()),
                              number(layer.m_w_80, 3),
                              number(layer.m_w_sat, 3),
                              number(aw, awPerSecond ? 4 : 3)};
        if (humidityVariable) {
            const double sdWinter = layer.mu() * layer.m_width;
            values << (layer.hasSummerSd()
                           ? QStringLiteral("%1 / %2").arg(sdText(sdWinter),
                                                           sdText(layer.muSummer() * layer.m_width))
                           : sdText(sdWinter));
        }
        for (int c = 0; c < values.size(); ++c)
            t->setCellText(c + 1, r, values[c], Qt::AlignRight);
        if (!layer.m_bridge)
            continue;
        ++r;
        const LayerBridge &b = *layer.m_bridge;
        const Material &m = b.material;
        t->setCellText(0, r, bridgeLabel(b));
        const QStringList bridgeValues = {widthMM(layer.m_width),
                                          number(m.m_rho, 0),
                                          number(m.lambda(layer.m_width, direction), 3),
                                          muText(m.mu(layer.m_width)),
                                          number(m.m_w_80, 3),
                                          number(m.m_w_sat, 3),
                                          number(units.awToDisplay(m.m_A_w), awPerSecond ? 4 : 3)};
        for (int c = 0; c < bridgeValues.size(); ++c)
            t->setCellText(c + 1, r, bridgeValues[c], Qt::AlignRight);
    }
    for (int c = 1; c < columns; ++c)
        t->setColumnWidth(c, QtExt::Table::Natural);
    formatBorderedTable(t, true);
    addGap(lineHeight() / 3);
    QStringList notes = {tr("d - layer thickness,"),
                         tr("&lambda; - design value of thermal conductivity,"),
                         tr("&mu; - vapour diffusion resistance factor,"),
                         tr("w<sub>80</sub>/w<sub>sat</sub> - %1,")
                             .arg(tr("moisture content for 80% RH. resp. saturation")),
                         tr("A<sub>w</sub> - %1,").arg(tr("water uptake coefficient"))};
    if (humidityVariable)
        notes << tr("s<sub>d</sub> - diffusion-equivalent air layer thickness in the condensation "
                    "and the evaporation period (humidity-variable vapour retarder),");
    notes << tr("layers from left to right");
    if (bridges > 0)
        notes << tr("(+ second material of the layer (studs, rafters) with its "
                    "area fraction; condensation is assessed between them)");
    addNote(notes.join(QLatin1Char(' ')));
    addGap(lineHeight());
}

// --- climate

void ClimateFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Climate Data"));
    const Climate &climate = m_content.input.climate();
    auto climateTable = [&](const ClimateCondition &inside, const ClimateCondition &outside) {
        QtExt::Table *t = addTable(10);
        t->setInnerFrameWidth(0.25);
        t->setOuterFrameWidth(m_content.defaultFrameWidth);
        t->setColsAndRows(3, 3);
        t->setCellText(1, 0, h4(tr("Temperature")), Qt::AlignRight);
        t->setCellText(2, 0, h4(tr("Relative Humidity")), Qt::AlignRight);
        t->setCellText(0, 1, tr("Climate at warm side"));
        t->setCellText(0, 2, tr("Climate at cold side"));
        const ClimateCondition *sides[2] = {&inside, &outside};
        for (int r = 0; r < 2; ++r) {
            t->setCellText(1, r + 1,
                           QStringLiteral("%1 %2").arg(number(sides[r]->m_T, 1), degreeC()),
                           Qt::AlignRight);
            t->setCellText(2, r + 1, QStringLiteral("%1 %").arg(number(sides[r]->m_rh, 1)),
                           Qt::AlignRight);
        }
        formatBorderedTable(t, true);
    };
    const double gap = lineHeight() / 3;
    addSubHeading(tr("Winter Climate"));
    climateTable(climate.insideWinter(), climate.outsideWinter());
    addGap(gap);
    addText(tr("Duration of Condensation Periode (winter)") +
                QStringLiteral(": %1 %2").arg(number(climate.tT(), 0), tr("Days")),
            10);
    addSubHeading(tr("Summer Climate"));
    climateTable(climate.insideSummer(), climate.outsideSummer());
    addGap(gap);
    addText(tr("Duration of Drying Periode (summer)") +
                QStringLiteral(": %1 %2").arg(number(climate.tT_summer(), 0), tr("Days")),
            10);
    addGap(lineHeight());
}

// --- surface resistances

void SurfaceResistanceFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Surface Resistances"));
    const Climate &climate = m_content.input.climate();
    const QString unit = QStringLiteral("= %1 m<sup>2</sup>K/W");
    labelValueRows(addTable(),
                   {{tr("Warm side:"), QStringLiteral("R<sub>si</sub> ") +
                                           unit.arg(number(climate.insideWinter().m_Rs, 2))},
                    {tr("Cold side:"), QStringLiteral("R<sub>se</sub> ") +
                                           unit.arg(number(climate.outsideWinter().m_Rs, 2))}});
    addGap(lineHeight());
}

// --- U-value after DIN EN ISO 6946

std::vector<UValueFrame::Row> UValueFrame::rows(const InputData &input,
                                                const CalculationResults &results,
                                                HeatFlowDirection direction)
{
    std::vector<Row> rows;
    const int n = input.layerCount();
    Row inside;
    inside.kind = Row::InsideSurface;
    inside.R = CalculationResults::isoSurfaceResistanceInside(direction);
    rows.push_back(inside);
    // the layer resistances d/λ of the calculation, dry design values (the Glaser field's)
    const bool complete =
        results.type > ResultType::InvalidInput && int(results.R_Glaser.size()) == n && n > 0;
    if (complete)
        for (int i = 0; i < n; ++i) {
            const MaterialLayer &layer = input.layer(i);
            Row row;
            row.layer = i;
            row.d = layer.m_width;
            row.R = results.R_Glaser[std::size_t(i)];
            // an unventilated air layer has no conductivity of its own: its R is the table
            // value of the standard for its thickness and the heat-flow direction
            if (layer.isAir())
                row.kind = Row::AirLayer;
            else
                row.lambda = layer.lambda(direction);
            rows.push_back(row);
        }
    Row outside;
    outside.kind = Row::OutsideSurface;
    outside.R = CalculationResults::IsoSurfaceResistanceOutside;
    rows.push_back(outside);
    Row total;
    total.kind = Row::Total;
    if (complete)
        total.R = CalculationResults::isoTotalResistance(results.R_layers, direction);
    rows.push_back(total);
    return rows;
}

void UValueFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Thermal Transmittance according to DIN EN ISO 6946"));
    const InputData &input = m_content.input;
    const CalculationResults &r = m_content.results;
    const HeatFlowDirection direction = m_content.info.m_heatFlowDirection;
    const std::vector<Row> table = rows(input, r, direction);
    QString flow;
    switch (direction) {
    case HeatFlowDirection::Upwards:
        flow = tr("heat flow upwards");
        break;
    case HeatFlowDirection::Horizontal:
        flow = tr("heat flow horizontal");
        break;
    case HeatFlowDirection::Downwards:
        flow = tr("heat flow downwards");
        break;
    }
    QtExt::Table *t = addTable();
    t->setInnerFrameWidth(0.25);
    t->setOuterFrameWidth(m_content.defaultFrameWidth);
    t->setColsAndRows(4, int(table.size()) + 1);
    // the head of the resistance table's first column, the same words in every language
    t->setCellText(0, 0, h4(ResistanceFrame::tr("Layer / Material")));
    t->setCellText(1, 0, h4(QStringLiteral("d<br/>[mm]")), Qt::AlignRight);
    t->setCellText(2, 0, h4(QStringLiteral("&lambda;<br/>[W/(mK)]")), Qt::AlignRight);
    t->setCellText(3, 0, h4(QStringLiteral("R = d/&lambda;<br/>[m<sup>2</sup>K/W]")),
                   Qt::AlignRight);
    bool airLayers = false;
    for (std::size_t k = 0; k < table.size(); ++k) {
        const Row &row = table[k];
        const int line = int(k) + 1;
        QString label;
        switch (row.kind) {
        case Row::InsideSurface:
            label = tr("Inside surface resistance R<sub>si</sub> (%1)").arg(flow);
            break;
        case Row::Layer:
            label = layerLabel(row.layer, input.layer(row.layer));
            break;
        case Row::AirLayer:
            label = layerLabel(row.layer, input.layer(row.layer)) + QStringLiteral("&nbsp;*");
            airLayers = true;
            break;
        case Row::OutsideSurface:
            label = tr("Outside surface resistance R<sub>se</sub>");
            break;
        case Row::Total:
            label = bold(tr("Total thermal resistance R<sub>T</sub>"));
            break;
        }
        t->setCellText(0, line, label);
        if (std::isfinite(row.d))
            t->setCellText(1, line, widthMM(row.d), Qt::AlignRight);
        if (std::isfinite(row.lambda))
            t->setCellText(2, line, number(row.lambda, 3), Qt::AlignRight);
        else if (row.kind == Row::AirLayer)
            t->setCellText(2, line, QStringLiteral("&ndash;"), Qt::AlignRight);
        const QString R = number(row.R, 3);
        t->setCellText(3, line, row.kind == Row::Total ? bold(R) : R, Qt::AlignRight);
    }
    for (int c = 1; c < 4; ++c)
        t->setColumnWidth(c, QtExt::Table::Natural);
    formatBorderedTable(t, true);
    for (int c = 0; c < 4; ++c)
        t->cell(c, int(table.size())).setBackgroundColor(HeadShade);

    addGap(lineHeight() / 2);
    const Assessment &a = m_content.assessment;
    const bool valid = a.thermalEvaluated && std::isfinite(table.back().R);
    const QString unit = QStringLiteral(" W/(m<sup>2</sup>K)");
    const QString dry = valid ? number(r.U_ISO(direction), 3) : QString();
    QList<QPair<QString, QString>> uRows = {
        {tr("Thermal transmittance (dry design values):"),
         valid ? noWrap(QStringLiteral("U = 1/R<sub>T</sub> = ") + bold(dry + unit))
               : QStringLiteral("&ndash;")}};
    // beside it the figure of the moisture storage method, where the moisture in the layers
    // changes the conductivity enough to show in the printed digits
    const QString moist = valid ? number(r.U_moist, 3) : QString();
    if (valid && m_content.moistureDependentLambda && moist != dry)
        uRows << qMakePair(tr("with moisture-dependent conductivity:"),
                           noWrap(QStringLiteral("U = ") + moist + unit));
    labelValueRows(addTable(), uRows);
    if (airLayers) {
        addGap(lineHeight() / 3);
        addNote(tr("* Unventilated air layer: thermal resistance from the table of DIN EN ISO "
                   "6946 for its thickness and the heat-flow direction."));
    }
    addGap(lineHeight());
}

// --- resistances

void ResistanceFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Thermal, Vapour Diffusion and Liquid Transport Resistances"));
    const InputData &input = m_content.input;
    const CalculationResults &r = m_content.results;
    const bool moist = m_content.moistureDependentLambda;
    const int n = input.layerCount();
    const std::vector<double> &R = moist ? r.R : r.R_Glaser;
    const bool complete = int(R.size()) == n && int(r.Z.size()) == n;
    QtExt::Table *t = addTable();
    t->setInnerFrameWidth(0.25);
    t->setOuterFrameWidth(m_content.defaultFrameWidth);
    t->setColsAndRows(4, n + 2);
    t->setCellText(0, 0, h4(tr("Layer / Material")));
    t->setCellText(1, 0, h4(QStringLiteral("R<br/>[m<sup>2</sup>K/W]")), Qt::AlignRight);
    t->setCellText(2, 0, h4(QStringLiteral("r<sub>v</sub><br/>[m/s]")), Qt::AlignRight);
    t->setCellText(3, 0, h4(QStringLiteral("r<sub>w</sub><br/>[m<sup>2</sup>s/kg]")),
                   Qt::AlignRight);
    double sumR = 0, sumZ = 0;
    for (int i = 0; i < n; ++i) {
        t->setCellText(0, i + 1, layerLabel(i, input.layer(i)));
        if (!complete)
            continue;
        sumR += R[std::size_t(i)];
        sumZ += r.Z[std::size_t(i)];
        t->setCellText(1, i + 1, number(R[std::size_t(i)], 3), Qt::AlignRight);
        t->setCellText(2, i + 1, scientific(r.Z[std::size_t(i)]), Qt::AlignRight);
        const double rw = std::size_t(i) < r.R_liq.size() ? r.R_liq[std::size_t(i)]
                                                          : std::numeric_limits<double>::infinity();
        t->setCellText(3, i + 1, scientific(rw), Qt::AlignRight);
    }
    t->setCellText(
        0, n + 1,
        bold(moist ? tr("Sum of resistances (moisture dependend)") : tr("Sum of resistances")));
    if (complete) {
        t->setCellText(1, n + 1, bold(number(sumR, 3)), Qt::AlignRight);
        t->setCellText(2, n + 1, bold(scientific(sumZ)), Qt::AlignRight);
    }
    for (int c = 1; c < 4; ++c)
        t->setColumnWidth(c, QtExt::Table::Natural);
    formatBorderedTable(t, true);
    for (int c = 0; c < 4; ++c)
        t->cell(c, n + 1).setBackgroundColor(HeadShade);

    addGap(lineHeight() / 2);
    // R_T and U with the surface resistances of ISO 6946, so that U = 1/R_T on the page
    const HeatFlowDirection direction = m_content.info.m_heatFlowDirection;
    const double layers = moist ? r.R_layers_moist : r.R_layers;
    const double RT = CalculationResults::isoTotalResistance(layers, direction);
    const double U = CalculationResults::isoUValue(layers, direction);
    const QString suffix = moist ? tr(" (moisture dependend)") : QString();
    // "Thermal transmission resistance (moisture dependend):"
    auto label = [&](const QString &text) {
        return text.endsWith(QLatin1Char(':')) ? text.chopped(1) + suffix + QLatin1Char(':')
                                               : text + suffix;
    };
    const bool valid = r.type > ResultType::InvalidInput && complete;
    labelValueRows(
        addTable(),
        {{label(tr("Thermal transmission resistance:")),
          QStringLiteral("R<sub>T</sub> ") +
              (valid ? QStringLiteral("= %1 m<sup>2</sup>K/W").arg(number(RT, 3))
                     : QStringLiteral("&ndash;"))},
         {label(tr("Thermal transmission coefficient:")),
          QStringLiteral("U ") + (valid ? QStringLiteral("= %1 W/m<sup>2</sup>K").arg(number(U, 3))
                                        : QStringLiteral("&ndash;"))}});
    addNote(tr("R<sub>T</sub> and U with the surface resistances of DIN EN ISO 6946 "
               "(R<sub>si</sub> = %1 m<sup>2</sup>K/W, R<sub>se</sub> = %2 m<sup>2</sup>K/W).")
                .arg(number(CalculationResults::isoSurfaceResistanceInside(direction), 2),
                     number(CalculationResults::IsoSurfaceResistanceOutside, 2)));
    if (r.inhomogeneous.present)
        addNote(tr("Resistances of the field section between the studs or rafters; the U-value "
                   "of the component with its second materials (ISO 6946, upper and lower "
                   "limit) is given in the summary of results."));
    addGap(lineHeight());
}

// --- results table

void ResultsTableFrame::build(QPaintDevice *, double)
{
    addHeading(tr("Temperatures, Vapoure Pressures and Moisture Contents"));
    const InputData &input = m_content.input;
    const CalculationResults &r = m_content.results;
    const int n = input.layerCount();
    const std::size_t faces = std::size_t(n) + 1;
    const bool complete = r.type > ResultType::InvalidInput && r.T.size() == faces &&
                          r.psat.size() == faces && r.pv.size() == faces &&
                          int(r.w_left.size()) == n && int(r.w_right.size()) == n &&
                          int(r.sk_Cond.size()) == n && int(r.m_condLayer.size()) == n;
    QtExt::Table *t = addTable();
    t->setInnerFrameWidth(0.25);
    t->setOuterFrameWidth(m_content.defaultFrameWidth);
    t->setColsAndRows(7, n + 3);
    const QString theta = QStringLiteral("&theta;");
    const QStringList heads = {h4(tr("Layer / Material")),
                               h4(theta + QStringLiteral("<br/>[%1]").arg(degreeC())),
                               h4(QStringLiteral("p<sub>sat</sub><br/>[Pa]")),
                               h4(QStringLiteral("p<br/>[Pa]")),
                               h4(QStringLiteral("w<br/>[m<sup>3</sup>/m<sup>3</sup>]")),
                               h4(QStringLiteral("d<sub>c</sub><br/>[mm]")),
                               h4(QStringLiteral("M<sub>c</sub><br/>[kg/m<sup>2</sup>]"))};
    for (int c = 0; c < heads.size(); ++c)
        t->setCellText(c, 0, heads[c], c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    t->setCellText(0, 1, tr("Air layer (warm side)"));
    t->setCellText(0, n + 2, tr("Air layer (cold side)"));
    for (int i = 0; i < n; ++i)
        t->setCellText(0, i + 2, layerLabel(i, input.layer(i)));
    // Each row shows temperature and pressures at its cold-side face: the warm air row the inner
    // surface, a layer its outer face, the cold air row the outdoor air itself.
    auto facts = [&](int row, double T, double psat, double p) {
        t->setCellText(1, row, colored(number(T, 2), TemperatureColor), Qt::AlignRight);
        t->setCellText(2, row, colored(number(psat, 0), PressureColor), Qt::AlignRight);
        t->setCellText(3, row, colored(number(p, 0), PressureColor), Qt::AlignRight);
    };
    if (complete) {
        facts(1, r.T[0], r.psat[0], r.pv[0]);
        for (int i = 0; i < n; ++i) {
            const std::size_t k = std::size_t(i);
            facts(i + 2, r.T[k + 1], r.psat[k + 1], r.pv[k + 1]);
            const double wl = r.w_left[k], wr = r.w_right[k];
            const QString w = std::fabs(wl - wr) < 5e-4
                                  ? number(wr, 3)
                                  : QStringLiteral("%1 / %2").arg(number(wl, 3), number(wr, 3));
            t->setCellText(4, i + 2, colored(w, MoistureColor), Qt::AlignRight);
            const bool condensate = r.m_condLayer[k] > 0;
            const QString dc = number(r.sk_Cond[k] * 1000, 1);
            const QString mc = number(r.m_condLayer[k], 3);
            t->setCellText(5, i + 2, condensate ? bold(colored(dc, MoistureColor)) : dc,
                           Qt::AlignRight);
            t->setCellText(6, i + 2, condensate ? bold(colored(mc, MoistureColor)) : mc,
                           Qt::AlignRight);
        }
        const ClimateCondition &outside = input.climate().outsideWinter();
        const double psat_e = p_sat_pow(outside.m_T);
        facts(n + 2, outside.m_T, psat_e, outside.m_rh / 100 * psat_e);
    }
    for (int c = 1; c < 7; ++c)
        t->setColumnWidth(c, QtExt::Table::Natural);
    formatBorderedTable(t, true);
    addGap(lineHeight() / 3);
    addNote(
        QStringList({tr("%1 - temperature,").arg(theta),
                     tr("%1 - saturation vapour pressure,").arg(QStringLiteral("p<sub>sat</sub>")),
                     tr("p - vapour pressure,"), tr("w - moisture content,"),
                     tr("d<sub>c</sub> - thickness of condensation layer,<br/>"),
                     tr("M<sub>c</sub> - %1").arg(tr("condensation mass"))})
            .join(QLatin1Char(' ')) +
        QStringLiteral("<br/>") +
        tr("&theta;, p<sub>sat</sub> and p at the cold-side face of each row (warm-side air "
           "layer: inner surface; cold-side air layer: outdoor air); w at the warm / cold "
           "face of the layer; values of the condensation period (moisture storage method)."));
    addGap(lineHeight());
}
