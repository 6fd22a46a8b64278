#include "grid/base/BaseGrid.h"

TDudOderUndoRedo::TDudOderUndoRedo(TComponent* owner) : TComponent(owner) { }

void TDudOderUndoRedo::SetGrid(TBaseGrid* grid)
{
    if (grid == FGrid)
        return;
    // A grid that still names this component keeps the link, so that it
    // learns when the component goes.
    if (FGrid && FGrid->UndoRedo() != this)
        FGrid->RemoveFreeNotification(this);
    FGrid = grid;
    if (FGrid)
        FGrid->FreeNotification(this);
}

void TDudOderUndoRedo::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FGrid)
        FGrid = nullptr;
}

// Dropping single items could cut a sequence and leave a stop marker without
// its start, after which Undo would walk below the first item. The oldest
// whole step goes instead: a change, or a sequence with both its markers.
// A sequence still being recorded is not cut; the list may then hold more
// than MaxLevel items until it is closed.
void TDudOderUndoRedo::DropOldestStep()
{
    int32_t count = 1;
    if (FItems.Items(0)->SequenceStart()) {
        while (count < FItems.Count() && !FItems.Items(count)->SequenceStop())
            ++count;
        if (count == FItems.Count())
            return;
        ++count;
    }
    for (int32_t index = 0; index < count; ++index)
        FItems.Delete(0);
}

void TDudOderUndoRedo::RegisterChange(int32_t aCol, int32_t aRow, const String& oldValue, const String& newValue)
{
    if (FMaxLevel > 0 && FItems.Count() >= FMaxLevel)
        DropOldestStep();
    auto* item = static_cast<TUndoRedoItem*>(FItems.Add());
    item->SetCol(aCol);
    item->SetRow(aRow);
    item->SetValue(newValue);
    item->SetOrigValue(oldValue);
    FLevel = FItems.Count();
}

void TDudOderUndoRedo::AppendMarker(bool start)
{
    auto* item = static_cast<TUndoRedoItem*>(FItems.Add());
    item->SetSequenceStart(start);
    item->SetSequenceStop(!start);
    FLevel = FItems.Count();
}

void TDudOderUndoRedo::StartSequence() { AppendMarker(true); }
void TDudOderUndoRedo::StopSequence() { AppendMarker(false); }

void TDudOderUndoRedo::ApplyItem(const TUndoRedoItem& item, const String& text, const TDudOderUndoRedoEvent& event)
{
    if (event)
        event(this, FGrid, item.Col(), item.Row(), FGrid->GetCellEx(item.Col(), item.Row()), text);
    FGrid->SetCellEx(item.Col(), item.Row(), text);
    FGrid->SetCol(FGrid->DisplColIndex(item.Col()));
    FGrid->SetRow(item.Row());
}

// Markers are never written to the grid: a start marker met on its own (a
// sequence still open) is only stepped over.
void TDudOderUndoRedo::Undo()
{
    if (!FGrid || FLevel <= 0 || FItems.Count() < FLevel)
        return;
    const TUndoRedoItem& last = *FItems.Items(FLevel - 1);
    if (last.SequenceStop()) {
        --FLevel;
        while (FLevel > 0 && !FItems.Items(FLevel - 1)->SequenceStart()) {
            const TUndoRedoItem& item = *FItems.Items(FLevel - 1);
            if (!item.IsMarker())
                ApplyItem(item, item.OrigValue(), OnUndo);
            --FLevel;
        }
        if (FLevel > 0)
            --FLevel;
        FGrid->Invalidate();
    } else if (last.SequenceStart()) {
        --FLevel;
    } else {
        ApplyItem(last, last.OrigValue(), OnUndo);
        FGrid->RepaintCell(FGrid->Col(), last.Row());
        --FLevel;
    }
}

// A sequence redoes up to its stop marker, or to the end of the list when it
// was never closed; every change it passes is written.
void TDudOderUndoRedo::Redo()
{
    if (!FGrid || FLevel < 0 || FLevel >= FItems.Count())
        return;
    const TUndoRedoItem& next = *FItems.Items(FLevel);
    ++FLevel;
    if (next.SequenceStart()) {
        while (FLevel < FItems.Count()) {
            const TUndoRedoItem& item = *FItems.Items(FLevel);
            ++FLevel;
            if (item.SequenceStop())
                break;
            if (!item.IsMarker())
                ApplyItem(item, item.Value(), OnRedo);
        }
        FGrid->Invalidate();
    } else if (!next.IsMarker()) {
        ApplyItem(next, next.Value(), OnRedo);
    }
}

// Nothing is left to undo or redo, and CanUndo says so.
void TDudOderUndoRedo::Reset()
{
    FItems.Clear();
    FLevel = 0;
}
