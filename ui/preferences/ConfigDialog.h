#pragma once

#include <QDialog>

class ConfigPageGeneral;
class ConfigPageProjectInformation;
class ConfigPrintDefaults;
class ConstructionList;
class MaterialList;
class QListWidget;
class QStackedWidget;
class Settings;
class UserDialogs;

/*  The preferences: general settings, the project information of new projects and the
    defaults of the report, each on a page chosen from the list on the left. The pages show the
    settings when the dialog is built; accepting stores every page into the settings (the
    caller writes them at the end of the run and lets the views follow).
*/
class ConfigDialog : public QDialog
{
    Q_OBJECT

public:
    /*! The databases (may be null) move with a new user database directory; message boxes and
        file choices go through dialogs. */
    ConfigDialog(Settings &settings, MaterialList *materials, ConstructionList *constructions,
                 UserDialogs &dialogs, QWidget *parent = nullptr);

    ConfigPageGeneral *generalPage() const { return m_general; }
    ConfigPageProjectInformation *projectInformationPage() const { return m_projectInformation; }
    ConfigPrintDefaults *printDefaultsPage() const { return m_printDefaults; }
    QListWidget *pageList() const { return m_pageList; }

public slots:
    /*! Every page stores its values; then the dialog closes as accepted. */
    void changesAccepted();

private:
    Settings &m_settings;
    QListWidget *m_pageList;
    QStackedWidget *m_pages;
    ConfigPageGeneral *m_general;
    ConfigPageProjectInformation *m_projectInformation;
    ConfigPrintDefaults *m_printDefaults;
};
