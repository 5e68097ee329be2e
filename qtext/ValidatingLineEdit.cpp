#include "qtext/ValidatingLineEdit.h"

#include <QEvent>
#include <QLocale>

#include <cmath>

namespace QtExt {

ValidatingLineEdit::ValidatingLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &ValidatingLineEdit::check);
    connect(this, &QLineEdit::editingFinished, this, &ValidatingLineEdit::onEditingFinished);
}

ValidatingLineEdit::~ValidatingLineEdit() = default;

void ValidatingLineEdit::setup(double lower, double upper, const QString &errorText,
                               bool lowerInclusive, bool upperInclusive)
{
    m_lower = lower;
    m_upper = upper;
    m_errorText = errorText;
    m_lowerInclusive = lowerInclusive;
    m_upperInclusive = upperInclusive;
    check();
}

void ValidatingLineEdit::setFieldValidator(FieldValidator *validator)
{
    m_validator.reset(validator);
    check();
}

void ValidatingLineEdit::setAcceptEmpty(bool accept)
{
    m_acceptEmpty = accept;
    check();
}

void ValidatingLineEdit::setIntegerInput(bool integer)
{
    m_integer = integer;
    check();
}

void ValidatingLineEdit::setFormat(char format, int precision)
{
    m_format = format;
    m_precision = precision;
}

void ValidatingLineEdit::setValue(double value)
{
    setText(QLocale().toString(value, m_format, m_precision));
}

bool ValidatingLineEdit::parseNumber(const QString &text, double *value, QString *reason)
{
    const QString t = text.trimmed();
    int separators = 0;
    for (const QChar c : t) {
        if (c == QLatin1Char('e') || c == QLatin1Char('E'))
            break;
        if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            ++separators;
    }
    if (separators > 1) {
        if (reason)
            *reason = tr("Use ',' or '.' once, as the decimal separator; digit grouping is not "
                         "accepted.");
        return false;
    }
    QString c = t;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(c, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    if (value)
        *value = v;
    return true;
}

double ValidatingLineEdit::value() const
{
    double v = 0;
    return parseNumber(text(), &v) ? v : std::nan("");
}

bool ValidatingLineEdit::isNumber() const
{
    return !std::isnan(value());
}

bool ValidatingLineEdit::judge(QString *message) const
{
    if (text().trimmed().isEmpty())
        return m_acceptEmpty;
    double v = 0;
    if (!parseNumber(text(), &v, message))
        return false;
    if (m_integer && v != std::floor(v))
        return false;
    if (m_validator)
        return m_validator->isValid(v, message);
    const bool aboveLower = m_lowerInclusive ? v >= m_lower : v > m_lower;
    const bool belowUpper = m_upperInclusive ? v <= m_upper : v < m_upper;
    return aboveLower && belowUpper;
}

bool ValidatingLineEdit::isValid() const
{
    QString message;
    return judge(&message);
}

void ValidatingLineEdit::check()
{
    // A rule over two fields lets the partner re-check, which may come back here: once is
    // enough.
    if (m_checking)
        return;
    m_checking = true;
    updateAppearance();
    if (m_validator)
        m_validator->afterCheck();
    m_checking = false;
}

void ValidatingLineEdit::updateAppearance()
{
    if (isReadOnly()) {
        setStyleSheet(QStringLiteral("QLineEdit:enabled { background-color: %1; color: 'black'}")
                          .arg(QLatin1String(ReadOnlyColor)));
        setToolTip(QString());
        return;
    }
    QString message;
    if (judge(&message) || !isEnabled()) {
        setNormalStyle();
        setToolTip(m_normalToolTip);
        return;
    }
    setStyleSheet(
        QStringLiteral("QLineEdit { background-color: %1;}").arg(QLatin1String(ErrorColor)));
    setToolTip(message.isEmpty() ? m_errorText : message);
}

void ValidatingLineEdit::setNormalStyle()
{
    if (styleSheet().isEmpty())
        return;
    setStyleSheet(QString());
    // A style sheet applied before the field was first shown leaves its colours in the
    // palette; without this the field would stay red once valid.
    setPalette(QPalette());
}

void ValidatingLineEdit::setNormalToolTip(const QString &toolTip)
{
    m_normalToolTip = toolTip;
    updateAppearance();
}

void ValidatingLineEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::EnabledChange)
        updateAppearance();
}

void ValidatingLineEdit::onEditingFinished()
{
    if (isValid())
        emit editingFinishedSuccessfully();
}

} // namespace QtExt
