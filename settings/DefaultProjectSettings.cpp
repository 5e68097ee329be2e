#include "settings/DefaultProjectSettings.h"

#include <QSettings>

void DefaultProjectSettings::read(QSettings &s)
{
    m_projectName = s.value(QStringLiteral("ProjectName"), QString()).toString();
    m_constructionID = s.value(QStringLiteral("ConstructionID"), QString()).toString();
    m_userName = s.value(QStringLiteral("UserName"), QString()).toString();
    m_company = s.value(QStringLiteral("Company"), QString()).toString();
    m_description = s.value(QStringLiteral("Description"), QString()).toString();
    m_disclaimerText = s.value(QStringLiteral("DisclaimerText"), QString()).toString();
    m_heatFlowDirection =
        heatFlowDirectionFromCode(s.value(QStringLiteral("HeatFlowDirection"), 2).toInt());
}

void DefaultProjectSettings::write(QSettings &s) const
{
    s.setValue(QStringLiteral("ProjectName"), m_projectName);
    s.setValue(QStringLiteral("ConstructionID"), m_constructionID);
    s.setValue(QStringLiteral("UserName"), m_userName);
    s.setValue(QStringLiteral("Company"), m_company);
    s.setValue(QStringLiteral("Description"), m_description);
    s.setValue(QStringLiteral("DisclaimerText"), m_disclaimerText);
    s.setValue(QStringLiteral("HeatFlowDirection"), heatFlowDirectionCode(m_heatFlowDirection));
}

bool DefaultProjectSettings::operator==(const DefaultProjectSettings &o) const
{
    return m_projectName == o.m_projectName && m_constructionID == o.m_constructionID &&
           m_userName == o.m_userName && m_company == o.m_company &&
           m_description == o.m_description && m_disclaimerText == o.m_disclaimerText &&
           m_heatFlowDirection == o.m_heatFlowDirection;
}
