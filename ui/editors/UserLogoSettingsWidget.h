#pragma once

#include "settings/UserLogoSettings.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class UserDialogs;

/*  The user's logo on the report: where it stands (nowhere, in the page header, beside the
    project information), its image file and its printed size by width or by height. The same
    editor serves the print defaults of the preferences and the report preview; it edits a
    value and announces every change, the owner stores it.
*/
class UserLogoSettingsWidget : public QGroupBox
{
    Q_OBJECT

public:
    /*! dialogs answers the file chooser (tests answer it); not owned, may be null. */
    explicit UserLogoSettingsWidget(UserDialogs *dialogs, QWidget *parent = nullptr);

    void setUserDialogs(UserDialogs *dialogs) { m_dialogs = dialogs; }
    /*! Shows the settings without announcing a change. */
    void setSettings(const UserLogoSettings &logo);
    UserLogoSettings settings() const;

    QComboBox *positionComboBox() const { return m_position; }
    QLineEdit *pathLineEdit() const { return m_path; }
    QSpinBox *sizeSpinBox() const { return m_size; }

signals:
    /*! The user changed a value. */
    void userLogoChanged();

private:
    UserDialogs *m_dialogs;
    QComboBox *m_position;
    QLineEdit *m_path;
    QRadioButton *m_byWidth;
    QRadioButton *m_byHeight;
    QSpinBox *m_size;
    bool m_updating = false;
};
