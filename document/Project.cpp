#include "document/Project.h"

#include "calculation/ResultType.h"
#include "model/ClimatePresets.h"
#include "model/MoistStorageValidator.h"
#include "model/Plausibility.h"
#include "persistence/ProjectFile.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

/*! The parts of an open project, created and destroyed as a whole. */
struct Project::Document
{
    InputData m_inputData;
    CalculationOutcome m_outcome;
    ProjectInformation m_projectInformation;
    CalculationWorkspace m_workspace;
};

namespace {

// What the read accessors give while no project is open, so that a view refreshing at the
// wrong moment reads an empty document instead of dereferencing null.
const InputData &noInput()
{
    static const InputData input;
    return input;
}

const ProjectInformation &noInformation()
{
    static const ProjectInformation info;
    return info;
}

const CalculationOutcome &noOutcome()
{
    static const CalculationOutcome outcome = [] {
        CalculationOutcome o;
        o.results.type = ResultType::NoLayers;
        return o;
    }();
    return outcome;
}

// The changes that the calculation depends on.
const ProjectChanges CalculationInput =
    ProjectChange::Construction | ProjectChange::Climate | ProjectChange::HeatFlowDirection;

} // namespace

Project::Project(QObject *parent)
    : QObject(parent)
{
}

Project::~Project() = default;

// ---------------------------------------------------------------------------------------------
// The document as a whole
// ---------------------------------------------------------------------------------------------

void Project::createNew(const ProjectInformation &info)
{
    createNew(InputData(), info);
}

void Project::createNew(const InputData &input, const ProjectInformation &info, bool modified)
{
    auto document = std::make_unique<Document>();
    document->m_inputData = input;
    document->m_projectInformation = info;
    m_document = std::move(document);
    m_fileName.clear();
    m_modified = modified;
    calculateDocument();
    announce(ProjectChange::Reset | ProjectChange::Results | ProjectChange::FileState, NoSelection);
}

void Project::close()
{
    m_document.reset();
    m_fileName.clear();
    m_modified = false;
    announce(ProjectChange::Reset | ProjectChange::FileState, NoSelection);
}

bool Project::load(const QString &fileName, QString *message, QStringList *notes)
{
    // A damaged file must never leave a half-read document behind that a later save would
    // write over good data: read into a document of its own and take it only when complete.
    // The descriptive values that the file does not hold stay as they are in the open project.
    auto document = std::make_unique<Document>();
    if (m_document)
        document->m_projectInformation = m_document->m_projectInformation;
    if (!ProjectFile::load(fileName, document->m_inputData, document->m_projectInformation, message,
                           notes))
        return false;
    m_document = std::move(document);
    m_fileName = fileName;
    m_modified = false;
    calculateDocument();
    announce(ProjectChange::Reset | ProjectChange::Results | ProjectChange::FileState, NoSelection);
    return true;
}

QString Project::suggestedFileName() const
{
    const ProjectInformation &info = projectInformation();
    QString name = safeFileName(info.m_constructionID);
    return name.isEmpty() ? safeFileName(info.m_projectName) : name;
}

QString Project::safeFileName(const QString &name)
{
    // Characters that Windows refuses in names, the path separators of every system, and
    // control characters become '_'; runs of blanks become one.
    static const QString reserved = QStringLiteral("\\/:*?\"<>|");
    QString result;
    for (const QChar c : name.simplified()) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            reserved.contains(c))
            result += QLatin1Char('_');
        else
            result += c;
    }
    // Windows drops trailing dots and blanks; a leading dot hides a file elsewhere
    while (!result.isEmpty() &&
           (result.endsWith(QLatin1Char('.')) || result.endsWith(QLatin1Char(' '))))
        result.chop(1);
    while (!result.isEmpty() &&
           (result.startsWith(QLatin1Char('.')) || result.startsWith(QLatin1Char(' '))))
        result.remove(0, 1);
    if (result.size() > 100) {
        result.truncate(result.at(99).isHighSurrogate() ? 99 : 100);
        while (result.endsWith(QLatin1Char('.')) || result.endsWith(QLatin1Char(' ')))
            result.chop(1);
    }
    // device names of Windows, also with any suffix
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    const QString stem = result.section(QLatin1Char('.'), 0, 0).toUpper();
    const bool numbered =
        stem.size() == 4 &&
        (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT"))) &&
        stem.at(3).isDigit();
    if (devices.contains(stem) || numbered)
        result.insert(stem.size(), QLatin1Char('_'));
    return result;
}

