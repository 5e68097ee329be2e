#pragma once

#include <QString>

#include <iosfwd>

class InputData;
class ProjectInformation;

/*  Reader of the project files of the first program generation: the keyword text with the
    version line "FileVersion <version>" and the block "DOCUMENT { ... }" holding the climate
    list, the construction, surface resistances, period lengths and the descriptive texts.

    The reader fills the input data and the project information it is given; values the file
    does not contain keep their current values (the caller starts from a fresh InputData).
    Saving always writes the current XML format.

    Failures are reported, never thrown: readOld() returns false with a translated message
    (context "Document"). Everything in the file is treated as untrusted: lines are read with a
    length cap, the remarks byte count only ever skips bytes that are really there, and the end
    of the data ends every block with a message.
*/
class Document
{
public:
    /*! Largest file read, in bytes (64 MB). Real project files of the old format hold a few
        kilobytes; anything much larger is not such a file, and reading it line by line would
        keep the user waiting for a refusal. */
    static constexpr qint64 MaxFileSize = qint64(64) * 1024 * 1024;

    Document(InputData &input, ProjectInformation &info);

    /*! Reads the file. On failure the message is "[Document::readOld]  Keyword 'FileVersion'
        missing!" or "[Document::readOld]  Error reading project file '<fileName>'\n" followed
        by the reason; a file larger than MaxFileSize is refused at once, naming the limit. */
    bool readOld(const QString &fileName, QString &message);

    /*! Reads the keyword text from a stream (8-bit text; any line ends); fileName only names the
        file in messages. */
    bool readOld(std::istream &in, const QString &fileName, QString &message);

private:
    bool readDocumentBlock(std::istream &in, const std::string &version, QString &message);

    InputData &m_input;
    ProjectInformation &m_info;
};
