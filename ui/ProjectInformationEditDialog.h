#pragma once

#include "model/ProjectInformation.h"

#include <QDialog>

class ProjectInformationEditWidget;

/*! Edits the seven values of a project's information: name, construction identifier, author,
    company, description, the final remarks of the report and the heat-flow direction. */
class ProjectInformationEditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProjectInformationEditDialog(QWidget *parent = nullptr);

    void setProjectInformation(const ProjectInformation &info);
    ProjectInformation projectInformation() const;

private:
    ProjectInformationEditWidget *m_editor;
};
