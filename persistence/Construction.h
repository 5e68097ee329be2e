#pragma once

#include "model/MaterialLayer.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QDataStream;

/*  One entry of the construction database: a named layer sequence (warm side first) with free
    notes. Every layer carries its own material copy, and the second material of an
    inhomogeneous layer (studs, rafters, battens) with its area fraction, so a stored
    construction does not depend on the material database.

    Two constructions are equal when name, notes and layer count agree, the layer materials
    are pairwise equal and so are the layers' second materials (material, fraction, width and
    spacing, or both absent); the layer widths are not compared, so a construction that differs
    from a stored one only in its widths counts as already stored, while one that differs only
    in its studs is another construction.

    Stream versions: 1 the layers as MaterialStream writes them; 2 adds the second material of
    each layer. Version 2 is written only for a construction with a second material, so that a
    database of homogeneous constructions stays byte for byte what older programs read.
*/
class Construction
{
    Q_DECLARE_TR_FUNCTIONS(Construction)
public:
    /*! Stream version of a construction without any second material. */
    static constexpr int StreamVersion = 1;
    /*! Stream version of a construction with a second material in at least one layer. */
    static constexpr int BridgeStreamVersion = 2;

    /*! Name "Unknown" (translated), no layers, no notes. */
    Construction();

    bool operator==(const Construction &other) const;
    bool operator!=(const Construction &other) const { return !(*this == other); }

    /*! Whether a layer carries a second material. */
    bool hasBridges() const;
    /*! The stream version write() uses: BridgeStreamVersion when hasBridges(), else
        StreamVersion. */
    int streamVersion() const;

    /*! Writes the version (streamVersion()), the layer count, name, notes and the layers. In
        version 2 each layer is preceded by a flag (bool) and, when it is set, its second
        material: fraction, width and spacing (doubles, m), the material stream version and the
        material. */
    void write(QDataStream &out) const;

    /*! Reads one construction as write() writes it, version 1 or 2. Counts and string lengths
        are checked against the bytes left on the stream's device. Refused: an unknown version,
        data that end early or do not fit, a second material whose fraction, width and spacing
        a layer could not take (LayerBridge), and one on a layer whose material cannot carry it
        (a foil). On failure false is returned with a translated reason in error (if given), and
        the construction is left unchanged. */
    bool read(QDataStream &in, QString *error = nullptr);

    QString m_name;
    std::vector<MaterialLayer> m_layers; ///< warm side first
    QString m_notes;
};
