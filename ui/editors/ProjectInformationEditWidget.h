#pragma once

#include "model/ProjectInformation.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

/*! The fields of a project information record: name, construction identifier, author,
    company, description, the final remarks of the report and the heat-flow direction. Used by
    the project information dialog and, for the defaults of new projects, by the preferences. */
class ProjectInformationEditWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ProjectInformationEditWidget(QWidget *parent = nullptr);

    void setProjectInformation(const ProjectInformation &info);
    /*! The record given last with the edited values. */
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
