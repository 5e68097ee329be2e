#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

/*! Checks the two moisture-storage values of a material or a layer as the user types them: the
    moisture content at 80 % relative humidity (w_80) and the free saturation moisture content
    (w_sat), both in m³/m³. The moisture-storage method extrapolates w_80 to 95 % relative
    humidity (w_80·0.95/0.8) and needs free pore space above that, so a pair is acceptable only
    when 0 < w_80 and w_80·0.95/0.8 < w_sat.

    The validator judges one of the two values; the other comes from the edited material or
    from the partner input field and is handed to validate(). Without a partner value only the
    range 0 < x < 1 is checked. The result is kept as a code (0 acceptable, 1..6 a fault, 7 not
    yet validated) with a translatable text (context "MoistStorageValidator"). The line-edit
    validator of the user interface wraps this class.
*/
class MoistStorageValidator
{
    Q_DECLARE_TR_FUNCTIONS(MoistStorageValidator)
public:
    /*! Which of the two values this validator judges. */
    enum Quantity
    {
        W80,
        WSat
    };

    enum Code
    {
        Acceptable = 0,
        W80NotPositive = 1,
        WSatNotPositive = 2,
        W80NotBelowWSat = 3,
        W95NotBelowWSat = 4,
        W80NotBelowOne = 5,
        WSatNotBelowOne = 6,
        NotValidated = 7
    };

    explicit MoistStorageValidator(Quantity quantity)
        : m_quantity(quantity)
    {
    }

    Quantity quantity() const { return m_quantity; }

    /*! Judges the value x (m³/m³) of this validator's quantity against the other value
        (m³/m³), when there is one, stores and returns the code. A value that is not a number
        counts as not positive. */
    int validate(double x, std::optional<double> otherValue);

    /*! The code of a pair: u moisture content at 80 % RH, s saturation moisture content. */
    static int checkPair(double u, double s);

    int code() const { return m_code; }
    bool isAcceptable() const { return m_code == Acceptable; }
    /*! The text of the current code; empty for 0 and 7. */
    QString text() const { return text(m_code); }
    static QString text(int code);

private:
    Quantity m_quantity;
    int m_code = NotValidated;
};
