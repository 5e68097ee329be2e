#pragma once

#include <QWidget>

class ConstructionList;
class MaterialList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;
class Settings;
class UserDialogs;

/*  The general preferences: what the program opens at start-up, the unit of layer widths, the
    unit of water absorption coefficients, the directory of the user's material and construction
    databases and the moisture-dependent thermal conductivity.

    A new database directory is checked before it is taken: it must not be a file, must be an
    absolute path, and must be writable. When it already holds user data, the user chooses to
    use that data, to merge the own data into it, or not to move; nothing there is replaced
    unasked. The databases are then written into it (each file replaced atomically) and only
    after the writes succeeded do the databases and the setting move there; the files in the
    old directory stay as they were.
*/
class ConfigPageGeneral : public QWidget
{
    Q_OBJECT

public:
    /*! The databases (may be null) are moved along with the directory. */
    ConfigPageGeneral(UserDialogs &dialogs, MaterialList *materials,
                      ConstructionList *constructions, QWidget *parent = nullptr);

    /*! Shows the settings. */
    void updateUi(const Settings &settings);
    /*! Stores the fields into the settings; a directory that cannot be taken is reported in a
        message box and leaves its setting unchanged. */
    void storeSettings(Settings &settings);

private slots:
    void chooseUserMaterialDirectory();

private:
    /*! false when the directory was refused. */
    bool storeUserMaterialDirectory(Settings &settings);

    UserDialogs &m_dialogs;
    MaterialList *m_materials;
    ConstructionList *m_constructions;
    QComboBox *m_startUp;
    QComboBox *m_widthUnit;
    QComboBox *m_awUnit;
    QLineEdit *m_userMaterialDir;
    QToolButton *m_chooseDir;
    QCheckBox *m_moistureDependentLambda;
};
