#pragma once

#include "persistence/Construction.h"

#include <QObject>
#include <QString>

#include <vector>

/*  The construction database: the user's stored constructions, kept in the file
    "ConstructionData.constr" in the user database directory (the user materials directory of
    the preferences, or the user data directory when none is set).

    Each add or remove is written to the file at once (atomic replace), so a crash does not lose
    the constructions stored since the start. A write that fails (a full disk) leaves the
    previous file intact and is announced by writeFailed(); the change stays in the list, and
    the destructor writes again only if the last write failed. A file that cannot be read completely
   is copied to "ConstructionData.constr.damaged" before anything can replace it.
*/
class ConstructionList : public QObject
{
    Q_OBJECT
public:
    /*! A list in the program's user data directory. */
    explicit ConstructionList(const QString &langId, QObject *parent = nullptr);
    /*! A list in the given directory (tests, imports). */
    ConstructionList(const QString &langId, const QString &directory, QObject *parent = nullptr);
    ~ConstructionList() override;

    ConstructionList(const ConstructionList &) = delete;
    ConstructionList &operator=(const ConstructionList &) = delete;

    /*! What the program does at start-up: reads the file; when there is none yet (a new user,
        or every construction was deleted in the last session) the list starts with the typical
        constructions shipped in typicalDir (typicalConstructionsFile()) and writes them. An
        existing file, even one that cannot be read completely, is never changed here. */
    void readOrAddTypical(const QString &typicalDir);

    /*! The shipped file of typical constructions in the given language,
        "<dir>/TypicalConstructions_<langId>.constr", or the English one when there is no file
        for that language. */
    static QString typicalConstructionsFile(const QString &dir, const QString &langId);

    /*! Reads the file. The list is unchanged when the file cannot be opened; otherwise it is
        replaced by the constructions read up to the first one that fails. True when the whole
        file was read and the list is not empty. */
    bool read();
    /*! Reads another construction file of the same format (imports); the list is not changed.
        complete (if given) tells whether the whole file was read; when it was not, error (if
        given) says why, naming the construction that was refused (translated). */
    static std::vector<Construction> readFile(const QString &fileName, bool *complete = nullptr,
                                              QString *error = nullptr);
    /*! Writes constructions into a file of this format (atomic replace); false on failure. */
    static bool writeFile(const QString &fileName, const std::vector<Construction> &constructions,
                          QString *message = nullptr);

    /*! Writes the file. An empty list moves an existing file to "ConstructionData.constr.backup"
        (replacing an older backup) and writes nothing. False when the file cannot be written,
        with the reason in message (if given); the previous file is then unchanged. */
    bool write(QString *message = nullptr);
    /*! Writes the file, as write() does, into another directory (created when missing); the
        list keeps its own directory. */
    bool writeTo(const QString &directory, QString *message = nullptr) const;
    /*! The directory of the file from now on; nothing is read or written. Moving the database
        is writeTo(directory) first and, when that succeeded, setDirectory(directory), so that
        a directory that cannot be written never becomes the database's place. */
    void setDirectory(const QString &directory);

    /*! Appends a copy unless an equal construction is stored; emits constructionAdded with the
        stored element and writes the file. */
    void addConstruction(const Construction &construction);
    /*! Removes the first equal construction, emits constructionRemoved, writes the file and
        returns true; false when none is equal. */
    bool removeConstruction(const Construction &construction);
    /*! Replaces the construction at index (an edit in the database dialog) and writes the file;
        when another stored construction already equals the new one, the edited one is only
        removed, so the list never holds two equal constructions. Emits constructionChanged;
        false for an index outside the list. */
    bool replaceConstruction(int index, const Construction &construction);

    int count() const { return int(m_constructions.size()); }
    /*! Construction at an index 0 .. count()-1 (the caller checks the range). */
    const Construction &construction(int index) const
    {
        return m_constructions[std::size_t(index)];
    }
    /*! Largest layer count of all constructions; 0 for an empty list. */
    int maxLayerCount() const;

    QString languageId() const { return m_langId; }
    QString directory() const { return m_directory; }
    /*! directory() + "/ConstructionData.constr". */
    QString filePath() const;
    /*! The construction file in another directory. */
    static QString filePathIn(const QString &directory);
    /*! Appends the constructions of another construction file that equal no stored one;
        nothing is written. Returns how many were appended and emits constructionAdded for
        each. */
    int mergeFile(const QString &fileName);

signals:
    void constructionAdded(Construction *constr);
    void constructionRemoved();
    void constructionChanged(int index);
    /*! read() replaced the whole list. */
    void constructionsReplaced();
    /*! A change could not be written to the file; message names the file and the system's
        reason. */
    void writeFailed(const QString &message);

private:
    /*! Writes the file and remembers whether that succeeded; the failure text, empty after
        success. */
    QString save();
    void reportFailure(const QString &failure);

    std::vector<Construction> m_constructions;
    QString m_langId;
    QString m_directory;
    bool m_unsavedChanges = false;
};
