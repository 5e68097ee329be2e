#pragma once

#include <QLineEdit>
#include <QString>

#include <functional>
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
    /*! For a valid value that is unusual for its quantity: a short note why (the field is then
        shown amber); empty for a usual value. */
    virtual QString notice(double value)
    {
        Q_UNUSED(value)
        return QString();
    }
};

/*  A numeric input field that checks its value while the user types: a number in the locale
    within an inclusive or exclusive lower and upper bound, or whatever its validator object
    says. An invalid value is shown on a red background with the reason as tool tip; a valid
    but unusual one (the validator's or the notice rule's note) on amber with the note; a
    read-only field is shown on light blue. The editingFinishedSuccessfully() signal follows
    the end of an edit only when the text is valid, so that editors turn only valid values into
    commands.

    The field remembers the text of the last setValue(), the value its owner holds. Escape puts
    it back. A field that edits a value of the document (setRestoreOnRefusal) puts it back as
    well when an edit ends with a refused text, and says so with refused(): once the focus has
    left it, such a field never shows a value that the document does not hold.
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
    /*! Background of a valid but unusual value. */
    static constexpr const char *NoticeColor = "#ffd47f";

    /*! How the field judges its text. */
    enum class State
    {
        Valid,
        Unusual, ///< valid, with a note why the value looks unusual
        Invalid
    };

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

    /*! Notes on valid but unusual values besides those of the validator object. */
    void setNoticeRule(std::function<QString(double)> rule);
    /*! Whether leaving the field with a refused text puts back the text of the last
        setValue() (and emits refused()); Enter keeps the text for correction. */
    void setRestoreOnRefusal(bool restore) { m_restoreOnRefusal = restore; }

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
    /*! The judgement of the text as shown (a disabled or read-only field is Valid). */
    State state() const { return m_state; }
    /*! Why the text is refused (Invalid) or looks unusual (Unusual); empty when Valid. */
    QString message() const { return m_message; }
    /*! Puts back the text of the last setValue(); false when there is none or it is shown. */
    bool restoreHeldText();

signals:
    /*! The user finished an edit (return or focus loss) with a valid text. */
    void editingFinishedSuccessfully();
    /*! state() or message() changed. */
    void stateChanged();
    /*! An edit ended with text, refused for reason, and the held text was put back. */
    void refused(const QString &text, const QString &reason);

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool judge(QString *message) const;
    void updateAppearance();
    void setNormalStyle();
    /*! Applies the style sheet unless it is the one the field has. */
    void applyStyleSheet(const QString &styleSheet);
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
    std::function<QString(double)> m_noticeRule;
    bool m_restoreOnRefusal = false;
    bool m_hasHeldText = false;
    QString m_heldText;
    State m_state = State::Valid;
    QString m_message;
};

} // namespace QtExt
