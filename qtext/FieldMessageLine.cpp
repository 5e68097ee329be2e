#include "qtext/FieldMessageLine.h"

#include "qtext/ValidatingLineEdit.h"

namespace QtExt {

namespace {

// Darker than the field colours, so that the words are legible on the window background.
const char *const RefusedTextColor = "#b00000";
const char *const UnusualTextColor = "#8a5300";

QString withoutColon(QString caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption;
}

} // namespace

FieldMessageLine::FieldMessageLine(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("labelFieldMessages"));
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    hide();
}

void FieldMessageLine::watch(ValidatingLineEdit *edit, const QString &caption)
{
    m_fields.push_back({edit, withoutColon(caption)});
    connect(edit, &ValidatingLineEdit::stateChanged, this, &FieldMessageLine::refresh);
    connect(edit, &QLineEdit::textEdited, this, &FieldMessageLine::clearRefusal);
    connect(edit, &ValidatingLineEdit::refused, this,
            [this, edit](const QString &text, const QString &reason) {
                m_refusal = tr("'%1' was not taken for %2: %3 The field shows the value "
                               "held again.")
                                .arg(text.trimmed(), captionOf(edit), reason);
                refresh();
            });
    refresh();
}

void FieldMessageLine::setCaption(ValidatingLineEdit *edit, const QString &caption)
{
    for (Watched &w : m_fields)
        if (w.edit == edit)
            w.caption = withoutColon(caption);
    refresh();
}

QString FieldMessageLine::captionOf(const ValidatingLineEdit *edit) const
{
    for (const Watched &w : m_fields)
        if (w.edit == edit)
            return w.caption;
    return QString();
}

void FieldMessageLine::clearRefusal()
{
    if (m_refusal.isEmpty())
        return;
    m_refusal.clear();
    refresh();
}

QString FieldMessageLine::plainText() const
{
    return m_plain.join(QLatin1Char('\n'));
}

void FieldMessageLine::refresh()
{
    QStringList html;
    m_plain.clear();
    auto add = [&](const char *color, const QString &text) {
        m_plain << text;
        html << QStringLiteral("<span style=\"color:%1\">%2</span>")
                    .arg(QLatin1String(color), text.toHtmlEscaped());
    };
    if (!m_refusal.isEmpty())
        add(RefusedTextColor, m_refusal);
    for (const Watched &w : m_fields) {
        if (!w.edit || w.edit->state() == ValidatingLineEdit::State::Valid)
            continue;
        const bool refused = w.edit->state() == ValidatingLineEdit::State::Invalid;
        add(refused ? RefusedTextColor : UnusualTextColor,
            QStringLiteral("%1: %2").arg(w.caption, w.edit->message()));
    }
    setText(html.join(QStringLiteral("<br>")));
    setVisible(!html.isEmpty());
}

} // namespace QtExt
