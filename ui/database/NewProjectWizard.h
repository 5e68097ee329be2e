#pragma once

#include <QWizard>
#include <QWizardPage>

class ConstructionList;
class InputData;
class MaterialConstructionTabWidget;
class MaterialList;
class ProjectInformation;
class ProjectInformationEditDialog;
class QComboBox;
class DatabaseDialogs;

/*  The second page of the new-project wizard: the database tabs, from which the user picks the
    material of the first layer or a whole stored construction. The page is complete while a
    material with positive conductivity and diffusion resistance factor, or a construction with
    at least one layer, is selected on the current tab; a double click finishes the wizard.
*/
class NewProjectWizardMaterialPage : public QWizardPage
{
    Q_OBJECT
public:
    NewProjectWizardMaterialPage(MaterialList &materials, ConstructionList &constructions,
                                 DatabaseDialogs &dialogs, QWidget *parent = nullptr);

    bool isComplete() const override;
    /*! The layers the project starts with: one of the chosen material, 0.1 m wide, or copies of
        all layers of the chosen construction; none while the page is not complete. */
    void fillLayers(InputData &input) const;

    MaterialConstructionTabWidget *tabWidget() const { return m_tabs; }

private:
    void activated();

    MaterialConstructionTabWidget *m_tabs;
    QComboBox *m_templates;
};

/*  The wizard that starts a new project: project information and the construction kind first,
    then the first layer (or a stored construction). Accepting writes the layers and the project
    information into the objects it was given, with the defaults of the kind (heat-flow
    direction, climate, row of DIN 4108-2 table 3) applied.
*/
class NewProjectWizard : public QWizard
{
    Q_OBJECT
public:
    NewProjectWizard(InputData &input, ProjectInformation &info, MaterialList &materials,
                     ConstructionList &constructions, DatabaseDialogs &dialogs,
                     QWidget *parent = nullptr);

    NewProjectWizardMaterialPage *materialPage() const { return m_materialPage; }
    ProjectInformationEditDialog *informationEditor() const { return m_informationEditor; }
    QComboBox *constructionKindComboBox() const { return m_kind; }

    void accept() override;

private:
    InputData &m_input;
    ProjectInformation &m_info;
    ProjectInformationEditDialog *m_informationEditor;
    QComboBox *m_kind;
    NewProjectWizardMaterialPage *m_materialPage;
};