bool Project::canLoad(const QString &fileName, QString *message)
{
    InputData input;
    ProjectInformation info;
    return ProjectFile::load(fileName, input, info, message, nullptr);
}

bool Project::save(const QString &fileName, QString *message)
{
    if (!m_document) {
        if (message)
            *message = tr("No project to save.");
        return false;
    }
    if (!ProjectFile::save(fileName, m_document->m_inputData, m_document->m_projectInformation,
                           message))
        return false;
    m_fileName = fileName;
    m_modified = false;
    announce(ProjectChange::FileState, NoSelection);
    return true;
}

const InputData &Project::inputData() const
{
    return m_document ? m_document->m_inputData : noInput();
}

const ProjectInformation &Project::projectInformation() const
{
    return m_document ? m_document->m_projectInformation : noInformation();
}

const CalculationOutcome &Project::outcome() const
{
    return m_document ? m_document->m_outcome : noOutcome();
}

InputData &Project::input()
{
    return m_document->m_inputData;
}

bool Project::validLayerIndex(int index) const
{
    return m_document && index >= 0 && index < m_document->m_inputData.layerCount();
}

int Project::sidePosition(Climate::Side side) const
{
    return side == Climate::Inside ? 0 : layerCount() + 1;
}

// ---------------------------------------------------------------------------------------------
// Edits of the construction
// ---------------------------------------------------------------------------------------------

bool Project::insertLayers(int index, const std::vector<MaterialLayer> &layers, int select)
{
    if (!m_document || layers.empty() || index < 0 || index > layerCount())
        return false;
    for (const MaterialLayer &layer : layers)
        if (layer.m_bridge && !MaterialLayer::canCarryBridge(layer))
            return false;
    for (std::size_t k = 0; k < layers.size(); ++k)
        input().insertLayer(index + int(k), layers[k]);
    finishEdit(ProjectChange::Construction, select == SelectChanged ? index + 1 : select);
    return true;
}

bool Project::removeLayers(int index, int count, int select)
{
    if (!validLayerIndex(index) || count < 1 || index + count > layerCount())
        return false;
    for (int k = 0; k < count; ++k)
        input().removeLayer(index);
    finishEdit(ProjectChange::Construction,
               select == SelectChanged ? std::min(layerCount(), index) : select);
    return true;
}

bool Project::moveLayer(int from, int to)
{
    if (!validLayerIndex(from) || !validLayerIndex(to) || from == to)
        return false;
    if (std::abs(from - to) == 1) {
        input().swapLayers(from, to);
    } else {
        const MaterialLayer layer = inputData().layer(from);
        input().removeLayer(from);
        input().insertLayer(to, layer);
    }
    finishEdit(ProjectChange::Construction, to + 1);
    return true;
}

bool Project::changeMaterial(int index, const Material &material)
{
    if (!validLayerIndex(index))
        return false;
    MaterialLayer layer = inputData().layer(index);
    layer.changeMaterial(material);
    return replaceLayer(index, layer);
}

bool Project::changeMaterialRemovesBridge(int index, const Material &material) const
{
    return validLayerIndex(index) && inputData().layer(index).hasBridge() &&
           !MaterialLayer::canCarryBridge(material);
}

bool Project::replaceLayer(int index, const MaterialLayer &layer)
{
    if (!validLayerIndex(index) || inputData().layer(index) == layer)
        return false;
    if (layer.m_bridge && !MaterialLayer::canCarryBridge(layer))
        return false;
    const MaterialLayer &current = inputData().layer(index);
    // A new colour or name alone needs no calculation.
    MaterialLayer appearanceOnly = current;
    appearanceOnly.m_color = layer.m_color;
    appearanceOnly.m_name = layer.m_name;
    const bool appearance = appearanceOnly == layer;
    input().layer(index) = layer;
    finishEdit(appearance ? ProjectChange::LayerAppearance : ProjectChange::Construction,
               index + 1);
    return true;
}

