#include "report/ReportDocument.h"

#include "htl/HTL_MessageStream.h"

#include <QImage>
#include <QUrl>

namespace {

QImage emptyImage()
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QVariant ReportDocument::loadResource(int type, const QUrl &name)
{
    // A null answer is not enough: Qt's image handler then reads the file itself. An empty
    // picture and an empty style sheet end the search.
    const QVariant nothing = type == ImageResource ? QVariant(emptyImage()) : QVariant(QString());
    // once per report: a text that asks once asks again at every layout
    if (m_refused++ > 0)
        return nothing;
    HTL::MessageStream warn("ReportDocument::loadResource", HTL::MSG_WARNING, 0);
    warn << "Resource refused in report text: " << name.toDisplayString().left(200).toStdString();
    warn.flush();
    return nothing;
}
