#pragma once

#include "persistence/Construction.h"

#include <QString>

#include <vector>

class MaterialList;

/*  The readable source of the typical constructions that a new construction database starts
    with: a UTF-8 CSV file (the quoting of the material catalogue) with one construction per
    line and the columns key, name_en, name_de, name_pl, notes_en, notes_de, notes_pl, layers.
    The layers are "id:width" pairs separated by blanks, warm side first, with the material id
    of the catalogue (0 the air layer) and the width in mm; a material given by its sd-value
    takes its width from the sd rule, its width in the list is ignored. A layer with a second
    material (studs, rafters, battens) adds it after "+": "1041:160+1070:60/625" (members of
    material 1070, 60 mm wide at 625 mm centre to centre) or "1041:160+1070:9.6%" (the area
    fraction).
*/
namespace TypicalConstructionSource {

/*! The constructions of the file in one language ("en", "de" or "pl"), each layer a copy of
    the material of the given database with a colour of its category. False with a message
    naming the line when a field is missing, a width is not a positive number, a material id is
    unknown or a material is not valid, or a second material has numbers a layer cannot take
    or stands on a layer given by its sd-value. */
bool read(const QString &fileName, const QString &langId, const MaterialList &materials,
          std::vector<Construction> &constructions, QString *errorMessage);

} // namespace TypicalConstructionSource
