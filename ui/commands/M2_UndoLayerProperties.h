#pragma once

#include "document/Project.h"
#include "ui/commands/M2_UndoCommandBase.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>

#include <optional>

/*  The commands of the layer editor: colour, material name and the six numeric values of one
    layer. Each is a swap: it holds the value the layer does not have, and undo and redo both
    exchange it with the layer's value. The descriptions count layers from 1. */

class M2_UndoLayerColor : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoLayerColor)
public:
    /*! changed() is false for an invalid colour or the layer's current one. */
    M2_UndoLayerColor(Project &project, int index, const QColor &color);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int index);

private:
    void swap();

    int m_index;
    QColor m_color;
};

/*! Gives a layer a second material (studs, rafters, battens) with its area fraction, changes
    it, or takes it away (std::nullopt). A swap like the others: it holds the bridge the layer
    does not have. */
class M2_UndoLayerBridge : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoLayerBridge)
public:
    /*! changed() is false when the project refuses the bridge or the layer already has it. */
    M2_UndoLayerBridge(Project &project, int index, const std::optional<LayerBridge> &bridge);
    void undo() override { swap(); }
    void redo() override { swap(); }
    /*! "Undo change of second material at layer No. %1", or the removal text. */
    static QString description(int index, bool removal);

private:
    void swap();

    int m_index;
    std::optional<LayerBridge> m_bridge;
};

class M2_UndoMaterialName : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoMaterialName)
public:
    /*! changed() is false when the name equals the layer's material name. */
    M2_UndoMaterialName(Project &project, int index, const QString &name);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int index);

private:
    void swap();

    int m_index;
    QString m_name;
};

/*  One value of a layer, by kind. The value is in the units the project stores (the width in
    metres, A_w in kg/(m²·s^0.5)), whatever unit the editor showed: the editor converts, and
    decides whether the typed text differs from the value shown at all.
    changed() is false for a value the project does not take (Project::acceptsLayerValue) and
    for the layer's current value. */
class M2_UndoMaterialParameters : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoMaterialParameters)
public:
    M2_UndoMaterialParameters(Project &project, Project::LayerValue kind, int index, double value);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(Project::LayerValue kind, int index);

    Project::LayerValue kind() const { return m_kind; }

private:
    void swap();

    Project::LayerValue m_kind;
    int m_index;
    double m_value;
};
