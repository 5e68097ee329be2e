#pragma once

#include <QString>

#include <iosfwd>
#include <string>

class InputData;
class Material;
class MaterialLayer;

/*  Readers of the blocks of the first program generation's keyword text (old project files,
    version-1 material lists), each reading its own block from the same text stream; the
    document reader (Document) and the material list reader call them. Every reader is entered
    after the line with the block's opening "{" has been read and stops after the block's
    closing "}". version is the file's version string ("1.3" files give W_hyg at 95 % relative
    humidity, older ones at 80 %).

    Failures are returned, never thrown, with a translated message that starts with the reader's
    log context in brackets ("[Material::readOld]", "[MaterialLayer::readOld]",
    "[InputData::readClimateOld]", "[InputData::readConstructionOld]"; translation contexts
    "Material", "MaterialLayer" and "InputData").
*/
namespace LegacyFormat {

/*! Reads a material block (MATERIAL_DEFINITION). Values not in the block keep their current
    values; an empty name becomes "Unknown". Returns false with a message; any exception raised
    while reading is caught and turned into that message. */
bool readOld(std::istream &in, const std::string &version, Material &material, QString &message);

/*! Reads a layer block (LAYER_DEFINITION: width, colour and the material block). A width <= 0
    becomes 0.24 m; a layer whose material got no name is named "Unknown". Returns 0 on success, 1
   for a layer error and 2 for a material error, with a message. */
int readOld(std::istream &in, const std::string &version, MaterialLayer &layer, QString &message);

/*! Reads the climate block (CLIMATE_LIST): four "CLIMATE_DEFINITION" blocks (interior winter,
    interior summer, exterior winter, exterior summer) with temperature and relative humidity.
    On failure returns false with a message and sets the input status to 3. */
bool readClimateOld(std::istream &in, InputData &input, QString &message);

/*! Reads the construction block (STRUCTURE): any number of "LAYER_DEFINITION" blocks, appended
    warm side first. A layer error sets the input status to 1, a material error to 2; both fail
    the read with a message. */
bool readConstructionOld(std::istream &in, const std::string &version, InputData &input,
                         QString &message);

/*! Category of a category text of the keyword files: the German category names of the first
    program generation first, then the translated names (Material::categoryIndex()); 13 when
    neither matches. */
int categoryFromOldText(const QString &text);

} // namespace LegacyFormat
