#pragma once

#include <QTextDocument>

/*  The text document in which the report lays out all its rich text. It loads no resource at
    all: the report paints its own pictures (logo, sketch, diagrams) directly, so an image or
    style sheet named in a text can only come from a text, and a text must never put a local
    file or a remote address into a PDF that is sent to a client.
*/
class ReportDocument : public QTextDocument
{
    Q_OBJECT

public:
    using QTextDocument::QTextDocument;

    /*! How often a text asked for a resource since the document was made (each was refused). */
    int refusedResources() const { return m_refused; }

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    int m_refused = 0;
};
