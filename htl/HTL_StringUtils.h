#pragma once

#include "htl/HTL_Exception.h"
#include "htl/HTL_PlaceholderText.h"

#include <sstream>
#include <string>
#include <vector>

namespace HTL {

/*! UTF-8 to wide text. Malformed UTF-8 (invalid lead or continuation bytes, truncated or
    overlong sequences, surrogates, code points above U+10FFFF) throws HTL::Exception. */
std::wstring UTF8ToWstring(const std::string &text);

/*! Wide text to UTF-8. Invalid code units (unpaired surrogates, values above U+10FFFF) throw
    HTL::Exception. */
std::string WstringToUTF8(const std::wstring &text);

/*! Reads a value of type T from text with a standard input stream; throws HTL::Exception with
    context "[string2val]" when the stream fails. */
template <typename T>
T string2val(const std::string &text)
{
    std::istringstream in(text);
    T value;
    if (!(in >> value))
        throw Exception(PlaceholderText("Could not convert '%1' into value.").arg(text),
                        "[string2val]");
    return value;
}

/*! The value 0..15 of a hexadecimal digit ("0".."9", "A".."F", "a".."f"); throws otherwise. */
unsigned short HexToShort(char c);

/*! Removes all leading and trailing characters that occur in characters. */
std::string trimText(const std::string &text, const std::string &characters = " \t\r");

/*! The non-empty parts between occurrences of delimiter, each trimmed of blanks, tabs and
    carriage returns when trimParts is true. Never empty: without parts the result is a list
    with one empty text. */
std::vector<std::string> splitText(const std::string &text, char delimiter, bool trimParts = false);

/*! Replaces every occurrence of oldText (which must not be empty) by newText. */
std::string replaceAll(const std::string &text, const std::string &oldText,
                       const std::string &newText);

/*! Every byte through the C library's lower-case conversion. */
std::string lowerCase(const std::string &text);

/*! Drops everything from the first ";" on (comments of keyword files). */
std::string cutAtSemicolon(const std::string &text);

/*! Removes a leading "[" and a trailing "]" with a "=" directly before it, so that "[KEY=]"
    and "[KEY]" both give "KEY". */
std::string stripKeywordBrackets(const std::string &text);

} // namespace HTL
