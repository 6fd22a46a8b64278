#include "grid/DudOder.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/VidEri_Options.h"
#include "grid/base/zuzcheck.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/Menus.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <functional>
#include <memory>

namespace {

// A grid refers to components it does not own. Each case destroys the
// component first and then paints and works the grid, which must neither
// keep the reference nor reach the component (the address sanitizer fails
// the run on any use of the freed one).
class GridReferencesTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TDudStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 380, 260);
        Grid->SetCells(1, 1, QStringLiteral("<IMG src=\"idx:0\"><B>images</B>"));
        Grid->SetCells(2, 1, QStringLiteral("<IMG src=\"logo\"><B>pictures</B>"));
        Form->Show();
        QApplication::processEvents();
    }

    void Repaint()
    {
        TBitmap image;
        GrabControl(*Grid, image);
    }

    std::unique_ptr<TForm> Form;
    TDudStringGrid* Grid = nullptr;
};

TEST_F(GridReferencesTest, DestroyedComponentsAreForgotten)
{
    struct Case {
        const char* name;
        std::function<TComponent*(TDudStringGrid&, TComponent* owner)> refer;
        std::function<bool(TDudStringGrid&)> referred;
    };
    const Case cases[] = {
        { "image list",
            [](TDudStringGrid& g, TComponent* owner) {
                auto* images = new TImageList(owner, 16, 16);
                TBitmap picture;
                picture.SetSize(16, 16);
                images->Add(picture);
                g.SetGridImages(images);
                return images;
            },
            [](TDudStringGrid& g) { return g.GridImages() != nullptr; } },
        { "picture container",
            [](TDudStringGrid& g, TComponent* owner) {
                auto* pictures = new TPictureContainer(owner);
                g.SetPictureContainer(pictures);
                return pictures;
            },
            [](TDudStringGrid& g) { return g.PictureContainer() != nullptr; } },
        { "cell checker",
            [](TDudStringGrid& g, TComponent* owner) {
                auto* checker = new ZEziZizuvoVovaZevaz(owner);
                checker->SetAutoCorrect(true);
                g.SetCellChecker(checker);
                return checker;
            },
            [](TDudStringGrid& g) { return g.CellChecker() != nullptr; } },
        { "header menu",
            [](TDudStringGrid& g, TComponent* owner) {
                auto* menu = new TPopupMenu(owner);
                g.SetFixedDropDownMenu(menu);
                return menu;
            },
            [](TDudStringGrid& g) { return g.FixedDropDownMenu() != nullptr; } },
        { "grid kept in step",
            [](TDudStringGrid& g, TComponent* owner) {
                auto* partner = new TDudStringGrid(owner);
                g.SyncGrid().SetGrid(partner);
                g.SyncGrid().SetSelectionRow(true);
                g.SyncGrid().SetSelectionColumn(true);
                return partner;
            },
            [](TDudStringGrid& g) { return g.SyncGrid().Grid() != nullptr; } },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        TComponent owner(nullptr);
        TComponent* component = entry.refer(*Grid, &owner);
        ASSERT_TRUE(entry.referred(*Grid));
        Repaint();
        delete component;
        EXPECT_FALSE(entry.referred(*Grid));
        Repaint();
        Grid->SetRow(3);
        Grid->SetCol(2);
        Repaint();
    }
}

// The owner of a referenced component may go first, taking it along.
TEST_F(GridReferencesTest, ComponentsFreedWithTheirOwnerAreForgotten)
{
    {
        TComponent owner(nullptr);
        Grid->SetGridImages(new TImageList(&owner, 16, 16));
        Grid->SetPictureContainer(new TPictureContainer(&owner));
        auto* partner = new TDudStringGrid(&owner);
        Grid->SyncGrid().SetGrid(partner);
        Grid->SyncGrid().SetSelectionRow(true);
    }
    EXPECT_EQ(Grid->GridImages(), nullptr);
    EXPECT_EQ(Grid->PictureContainer(), nullptr);
    EXPECT_EQ(Grid->SyncGrid().Grid(), nullptr);
    Grid->SetRow(4);
    Repaint();
}

// A grid replaced as a reference is no longer watched: its end changes
// nothing in the grid that refers to its successor.
TEST_F(GridReferencesTest, AReplacedReferenceIsNoLongerWatched)
{
    auto first = std::make_unique<TImageList>(nullptr, 16, 16);
    auto second = std::make_unique<TImageList>(nullptr, 16, 16);
    Grid->SetGridImages(first.get());
    Grid->SetGridImages(second.get());
    first.reset();
    EXPECT_EQ(Grid->GridImages(), second.get());
    second.reset();
    EXPECT_EQ(Grid->GridImages(), nullptr);
}

// Two grids kept in step with each other may end in either order.
TEST(GridSyncPartnersTest, EitherGridMayEndFirst)
{
    for (const bool firstEndsFirst : { true, false }) {
        SCOPED_TRACE(firstEndsFirst);
        auto first = std::make_unique<TDudStringGrid>(nullptr);
        auto second = std::make_unique<TDudStringGrid>(nullptr);
        first->SyncGrid().SetGrid(second.get());
        second->SyncGrid().SetGrid(first.get());
        first->SyncGrid().SetSelectionRow(true);
        second->SyncGrid().SetSelectionRow(true);
        if (firstEndsFirst) {
            first.reset();
            EXPECT_EQ(second->SyncGrid().Grid(), nullptr);
            second->SetRow(2);
        } else {
            second.reset();
            EXPECT_EQ(first->SyncGrid().Grid(), nullptr);
            first->SetRow(2);
        }
    }
}

} // namespace
