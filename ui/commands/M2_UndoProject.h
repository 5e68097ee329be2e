#pragma once

#include "ui/commands/M2_UndoCommandBase.h"

#include "model/ProjectInformation.h"
#include "settings/HeatFlowDirection.h"

#include <QCoreApplication>
#include <QString>

/*  The commands of the descriptive part of a project: heat-flow direction, project information
    and the final remarks of the report. Each is a swap: undo and redo exchange the held value
    with the project's. Like every edit of the project they mark it modified. */

class M2_UndoHeatFlowDirection : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoHeatFlowDirection)
public:
    /*! The direction by its code (0 downwards, 1 upwards, 2 horizontal), as the checked action
        of the heat-flow action group carries it. */
    M2_UndoHeatFlowDirection(Project &project, int directionCode);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int directionCode);

private:
    void swap();

    HeatFlowDirection m_direction;
};

/*! The six texts of the project information and the heat-flow direction, all at once. */
class M2_UndoChangeProjectInfo : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoChangeProjectInfo)
public:
    M2_UndoChangeProjectInfo(Project &project, const ProjectInformation &info);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description();

private:
    void swap();

    ProjectInformation m_info;
};

/*! The final remarks printed at the end of the report. */
class UndoChangeDisclaimer : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(UndoChangeDisclaimer)
public:
    UndoChangeDisclaimer(Project &project, const QString &text);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description();

private:
    void swap();

    QString m_text;
};
