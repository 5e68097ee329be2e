#pragma once

#include <QComboBox>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace QtExt {

/*! Makes the combo box at least wide enough to show each of texts whole (the texts it may hold
    at any time, so that the panel does not jump when its list is rebuilt), measured with the
    combo's font and its style's frame and arrow, in whatever language the texts are. */
inline void fitComboToTexts(QComboBox *combo, const QStringList &texts)
{
    int widest = 0;
    for (const QString &text : texts)
        widest = qMax(widest, combo->fontMetrics().horizontalAdvance(text));
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const QSize content(widest, combo->fontMetrics().height());
    const QSize size =
        combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, combo);
    combo->setMinimumWidth(size.width());
}

} // namespace QtExt
