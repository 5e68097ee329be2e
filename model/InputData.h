#pragma once

#include <vector>

#include <QString>

#include "model/Climate.h"
#include "model/MaterialLayer.h"

/*! Whether an input can be calculated; files and messages keep the numeric codes. */
enum class InputStatus
{
    Valid = 0,
    InvalidWidth = 1,    ///< a layer width is not positive
    InvalidMaterial = 2, ///< a layer material is not valid
    InvalidClimate = 3   ///< climate or period lengths not valid
};

/*  Everything a calculation needs about one project: the layer sequence (index 0 at the warm,
    interior side), the climate record and the validity status.

    Index arguments are the caller's responsibility; out-of-range indices are ignored by the
    modifying operations rather than corrupting the sequence.
*/
class InputData
{
public:
    /*! No layers, status 0, climate of DIN 4108-3 2014 and later without preferred preset. */
    InputData();

    int layerCount() const { return static_cast<int>(m_layers.size()); }
    const MaterialLayer &layer(int i) const;
    MaterialLayer &layer(int i);

    const Climate &climate() const { return m_climate; }
    Climate &climate() { return m_climate; }

    /*! Cached status of the last validate() or file read. */
    InputStatus status() const { return m_status; }
    void setStatus(InputStatus status) { m_status = status; }

    /*! Inserts a copy before position index (index == layerCount() appends). */
    void insertLayer(int index, const MaterialLayer &layer);
    /*! Erases the layer; those behind it move up by one. */
    void removeLayer(int index);
    /*! Exchanges two complete layers. */
    void swapLayers(int i, int j);
    /*! Removes all layers. */
    void clearLayers() { m_layers.clear(); }

    /*! Computes, stores and returns the status: a climate error gives 3, but a layer error
        overrides it, and only the first faulty layer counts (1 width, 2 material). */
    InputStatus validate();

    /*! The first fault validate() finds, as a sentence naming the layer (1-based, with its
        material name) or the climate condition, the value and the rule it breaks; empty when
        the input is valid. Translation context "InputData". */
    QString faultText() const;

    /*! Every layer has a width > 0 m and is an air layer or has a positive effective conductivity
        for horizontal heat flow. */
    bool allLayersCalculable() const;

    /*! At least one layer carries a second, bridging material (studs, rafters, battens). */
    bool hasBridges() const;

    /*! At least one layer carries the air flag. */
    bool hasAirLayer() const;

    /*! Climate records equal (within their tolerance), statuses equal, layers pairwise equal. */
    bool operator==(const InputData &other) const;

    bool operator!=(const InputData &other) const { return !(*this == other); }

private:
    std::vector<MaterialLayer> m_layers; ///< warm side first
    Climate m_climate;
    InputStatus m_status = InputStatus::Valid;
};
