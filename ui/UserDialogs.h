#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

/*  Every modal question, message and file choice of the window goes through here, so that a
    test can answer them without a dialog blocking it. The program uses this class as it is;
    tests derive from it and script the answers. It knows no dialog of the program's own (those
    are reached through DatabaseDialogs), so that every dialog can use it.
*/
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    virtual void critical(QWidget *parent, const QString &title, const QString &text);
    virtual void information(QWidget *parent, const QString &title, const QString &text);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
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

    /*! What to do with the user databases already in a directory the user databases move to. */
    enum ExistingData
    {
        UseExistingData, ///< take the databases found there
        MergeData,       ///< add the own materials and constructions to them
        KeepDirectory    ///< do not move
    };
    /*! Asks what to do with the user data found in directory. */
    virtual ExistingData existingUserData(QWidget *parent, const QString &directory);

    /*! Shows a document (the manual) in the desktop's viewer for its type; false when no
        viewer could be started. */
    virtual bool openDocument(const QUrl &url);

    /*! Where the import file dialogs of the database pages start (the place of the last
        project); the home directory when empty. */
    void setImportDirectory(const QString &directory) { m_importDirectory = directory; }
    QString importDirectory() const;

private:
    QString m_exportDirectory = QStringLiteral(".");
    QString m_importDirectory;
};
