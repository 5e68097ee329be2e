#pragma once

#include "model/MaterialLayer.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

class QDataStream;

/*  One entry of the construction database: a named layer sequence (warm side first) with free
    notes. Every layer carries its own material copy, so a stored construction does not depend
    on the material database.

    Two constructions are equal when name, notes and layer count agree and the layer materials
    are pairwise equal; the layer widths are not compared, so a construction that differs from a
    stored one only in its widths counts as already stored.
*/
class Construction
{
    Q_DECLARE_TR_FUNCTIONS(Construction)
public:
    /*! Stream version of one construction in the database file. */
    static constexpr int StreamVersion = 1;

    /*! Name "Unknown" (translated), no layers, no notes. */
    Construction();

    bool operator==(const Construction &other) const;
    bool operator!=(const Construction &other) const { return !(*this == other); }

    /*! Writes version 1, the layer count, name, notes and the layers. */
    void write(QDataStream &out) const;

    /*! Reads one construction as write() writes it. Counts and string lengths are checked
        against the bytes left on the stream's device. On failure false is returned and the
        construction is left unchanged. */
    bool read(QDataStream &in);

    QString m_name;
    std::vector<MaterialLayer> m_layers; ///< warm side first
    QString m_notes;
};
