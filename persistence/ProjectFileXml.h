#pragma once

class Climate;
class InputData;
class Material;
class ProjectInformation;
class QXmlStreamReader;
class QXmlStreamWriter;
class QStringList;

/*  The elements of the project file, one reader and one writer per model type. Each reader
    stands on the start element of its element and leaves the reader on its end element (or in
    error). Reader errors are raised on the QXmlStreamReader (raiseError), so that the whole read
    stops at the first bad value and the caller finds the text in errorString(); findings about
    the values (widths, invalid materials, climate out of range) are not errors.
*/
namespace ProjectFileXml {

/*! Reads the element "Material". All attributes are optional: missing texts become empty,
    missing numbers keep their current values; an empty name becomes "Unknown". A colour that is
    not three integers 0..255 raises the reader error "Invalid encoding '%1' of material color."
    (context "Material"), an unconvertible number "Invalid value for attribute '%1'." (context
    "XMLHelpers"); both name the line and, when layer (1-based) is not 0, the layer the material
    belongs to. Returns true when the colour was read and the material is valid. */
bool readXML(QXmlStreamReader &reader, Material &material, int layer = 0);
/*! Writes the element "Material" with all its attributes. */
void writeXML(QXmlStreamWriter &writer, const Material &material);

/*! Reads the element "Climate" (children "Interior" and "Exterior": the winter and summer air
    states and the winter surface heat transfer coefficients). Values out of range are stored;
    the return value tells whether every value read was within its range. The summer surface
    resistances then take the winter ones (they are not stored in the file) and the assessment
    condition is recognised. */
bool readXML(QXmlStreamReader &reader, Climate &climate);
/*! Writes the element "Climate". */
void writeXML(QXmlStreamWriter &writer, const Climate &climate);

/*! Reads the element "InputData" (construction, climate, options). The layers are replaced;
    findings are stored in the status (1 width, 2 material, 3 climate or options; the last
    finding wins) and never raise a reader error. A second material on a layer given by its
    sd-value (a foil, which cannot carry one) is dropped, and a translated note saying so is
    appended to notes (if given). */
void readXML(QXmlStreamReader &reader, InputData &input, QStringList *notes = nullptr);
/*! Writes the element "InputData". */
void writeXML(QXmlStreamWriter &writer, const InputData &input);

/*! Reads the element "ProjectInformation". Values absent from the file keep their current
    values; other elements are skipped. A heat-flow direction that is not a decimal integer
    raises the reader error "Invalid value for attribute '%1'.". */
void readXML(QXmlStreamReader &reader, ProjectInformation &info);
/*! Writes the element "ProjectInformation": the seven values as text elements. */
void writeXML(QXmlStreamWriter &writer, const ProjectInformation &info);

} // namespace ProjectFileXml
