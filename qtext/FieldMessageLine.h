#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

#include <vector>

namespace QtExt {

class ValidatingLineEdit;

/*  The message line of an editor: says in words, below the fields, what the colours of its
    validating fields mean, so that nobody has to hover over a red or amber field to learn why.
    One line per field that is refused (red) or unusual (amber), with the field's caption, and
    a line for the last entry that was refused and put back ("'abc' was not taken ..."), until
    the user types again or the editor clears it (when it loads other data). Hidden while there
    is nothing to say.
*/
class FieldMessageLine : public QLabel
{
    Q_OBJECT

public:
    explicit FieldMessageLine(QWidget *parent = nullptr);

    /*! Follows the field; caption names it in the messages (a trailing colon is dropped). */
    void watch(ValidatingLineEdit *edit, const QString &caption);
    /*! Renames a watched field (a caption with a unit that changes). */
    void setCaption(ValidatingLineEdit *edit, const QString &caption);
    /*! Forgets the last refused entry. */
    void clearRefusal();
    /*! The messages as plain text, one per line (for tests and accessibility). */
    QString plainText() const;

private:
    struct Watched
    {
        QPointer<ValidatingLineEdit> edit;
        QString caption;
    };
    void refresh();
    QString captionOf(const ValidatingLineEdit *edit) const;

    std::vector<Watched> m_fields;
    QString m_refusal;
    QStringList m_plain;
};

} // namespace QtExt
