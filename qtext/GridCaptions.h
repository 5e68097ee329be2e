#pragma once

#include <QGridLayout>
#include <QLayoutItem>
#include <QWidget>

namespace QtExt {

/*! The width the captions in the first column of a form grid need: the widest caption of a value
    row, leaving out the first row (a heading) and rows whose first cell spans the value column
    too (a combo box or a message line across the whole width). Two grids shown one above the
    other take the larger of their widths, so that their fields line up. */
inline int captionColumnWidth(const QGridLayout &grid)
{
    int width = 0;
    for (int row = 1; row < grid.rowCount(); ++row)
        if (QLayoutItem *item = grid.itemAtPosition(row, 0))
            if (item->widget() && grid.itemAtPosition(row, 1) != item)
                width = qMax(width, item->widget()->sizeHint().width());
    return width;
}

} // namespace QtExt
