#include "persistence/LegacyKeywordText.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_Parameter.h"
#include "htl/HTL_StringUtils.h"
#include "htl/HTL_Unit.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

#include <istream>
#include <sstream>

namespace LegacyKeywordText {

namespace {

const char *const Blanks = " \t\r";

// One line up to the line feed; at most MaxLineLength bytes are kept. False when the data
// ended before any byte was read.
bool readLine(std::istream &in, std::string &line)
{
    line.clear();
    std::streambuf *buffer = in.rdbuf();
    if (!in.good() || buffer == nullptr)
        return false;
    bool any = false;
    for (;;) {
        const std::istream::int_type c = buffer->sbumpc();
        if (std::istream::traits_type::eq_int_type(c, std::istream::traits_type::eof())) {
            in.setstate(std::ios::eofbit);
            return any;
        }
        any = true;
        const char ch = std::istream::traits_type::to_char_type(c);
        if (ch == '\n')
            return true;
        if (line.size() < MaxLineLength)
            line.push_back(ch);
    }
}

} // namespace

bool nextLine(std::istream &in, Line &line)
{
    std::string text;
    while (readLine(in, text)) {
        const std::string trimmed = HTL::trimText(text, Blanks);
        if (trimmed.empty())
            continue;
        line = Line();
        line.m_isBlockEnd = trimmed == "}";
        // The separator after the keyword is looked for before trailing blanks are removed:
        // "Project_name " is a keyword with an empty value, "Project_name" one without value.
        const std::string left = text.substr(text.find_first_not_of(Blanks));
        const std::size_t end = left.find_first_of(" \t");
        line.m_keyword = left.substr(0, end);
        if (end == std::string::npos)
            line.m_keyword = HTL::trimText(line.m_keyword, Blanks);
        line.m_key = line.m_keyword;
        if (line.m_key.size() > 1 && line.m_key.back() == ':')
            line.m_key.pop_back();
        if (end != std::string::npos) {
            line.m_hasValue = true;
            line.m_value = HTL::trimText(left.substr(end + 1), Blanks);
        }
        return true;
    }
    return false;
}

bool opensBlock(const Line &line)
{
    return line.m_hasValue && line.m_value == "{";
}

void skipEqualsSign(std::istream &in)
{
    in >> std::ws;
    if (in.peek() == '=')
        in.get();
}

bool readNumberAndUnit(const std::string &text, double &number, std::string &unitName)
{
    std::istringstream in(text);
    skipEqualsSign(in);
    return static_cast<bool>(in >> number >> unitName);
}

double convert(const char *name, double number, const std::string &unitName, const char *targetUnit)
{
    HTL::Parameter parameter;
    parameter.setName(name);
    std::string errorText;
    if (!parameter.set(number, HTL::Unit(unitName), errorText))
        throw HTL::Exception(errorText, "[LegacyKeywordText::convert]");
    // The stream reads no "inf", but a huge number in a large unit ("1e308 km") overflows.
    const double converted = parameter.get_value(HTL::Unit(targetUnit));
    if (!std::isfinite(number) || !std::isfinite(converted))
        throw HTL::Exception(QCoreApplication::translate("LegacyKeywordText",
                                                         "The value of '%1' is not a finite "
                                                         "number.")
                                 .arg(QLatin1String(name))
                                 .toStdString(),
                             "[LegacyKeywordText::convert]");
    return converted;
}

bool readQuantity(const char *name, const std::string &text, const char *targetUnit, double &value)
{
    double number;
    std::string unitName;
    if (!readNumberAndUnit(text, number, unitName))
        return false;
    value = convert(name, number, unitName, targetUnit);
    return true;
}

QString exceptionText(const HTL::Exception &ex)
{
    QStringList lines;
    for (const HTL::Exception::Entry &entry : ex.entries())
        lines << QString::fromStdString(entry.m_message);
    return lines.join(QLatin1Char('\n'));
}

QString fromFile(const std::string &text)
{
    QString s = QString::fromLatin1(text.data(), static_cast<int>(text.size()));
    for (QChar &c : s) {
        const ushort u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            c = QChar::ReplacementCharacter;
    }
    return s;
}

} // namespace LegacyKeywordText
