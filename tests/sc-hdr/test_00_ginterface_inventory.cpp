// The inventory of the in-game interface on the headless engine: items put
// into the first free slot with their counters and saved variables, the
// slot sliding up before its item may be taken, picture layers fading on
// their material passes, picking an item up with the mouse, dragging it
// onto a hot spot or back, carrying it, and a used item fading out while
// the row closes up behind it.
#include "GInterfaceFixture.h"

#include <gtest/gtest.h>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Inventory : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "00_hint", "01_cam_move", "journal", "interface", "00_pauser"});
        start();
        notify(555);
        notify(550);
        gi->menuShowAll(0);
        ticks(12);
        forgetTold();
    }
    /// The middle of a slot's picture as it lies now, with the cursor put
    /// there first (the lens changes the picture under the cursor).
    vec3 middle(int slot)
    {
        for (int i = 0; i < 2; ++i)
        {
            const GI::___OVERLAY& p = gi->slots[slot].picture;
            mouse(p.scrPos.x + p.scrSize.x / 2, p.scrPos.y + p.scrSize.y / 2, mInput->mLeftDown);
        }
        const GI::___OVERLAY& p = gi->slots[slot].picture;
        return vec3(p.scrPos.x + p.scrSize.x / 2, p.scrPos.y + p.scrSize.y / 2, 0);
    }
    void add(int id, int ready = 1)
    {
        gi->invAddTask(id, 0, ready, 0, 0);
        ticks(11); // the slot has slid up
    }
};

TEST_F(Inventory, ItemsTakeTheFirstFreeSlotsWithTheirCounters)
{
    gi->invAddTask(102, 3, 0, 5, 0);
    EXPECT_EQ(var("item_00_id"), 102);
    EXPECT_EQ(var("item_00_max"), 5);
    EXPECT_EQ(var("item_00_num"), 3);
    EXPECT_EQ(var("item_00_ready_to_use"), 0);
    EXPECT_EQ(gi->counters[0].wanted, 1);
    EXPECT_EQ(gi->menus[3].items[0].disabled, 0);
    EXPECT_EQ(gi->menus[3].items[GI::ID_COUNTER0].disabled, 0);

    // The same item again changes nothing.
    gi->invAddTask(102, 1, 1, 9, 0);
    EXPECT_EQ(var("item_00_max"), 5);
    EXPECT_EQ(gi->slots[0].ready, 0);
    EXPECT_EQ(gi->slots[1].used, 0);

    // One of a kind gets no counter.
    gi->invAddTask(101, 1, 1, 1, 0);
    EXPECT_EQ(gi->slots[1].id, 101);
    EXPECT_EQ(gi->counters[1].wanted, 0);

    for (int id = 103; id <= 110; ++id)
        gi->invAddTask(id, 0, 1, 0, 0);
    EXPECT_EQ(var("item_09_id"), 110);
    gi->invAddTask(111, 0, 1, 0, 0); // the row is full
    for (int i = 0; i < GI::kSlots; ++i)
        EXPECT_NE(gi->slots[i].id, 111);
    EXPECT_EQ(var("item_09_id"), 110);

    EXPECT_EQ(gi->existItem(105), 1);
    EXPECT_EQ(gi->readyItem2(102), 0);
    EXPECT_EQ(gi->readyItem2(105), 1);
    EXPECT_EQ(gi->readyItem2(300), 0);
}

TEST_F(Inventory, PictureLayersFadeOnTheirPasses)
{
    material("00_ginterface/item/102", 8);
    material("00_ginterface/item/205", 12);
    gi->invAddTask(102, 3, 0, 3, 0);
    gi->invAddTaskPart(102, 1);
    gi->invAddTaskPart(102, 2);
    ticks(4); // 2 a second: half faded in
    EXPECT_EQ(gi->slots[0].layerCount, 3);
    // The plain picture fades by its colour, the parts by their alpha.
    EXPECT_NEAR(unit("00_ginterface/item/102", 0)->getColourBlendMode().colourArg2.r, 0.4f, 1e-4f);
    EXPECT_NEAR(unit("00_ginterface/item/102", 2)->getAlphaBlendMode().alphaArg2, 0.4f, 1e-4f);
    EXPECT_NEAR(unit("00_ginterface/item/102", 4)->getAlphaBlendMode().alphaArg2, 0.4f, 1e-4f);
    EXPECT_NEAR(unit("00_ginterface/item/102", 6)->getAlphaBlendMode().alphaArg2, 0.0f, 1e-4f);
    ticks(8);
    EXPECT_TRUE(shown("__InvPanel_00"));

    // A usable item swaps its plain layer for the usable one.
    gi->invMakeItemUsable(102);
    gi->invMakePassUsable(102);
    EXPECT_EQ(gi->slots[0].ready, 1);
    EXPECT_EQ(var("item_00_need_counter"), 0);
    EXPECT_EQ(gi->slots[0].layers[3].pass, 1);
    EXPECT_EQ(gi->slots[0].layers[0].state, 3);
    gi->invAddTask(205, 1, 1, 1, 0);
    gi->invMakePassUsable(205);
    EXPECT_EQ(gi->slots[1].layers[1].pass, 5);

    // Seven layers do not fit into six.
    for (int p = 0; p < 6; ++p)
        gi->invAddTaskPart(205, 1);
    EXPECT_EQ(gi->slots[1].layerCount, GI::kLayers);
    EXPECT_NE(engine.log().find("item 205 has no room for layer"), std::string::npos);
}

