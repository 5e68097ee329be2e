#pragma once

#include <QString>

#include <iosfwd>
#include <string>

namespace HTL {
class Exception;
}

/*  Helpers of the readers of the first program generation's keyword text (old project files
    and version-1 material lists).

    The text is line oriented: a line starts with a keyword, the value follows on the same line;
    a block opens with a keyword followed by "{" and ends with a line that holds only "}".
    Several keywords exist with and without a trailing colon ("RO_Left" and "RO_Left:").
    Physical values are a number and a unit name ("20 cm"), converted through the unit list.

    The files come from an older program and are edited by hand, so nothing here trusts them:
    lines are read with a length cap (a binary file without line ends never makes one huge
    string), and every reading loop consumes input, so the end of the data always ends it.
*/
namespace LegacyKeywordText {

/*! Longest line kept, in bytes; the rest of a longer line is skipped. Keyword lines of real
    files are a few dozen bytes long. */
const std::size_t MaxLineLength = 64 * 1024;

/*! One keyword line split into its parts. */
struct Line
{
    std::string m_keyword;     ///< first word as written (with a trailing colon, if any)
    std::string m_key;         ///< first word without a trailing colon: the spelling to compare
    bool m_hasValue = false;   ///< a blank or tab follows the keyword
    std::string m_value;       ///< rest of the line after the first blank or tab, trimmed
    bool m_isBlockEnd = false; ///< the line holds only "}"
};

/*! Reads the next line that is not empty after trimming blanks, tabs and carriage returns.
    Returns false at the end of the data. */
bool nextLine(std::istream &in, Line &line);

/*! The value is exactly "{" (a block opens). */
bool opensBlock(const Line &line);

/*! Reads "number unit" from text and converts the number into the unit targetUnit. Returns
    false when the number or the unit name is missing; throws HTL::Exception for an unknown
    unit or a unit of another family than targetUnit (name names the value in the message). */
bool readQuantity(const char *name, const std::string &text, const char *targetUnit, double &value);

/*! Skips blanks and an equals sign that may stand between a keyword and its number
    ("Width = 20 mm" as well as "Width 20 mm"). */
void skipEqualsSign(std::istream &in);

/*! Reads a number and a unit name from text (an equals sign before the number is skipped);
    false when one of them is missing. */
bool readNumberAndUnit(const std::string &text, double &number, std::string &unitName);

/*! Converts number from the unit unitName into targetUnit through the base unit of the family
    (the value is held as an HTL::Parameter called name); throws HTL::Exception. */
double convert(const char *name, double number, const std::string &unitName,
               const char *targetUnit);

/*! The messages of all entries of an exception, innermost first, one per line. */
QString exceptionText(const HTL::Exception &ex);

/*! A text of the 8-bit files (Latin-1). Control characters that an XML 1.0 document cannot
    hold (C0 controls other than tab, line feed and carriage return) become U+FFFD, so that a
    saved project shows where they were instead of losing them. Latin-1 has no U+FFFD of its
    own: the character in a text read from these files always marks such a replacement. */
QString fromFile(const std::string &text);

} // namespace LegacyKeywordText
