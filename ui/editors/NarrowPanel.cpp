#include "ui/editors/NarrowPanel.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

void stackGrid(QGridLayout *grid)
{
    struct Cell
    {
        QLayoutItem *item;
        int row;
        int column;
    };
    std::vector<Cell> cells;
    for (int i = grid->count() - 1; i >= 0; --i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        cells.push_back({grid->takeAt(i), row, column});
    }
    std::sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnStretch(c, 0);
    int out = 0;
    int used = 1;
    for (std::size_t k = 0; k < cells.size();) {
        const int row = cells[k].row;
        grid->addItem(cells[k].item, out++, 0, 1, -1);
        int column = 0;
        for (++k; k < cells.size() && cells[k].row == row; ++k)
            grid->addItem(cells[k].item, out, column++);
        if (column > 0)
            ++out;
        used = std::max(used, column);
    }
    // the items keep to the left; the space to the right stays empty
    grid->setColumnStretch(used, 1);
    for (int i = 0; i < grid->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(grid->itemAt(i)->widget()))
            label->setWordWrap(true);
}

/*  A click on the label of a wrapped button is a click on the button. */
class ClickForwarder : public QObject
{
public:
    ClickForwarder(QAbstractButton *button, QObject *parent)
        : QObject(parent)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonRelease || !m_button || !m_button->isEnabled())
            return false;
        m_button->click();
        return true;
    }

private:
    QPointer<QAbstractButton> m_button;
};

/*! The layout (below layout) that holds the widget directly; null if none does. */
QLayout *holder(QLayout *layout, QWidget *widget)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(widget) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *found = holder(layout->itemAt(i)->layout(), widget))
            return found;
    return nullptr;
}

/*! A check box or radio button keeps its box; its text moves into a wrapped label beside it
    (a button's own text never wraps). The text stays the button's tool tip and accessible
    name. */
void wrapButton(QAbstractButton *button)
{
    QWidget *parent = button->parentWidget();
    QLayout *layout = parent ? holder(parent->layout(), button) : nullptr;
    const QString text = button->text();
    if (!layout || text.isEmpty())
        return;
    auto *row = new QWidget(parent);
    row->setObjectName(button->objectName() + QStringLiteral("Row"));
    delete layout->replaceWidget(button, row);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(button, 0, Qt::AlignTop);
    auto *label = new QLabel(text, row);
    label->setObjectName(button->objectName() + QStringLiteral("Label"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->installEventFilter(new ClickForwarder(button, label));
    rowLayout->addWidget(label, 1);
    button->setAccessibleName(text);
    if (button->toolTip().isEmpty())
        button->setToolTip(text);
    button->setText(QString());
}

void wrapTitle(QGroupBox *box)
{
    auto *layout = qobject_cast<QBoxLayout *>(box->layout());
    if (box->title().isEmpty() || !layout)
        return;
    auto *title = new QLabel(box->title(), box);
    title->setObjectName(box->objectName() + QStringLiteral("Title"));
    title->setWordWrap(true);
    QFont font = title->font();
    font.setBold(true);
    title->setFont(font);
    box->setTitle(QString());
    layout->insertWidget(0, title);
}

} // namespace

namespace NarrowPanel {

void fit(QWidget *widget)
{
    for (QGridLayout *grid : widget->findChildren<QGridLayout *>())
        stackGrid(grid);
    QList<QGroupBox *> boxes = widget->findChildren<QGroupBox *>();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        boxes.prepend(box);
    for (QGroupBox *box : boxes)
        wrapTitle(box);
    for (QLabel *label : widget->findChildren<QLabel *>())
        label->setWordWrap(true);
    for (QAbstractButton *button : widget->findChildren<QAbstractButton *>())
        if (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button))
            wrapButton(button);
}

} // namespace NarrowPanel
