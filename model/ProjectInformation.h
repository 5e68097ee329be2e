#pragma once

#include "model/ConstructionKind.h"
#include "settings/DefaultProjectSettings.h"

class QSettings;

/*  The descriptive part of a project: the texts printed in the report header and the heat-flow
    direction of the construction. The heat-flow direction lives here, not in InputData: the
    calculation and the effective conductivity of air layers take it from the project
    information of the same document.

    The construction kind and the row of DIN 4108-2 table 3 belong to the project only: they
    are not user defaults.

    The same seven values serve as the user's defaults for new projects, stored in the settings
    group "DefaultProjectSettings": it is the same record. Its project file form is read and
    written in persistence/.
*/
class ProjectInformation : public DefaultProjectSettings
{
public:
    ProjectInformation() = default;

    /*! What the construction is; sets the defaults of the boundary conditions when chosen. */
    ConstructionKind m_constructionKind = ConstructionKind::ExternalWall;
    /*! Construction type of DIN 4108-2 table 3 for the minimum thermal resistance (numbered as
        in MinimumHeatResistance), NoMinimumResistanceType when the project has none of its
        own: projects written before the kind existed keep the report setting. */
    int m_minimumResistanceType = NoMinimumResistanceType;
    static constexpr int NoMinimumResistanceType = -1;

    /*! The seven values of the defaults and the two of the project. */
    bool operator==(const ProjectInformation &other) const
    {
        return DefaultProjectSettings::operator==(other) &&
               m_constructionKind == other.m_constructionKind &&
               m_minimumResistanceType == other.m_minimumResistanceType;
    }
    bool operator!=(const ProjectInformation &other) const { return !(*this == other); }

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
