#include "ui/commands/M2_UndoCommandBase.h"

#include "document/Project.h"

M2_UndoCommandBase::M2_UndoCommandBase(Project &project, const QString &description,
                                       QUndoCommand *parent)
    : QUndoCommand(QStringLiteral(": ") + description, parent)
    , m_project(project)
{
}

int M2_UndoCommandBase::sideColumn(bool warmSide) const
{
    return warmSide ? 0 : m_project.layerCount() + 1;
}
