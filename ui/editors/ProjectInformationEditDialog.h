#pragma once

#include "model/ProjectInformation.h"

#include <QDialog>

class ProjectInformationEditWidget;
class QDialogButtonBox;

/*! Edits the seven values of a project's information: name, construction identifier, author,
    company, description, the final remarks of the report and the heat-flow direction. */
class ProjectInformationEditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProjectInformationEditDialog(QWidget *parent = nullptr);

    void setProjectInformation(const ProjectInformation &info);
    ProjectInformation projectInformation() const;

    /*! Turns the dialog into a plain child widget without buttons (a page of the new-project
        wizard); Return and Escape then act on the window that holds it. */
    void embed();

public slots:
    void accept() override;
    void reject() override;

private:
    QDialog *hostDialog() const;

    ProjectInformationEditWidget *m_editor;
    QDialogButtonBox *m_buttons;
    bool m_embedded = false;
};
