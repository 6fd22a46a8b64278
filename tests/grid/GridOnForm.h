#pragma once

#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdint>
#include <memory>

// A grid of type TGrid at the top-left corner of a form of its own, for the
// tests that drive a grid as it stands on screen.
template <class TGrid>
class GridOnFormTest : public testing::Test {
protected:
    // The form and the grid in it, not shown yet.
    void MakeGrid(int32_t formWidth, int32_t formHeight, int32_t gridWidth, int32_t gridHeight)
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, formWidth, formHeight);
        Grid = new TGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, gridWidth, gridHeight);
    }

    // Shows the form and lets its events run; with focusGrid the grid then
    // takes the focus.
    void ShowForm(bool focusGrid) const
    {
        Form->Show();
        QApplication::processEvents();
        if (!focusGrid)
            return;
        Grid->SetFocus();
        QApplication::processEvents();
    }

    // A left click near the control's top-left corner.
    static void ClickOn(TControl& control)
    {
        control.Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
        control.Perform(WM_LBUTTONUP, 0, PointToLParam({ 5, 5 }));
    }

    std::unique_ptr<TForm> Form;
    TGrid* Grid = nullptr;
};
