#pragma once

#include <QString>
#include <QStringList>

class InputData;
class ProjectInformation;
class QIODevice;

/*  Reading and writing the project file: one UTF-8 XML document with the root "MireloProject"
    (version "2.0") holding the input data (layers with full material copies, climate, period
    lengths) and the project information. Results are never stored.

    Files are written through an atomic replace, so a failed save never damages the previous
    file. Doubles are written as the shortest text that reads back to the identical value, so a
    project survives any number of save/open cycles unchanged.

    Reader errors are translated texts (contexts "Document", "Material", "XMLHelpers", "Project")
    or, for malformed XML, the XML parser's own text.
*/
namespace ProjectFile {

/*! The file extension of project files, "m2p". */
QString extension();

/*! Writes the whole document to an open device. Returns false when the device reports an
    error. */
bool write(QIODevice &device, const InputData &input, const ProjectInformation &info);

/*! Writes the project file through a temporary file that replaces fileName only once it is
    complete; anything but a regular file or a link to one is not replaced. On failure the
    previous file is untouched, false is returned and message (if given) holds the reason. */
bool save(const QString &fileName, const InputData &input, const ProjectInformation &info,
          QString *message = nullptr);

/*! Reads the XML form from an open device. input is reset to a new InputData first and then
    filled; info keeps the values the file does not contain. Validity findings go into the input
    status and do not fail the read. Returns false with the reader's error text in message; a
    number that is not finite ("inf", "nan") and an element with more attributes than any
    element of a project has are errors too. What the read had to change (a second material
    dropped from a foil) is appended to notes (if given) as texts for the user. */
bool readXML(QIODevice &device, InputData &input, ProjectInformation &info, QString *message,
             QStringList *notes = nullptr);

/*! Reads a project of the first program generation (keyword format) into a fresh input; the
    message is the keyword reader's own. */
bool readLegacy(const QString &fileName, InputData &input, ProjectInformation &info,
                QString *message);

/*! The whole load of a project file as the open command does it: "mpj" files through the
    keyword reader, every other file as XML, with the keyword reader as fallback for files whose
    extension is not "m2p"; a project without layers is refused, and so is a directory.
    Returns false with a message. A load that succeeds but changed something on the way appends
    a translated note for the user to notes (if given), for example "Control characters in
    texts were replaced by U+FFFD." or that a second material was dropped from a foil; texts
    longer than Material::MaxTextLength are cut to it. */
bool load(const QString &fileName, InputData &input, ProjectInformation &info, QString *message,
          QStringList *notes = nullptr);

} // namespace ProjectFile
