#pragma once

#include "model/ProjectInformation.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

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
    ProjectInformation m_info;
    QLineEdit *m_projectName;
    QLineEdit *m_constructionId;
    QLineEdit *m_userName;
    QLineEdit *m_company;
    QPlainTextEdit *m_description;
    QPlainTextEdit *m_finalRemarks;
    QComboBox *m_heatFlow;
};
