#pragma once

#include <QWidget>

class ProjectInformationEditWidget;
class Settings;

/*! The project information copied into every new project (the defaults of the preferences). */
class ConfigPageProjectInformation : public QWidget
{
    Q_OBJECT

public:
    explicit ConfigPageProjectInformation(QWidget *parent = nullptr);

    void updateUi(const Settings &settings);
    void storeSettings(Settings &settings) const;

private:
    ProjectInformationEditWidget *m_editor;
};
