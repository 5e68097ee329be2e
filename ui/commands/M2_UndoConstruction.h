#pragma once

#include "ui/commands/M2_UndoCommandBase.h"

#include "model/MaterialLayer.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

class Construction;

/*  The commands of the construction table: layers and database constructions added left or
    right of the current layer, a layer removed, moved or given another material. The index is
    the 0-based position of the current layer; the descriptions count layers from 1, as the
    table columns do.
*/

/*! The side of the current layer at which a command inserts or to which it moves a layer. */
enum class LayerSide
{
    Left,
    Right
};

/*! Inserts a copy of the layer before (left) or after (right) the current one. */
class M2_UndoAddLayer : public M2_UndoCommandBase
{
public:
    M2_UndoAddLayer(Project &project, int index, LayerSide side, const MaterialLayer &layer);
    void undo() override;
    void redo() override;
    static QString description(int index, LayerSide side);

private:
    /*! Where the layer goes: index left, index + 1 right. */
    int m_position;
    MaterialLayer m_layer;
};

/*  Inserts copies of all layers of a database construction before (left) or after (right) the
    current layer. Undo removes exactly as many layers as the construction has, from the
    insertion position on, so that layers of the same material elsewhere in the construction
    stay, and selects the current layer again. */
class M2_UndoAddConstruction : public M2_UndoCommandBase
{
public:
    M2_UndoAddConstruction(Project &project, int index, LayerSide side,
                           const Construction &construction);
    void undo() override;
    void redo() override;
    static QString description(int index, LayerSide side);

    const QString &constructionName() const { return m_name; }
    const QString &constructionNotes() const { return m_notes; }

private:
    int m_index;
    int m_position;
    QString m_name;
    QString m_notes;
    std::vector<MaterialLayer> m_layers;
};

// The names of the table's actions, one side each.
class M2_UndoAddLayerLeft : public M2_UndoAddLayer
{
public:
    M2_UndoAddLayerLeft(Project &project, int index, const MaterialLayer &layer)
        : M2_UndoAddLayer(project, index, LayerSide::Left, layer)
    {
    }
};
class M2_UndoAddLayerRight : public M2_UndoAddLayer
{
public:
    M2_UndoAddLayerRight(Project &project, int index, const MaterialLayer &layer)
        : M2_UndoAddLayer(project, index, LayerSide::Right, layer)
    {
    }
};
class M2_UndoAddConstructionLeft : public M2_UndoAddConstruction
{
public:
    M2_UndoAddConstructionLeft(Project &project, int index, const Construction &construction)
        : M2_UndoAddConstruction(project, index, LayerSide::Left, construction)
    {
    }
};
class M2_UndoAddConstructionRight : public M2_UndoAddConstruction
{
public:
    M2_UndoAddConstructionRight(Project &project, int index, const Construction &construction)
        : M2_UndoAddConstruction(project, index, LayerSide::Right, construction)
    {
    }
};

/*! Removes the layer at index; the complete layer (material, colour, texts, width) is copied
    when the command is built and comes back on undo. */
class M2_UndoRemoveLayer : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoRemoveLayer)
public:
    M2_UndoRemoveLayer(Project &project, int index);
    void undo() override;
    void redo() override;
    static QString description(int index);

private:
    int m_index;
    MaterialLayer m_layer;
};

/*! Exchanges the layer at index with its left or right neighbour. */
class M2_UndoMoveLayer : public M2_UndoCommandBase
{
public:
    M2_UndoMoveLayer(Project &project, int index, LayerSide side);
    void undo() override;
    void redo() override;
    static QString description(int index, LayerSide side);

private:
    int m_index;
    int m_neighbour;
};

class M2_UndoMoveLayerLeft : public M2_UndoMoveLayer
{
public:
    M2_UndoMoveLayerLeft(Project &project, int index)
        : M2_UndoMoveLayer(project, index, LayerSide::Left)
    {
    }
};
class M2_UndoMoveLayerRight : public M2_UndoMoveLayer
{
public:
    M2_UndoMoveLayerRight(Project &project, int index)
        : M2_UndoMoveLayer(project, index, LayerSide::Right)
    {
    }
};

/*  Gives the layer at index another material. A material with an sd-value fixes the width of
    its layer (width = sd / μ), so the width the layer had before is remembered on redo and given
    back on undo; it takes effect only when the restored material has no sd-value. Such a
    material also takes the layer's second material away (a foil carries no studs): the
    description says so, and undo gives the second material back with the old material. */
class M2_UndoChangeMaterial : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoChangeMaterial)
public:
    M2_UndoChangeMaterial(Project &project, int index, const Material &material);
    void undo() override;
    void redo() override;
    /*! "Change of material of layer no. %1"; with removesBridge the text adds that the
        layer's second material is removed. */
    static QString description(int index, bool removesBridge = false);

    /*! Whether the command takes the layer's second material away. */
    bool removesBridge() const { return m_removesBridge; }

private:
    int m_index;
    /*! The material the layer does not have now: the new one before redo, the old after. */
    Material m_material;
    /*! The layer's width in m before the last redo. */
    double m_width = 0;
    /*! The layer's second material before the last redo. */
    std::optional<LayerBridge> m_bridge;
    bool m_removesBridge = false;
};
