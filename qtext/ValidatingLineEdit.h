#pragma once

#include <QLineEdit>
#include <QString>

#include <limits>
#include <memory>

namespace QtExt {

/*! A rule that replaces the bounds of a ValidatingLineEdit: a check of the field's value that
    may depend on other fields or on the edited data. */
class FieldValidator
{
public:
    virtual ~FieldValidator() = default;
    /*! Whether value is acceptable; otherwise message says why (shown as the tool tip). */
    virtual bool isValid(double value, QString *message) = 0;
    /*! Called after every check of the field's text, so that a rule tying two fields together
        can let the partner field judge its own text again. */
    virtual void afterCheck() {}
};

/*  A numeric input field that checks its value while the user types: a number in the locale
    within an inclusive or exclusive lower and upper bound, or whatever its validator object
    says. An invalid value is shown on a red background with the reason as tool tip; a
    read-only field is shown on light blue. The editingFinishedSuccessfully() signal follows
    the end of an edit only when the text is valid, so that editors turn only valid values into
    commands.
*/
class ValidatingLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    /*! Reads a number as a user types it, whatever the interface language or the system
        locale: either ',' or '.' is the decimal separator, spaces around the number are
        ignored and an exponent is accepted ("2e-4"). A group separator is never taken: a text
        with more than one separator ("1.000,5", "1,000.5", "1.000.000") is refused, so that
        "1.000" is 1 and never a thousand in silence. Infinite and NaN texts are refused. On
        failure returns false and, if reason is given, says why (empty when the text is simply
        no number). */
    static bool parseNumber(const QString &text, double *value, QString *reason = nullptr);

    static constexpr const char *ErrorColor = "#ff7777";
    static constexpr const char *ReadOnlyColor = "#d6e9ff";

    explicit ValidatingLineEdit(QWidget *parent = nullptr);
    ~ValidatingLineEdit() override;

    /*! Bounds and the text shown when the value is outside them. An infinite bound is none. */
    void setup(double lower, double upper, const QString &errorText, bool lowerInclusive = true,
               bool upperInclusive = true);
    void setErrorText(const QString &text) { m_errorText = text; }
    /*! Replaces the bounds by a rule; the field owns it. Null restores the bounds. */
    void setFieldValidator(FieldValidator *validator);
    FieldValidator *fieldValidator() const { return m_validator.get(); }
    /*! An empty text is valid (and has no value). */
    void setAcceptEmpty(bool accept);
    /*! Only whole numbers are valid. */
    void setIntegerInput(bool integer);
    /*! Number format of setValue (QLocale::toString format character and precision). */
    void setFormat(char format, int precision);

    /*! The tool tip of a valid field (an invalid one shows why, a read-only one none). */
    void setNormalToolTip(const QString &toolTip);

    /*! Writes the value in the locale and the field's number format. */
    void setValue(double value);
    /*! Whether the text is a number (parseNumber; without judging it). */
    bool isNumber() const;
    /*! The text as a number (parseNumber; NaN when it is none). */
    double value() const;
    /*! Whether the current text is a valid value of this field. */
    bool isValid() const;
    /*! Judges the text again and updates colour and tool tip. */
    void check();

signals:
    /*! The user finished an edit (return or focus loss) with a valid text. */
    void editingFinishedSuccessfully();

protected:
    void changeEvent(QEvent *event) override;

private:
    bool judge(QString *message) const;
    void updateAppearance();
    void setNormalStyle();
    void onEditingFinished();

    double m_lower = -std::numeric_limits<double>::infinity();
    double m_upper = std::numeric_limits<double>::infinity();
    bool m_lowerInclusive = true;
    bool m_upperInclusive = true;
    QString m_errorText;
    QString m_normalToolTip;
    std::unique_ptr<FieldValidator> m_validator;
    bool m_acceptEmpty = false;
    bool m_integer = false;
    char m_format = 'g';
    int m_precision = 15;
    bool m_checking = false;
};

} // namespace QtExt
