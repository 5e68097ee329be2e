#include "qtext/ColorButton.h"

#include <QPainter>

namespace QtExt {

ColorButton::ColorButton(QWidget *parent)
    : QPushButton(parent)
{
    setMinimumHeight(22);
}

void ColorButton::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ColorButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect swatch = rect().adjusted(6, 5, -6, -5);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.setBrush(isEnabled() ? m_color : m_color.lighter(150));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

} // namespace QtExt
