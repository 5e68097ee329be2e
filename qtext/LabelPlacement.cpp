#include "qtext/LabelPlacement.h"

#include <algorithm>

namespace QtExt {

// Shifting every label by the room its predecessors need, q_i = p_i - offset_i, turns "neighbours
// at least gap apart" into "q non-decreasing" and both range limits into one interval [lo, hi]
// for all q. The closest non-decreasing sequence (least squares) is the isotonic regression of
// the shifted centres, found by pooling adjacent violators; clipping it to [lo, hi] keeps it
// optimal, because the range limits bind every q the same way.
QVector<double> spreadLabels(const QVector<double> &centres, const QVector<double> &widths,
                             double min, double max, double gap)
{
    const int n = centres.size();
    QVector<double> positions(n);
    if (n == 0)
        return positions;
    auto width = [&widths](int i) { return i < widths.size() ? widths[i] : 0.0; };

    QVector<double> offsets(n);
    offsets[0] = 0.0;
    for (int i = 1; i < n; ++i)
        offsets[i] = offsets[i - 1] + (width(i - 1) + width(i)) / 2 + gap;
    const double lo = min + width(0) / 2;
    const double hi = max - width(n - 1) / 2 - offsets[n - 1];

    if (lo > hi) {
        const double q = (lo + hi) / 2;
        for (int i = 0; i < n; ++i)
            positions[i] = q + offsets[i];
        return positions;
    }

    struct Block
    {
        double m_sum;
        int m_count;
        double mean() const { return m_sum / m_count; }
    };
    QVector<Block> blocks;
    blocks.reserve(n);
    for (int i = 0; i < n; ++i) {
        blocks.append({centres[i] - offsets[i], 1});
        while (blocks.size() > 1 && blocks[blocks.size() - 2].mean() > blocks.back().mean()) {
            const Block last = blocks.takeLast();
            blocks.back().m_sum += last.m_sum;
            blocks.back().m_count += last.m_count;
        }
    }

    int i = 0;
    for (const Block &b : blocks) {
        const double mean = b.mean();
        const double q = std::clamp(mean, lo, hi);
        for (int k = 0; k < b.m_count; ++k, ++i) {
            // A label that neither collides nor touches a limit keeps its exact centre (the
            // round trip through the offsets could move it by a rounding error).
            positions[i] = (b.m_count == 1 && q == mean) ? centres[i] : q + offsets[i];
        }
    }
    return positions;
}

} // namespace QtExt
