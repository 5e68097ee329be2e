#include "ui/preferences/ConfigPageProjectInformation.h"

#include "model/ProjectInformation.h"
#include "settings/Settings.h"
#include "ui/editors/ProjectInformationEditWidget.h"

#include <QLabel>
#include <QVBoxLayout>

ConfigPageProjectInformation::ConfigPageProjectInformation(QWidget *parent)
    : QWidget(parent)
{
    auto *note = new QLabel(tr("The settings below are transfered into newly created projects. "
                               "To edit the project information of the current project, use the "
                               "project information editor available from the edit menu."),
                            this);
    note->setWordWrap(true);
    m_editor = new ProjectInformationEditWidget(this);
    m_editor->setObjectName(QStringLiteral("widgetDefaultProjectInformation"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_editor, 1);
}

void ConfigPageProjectInformation::updateUi(const Settings &settings)
{
    m_editor->setProjectInformation(
        ProjectInformation::fromDefaults(settings.m_defaultProjectSettings));
}

void ConfigPageProjectInformation::storeSettings(Settings &settings) const
{
    settings.m_defaultProjectSettings = m_editor->projectInformation().toDefaults();
}