bool Project::acceptsLayerValue(int index, LayerValue kind, double value, QString *reason) const
{
    auto refuse = [reason](const QString &text) {
        if (reason)
            *reason = text;
        return false;
    };
    if (!validLayerIndex(index))
        return refuse(tr("There is no such layer."));
    if (!std::isfinite(value))
        return refuse(tr("The value must be a finite number."));
    const MaterialLayer &layer = inputData().layer(index);
    if (kind < LV_Mu || kind > LV_SdSummer)
        return refuse(tr("Unknown layer value."));
    // the physical bounds of the quantity (readers and validation apply them too) ...
    const Material::Quantity quantities[] = {
        Material::Q_Mu, Material::Q_W80,     Material::Q_WSat,    Material::Q_Lambda,
        Material::Q_Aw, Material::Q_SdValue, Material::Q_SdSummer};
    if (kind == LV_Width ? !MaterialLayer::acceptableWidth(value, reason)
                         : !Material::acceptable(quantities[kind], value, reason))
        return false;
    // ... and what an edit of a layer must respect besides
    switch (kind) {
    case LV_Mu:
        // Below 0.1 a layer would let vapour through ten times more easily than still air.
        if (value < 0.1)
            return refuse(tr("The vapor resistance factor must be at least 0.1."));
        break;
    case LV_W80:
    case LV_WSat: {
        // The moisture-storage method extrapolates w_80 to 95 % RH and needs free pore space
        // above it; its own rule, with its rounding, decides.
        const int code = kind == LV_W80 ? MoistStorageValidator::checkPair(value, layer.m_w_sat)
                                        : MoistStorageValidator::checkPair(layer.m_w_80, value);
        if (code != MoistStorageValidator::Acceptable)
            return refuse(MoistStorageValidator::text(code));
        if (kind == LV_WSat && value > 1)
            return refuse(tr("The moisture content at saturation cannot exceed 1 m³/m³."));
        break;
    }
    case LV_Lambda:
        if (!(value > 0))
            return refuse(tr("The thermal conductivity must be > 0."));
        break;
    case LV_Aw:
        if (!(value > 0))
            return refuse(tr("The water uptake coefficient must be > 0."));
        break;
    case LV_Width:
        if (!(value > 0))
            return refuse(tr("The layer width must be > 0."));
        if (layer.m_sd_value != 0 && value != layer.m_width)
            return refuse(tr("The width of this layer follows from the sd-value of its "
                             "material."));
        break;
    case LV_SdSummer:
        if (!Material::summerSdRule(value, layer.m_sd_value, reason))
            return false;
        break;
    default:
        return refuse(tr("Unknown layer value."));
    }
    return true;
}

QString Project::layerValueNote(int index, LayerValue kind, double value) const
{
    if (!validLayerIndex(index) || !std::isfinite(value))
        return QString();
    const MaterialLayer &layer = inputData().layer(index);
    // A material with an sd-value is a foil, membrane or coating, whatever its flags say.
    const bool foil = layer.isFoil() || layer.m_sd_value != 0;
    switch (kind) {
    case LV_Width:
        return Plausibility::layerWidth(value, foil);
    case LV_Mu:
    case LV_Lambda:
        // an air layer's values follow from its width and the heat-flow direction
        if (layer.isAir())
            return QString();
        return Plausibility::material(kind == LV_Mu ? Material::Q_Mu : Material::Q_Lambda, value,
                                      foil);
    case LV_W80:
        return Plausibility::material(Material::Q_W80, value, foil);
    case LV_WSat:
        return Plausibility::material(Material::Q_WSat, value, foil);
    case LV_Aw:
        return Plausibility::material(Material::Q_Aw, value, foil);
    case LV_SdSummer:
        // any sd-value of a membrane is possible; its bounds are the refusal rule's
        return QString();
    }
    return QString();
}

