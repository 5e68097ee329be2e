#pragma once

#include "model/Material.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

/*  The application's material database: the read-only materials of the database files shipped
    in "resources/DB_materials", one built-in air material, and the user's own materials, stored
    in "UserData.mmat" in the user database directory (the user materials directory of the
    preferences, or the user data directory when none is set).

    Combined indexes run over the database materials first, then the user materials. Database
    materials keep the id of their record (the air material has id 0); user materials get ids
    from one counter shared by the whole application that starts at 0x8000, so that user ids
    never collide with catalogue ids.

    User materials are changed only through addUserMaterial(), replaceUserMaterial() and
    removeUserMaterial(); each change is written to the user file at once (atomic replace), so a
    crash loses nothing. A write that fails (a full disk) leaves the previous file intact and is
    announced by writeFailed(); the change stays in the list, and the destructor writes again
    only if the last write failed.
*/
class MaterialList : public QObject
{
    Q_OBJECT
public:
    /*! First id of user materials. */
    static constexpr int FirstUserMaterialId = 0x8000;
    /*! Application code of the records meant for this program. */
    static constexpr int ApplicationCode = 1;

    /*! A list for the language code langId ("de", "en", "pl" ...) with the program's directories:
        resources/DB_materials beside the executable and the user data directory. */
    explicit MaterialList(const QString &langId, QObject *parent = nullptr);
    /*! A list with explicit directories (tests, tools). */
    MaterialList(const QString &langId, const QString &databaseDir, const QString &userDir,
                 QObject *parent = nullptr);
    ~MaterialList() override;

    MaterialList(const MaterialList &) = delete;
    MaterialList &operator=(const MaterialList &) = delete;

    /*! Reads all database files of the database directory, appends the air material and reads
        the user file. True if at least one material exists afterwards. */
    bool read();

    /*! Writes the user materials to the user file (atomic replace). Without user materials an
        existing user file is renamed to "UserData.mmat.backup" (replacing an older backup) and
        nothing is written. False when the directory or the file cannot be written, with the
        reason in message (if given); the previous file is then unchanged. */
    bool writeUserMaterials(QString *message = nullptr);
    /*! Writes the user file, as writeUserMaterials() does, into another directory (created when
        missing); the list keeps its own directory. */
    bool writeUserMaterialsTo(const QString &directory, QString *message = nullptr) const;
    /*! The directory of the user file from now on; nothing is read or written. Moving the user
        database is writeUserMaterialsTo(directory) first and, when that succeeded,
        setUserDirectory(directory). */
    void setUserDirectory(const QString &directory);

    /*! Reads a user-material file ("*.mmat"; version 1 or -1 .. -5). The materials get ids from
        the application-wide counter. An unreadable file or a version above 5 gives an empty
        list; a damaged or truncated file gives the materials before the damage and
        complete = false. */
    static std::vector<Material> readUserFile(const QString &fileName, bool *complete = nullptr);

    /*! Reads a version-1 material list (keyword text, "*.txt": "FileVersion", then a
        MATERIAL_LIST block of MATERIAL_DEFINITION blocks). Category texts are looked up in the
        German category names of those files first, then among the translated names. Ids come
        from the application-wide counter. Throws HTL::Exception (context
        "[M2_MaterialList read_1_9_list]") on any error; no material of a failing list is
        returned. */
    static std::vector<Material> readVersion1List(const QString &fileName);

    /*! The built-in air material (translated texts, random colour). */
    static Material airMaterial();

    /*! Total number of materials: database materials, then user materials. */
    int count() const { return int(m_databaseMaterials.size() + m_userMaterials.size()); }
    int databaseMaterialCount() const { return int(m_databaseMaterials.size()); }
    int userMaterialCount() const { return int(m_userMaterials.size()); }

    /*! Material at a combined index; nullptr outside 0 .. count()-1. */
    const Material *material(int index) const;

    /*! The first database material with the id, else the first user material with it. */
    const Material *findMaterial(int id) const;
    /*! True when a user material has the id. */
    bool isUserMaterial(int id) const;
    /*! The names of a database material in the other languages of its database file (for a
        search that finds "Kalksandstein" in an English list); empty for user materials. */
    QStringList otherLanguageNames(int id) const { return m_otherNames.value(id); }

    /*! Appends a copy with the next id of the application-wide counter, emits materialAdded,
        writes the user file and returns the new id. */
    int addUserMaterial(const Material &material);
    /*! Replaces the first user material with the id (keeping the id) and writes the user file;
        false when there is none. */
    bool replaceUserMaterial(int id, const Material &material);
    /*! Removes the first user material with the id and writes the user file; false when there
        is none. */
    bool removeUserMaterial(int id);

    QString languageId() const { return m_langId; }
    QString databaseDirectory() const { return m_databaseDir; }
    QString userDirectory() const { return m_userDir; }
    /*! userDirectory() + "/UserData.mmat". */
    QString userFilePath() const;
    /*! The user file in another directory. */
    static QString userFilePathIn(const QString &directory);

    /*! Replaces the user materials by those of the user file (a file cut short gives the
        materials before the damage, and a copy ".damaged" is kept); emits userMaterialsChanged.
        Nothing is written. False when there is no readable file. */
    bool readUserMaterials();
    /*! Appends the materials of another user file that equal no user material, with new ids;
        nothing is written. Returns how many were appended and emits userMaterialsChanged if
        any. */
    int mergeUserFile(const QString &fileName);

    /*! The next id the application-wide counter will hand out. */
    static int nextUserMaterialId();

signals:
    void materialAdded(Material *constr);
    /*! A user material was added, replaced or removed. */
    void userMaterialsChanged();
    /*! A change could not be written to the user file; message names the file and the
        system's reason. */
    void writeFailed(const QString &message);

private:
    /*! Reads the user file into the user materials (replacing them when it holds any). */
    void readUserFileIntoList();
    /*! Reads one database file and appends its usable records. */
    void readDatabaseFile(const QString &fileName);
    /*! Writes the user materials and remembers whether that succeeded; the failure text, empty
        after success. */
    QString saveUserMaterials();
    /*! Emits userMaterialsChanged and, when failure is not empty, writeFailed. */
    void announceChange(const QString &failure);

    std::vector<std::unique_ptr<Material>> m_databaseMaterials;
    std::vector<std::unique_ptr<Material>> m_userMaterials;
    QHash<int, QStringList> m_otherNames; ///< database material id -> names in other languages
    QString m_langId;
    QString m_databaseDir; ///< absolute
    QString m_userDir;
    bool m_unsavedChanges = false;
};
