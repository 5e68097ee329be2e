// The climate and construction blocks of the first program generation's keyword text.

#include "persistence/LegacyFormat.h"

#include "htl/HTL_Exception.h"
#include "model/InputData.h"
#include "persistence/LegacyKeywordText.h"

#include <QCoreApplication>

#include <exception>
#include <istream>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("InputData", text);
}

} // namespace

namespace LegacyFormat {

bool readClimateOld(std::istream &in, InputData &input, QString &message)
{
    using namespace LegacyKeywordText;

    // The four conditions in the order of the file.
    static const Climate::Side sides[4] = {Climate::Inside, Climate::Inside, Climate::Outside,
                                           Climate::Outside};
    static const Climate::Period periods[4] = {Climate::Winter, Climate::Summer, Climate::Winter,
                                               Climate::Summer};
    int count = 0;
    Line line;
    while (nextLine(in, line)) {
        if (line.m_isBlockEnd) {
            if (count < 4) {
                input.setStatus(InputStatus::InvalidClimate);
                message = tr("[InputData::readClimateOld]  Four climate conditions are required!");
                return false;
            }
            return true;
        }
        if (line.m_key != "CLIMATE_DEFINITION") {
            input.setStatus(InputStatus::InvalidClimate);
            message = tr("[InputData::readClimateOld]  Invalid keyword '%1'")
                          .arg(fromFile(line.m_keyword));
            return false;
        }
        if (!opensBlock(line)) {
            input.setStatus(InputStatus::InvalidClimate);
            message = tr("[InputData::readClimateOld]  Block start '{' missing!");
            return false;
        }
        if (count == 4) {
            // a fifth condition has no place in the climate record
            input.setStatus(InputStatus::InvalidClimate);
            message = tr("[InputData::readClimateOld]  Error reading parameter 'Temperatur'!");
            return false;
        }
        const Climate::Side side = sides[count];
        const Climate::Period period = periods[count];
        ++count;

        // One condition; what it does not give keeps the value of the climate record.
        try {
            bool closed = false;
            while (!closed && nextLine(in, line)) {
                double v = 0;
                if (line.m_isBlockEnd) {
                    closed = true;
                } else if (line.m_key == "Name") {
                    // the preset name of the old program: not needed
                } else if (line.m_key == "Temperatur") {
                    if (!readQuantity("Temperatur", line.m_value, "C", v)) {
                        input.setStatus(InputStatus::InvalidClimate);
                        message = tr(
                            "[InputData::readClimateOld]  Error reading parameter 'Temperatur'!");
                        return false;
                    }
                    input.climate().setValue(side, period, Climate::Q_T, v, false);
                } else if (line.m_key == "RelHum") {
                    if (!readQuantity("RelHum", line.m_value, "%", v)) {
                        input.setStatus(InputStatus::InvalidClimate);
                        message =
                            tr("[InputData::readClimateOld]  Error reading parameter 'RelHum'!");
                        return false;
                    }
                    input.climate().setValue(side, period, Climate::Q_rh, v, false);
                } else {
                    input.setStatus(InputStatus::InvalidClimate);
                    message = tr("[InputData::readClimateOld]  Illegal keyword '%1'")
                                  .arg(fromFile(line.m_keyword));
                    return false;
                }
            }
            if (!closed)
                break; // end of data inside the condition
            input.climate().updateAssessmentCondition();
        } catch (const HTL::Exception &ex) {
            input.setStatus(InputStatus::InvalidClimate);
            message = tr("[InputData::readClimateOld]  Error reading climate condition!\n") +
                      exceptionText(ex);
            return false;
        } catch (const std::exception &ex) {
            input.setStatus(InputStatus::InvalidClimate);
            message = tr("[InputData::readClimateOld]  Error reading climate condition!\n") +
                      QString::fromLocal8Bit(ex.what());
            return false;
        }
    }
    input.setStatus(InputStatus::InvalidClimate);
    message = tr("[InputData::readClimateOld]  Block end '}' missing!");
    return false;
}

bool readConstructionOld(std::istream &in, const std::string &version, InputData &input,
                         QString &message)
{
    using namespace LegacyKeywordText;
    Line line;
    while (nextLine(in, line)) {
        if (line.m_isBlockEnd)
            return true;
        if (line.m_key != "LAYER_DEFINITION")
            continue; // other lines of the block carry nothing the program uses
        if (!opensBlock(line)) {
            input.setStatus(InputStatus::InvalidWidth);
            message = tr("[InputData::readConstructionOld]  Block start '{' missing!");
            return false;
        }
        MaterialLayer layer;
        const int result = readOld(in, version, layer, message);
        if (result == 1) {
            input.setStatus(InputStatus::InvalidWidth);
            return false;
        }
        if (result == 2) {
            input.setStatus(InputStatus::InvalidMaterial);
            return false;
        }
        input.insertLayer(input.layerCount(), layer);
    }
    input.setStatus(InputStatus::InvalidWidth);
    message = tr("[InputData::readConstructionOld]  Block end '}' missing!");
    return false;
}

} // namespace LegacyFormat
