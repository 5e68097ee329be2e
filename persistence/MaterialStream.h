#pragma once

class Material;
class MaterialLayer;
class QDataStream;

/*  The binary data-stream form of a material and of a construction layer, as the user material
    file and the construction database store them. Strings are length-prefixed UTF-16, ints
    32-bit signed, doubles 64-bit floats, bools one byte; the stream's own version and byte order
    are set by the caller.

    Material stream versions: 1 the basic record; 2 adds mu_min, mu_max and the sd-value; 3 adds
    the air, wood and wood-based flags; 4 adds the foil flag; 5 adds the sd-value of the
    evaporation period (humidity-variable retarders). The stream holds no material id: the
    reader is told which id to give. Writers take version 5 only for what needs it
    (versionFor()), so that files without such a material stay as older programs wrote them.
*/
namespace MaterialStream {

/*! Material id given to materials read from the construction database stream. */
constexpr int ConstructionDatabaseMaterialId = 0x10000;

/*! Material stream version written in front of each layer that needs nothing newer. */
constexpr int LayerMaterialVersion = 4;
/*! The newest material stream version. */
constexpr int NewestVersion = 5;

/*! The oldest version that holds everything of the material: 5 for a material with a summer
    sd-value, else 4. */
int versionFor(const Material &material);

/*! Writes the material in the form of the given stream version (1..5). */
void write(QDataStream &out, const Material &material, int version);

/*! Reads a material of the given version (1..5). Fields the version does not contain keep their
    values; the flag set is replaced by the flags read; the material id becomes materialId; an
    empty name becomes "Unknown" and the category is clamped to 0..13. Returns true when the
    stream status is good. On failure (bad stream or an unknown version) the material is left
    unchanged. */
bool read(QDataStream &in, int version, int materialId, Material &material);

/*! Writes the layer: the material stream version (versionFor() its material), the width in m
    and the material in that version. */
void write(QDataStream &out, const MaterialLayer &layer);

/*! Reads version, width and material (material id ConstructionDatabaseMaterialId). Returns true
    when the material was read and the stream status is good; on failure the layer is left
    unchanged. */
bool read(QDataStream &in, MaterialLayer &layer);

} // namespace MaterialStream
