// The elements "InputData", "Construction", "Layer", "Climate" and "Options" of the project file.

#include "persistence/ProjectFileXml.h"

#include "model/Climate.h"
#include "model/InputData.h"
#include "persistence/ProjectFileHelpers.h"

#include <QCoreApplication>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <map>
#include <utility>

namespace {

bool temperatureInRange(double T)
{
    return T >= -40 && T <= 80; // NaN is out of range
}

bool humidityInRange(double rh)
{
    return rh >= 0 && rh <= 100;
}

/*! The surface resistance in m²K/W for a stored heat transfer coefficient in W/(m²K). */
double surfaceResistance(double alpha)
{
    const double Rs = 1 / alpha;
    // A coefficient of 0 would become an infinite resistance, which the validation accepts
    // (it only asks for Rs > 0) and the thermal field turns into NaN temperatures. Stored as
    // 0 it stays invalid, as the reader already reported.
    return std::isinf(Rs) ? 0.0 : Rs;
}

/*! Reads one of "Interior"/"Exterior"; returns whether every value present lay in range. */
bool readSide(QXmlStreamReader &reader, Climate &climate, Climate::Side side)
{
    using XMLHelpers::readDoubleAttribute;
    const bool inside = side == Climate::Inside;
    const QString s = inside ? QStringLiteral("i") : QStringLiteral("e");
    const ClimateCondition &winter = inside ? climate.insideWinter() : climate.outsideWinter();
    const ClimateCondition &summer = inside ? climate.insideSummer() : climate.outsideSummer();

    double T = winter.m_T, rh = winter.m_rh, alpha = 1 / winter.m_Rs;
    double T_summer = summer.m_T, rh_summer = summer.m_rh;
    bool valid = true;
    if (readDoubleAttribute(reader, QStringLiteral("T_") + s, T)) {
        valid = valid && temperatureInRange(T);
        climate.setValue(side, Climate::Winter, Climate::Q_T, T, false);
    }
    if (readDoubleAttribute(reader, QStringLiteral("rh_") + s, rh)) {
        valid = valid && humidityInRange(rh);
        climate.setValue(side, Climate::Winter, Climate::Q_rh, rh, false);
    }
    if (readDoubleAttribute(reader, QStringLiteral("alpha_") + s, alpha)) {
        valid = valid && alpha > 0;
        climate.setValue(side, Climate::Winter, Climate::Q_Rs, surfaceResistance(alpha), false);
    }
    if (readDoubleAttribute(reader, QStringLiteral("T_") + s + QStringLiteral("_summer"),
                            T_summer)) {
        valid = valid && temperatureInRange(T_summer);
        climate.setValue(side, Climate::Summer, Climate::Q_T, T_summer, false);
    }
    if (readDoubleAttribute(reader, QStringLiteral("rh_") + s + QStringLiteral("_summer"),
                            rh_summer)) {
        valid = valid && humidityInRange(rh_summer);
        climate.setValue(side, Climate::Summer, Climate::Q_rh, rh_summer, false);
    }
    if (!reader.hasError())
        reader.skipCurrentElement();
    return valid;
}

/*! Reads "Options"; returns whether both period lengths are positive. */
bool readOptions(QXmlStreamReader &reader, Climate &climate)
{
    using XMLHelpers::readDoubleAttribute;
    double tT = climate.tT(), tT_summer = climate.tT_summer();
    readDoubleAttribute(reader, QStringLiteral("tT"), tT);
    readDoubleAttribute(reader, QStringLiteral("tT_summer"), tT_summer);
    climate.setTT(tT, false);
    climate.setTT_summer(tT_summer, false);
    climate.updateAssessmentCondition();
    if (!reader.hasError())
        reader.skipCurrentElement();
    return tT > 0 && tT_summer > 0;
}

/*! Reads "Bridge", the second material of an inhomogeneous layer: attribute "fraction" (area
    fraction), optionally "width" and "spacing" (m) as the user entered them, and one child
    "Material". A bridge given by width and spacing alone takes its fraction from them. Returns
    false when the bridge is not usable (no valid material, a fraction outside 0 … 1). */
bool readBridge(QXmlStreamReader &reader, LayerBridge &bridge, int number)
{
    using XMLHelpers::readDoubleAttribute;
    const bool hasFraction =
        readDoubleAttribute(reader, QStringLiteral("fraction"), bridge.fraction, number);
    readDoubleAttribute(reader, QStringLiteral("width"), bridge.width, number);
    readDoubleAttribute(reader, QStringLiteral("spacing"), bridge.spacing, number);
    if (!hasFraction && bridge.byWidthAndSpacing())
        bridge.fraction = bridge.width / bridge.spacing;
    bool materialRead = false, valid = true;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Material") && !materialRead) {
            valid = ProjectFileXml::readXML(reader, bridge.material, number);
            materialRead = true;
        } else {
            reader.skipCurrentElement();
        }
    }
    if (!materialRead) {
        bridge.material.m_name = Material::unknownName();
        bridge.material.m_color = Material::defaultColor();
        valid = false;
    }
    return valid && LayerBridge::acceptableFraction(bridge.fraction);
}