TEST_F(Inventory, AReadyItemIsTakenUpOnceItsSlotHasSlidIn)
{
    gi->invAddTask(101, 0, 1, 0, 0);
    gi->invAddTask(102, 0, 0, 0, 0);
    const vec3 at = middle(0); // the slot is still sliding
    mouse(at.x, at.y, true);
    EXPECT_EQ(gi->attachedItemId, 0);
    mouse(at.x, at.y, false);
    ticks(11);

    // An item that is not ready stays where it is.
    const vec3 other = middle(1);
    mouse(other.x, other.y, true);
    mouse(other.x, other.y, false);
    EXPECT_EQ(gi->attachedItemId, 0);
    EXPECT_EQ(gi->hoveredItem, -1);

    // A press exactly on the picture's edge is outside it.
    const GI::___OVERLAY& p = gi->slots[0].picture;
    EXPECT_FALSE(GI::isInside(p.scrPos, p.scrSize, p.scrPos));
    const vec3 on = middle(0);
    EXPECT_EQ(gi->hoveredItem, 101);
    mouse(on.x, on.y, true);
    EXPECT_EQ(gi->attachedItemId, 101);
    EXPECT_EQ(CVirtualScript::getConfigI("drag_item"), 101);
    EXPECT_EQ(gi->dragState, 1);
}

TEST_F(Inventory, AnItemLetGoOverAHotSpotIsReadOnceAndFliesBack)
{
    add(101);
    const vec3 at = middle(0);
    mouse(at.x, at.y, true);
    mouse(0.5f, 0.4f, true); // dragged into the scene
    EXPECT_EQ(gi->dragState, 2);
    // The picture eases to just below and right of the cursor.
    ticks(7);
    EXPECT_NEAR(gi->slots[0].picture.scrPos.x, 0.52f, 1e-4f);
    EXPECT_NEAR(gi->slots[0].picture.scrPos.y, 0.42f, 1e-4f);

    mouse(0.5f, 0.4f, false); // let go over a hot spot
    EXPECT_EQ(gi->attachedItemId, 0);
    EXPECT_EQ(CVirtualScript::getConfigI("drag_item"), 0);
    EXPECT_EQ(gi->slots[0].flyKind, 1);
    // The hot spot's 777 sees the item once; the next sees none.
    EXPECT_EQ(gi->mouseGetLastId(), 101);
    EXPECT_EQ(gi->mouseGetLastId(), 0);
    ticks(21);
    EXPECT_EQ(gi->slots[0].flyKind, 0);
}

