#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class Construction;
class Material;
class MaterialList;
class ConstructionList;
class QWidget;

/*  Every modal question, message and file choice of the main window goes through here, so
    that a test can answer them without a dialog blocking it. The program uses this class as it
    is; tests derive from it and script the answers.
*/
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    virtual void critical(QWidget *parent, const QString &title, const QString &text);
    virtual void information(QWidget *parent, const QString &title, const QString &text);
    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton);

    /*! A file to open; empty when cancelled. */
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter);
    /*! A file to save to (detail view); empty when cancelled. */
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter);
    /*! An existing directory; empty when cancelled. */
    virtual QString existingDirectory(QWidget *parent, const QString &title,
                                      const QString &directory);
    /*! A picture file to export: the dialog keeps its directory between calls; selectedFilter
        receives the chosen name filter. Empty when cancelled. */
    virtual QString exportFileName(QWidget *parent, const QStringList &filters,
                                   QString *selectedFilter);

    /*! Result codes of the material and construction choice. */
    enum Choice
    {
        MaterialChosen = 0,
        ConstructionChosen = 1,
        Cancelled = 2
    };
    /*! Lets the user choose a material (or, when constructions are offered, a construction)
        from the databases. */
    virtual Choice chooseMaterial(QWidget *parent, const MaterialList &materials,
                                  const ConstructionList *constructions, Material *material,
                                  Construction *construction);

private:
    QString m_exportDirectory = QStringLiteral(".");
};
