#pragma once

#include <QImage>
#include <QString>

class QSettings;

/*! Where and how large the user's own logo (for example a company logo) appears in the report.

    Stored twice in the settings: as the default for new projects (group "ProjectDefaults") and
    as the current report option (group "ReportSettings"), with the same keys.
*/
struct UserLogoSettings
{
    enum Position
    {
        NoLogo = 0,                ///< "No user logo"
        LogoInPageHeader = 1,      ///< "Logo in page header"
        LogoRightOfProjectInfo = 2 ///< "Logo right from project informations"
    };

    int m_position = NoLogo;
    QString m_path;             ///< image file
    bool m_scaleByWidth = true; ///< false: m_size is the height
    int m_size = 0;             ///< width or height of the printed logo in pixels

    /*! The image loaded from m_path, scaled to m_size by width or by height (keeping its aspect
        ratio); a null image when the image cannot be loaded. An image, not a pixmap, so that
        the report can be composed without a screen. */
    QImage logoImage() const;

    /*! Reads the keys of the current settings group. The legacy key "CurrentUserLogoVisible"
        (true with position 0) means the logo beside the project information. */
    void read(QSettings &settings);
    /*! Writes the keys into the current settings group and drops the legacy key. */
    void write(QSettings &settings) const;

    bool operator==(const UserLogoSettings &other) const;
    bool operator!=(const UserLogoSettings &other) const { return !(*this == other); }
};
