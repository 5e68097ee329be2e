#include "ui/WinterTemperatureValidator.h"

#include "document/Project.h"

namespace {

const double LowestTemperature = -40; // °C, excluded
const double HighestTemperature = 80; // °C, excluded

} // namespace

WinterTemperatureValidator::WinterTemperatureValidator(const Project *project, bool warmSide,
                                                       QtExt::ValidatingLineEdit *partner)
    : m_project(project)
    , m_warmSide(warmSide)
    , m_partner(partner)
{
}

QString WinterTemperatureValidator::rangeText()
{
    return QCoreApplication::translate("ClimateEditWidget",
                                       "The temperature must be > -40%1C and < 80%1C.")
        .arg(QChar(0x00B0));
}

QString WinterTemperatureValidator::warmColderThanColdText()
{
    return tr("Temperature at warm side must be bigger than tempareature at cold side");
}

bool WinterTemperatureValidator::isValid(double value, QString *message)
{
    if (!(value > LowestTemperature && value < HighestTemperature)) {
        *message = rangeText();
        return false;
    }
    double other;
    if (m_project && m_project->hasProject()) {
        const Climate &climate = m_project->inputData().climate();
        other = m_warmSide ? climate.outsideWinter().m_T : climate.insideWinter().m_T;
    } else if (m_partner && m_partner->isNumber()) {
        other = m_partner->value();
    } else {
        *message = tr("Cannot retrieve input data.");
        return false;
    }
    const double warm = m_warmSide ? value : other;
    const double cold = m_warmSide ? other : value;
    if (warm < cold) {
        *message = warmColderThanColdText();
        return false;
    }
    message->clear();
    return true;
}

void WinterTemperatureValidator::afterCheck()
{
    if (!m_partner || m_inPartnerCheck)
        return;
    m_inPartnerCheck = true;
    m_partner->check();
    m_inPartnerCheck = false;
}
