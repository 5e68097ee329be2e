#pragma once

class QWidget;

/*  Settings editors made for a dialog of their own (a grid of choices side by side, a group box
    with a title on one line) also stand in the narrow settings panel of the report preview.
    There they are laid out anew in one column, so that no page of the panel is wider than the
    panel in any language: nothing is cut off at the right and nothing scrolls sideways.
*/
namespace NarrowPanel {

/*! Lays the widget's grids out as one column (the first widget of each row on a row of its own,
    the rest of the row beside one another below it), wraps its labels, puts the titles of its
    group boxes and the texts of its check boxes and radio buttons into wrapped labels. Once
    per widget. */
void fit(QWidget *widget);

} // namespace NarrowPanel
