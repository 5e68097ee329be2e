#include "htl/HTL_StringUtils.h"

#include <cctype>

namespace HTL {

namespace {

void throwUtf8Error()
{
    throw Exception("Cannot create wide string from UTF8 string.", "[HTL::UTF8ToWstring]");
}

void throwWideError()
{
    throw Exception("Cannot create UTF8 string from wide string.", "[HTL::WstringToUTF8]");
}

void appendCodePoint(std::wstring &out, char32_t cp)
{
    if (sizeof(wchar_t) >= 4) {
        out += static_cast<wchar_t>(cp);
    } else if (cp < 0x10000) {
        out += static_cast<wchar_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    }
}

} // namespace

std::wstring UTF8ToWstring(const std::string &text)
{
    std::wstring out;
    if (text.empty())
        return out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        char32_t cp;
        std::size_t len;
        char32_t minimum;
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            len = 2;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            len = 3;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            len = 4;
            minimum = 0x10000;
        } else {
            throwUtf8Error(); // continuation byte or invalid lead byte
            return out;
        }
        if (i + len > n)
            throwUtf8Error(); // truncated sequence
        for (std::size_t k = 1; k < len; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                throwUtf8Error();
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong encodings, UTF-16 surrogates and values beyond Unicode are not valid UTF-8.
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            throwUtf8Error();
        appendCodePoint(out, cp);
        i += len;
    }
    return out;
}

std::string WstringToUTF8(const std::wstring &text)
{
    std::string out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        char32_t cp = static_cast<char32_t>(text[i]);
        if (sizeof(wchar_t) < 4) {
            cp &= 0xFFFF;
            if (cp >= 0xD800 && cp <= 0xDBFF) {
                if (i + 1 >= n)
                    throwWideError();
                const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
                if (low < 0xDC00 || low > 0xDFFF)
                    throwWideError();
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                throwWideError();
            }
        } else if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            throwWideError();
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

unsigned short HexToShort(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned short>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned short>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned short>(c - 'a' + 10);
    throw Exception("Given char does not name a hex!", "[HexToShort]");
}

std::string trimText(const std::string &text, const std::string &characters)
{
    const std::size_t first = text.find_first_not_of(characters);
    if (first == std::string::npos)
        return std::string();
    const std::size_t last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitText(const std::string &text, char delimiter, bool trimParts)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(delimiter, start);
        if (end == std::string::npos)
            end = text.size();
        std::string part = text.substr(start, end - start);
        if (trimParts)
            part = trimText(part, " \t\r");
        if (!part.empty())
            parts.push_back(part);
        start = end + 1;
    }
    if (parts.empty())
        parts.emplace_back();
    return parts;
}

std::string replaceAll(const std::string &text, const std::string &oldText,
                       const std::string &newText)
{
    if (oldText.empty())
        return text;
    std::string result;
    std::size_t pos = 0;
    while (true) {
        const std::size_t found = text.find(oldText, pos);
        if (found == std::string::npos) {
            result.append(text, pos, std::string::npos);
            break;
        }
        result.append(text, pos, found - pos);
        result += newText;
        pos = found + oldText.size();
    }
    return result;
}

std::string lowerCase(const std::string &text)
{
    std::string result = text;
    for (char &c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string cutAtSemicolon(const std::string &text)
{
    const std::size_t pos = text.find(';');
    if (pos == std::string::npos)
        return text;
    return text.substr(0, pos);
}

std::string stripKeywordBrackets(const std::string &text)
{
    std::string result = text;
    if (!result.empty() && result.front() == '[')
        result.erase(0, 1);
    if (!result.empty() && result.back() == ']') {
        result.pop_back();
        if (!result.empty() && result.back() == '=')
            result.pop_back();
    }
    return result;
}

} // namespace HTL
