#include "htl/HTL_PlaceholderText.h"

#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_StringUtils.h"

#include <cctype>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace HTL {

PlaceholderText::PlaceholderText(const std::string &templateText)
{
    parse(templateText);
}

PlaceholderText::PlaceholderText(const char *templateText)
{
    parse(templateText ? std::string(templateText) : std::string());
}

void PlaceholderText::parse(const std::string &t)
{
    std::string literal;
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = t[i];
        if (c != '%') {
            literal += c;
            ++i;
            continue;
        }
        if (!literal.empty()) {
            m_tokens.push_back(Token{false, literal, 0});
            literal.clear();
        }
        if (i + 1 < n && t[i + 1] == '%') {
            literal = "%";
            i += 2;
            continue;
        }
        std::size_t j = i + 1;
        while (j < n && std::isdigit(static_cast<unsigned char>(t[j])))
            ++j;
        if (j == i + 1) {
            literal = "%";
            ++i;
            continue;
        }
        const unsigned int index = string2val<unsigned int>(t.substr(i + 1, j - i - 1));
        m_tokens.push_back(Token{true, std::string(), index});
        i = j;
    }
    if (!literal.empty())
        m_tokens.push_back(Token{false, literal, 0});
}

PlaceholderText &PlaceholderText::arg(const std::string &text)
{
    m_args.push_back(text);
    return *this;
}

PlaceholderText &PlaceholderText::arg(const char *text)
{
    m_args.push_back(text ? std::string(text) : std::string());
    return *this;
}

namespace {

template <typename T>
std::string integerText(T value, int fieldWidth)
{
    std::ostringstream out;
    if (fieldWidth > 0)
        out << std::setw(fieldWidth);
    out << value;
    return out.str();
}

} // namespace

PlaceholderText &PlaceholderText::arg(int value, int fieldWidth)
{
    return arg(integerText(value, fieldWidth));
}

PlaceholderText &PlaceholderText::arg(unsigned int value, int fieldWidth)
{
    return arg(integerText(value, fieldWidth));
}

PlaceholderText &PlaceholderText::arg(long value, int fieldWidth)
{
    return arg(integerText(value, fieldWidth));
}

PlaceholderText &PlaceholderText::arg(unsigned long value, int fieldWidth)
{
    return arg(integerText(value, fieldWidth));
}

PlaceholderText &PlaceholderText::arg(long long value, int fieldWidth)
{
    return arg(integerText(value, fieldWidth));
}

PlaceholderText &PlaceholderText::arg(unsigned long long value, int fieldWidth)
{
    return arg(integerText(value, fieldWidth));
}

PlaceholderText &PlaceholderText::arg(double value, int fieldWidth, char format, int precision,
                                      char fill)
{
    std::ostringstream out;
    if (format == 'g' && fieldWidth == 0) {
        if (std::isnan(value))
            return arg(std::string("1.#QNAN"));
        out << value;
        return arg(out.str());
    }
    out << std::setw(fieldWidth) << std::setfill(fill);
    if (precision >= 0)
        out << std::setprecision(precision);
    if (format == 'f')
        out << std::fixed;
    else if (format == 'e')
        out << std::scientific;
    else if (format == 'E')
        out << std::scientific << std::uppercase;
    out << value;
    return arg(out.str());
}

std::string PlaceholderText::str() const
{
    std::string result;
    for (const Token &t : m_tokens) {
        if (!t.m_isPlaceholder)
            result += t.m_text;
        else if (t.m_index >= 1 && t.m_index <= m_args.size())
            result += m_args[t.m_index - 1];
        else
            result += "%" + std::to_string(t.m_index);
    }
    return result;
}

void PlaceholderText::send(int type, const std::string &context, int verbosity) const
{
    message(str(), type, context, verbosity);
}

} // namespace HTL
