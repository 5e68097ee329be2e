#pragma once

#include <QVector>

namespace QtExt {

/*! Places labels along one axis so that they do not overlap: label i has the given width and
    would like to be centred at centres[i] (centres in ascending order). Returns the centre
    position of each label such that

    - the labels keep their order and neighbours are at least gap apart (edge to edge),
    - every label lies within [min, max],
    - the sum of the squared shifts from the wanted centres is the smallest possible.

    Labels that already fit where they are stay exactly at their centres. When all labels with
    their gaps are longer than [min, max], they are placed gap apart as one block centred in the
    range, overhanging both ends equally. The result has as many entries as centres; a missing
    width counts as 0. */
QVector<double> spreadLabels(const QVector<double> &centres, const QVector<double> &widths,
                             double min, double max, double gap);

} // namespace QtExt
