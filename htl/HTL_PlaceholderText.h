#pragma once

#include <string>
#include <vector>

namespace HTL {

/*! A message template with numbered placeholders ("%1", "%2", ...) and its arguments.

    The template is parsed once into literal tokens and placeholder tokens; arguments are appended
    in order with arg() and argument k replaces every placeholder k in str(). "%%" stands for a
    single percent sign, and a percent sign that is followed by no digit (for example "%x") stays
    literal. A placeholder without an argument (or placeholder 0) is written back as "%n", so a
    template can be filled in stages. All texts are UTF-8.
*/
class PlaceholderText
{
public:
    /*! Parses the template. Throws HTL::Exception when the digits of a placeholder do not
        convert into a number. */
    explicit PlaceholderText(const std::string &templateText = std::string());
    explicit PlaceholderText(const char *templateText);

    PlaceholderText &arg(const std::string &text);
    PlaceholderText &arg(const char *text);
    PlaceholderText &arg(int value, int fieldWidth = 0);
    PlaceholderText &arg(unsigned int value, int fieldWidth = 0);
    PlaceholderText &arg(long value, int fieldWidth = 0);
    PlaceholderText &arg(unsigned long value, int fieldWidth = 0);
    PlaceholderText &arg(long long value, int fieldWidth = 0);
    PlaceholderText &arg(unsigned long long value, int fieldWidth = 0);
    /*! Floating-point argument. With format 'g' and field width 0 the number is written with the
        stream's default formatting (a NaN as "1.#QNAN"); otherwise with the given field width,
        precision (a negative precision keeps the stream default) and fill character, in fixed
        notation for 'f', scientific for 'e'/'E' and general notation for anything else. */
    PlaceholderText &arg(double value, int fieldWidth = 0, char format = 'g', int precision = -1,
                         char fill = ' ');

    /*! The template with every placeholder replaced by its argument. */
    std::string str() const;

    /*! Sends str() through the current message handler. */
    void send(int type, const std::string &context, int verbosity) const;

private:
    struct Token
    {
        bool m_isPlaceholder;
        std::string m_text;   // literal text
        unsigned int m_index; // placeholder number
    };

    void parse(const std::string &templateText);

    std::vector<Token> m_tokens;
    std::vector<std::string> m_args;
};

} // namespace HTL
