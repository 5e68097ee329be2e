#include "report/ReportDocument.h"

#include "htl/HTL_MessageStream.h"

#include <QUrl>

QVariant ReportDocument::loadResource(int, const QUrl &name)
{
    // once per report: a text that asks once asks again at every layout
    if (m_refused++ > 0)
        return QVariant();
    HTL::MessageStream warn("ReportDocument::loadResource", HTL::MSG_WARNING, 0);
    warn << "Resource refused in report text: " << name.toDisplayString().left(200).toStdString();
    warn.flush();
    return QVariant();
}