/*! Reads "Construction" into layers; returns the last finding (Valid when none). A second
    material on a layer whose material cannot carry one (a foil) is dropped, with a note for the
    user appended to notes (if given). */
InputStatus readConstruction(QXmlStreamReader &reader, std::vector<MaterialLayer> &layers,
                             QStringList *notes)
{
    using XMLHelpers::readDoubleAttribute;
    using XMLHelpers::readIntAttribute;
    InputStatus finding = InputStatus::Valid;
    // Ordered by index, then by material name; a second layer with the same index and the same
    // material name is dropped.
    std::map<std::pair<int, QString>, MaterialLayer> ordered;
    int number = 0; // 1-based position of the layer in the file, named in reader errors
    while (reader.readNextStartElement()) {
        if (reader.name() != QLatin1String("Layer")) {
            reader.skipCurrentElement();
            continue;
        }
        ++number;
        int index = 0;
        MaterialLayer layer;
        readIntAttribute(reader, QStringLiteral("index"), index, number);
        readDoubleAttribute(reader, QStringLiteral("d"), layer.m_width, number);
        if (!(layer.m_width > 0))
            finding = InputStatus::InvalidWidth;
        bool materialRead = false, bridgeUsable = true;
        while (reader.readNextStartElement()) {
            if (reader.name() == QLatin1String("Material") && !materialRead) {
                Material m;
                if (!ProjectFileXml::readXML(reader, m, number))
                    finding = InputStatus::InvalidMaterial;
                // the width comes from the file as written; the sd rule is not re-applied
                static_cast<Material &>(layer) = m;
                materialRead = true;
            } else if (reader.name() == QLatin1String("Bridge") && !layer.m_bridge) {
                LayerBridge bridge;
                bridgeUsable = readBridge(reader, bridge, number);
                layer.m_bridge = bridge;
            } else {
                reader.skipCurrentElement();
            }
        }
        if (layer.m_bridge && !MaterialLayer::canCarryBridge(layer)) {
            // A foil with studs: earlier versions kept the second material when a layer's
            // material was exchanged for a foil. It means nothing (the studs do not run
            // through a sheet), and the layer editor offers no way to remove it from a foil,
            // so it goes here, said aloud, instead of blocking the calculation.
            if (notes)
                *notes << QCoreApplication::translate(
                              "Project", "Layer %1 (%2) is given by its sd-value and cannot carry "
                                         "a second material; its second material \"%3\" was "
                                         "removed.")
                              .arg(number)
                              .arg(layer.m_name, layer.m_bridge->material.m_name);
            layer.m_bridge.reset();
        } else if (layer.m_bridge && !bridgeUsable) {
            finding = InputStatus::InvalidMaterial;
        }
        if (!materialRead) {
            // Named and coloured as a file that holds them would give them, so that the layer
            // shows and saves the same way before and after a save.
            layer.m_name = Material::unknownName();
            layer.m_color = Material::defaultColor();
            finding = InputStatus::InvalidMaterial;
        }
        ordered.emplace(std::make_pair(index, layer.m_name), layer);
    }
    layers.clear();
    for (auto &entry : ordered)
        layers.push_back(std::move(entry.second));
    return finding;
}

} // namespace

namespace ProjectFileXml {

bool readXML(QXmlStreamReader &reader, Climate &climate)
{
    bool valid = true;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Interior"))
            valid = readSide(reader, climate, Climate::Inside) && valid;
        else if (reader.name() == QLatin1String("Exterior"))
            valid = readSide(reader, climate, Climate::Outside) && valid;
        else
            reader.skipCurrentElement();
    }
    // Only the winter surface resistances are stored. The summer ones take their values so that
    // a record saved under a DIN 4108-3 condition is recognised as that condition again.
    climate.setSummerSurfaceResistancesFromWinter(false);
    climate.updateAssessmentCondition();
    return valid;
}

