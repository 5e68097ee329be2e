#pragma once

#include "settings/HeatFlowDirection.h"

#include <QString>

class QSettings;

/*! The project information copied into every new project (settings group
    "ProjectDefaults/DefaultProjectSettings"). The keys are those of the project information
    in project files. */
struct DefaultProjectSettings
{
    QString m_projectName;
    QString m_constructionID;
    QString m_userName;
    QString m_company;
    QString m_description;
    QString m_disclaimerText;
    /*! 0 downwards, 1 upwards, 2 horizontal. */
    HeatFlowDirection m_heatFlowDirection = HeatFlowDirection::Horizontal;

    /*! Reads the keys of the current settings group (empty texts and 2 when missing). */
    void read(QSettings &settings);
    void write(QSettings &settings) const;

    bool operator==(const DefaultProjectSettings &other) const;
    bool operator!=(const DefaultProjectSettings &other) const { return !(*this == other); }
};
