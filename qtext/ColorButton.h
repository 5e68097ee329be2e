#pragma once

#include <QColor>
#include <QPushButton>

namespace QtExt {

/*! A push button that shows a colour as a swatch over its face; the owner decides what a
    click does (usually a colour dialog). */
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget *parent = nullptr);

    void setColor(const QColor &color);
    const QColor &color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::white;
};

} // namespace QtExt