TEST_F(Inventory, ADraggedItemLetGoOverTheBarGoesBackWithoutPressingAButton)
{
    add(101);
    struct Case
    {
        const char* label;
        float x, y;
        const char* spy;
        Told told;
    };
    const Case cases[] = {
        {"over the journal", 0.06f, 0.95f, "journal", {}},
        {"over a turn arrow", 0.02f, 0.5f, "01_cam_move", {"7770 from 00_game_interface"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.label);
        gi->activateGinterface();
        ticks(22);
        const vec3 at = middle(0);
        mouse(at.x, at.y, true);
        mouse(0.5f, 0.5f, true);
        mouse(c.x, c.y, true);
        ticks(7); // the picture has eased off the cursor
        mouse(c.x, c.y, false);
        engine.frames(1);
        EXPECT_EQ(gi->attachedItemId, 0);
        EXPECT_EQ(told(c.spy), c.told);
        EXPECT_EQ(gi->slots[0].flyKind, 1);
    }
}

TEST_F(Inventory, ACarriedItemStaysOnTheMouseUntilPutBack)
{
    add(101);
    const vec3 at = middle(0);
    mouse(at.x, at.y, true);
    mouse(at.x, at.y, false); // picked by a click
    EXPECT_EQ(gi->dragState, 3);
    mouse(0.5f, 0.3f, false);
    ticks(7); // the picture has eased off the cursor
    clickAt(0.5f, 0.3f); // a click in the scene
    EXPECT_EQ(gi->attachedItemId, 101);
    EXPECT_EQ(gi->mouseGetLastId(), 101);

    // A right-button press sends it back.
    mInput->mRightDown = true;
    ticks(1);
    mInput->mRightDown = false;
    ticks(1);
    EXPECT_EQ(gi->attachedItemId, 0);
    EXPECT_EQ(gi->slots[0].flyKind, 1);

    // So does a press on the item itself while it eases to the cursor.
    ticks(22);
    middle(0);
    mInput->mLeftDown = true;
    engine.frames(1);
    EXPECT_EQ(gi->attachedItemId, 101);
    for (bool down : {false, true})
    {
        mInput->mLeftDown = down;
        engine.frames(1);
    }
    EXPECT_EQ(gi->attachedItemId, 0);
    EXPECT_EQ(gi->slots[0].flyKind, 1);
}

TEST_F(Inventory, AUsedItemFadesAndTheRowClosesUp)
{
    for (int id = 101; id <= 110; ++id)
        gi->invAddTask(id, 0, 1, 0, 0);
    gi->invAddTask(110, 0, 1, 0, 0);
    gi->counterSetMax(9, 4);
    gi->counterSetCount(9, 2, 0.0f);
    ticks(11);
    const float x1 = gi->menus[3].items[1].main.pos0.x;
    const float x0 = gi->menus[3].items[0].main.pos0.x;

    gi->invRemoveTask(101);
    EXPECT_EQ(var("item_00_id"), 0);
    EXPECT_EQ(gi->slots[0].removing, 1);
    EXPECT_EQ(gi->menus[3].items[0].disabled, 1);
    ticks(11); // the slot slid out in half a second: the row closes up
    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(gi->slots[i].id, 102 + i);
        EXPECT_EQ(var("item_0" + std::to_string(i) + "_id"), 102 + i);
        EXPECT_EQ(gi->menus[3].items[i].disabled, 0);
    }
    EXPECT_EQ(gi->slots[9].used, 0);
    EXPECT_EQ(var("item_09_id"), 0);
    EXPECT_EQ(gi->menus[3].items[9].disabled, 1);
    // The counter went along with its item.
    EXPECT_EQ(var("item_08_max"), 4);
    EXPECT_EQ(var("item_08_num"), 2);
    EXPECT_EQ(gi->counterGetCount(8), 2);
    // Each item slides from its old place.
    EXPECT_NEAR(gi->menus[3].items[0].ampX, x1 - x0, 1e-6f);
    EXPECT_GT(gi->menus[3].items[0].shift, 0.5f);
    ticks(11);
    EXPECT_EQ(gi->menus[3].items[0].shift, 0.0f);
    EXPECT_EQ(gi->menus[3].items[0].ampX, 0.0f);
}
} // namespace

namespace
{
// An item found while all ten slots are taken is kept, with what was found
// of it meanwhile, and takes the first slot that comes free.
TEST_F(Inventory, AnItemFoundWithAFullRowWaitsForTheFirstFreeSlot)
{
    CObject* piece = prop("01_az_piece");
    for (int id = 101; id <= 110; ++id)
        gi->invAddTask(id, 0, 1, 0, 0);
    ticks(11);
    gi->threadAdd();
    gi->taskAddFindObj1(111, "01_az_piece", 1, 1);
    gi->taskSetStartWithoutImage(1);
    gi->threadStart(gi->threads[0]);
    notify(777, piece);
    EXPECT_NE(engine.log().find("the inventory is full; item 111 waits for a free slot"), std::string::npos);
    EXPECT_EQ(gi->threads[0].cur_task, 1); // found: the story goes on
    EXPECT_EQ(gi->existItem(111), 0);

    gi->invRemoveTask(101);
    ticks(11); // the row closes up and the found item takes the free slot
    EXPECT_EQ(gi->slots[9].id, 111);
    EXPECT_EQ(var("item_09_id"), 111);
    EXPECT_EQ(gi->existItem(111), 1);
    EXPECT_EQ(gi->readyItem2(111), 1);
    EXPECT_TRUE(gi->waitingItems.empty());
}
} // namespace
