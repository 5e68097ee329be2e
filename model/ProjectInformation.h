#pragma once

#include "settings/DefaultProjectSettings.h"

class QSettings;

/*  The descriptive part of a project: the texts printed in the report header and the heat-flow
    direction of the construction. The heat-flow direction lives here, not in InputData: the
    calculation and the effective conductivity of air layers take it from the project
    information of the same document.

    The same seven values serve as the user's defaults for new projects, stored in the settings
    group "DefaultProjectSettings": it is the same record. Its project file form is read and
    written in persistence/.
*/
class ProjectInformation : public DefaultProjectSettings
{
public:
    ProjectInformation() = default;

    /*! Reads the group "DefaultProjectSettings" below the current group of settings: empty
        texts and heat-flow direction 2 for missing keys. */
    void readSettings(QSettings &settings);
    /*! Writes all seven values into the group "DefaultProjectSettings" below the current group. */
    void writeSettings(QSettings &settings) const;

    /*! The project information of a new project made from the user's defaults. */
    static ProjectInformation fromDefaults(const DefaultProjectSettings &defaults);
    /*! The values as the user's defaults. */
    DefaultProjectSettings toDefaults() const;
};
