#include "calculation/ResultType.h"

#include <QCoreApplication>

namespace ResultType {

static QString tr(const char *text)
{
    return QCoreApplication::translate("ResultType", text);
}

QString displayText(int type, const std::vector<std::pair<unsigned int, unsigned int>> &kPlanes,
                    const QStringList &messages)
{
    switch (type) {
    case NoLayers:
        return tr("No input!");
    case InvalidInput:
        return tr("Invalid input!");
    case CalculationError:
        return messages.join(QLatin1Char('\n'));
    case NoAlgorithm:
        return tr("There is no algorithm for this problem.");
    case SurfaceCondensationInside:
        return tr("Condensation on the surface (warm side). No calculation possible.");
    case SurfaceCondensationOutside:
        return tr("Condensation on the surface (cold side). No calculation possible.");
    case OnlyOneLayer:
        return tr("Only one layer. No condensate possible!");
    case NoCondensation:
        return tr("No condensate emerges!");
    case HygroscopicLoadingTooLong:
        return tr("t_hyg bigger than duration of winter climate!");
    case CondensationPlane:
    case CondensationZone:
        if (kPlanes.empty())
            break;
        return tr("Condensation between layer %1 and %2!")
            .arg(kPlanes.front().first + 1)
            .arg(kPlanes.front().second + 1);
    case SeveralPlanes: {
        if (kPlanes.empty())
            break;
        QString text = tr("Condensation between layer ");
        for (std::size_t i = 0; i + 1 < kPlanes.size(); ++i)
            text += tr("%1 and %2, ").arg(kPlanes[i].first + 1).arg(kPlanes[i].second + 1);
        // The historical text of the last group ends with a closing font tag; the colour markup
        // belongs to the display, so the plain text ends with the full stop.
        text += tr("%1 and %2.").arg(kPlanes.back().first + 1).arg(kPlanes.back().second + 1);
        return text;
    }
    default:
        break;
    }
    return tr("Unknown result!");
}

QString reportText(int type)
{
    switch (type) {
    case NoLayers:
    case InvalidInput:
    case CalculationError:
        return tr("Unspecific error.");
    case NoAlgorithm:
        return tr("Algorithm missing. No calculation possible.");
    case SurfaceCondensationInside:
        return tr("Surface condensation left side. No calculation possible.");
    case SurfaceCondensationOutside:
        return tr("Surface condensation right side. No calculation possible.");
    case OnlyOneLayer:
        return tr("Only one layer. No condensation possible.");
    case NoCondensation:
        return tr("No condensation.");
    case HygroscopicLoadingTooLong:
        return tr("Too long hygroscopic loading time.");
    default:
        return QString();
    }
}

} // namespace ResultType
