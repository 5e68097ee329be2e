#pragma once

#include <QString>

class JsonObject;
class Project;

/*  What mirelo2-batch prints for one loaded and calculated project: a readable block with the
    figures of the results panel and the Glaser results, or a JSON object with every field of
    the results record under its own name. */
namespace BatchOutput {

/*! The readable block for the project loaded from fileName. */
QString textBlock(const QString &fileName, const Project &project);

/*! The JSON object for the project loaded from fileName. */
JsonObject jsonObject(const QString &fileName, const Project &project);

/*! The JSON object of a file that could not be loaded. */
JsonObject jsonError(const QString &fileName, const QString &message);

/*! Rich text of the results display reduced to plain text (tags removed, entities and line
    breaks resolved). */
QString plainText(const QString &richText);

} // namespace BatchOutput