double Project::layerValue(int index, LayerValue kind) const
{
    if (!validLayerIndex(index))
        return std::numeric_limits<double>::quiet_NaN();
    const MaterialLayer &layer = inputData().layer(index);
    switch (kind) {
    case LV_Mu:
        return layer.m_mu;
    case LV_W80:
        return layer.m_w_80;
    case LV_WSat:
        return layer.m_w_sat;
    case LV_Lambda:
        return layer.m_lambda;
    case LV_Aw:
        return layer.m_A_w;
    case LV_Width:
        return layer.m_width;
    case LV_SdSummer:
        return layer.m_sd_summer;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

bool Project::setLayerValue(int index, LayerValue kind, double value)
{
    if (!acceptsLayerValue(index, kind, value))
        return false;
    MaterialLayer layer = inputData().layer(index);
    Material material = layer.material();
    switch (kind) {
    case LV_Mu:
        material.m_mu = value;
        break;
    case LV_W80:
        material.m_w_80 = value;
        break;
    case LV_WSat:
        material.m_w_sat = value;
        break;
    case LV_Lambda:
        material.m_lambda = value;
        break;
    case LV_Aw:
        material.m_A_w = value;
        break;
    case LV_SdSummer:
        material.m_sd_summer = value;
        break;
    case LV_Width:
        layer.setWidth(value);
        return replaceLayer(index, layer);
    }
    // Through changeMaterial, so that a material with an sd-value keeps its width in step.
    layer.changeMaterial(material);
    return replaceLayer(index, layer);
}

bool Project::setLayerName(int index, const QString &name)
{
    if (!validLayerIndex(index))
        return false;
    MaterialLayer layer = inputData().layer(index);
    layer.m_name = name;
    return replaceLayer(index, layer);
}

bool Project::acceptsLayerBridge(int index, const LayerBridge &bridge, QString *reason) const
{
    auto refuse = [reason](const QString &text) {
        if (reason)
            *reason = text;
        return false;
    };
    if (!validLayerIndex(index))
        return refuse(tr("There is no such layer."));
    if (!MaterialLayer::canCarryBridge(inputData().layer(index)))
        return refuse(tr("A layer given by its sd-value (a foil, a membrane) cannot carry a "
                         "second material."));
    QString why;
    if (!bridge.acceptableValues(&why))
        return refuse(why);
    if (!bridge.material.isValid())
        return refuse(tr("The second material \"%1\" is not valid.").arg(bridge.material.m_name));
    return true;
}

bool Project::setLayerBridge(int index, const std::optional<LayerBridge> &bridge)
{
    if (!validLayerIndex(index))
        return false;
    if (bridge && !acceptsLayerBridge(index, *bridge))
        return false;
    MaterialLayer layer = inputData().layer(index);
    layer.m_bridge = bridge;
    return replaceLayer(index, layer);
}

bool Project::setLayerColor(int index, const QColor &color)
{
    if (!validLayerIndex(index) || !color.isValid())
        return false;
    MaterialLayer layer = inputData().layer(index);
    layer.m_color = color;
    return replaceLayer(index, layer);
}

// ---------------------------------------------------------------------------------------------
// Edits of the climate and the assessment
// ---------------------------------------------------------------------------------------------

bool Project::acceptsClimateValue(Climate::Side side, Climate::Period period,
                                  Climate::Quantity quantity, double value, QString *reason) const
{
    auto refuse = [reason](const QString &text) {
        if (reason)
            *reason = text;
        return false;
    };
    if (!m_document)
        return refuse(tr("No project is open."));
    if (!std::isfinite(value))
        return refuse(tr("The value must be a finite number."));
    switch (quantity) {
    case Climate::Q_T:
        if (value < -40 || value > 80)
            return refuse(tr("The temperature must lie between -40 °C and 80 °C."));
        // The condensation scheme assumes that vapour flows from the warm to the cold side;
        // equal temperatures are allowed.
        if (period != Climate::Summer) {
            const Climate::Side other =
                side == Climate::Inside ? Climate::Outside : Climate::Inside;
            const double otherT = climateValue(other, Climate::Winter, Climate::Q_T);
            const double warm = side == Climate::Inside ? value : otherT;
            const double cold = side == Climate::Inside ? otherT : value;
            if (warm < cold)
                return refuse(tr("In the condensation period the temperature of the warm side "
                                 "must not be below that of the cold side."));
        }
        break;
    case Climate::Q_rh:
        if (value < 0 || value > 100)
            return refuse(tr("The relative humidity must lie between 0 % and 100 %."));
        break;
    case Climate::Q_Rs:
        if (!(value > 0))
            return refuse(tr("The surface resistance must be > 0."));
        break;
    }
    return true;
}

QString Project::climateValueNote(Climate::Side side, Climate::Period period,
                                  Climate::Quantity quantity, double value) const
{
    if (!m_document || !std::isfinite(value))
        return QString();
    return Plausibility::climate(side, period, quantity, value);
}

double Project::climateValue(Climate::Side side, Climate::Period period,
                             Climate::Quantity quantity) const
{
    const Climate &climate = inputData().climate();
    const bool summer = period == Climate::Summer;
    const ClimateCondition &c = side == Climate::Inside
                                    ? (summer ? climate.insideSummer() : climate.insideWinter())
                                    : (summer ? climate.outsideSummer() : climate.outsideWinter());
    switch (quantity) {
    case Climate::Q_T:
        return c.m_T;
    case Climate::Q_rh:
        return c.m_rh;
    case Climate::Q_Rs:
        return c.m_Rs;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

bool Project::setClimateValue(Climate::Side side, Climate::Period period,
                              Climate::Quantity quantity, double value)
{
    if (!acceptsClimateValue(side, period, quantity, value))
        return false;
    Climate climate = inputData().climate();
    climate.setValue(side, period, quantity, value);
    const ProjectChanges changes = setClimateRecord(climate);
    if (!changes)
        return false;
    finishEdit(changes, sidePosition(side));
    return true;
}

bool Project::applyClimatePreset(Climate::Side side, int presetId)
{
    if (!m_document)
        return false;
    ClimateCondition preset;
    if (!ClimatePresets::copyPreset(presetId, side, preset))
        return false;
    Climate climate = inputData().climate();
    if (climate.assessmentCondition() == Climate::AC_Custom) {
        // Applying the custom condition would copy a preset into the other side as well and so
        // overwrite the values the user typed there.
        if (!ClimatePresets::isAllowed(presetId, Climate::AC_Custom, side))
            return false;
        if (side == Climate::Inside)
            climate.setInsideWinter(preset);
        else
            climate.setOutsideWinter(preset);
    } else {
        climate.applyAssessmentCondition(climate.assessmentCondition(), presetId, side);
    }
    const ProjectChanges changes = setClimateRecord(climate);
    if (!changes)
        return false;
    finishEdit(changes, sidePosition(side));
    return true;
}

bool Project::setClimate(const Climate &climate, int select)
{
    if (!m_document)
        return false;
    const ProjectChanges changes = setClimateRecord(climate);
    if (!changes)
        return false;
    finishEdit(changes, select);
    return true;
}

ProjectChanges Project::setClimateRecord(const Climate &climate)
{
    // The record's own equality allows 1e-4 for the displayed values; an edit must see every
    // change of a value, and of the recognised assessment condition.
    auto same = [](const ClimateCondition &a, const ClimateCondition &b) {
        return a.m_T == b.m_T && a.m_rh == b.m_rh && a.m_Rs == b.m_Rs && a.m_kind == b.m_kind &&
               a.m_side == b.m_side;
    };
    Climate &current = input().climate();
    ProjectChanges changes;
    if (!same(current.insideWinter(), climate.insideWinter()) ||
        !same(current.outsideWinter(), climate.outsideWinter()) || current.tT() != climate.tT())
        changes |= ProjectChange::WinterClimate;
    if (!same(current.insideSummer(), climate.insideSummer()) ||
        !same(current.outsideSummer(), climate.outsideSummer()) ||
        current.tT_summer() != climate.tT_summer() ||
        current.pv_i_summer() != climate.pv_i_summer() ||
        current.pv_e_summer() != climate.pv_e_summer() ||
        current.psat_summer() != climate.psat_summer())
        changes |= ProjectChange::SummerClimate;
    if (current.assessmentCondition() != climate.assessmentCondition())
        changes |= ProjectChange::Climate;
    if (!changes)
        return changes;
    current = climate;
    return changes | ProjectChange::Climate;
}

bool Project::setAssessmentType(int condition, double condensationDays, double evaporationDays)
{
    if (!m_document || condition < Climate::AC_Custom || condition > Climate::AC_DIN4108_2014 ||
        !(condensationDays > 0) || !(evaporationDays > 0))
        return false;
    Climate climate = inputData().climate();
    const bool newCondition = condition != climate.assessmentCondition();
    if (newCondition)
        climate.applyAssessmentCondition(condition);
    // A DIN 4108-3 condition fixes the period lengths itself; lengths given along with the
    // choice of such a condition are those of the condition before, and taking them would turn
    // the record custom again at once.
    // Custom conditions chosen for the values of a DIN condition keep them, and recognition
    // would find the DIN condition again at once: the user could never leave it to edit the
    // values. The choice stands until the next edit of a value.
    const bool recognise = !(newCondition && condition == Climate::AC_Custom);
    if (!newCondition || condition == Climate::AC_Custom) {
        climate.setTT(condensationDays, recognise);
        climate.setTT_summer(evaporationDays, recognise);
    }
    const ProjectChanges changes = setClimateRecord(climate);
    if (!changes)
        return false;
    finishEdit(changes, NoSelection);
    return true;
}

bool Project::setHeatFlowDirection(HeatFlowDirection direction)
{
    if (!m_document || direction == heatFlowDirection())
        return false;
    m_document->m_projectInformation.m_heatFlowDirection = direction;
    finishEdit(ProjectChange::HeatFlowDirection, NoSelection);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The construction kind
// ---------------------------------------------------------------------------------------------

bool Project::setConstructionKind(ConstructionKind kind, int minimumResistanceEdition)
{
    if (!m_document)
        return false;
    const HeatFlowDirection direction = ConstructionKinds::heatFlowDirection(kind);
    Climate climate = inputData().climate();
    ConstructionKinds::applyToClimate(kind, direction, climate);
    return setConstructionKindValues(
        kind, ConstructionKinds::minimumResistanceType(kind, minimumResistanceEdition), direction,
        climate);
}

bool Project::setConstructionKindValues(ConstructionKind kind, int minimumResistanceType,
                                        HeatFlowDirection direction, const Climate &climate)
{
    if (!m_document || minimumResistanceType < ProjectInformation::NoMinimumResistanceType)
        return false;
    ProjectInformation &info = m_document->m_projectInformation;
    ProjectChanges changes;
    if (kind != info.m_constructionKind || minimumResistanceType != info.m_minimumResistanceType)
        changes |= ProjectChange::ConstructionKind;
    if (direction != info.m_heatFlowDirection)
        changes |= ProjectChange::HeatFlowDirection;
    // compared before it is taken: setClimateRecord replaces the record when it differs
    const ProjectChanges climateChanges = setClimateRecord(climate);
    changes |= climateChanges;
    if (!changes)
        return false;
    info.m_constructionKind = kind;
    info.m_minimumResistanceType = minimumResistanceType;
    info.m_heatFlowDirection = direction;
    finishEdit(changes, NoSelection);
    return true;
}

bool Project::setMinimumResistanceType(int type)
{
    if (!m_document || type < ProjectInformation::NoMinimumResistanceType ||
        type == minimumResistanceType())
        return false;
    m_document->m_projectInformation.m_minimumResistanceType = type;
    finishEdit(ProjectChange::ConstructionKind, NoSelection);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Edits of the descriptive part
// ---------------------------------------------------------------------------------------------

bool Project::setProjectInformation(const ProjectInformation &info)
{
    if (!m_document)
        return false;
    ProjectInformation &current = m_document->m_projectInformation;
    ProjectInformation next = info;
    next.m_constructionKind = current.m_constructionKind;
    next.m_minimumResistanceType = current.m_minimumResistanceType;
    ProjectChanges changes;
    if (info.m_heatFlowDirection != current.m_heatFlowDirection)
        changes |= ProjectChange::HeatFlowDirection;
    if (info.m_disclaimerText != current.m_disclaimerText)
        changes |= ProjectChange::FinalRemarks;
    ProjectInformation textsOnly = next;
    textsOnly.m_heatFlowDirection = current.m_heatFlowDirection;
    textsOnly.m_disclaimerText = current.m_disclaimerText;
    if (!(textsOnly == current))
        changes |= ProjectChange::ProjectInformation;
    if (!changes)
        return false;
    current = next;
    finishEdit(changes, NoSelection);
    return true;
}

bool Project::setFinalRemarks(const QString &text)
{
    if (!m_document || text == projectInformation().m_disclaimerText)
        return false;
    m_document->m_projectInformation.m_disclaimerText = text;
    finishEdit(ProjectChange::FinalRemarks, NoSelection);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Calculation and announcements
// ---------------------------------------------------------------------------------------------

void Project::setMoistureDependentLambda(bool on)
{
    if (on == m_moistureDependentLambda)
        return;
    m_moistureDependentLambda = on;
    if (m_document)
        recalculate();
}

void Project::recalculate()
{
    if (!m_document)
        return;
    calculateDocument();
    announce(ProjectChange::Results, NoSelection);
}

CalculationOptions Project::calculationOptions() const
{
    CalculationOptions options;
    options.heatFlowDirection = heatFlowDirection();
    options.moistureDependentLambda = m_moistureDependentLambda;
    return options;
}

void Project::calculateDocument()
{
    m_document->m_inputData.validate();
    // into the previous outcome and the kept workspace: an edit allocates nothing
    Calculation::calculate(m_document->m_inputData, calculationOptions(), m_document->m_outcome,
                           m_document->m_workspace);
}

void Project::finishEdit(ProjectChanges changes, int select)
{
    m_modified = true;
    if (changes & CalculationInput) {
        calculateDocument();
        changes |= ProjectChange::Results;
    }
    announce(changes | ProjectChange::FileState, select);
}

void Project::announce(ProjectChanges changes, int select)
{
    emit changed(changes, select);
}
