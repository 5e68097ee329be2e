#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include <QString>

#include "model/Climate.h"
#include "model/MaterialLayer.h"

class QXmlStreamReader;
class QXmlStreamWriter;

/*  Everything a calculation needs about one project: the layer sequence (index 0 at the warm,
    interior side), the climate record and the validity status.

    Status codes: 0 valid, 1 a layer width is not positive, 2 a layer material is not valid,
    3 climate or period lengths not valid.

    Index arguments are the caller's responsibility; out-of-range indices are ignored by the
    modifying operations rather than corrupting the sequence.
*/
class InputData
{
public:
    enum Status
    {
        S_Valid = 0,
        S_InvalidWidth = 1,
        S_InvalidMaterial = 2,
        S_InvalidClimate = 3
    };

    /*! No layers, status 0, climate of DIN 4108-3 2014 and later without preferred preset. */
    InputData();

    int layerCount() const { return static_cast<int>(m_layers.size()); }
    const MaterialLayer &layer(int i) const;
    MaterialLayer &layer(int i);

    const Climate &climate() const { return m_climate; }
    Climate &climate() { return m_climate; }

    /*! Cached status of the last validate() or file read. */
    int status() const { return m_status; }
    void setStatus(int status) { m_status = status; }

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
    int validate();

    /*! The first fault validate() finds, as a sentence naming the layer (1-based, with its
        material name) or the climate condition, the value and the rule it breaks; empty when
        the input is valid. Translation context "InputData". */
    QString faultText() const;

    /*! Every layer has a width > 0 m and is an air layer or has a positive effective conductivity
        for horizontal heat flow. */
    bool allLayersCalculable() const;

    /*! At least one layer carries the air flag. */
    bool hasAirLayer() const;

    /*! Climate records equal (within their tolerance), statuses equal, layers pairwise equal. */
    bool operator==(const InputData &other) const;

    /*! Reads the project-file element "InputData" (construction, climate, options); the reader
        stands on its start element and is left on its end element. The layers are replaced;
        findings are stored in the status (1 width, 2 material, 3 climate or options; the last
        finding wins) and never raise a reader error. */
    void readXML(QXmlStreamReader &reader);
    /*! Writes the element "InputData". */
    void writeXML(QXmlStreamWriter &writer) const;
    bool operator!=(const InputData &other) const { return !(*this == other); }

    /*! Reads the climate block of the first program generation's keyword text: four
        "CLIMATE_DEFINITION" blocks (interior winter, interior summer, exterior winter, exterior
        summer) with temperature and relative humidity, up to the block's closing "}". On
        failure returns false with a message starting "[InputData::readClimateOld]" and sets
        the status to 3. */
    bool readClimateOld(std::istream &in, QString &message);
    /*! Reads the construction block of the keyword text: any number of "LAYER_DEFINITION"
        blocks, appended warm side first, up to the block's closing "}". A layer error sets the
        status to 1, a material error to 2; both fail the read with a message. */
    bool readConstructionOld(std::istream &in, const std::string &version, QString &message);

    std::vector<MaterialLayer> m_layers; ///< warm side first
    Climate m_climate;
    int m_status = S_Valid;
};
