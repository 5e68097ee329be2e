#include "model/InputData.h"

#include <QtGlobal>
#include <utility>

InputData::InputData()
    : m_climate(Climate::AC_DIN4108_2014, ClimatePresets::NoPreset)
{
}

const MaterialLayer &InputData::layer(int i) const
{
    Q_ASSERT(i >= 0 && i < layerCount());
    return m_layers[static_cast<std::size_t>(i)];
}

MaterialLayer &InputData::layer(int i)
{
    Q_ASSERT(i >= 0 && i < layerCount());
    return m_layers[static_cast<std::size_t>(i)];
}

void InputData::insertLayer(int index, const MaterialLayer &layer)
{
    if (index < 0 || index > layerCount())
        return;
    m_layers.insert(m_layers.begin() + index, layer);
}

void InputData::removeLayer(int index)
{
    if (index < 0 || index >= layerCount())
        return;
    m_layers.erase(m_layers.begin() + index);
}

void InputData::swapLayers(int i, int j)
{
    if (i < 0 || i >= layerCount() || j < 0 || j >= layerCount())
        return;
    std::swap(m_layers[static_cast<std::size_t>(i)], m_layers[static_cast<std::size_t>(j)]);
}

InputStatus InputData::validate()
{
    m_status = InputStatus::Valid;
    if (!m_climate.isValid())
        m_status = InputStatus::InvalidClimate;
    // A layer error overrides a climate error; only the first faulty layer is reported.
    for (const MaterialLayer &l : m_layers) {
        if (!(l.m_width > 0)) {
            m_status = InputStatus::InvalidWidth;
            break;
        }
        if (!l.isValid()) {
            m_status = InputStatus::InvalidMaterial;
            break;
        }
    }
    return m_status;
}

bool InputData::allLayersCalculable() const
{
    for (const MaterialLayer &l : m_layers) {
        if (!(l.m_width > 0))
            return false;
        if (!l.isAir() && !(l.lambda(2) > 0))
            return false;
    }
    return true;
}

bool InputData::hasAirLayer() const
{
    for (const MaterialLayer &l : m_layers) {
        if (l.isAir())
            return true;
    }
    return false;
}

bool InputData::operator==(const InputData &other) const
{
    return m_climate == other.m_climate && m_status == other.m_status && m_layers == other.m_layers;
}
