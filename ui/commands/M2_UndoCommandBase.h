#pragma once

#include <QUndoCommand>

class Project;

/*  The common base of the undo commands. A command changes the open project only through the
    project's edit operations, so every do and undo marks the project modified, recalculates
    when the change needs it and announces what to refresh and which table column to select.
    A command holds plain values (layer index, the values to apply or restore), never a widget:
    the views follow the project's announcements.

    changed() tells the creator, already before the push, whether the command would change the
    project: a value that is invalid or equal to the current one gives false, and such a command
    is deleted instead of pushed, so that it never appears in the history.

    A command must not outlive the project it was built for (the stack is cleared or destroyed
    before the project goes away).
*/
class M2_UndoCommandBase : public QUndoCommand
{
public:
    /*! The command text is ": " followed by the description, so that the stack's actions read
        "Undo : description" and "Redo : description". */
    M2_UndoCommandBase(Project &project, const QString &description,
                       QUndoCommand *parent = nullptr);

    /*! True when pushing the command would change the project. */
    bool changed() const { return m_changed; }

protected:
    /*! The position of the climate column of a side in the construction table: 0 warm side,
        layers + 1 cold side. */
    int sideColumn(bool warmSide) const;

    Project &m_project;
    bool m_changed = true;
    /*! Whether the last redo changed the project: a command that is not a swap undoes only
        what its redo did. */
    bool m_applied = false;
};