void writeXML(QXmlStreamWriter &writer, const Climate &climate)
{
    using XMLHelpers::formatDouble;
    const ClimateCondition &insideWinter = climate.insideWinter();
    const ClimateCondition &insideSummer = climate.insideSummer();
    const ClimateCondition &outsideWinter = climate.outsideWinter();
    const ClimateCondition &outsideSummer = climate.outsideSummer();
    writer.writeStartElement(QStringLiteral("Climate"));
    writer.writeStartElement(QStringLiteral("Interior"));
    writer.writeAttribute(QStringLiteral("T_i"), formatDouble(insideWinter.m_T));
    writer.writeAttribute(QStringLiteral("rh_i"), formatDouble(insideWinter.m_rh));
    writer.writeAttribute(QStringLiteral("alpha_i"), formatDouble(1 / insideWinter.m_Rs));
    writer.writeAttribute(QStringLiteral("T_i_summer"), formatDouble(insideSummer.m_T));
    writer.writeAttribute(QStringLiteral("rh_i_summer"), formatDouble(insideSummer.m_rh));
    writer.writeEndElement();
    writer.writeStartElement(QStringLiteral("Exterior"));
    writer.writeAttribute(QStringLiteral("T_e"), formatDouble(outsideWinter.m_T));
    writer.writeAttribute(QStringLiteral("rh_e"), formatDouble(outsideWinter.m_rh));
    writer.writeAttribute(QStringLiteral("alpha_e"), formatDouble(1 / outsideWinter.m_Rs));
    writer.writeAttribute(QStringLiteral("T_e_summer"), formatDouble(outsideSummer.m_T));
    writer.writeAttribute(QStringLiteral("rh_e_summer"), formatDouble(outsideSummer.m_rh));
    writer.writeEndElement();
    writer.writeEndElement();
}

void readXML(QXmlStreamReader &reader, InputData &input, QStringList *notes)
{
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Construction")) {
            std::vector<MaterialLayer> layers;
            const InputStatus finding = readConstruction(reader, layers, notes);
            input.clearLayers();
            for (const MaterialLayer &layer : layers)
                input.insertLayer(input.layerCount(), layer);
            if (finding != InputStatus::Valid)
                input.setStatus(finding);
        } else if (reader.name() == QLatin1String("Climate")) {
            if (!readXML(reader, input.climate()))
                input.setStatus(InputStatus::InvalidClimate);
        } else if (reader.name() == QLatin1String("Options")) {
            if (!readOptions(reader, input.climate()))
                input.setStatus(InputStatus::InvalidClimate);
        } else {
            reader.skipCurrentElement();
        }
    }
}

void writeXML(QXmlStreamWriter &writer, const InputData &input)
{
    writer.writeStartElement(QStringLiteral("InputData"));
    writer.writeStartElement(QStringLiteral("Construction"));
    for (int i = 0; i < input.layerCount(); ++i) {
        const MaterialLayer &l = input.layer(i);
        writer.writeStartElement(QStringLiteral("Layer"));
        writer.writeAttribute(QStringLiteral("index"), QString::number(i));
        writer.writeAttribute(QStringLiteral("d"), XMLHelpers::formatDouble(l.m_width));
        writeXML(writer, l.material());
        if (l.m_bridge) {
            // Written only for an inhomogeneous layer: files of homogeneous constructions stay
            // as they were, and older versions of the program skip the element.
            const LayerBridge &b = *l.m_bridge;
            writer.writeStartElement(QStringLiteral("Bridge"));
            writer.writeAttribute(QStringLiteral("fraction"), XMLHelpers::formatDouble(b.fraction));
            if (b.byWidthAndSpacing()) {
                writer.writeAttribute(QStringLiteral("width"), XMLHelpers::formatDouble(b.width));
                writer.writeAttribute(QStringLiteral("spacing"),
                                      XMLHelpers::formatDouble(b.spacing));
            }
            writeXML(writer, b.material);
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writeXML(writer, input.climate());
    writer.writeStartElement(QStringLiteral("Options"));
    writer.writeAttribute(QStringLiteral("tT"), XMLHelpers::formatDouble(input.climate().tT()));
    writer.writeAttribute(QStringLiteral("tT_summer"),
                          XMLHelpers::formatDouble(input.climate().tT_summer()));
    writer.writeEndElement();
    writer.writeEndElement();
}

} // namespace ProjectFileXml
