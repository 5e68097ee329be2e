#include "qtext/ValidatingLineEdit.h"

#include <QEvent>
#include <QKeyEvent>
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

void ValidatingLineEdit::setNoticeRule(std::function<QString(double)> rule)
{
    m_noticeRule = std::move(rule);
    check();
}

void ValidatingLineEdit::setValue(double value)
{
    // never with group separators, which the field would refuse to read back
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    m_heldText = locale.toString(value, m_format, m_precision);
    m_hasHeldText = true;
    setText(m_heldText);
    setModified(false);
}

bool ValidatingLineEdit::restoreHeldText()
{
    if (!m_hasHeldText || text() == m_heldText)
        return false;
    setText(m_heldText);
    setModified(false);
    return true;
}

void ValidatingLineEdit::keyPressEvent(QKeyEvent *event)
{
    // The first Escape takes back what was typed; a second one reaches the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !isReadOnly() &&
        restoreHeldText()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
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
    if (text().trimmed().isEmpty()) {
        if (!m_acceptEmpty && message)
            *message = tr("A number is needed.");
        return m_acceptEmpty;
    }
    double v = 0;
    if (!parseNumber(text(), &v, message)) {
        if (message && message->isEmpty())
            *message = tr("This is not a number.");
        return false;
    }
    if (m_integer && v != std::floor(v)) {
        if (message)
            *message = tr("A whole number is needed.");
        return false;
    }
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
    const State oldState = m_state;
    const QString oldMessage = m_message;
    m_state = State::Valid;
    m_message.clear();
    if (isReadOnly()) {
        applyStyleSheet(QStringLiteral("QLineEdit:enabled { background-color: %1; color: 'black'}")
                            .arg(QLatin1String(ReadOnlyColor)));
        setToolTip(QString());
    } else if (!isEnabled()) {
        setNormalStyle();
        setToolTip(m_normalToolTip);
    } else {
        QString message;
        if (judge(&message)) {
            double v = 0;
            if (parseNumber(text(), &v)) {
                m_message = m_validator ? m_validator->notice(v) : QString();
                if (m_message.isEmpty() && m_noticeRule)
                    m_message = m_noticeRule(v);
            }
            if (m_message.isEmpty()) {
                setNormalStyle();
                setToolTip(m_normalToolTip);
            } else {
                m_state = State::Unusual;
                applyStyleSheet(QStringLiteral("QLineEdit { background-color: %1;}")
                                    .arg(QLatin1String(NoticeColor)));
                setToolTip(m_message);
            }
        } else {
            m_state = State::Invalid;
            m_message = message.isEmpty() ? m_errorText : message;
            applyStyleSheet(QStringLiteral("QLineEdit { background-color: %1;}")
                                .arg(QLatin1String(ErrorColor)));
            setToolTip(m_message);
        }
    }
    if (m_state != oldState || m_message != oldMessage)
        emit stateChanged();
}

void ValidatingLineEdit::applyStyleSheet(const QString &styleSheet)
{
    // Applying a style sheet repolishes the field and asks the layouts above it to lay out
    // again, and the field is checked at every value set: the same sheet again changes nothing.
    if (styleSheet != this->styleSheet())
        setStyleSheet(styleSheet);
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
    QString reason;
    if (judge(&reason)) {
        emit editingFinishedSuccessfully();
        return;
    }
    // Enter with a refused text keeps it, red with its reason, for the user to correct; only
    // leaving the field puts the held value back. A held value that is itself refused (read
    // from a file with findings) is no news.
    if (!m_restoreOnRefusal || hasFocus() || !isEnabled() || isReadOnly() || !m_hasHeldText ||
        text() == m_heldText)
        return;
    const QString typed = text();
    if (reason.isEmpty())
        reason = m_errorText;
    restoreHeldText();
    emit refused(typed, reason);
}

} // namespace QtExt
