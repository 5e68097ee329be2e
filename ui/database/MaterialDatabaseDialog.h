#pragma once

#include "model/Material.h"
#include "persistence/Construction.h"

#include <QDialog>

class ConstructionList;
class MaterialConstructionTabWidget;
class MaterialList;
class QDialogButtonBox;
class QPushButton;
class DatabaseDialogs;
class DisplayUnits;

/*  The one dialog for the material and the construction database. In its selection mode it
    returns the material or the construction the user chose (a layer is added, or its material
    changed); in its browsing mode it only lets the user look and edit. The main window keeps
    one and reuses it, so filters and the last choice are still there the next time.
*/
class MaterialDatabaseDialog : public QDialog
{
    Q_OBJECT
public:
    /*! Result codes of select(). */
    enum Result
    {
        MaterialSelected = 0,
        ConstructionSelected = 1,
        NothingSelected = 2
    };

    /*! constructions may be null: then only materials are offered. */
    MaterialDatabaseDialog(MaterialList &materials, ConstructionList *constructions,
                           DatabaseDialogs &dialogs, QWidget *parent = nullptr);

    /*! Runs the dialog with OK and Cancel. 0: a material with positive conductivity and
        diffusion resistance factor was chosen (selectedMaterial()); 1: a construction with at
        least one layer (selectedConstruction()); 2: cancelled or nothing usable. Constructions
        are offered only when offerConstructions is true (and the dialog has a list). */
    int select(bool offerConstructions = true);
    /*! Runs the dialog with a Close button only. */
    void browse();

    /*! The choice of the last select(); empty unless it returned 0 or 1. */
    const Material &selectedMaterial() const { return m_material; }
    const Construction &selectedConstruction() const { return m_construction; }

    /*! What select() would return for the current page and selection (without running). */
    int evaluateSelection();

    MaterialList &materials() const { return m_materials; }
    /*! The unit in which the material table shows A_w. */
    void setDisplayUnits(const DisplayUnits &units);
    ConstructionList *constructions() const { return m_constructions; }
    MaterialConstructionTabWidget *tabWidget() const { return m_tabs; }
    QDialogButtonBox *buttonBox() const { return m_buttons; }

private:
    void setSelectionMode(bool selecting);
    void showInformation();

    MaterialList &m_materials;
    ConstructionList *m_constructions;
    DatabaseDialogs &m_dialogs;
    MaterialConstructionTabWidget *m_tabs;
    QPushButton *m_information;
    QDialogButtonBox *m_buttons;
    bool m_selecting = false;
    Material m_material;
    Construction m_construction;
};
