// The bonus, item changes and item pictures of the in-game interface: the
// bonus found and collected through a find task with its two tips, an item
// changing into another in its slot, a slot's saved variables cleared, the
// pictures registered per item, drawn once and again when the window comes
// back, the loader told when all are drawn, and the hover preview.
#include "GInterfaceFixture.h"

#include <OgreEntity.h>
#include <OgreSubEntity.h>

#include <gtest/gtest.h>

namespace
{
using tq::Told;
using GI = sc_00_ginterface;

class Items : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "00_hint", "interface", "00_movies", "01_cam_move"});
    }
    void play()
    {
        notify(555);
        notify(550);
        forgetTold();
    }
};

TEST_F(Items, TheBonusIsFoundCollectedAndLetsTheWaitingThreadGoOn)
{
    CObject* coin1 = prop("05_az_moneta_01");
    CObject* coin2 = prop("05_az_moneta_02");
    start();
    gi->threadAdd(0);
    gi->threadBonusTime(180);
    int rooms[] = {1, 1}, cams[] = {1, 2};
    gi->taskAddFindObjEx(512, "05_az_moneta", 2, rooms, cams, 1);
    gi->taskSetStartWithoutImage(1);
    gi->taskAddSetParam("all_bonus_picked", 1);
    gi->threadAdd();
    gi->taskAddGetParam("story_end", 1);
    gi->taskAddWaitBonus(512);
    gi->taskAddSetParam("after_bonus", 1);
    CVirtualScript::setVarI("help_num", 2);
    play();

    // The first coin puts the bonus into the inventory with its tip.
    notify(777, coin1);
    EXPECT_EQ(gi->existItem(512), 1);
    EXPECT_EQ(told("interface"), (Told{"15000 from 00_game_interface"}));
    EXPECT_EQ(var("bonus_item_id"), 512);
    EXPECT_EQ(var("bonus_id"), 0); // its slot
    EXPECT_EQ(gi->interfaceActive, 0);
    notify(25000, spy("interface")); // the tip closed
    EXPECT_EQ(gi->interfaceActive, 1);

    // The story's end asks whether to go on without the bonus; looking on
    // lets hints point at the coins.
    CVirtualScript::setVarI("story_end", 1);
    notify(1);
    EXPECT_EQ(told("interface"), (Told{"94 from 00_game_interface"}));
    notify(95, spy("interface"));
    EXPECT_EQ(var("bonus_help_on"), 1);
    EXPECT_EQ(var("thread_01_cur__TASK"), 1);
    EXPECT_EQ(gi->interfaceActive, 1);

    // The last coin: three more hints and the second tip; the thread waits.
    notify(777, coin2);
    EXPECT_EQ(var("bonus_picked_512"), 1);
    EXPECT_EQ(var("help_num"), 5);
    EXPECT_EQ(told("interface"), (Told{"15002 from 00_game_interface"}));
    EXPECT_EQ(var("thread_00_cur__TASK"), 0);
    EXPECT_EQ(var("bonus_thread"), 0);
    EXPECT_EQ(gi->interfaceActive, 0);

    notify(25002, spy("interface"));
    EXPECT_EQ(gi->interfaceActive, 1);
    EXPECT_EQ(var("all_bonus_picked"), 1);
    EXPECT_EQ(var("thread_00_cur__TASK"), 2);
    EXPECT_EQ(var("after_bonus"), 1); // the waiting thread saw it
    EXPECT_EQ(gi->slots[0].removing, 1);
}

TEST_F(Items, ItemsChangeAndSlotsAreCleared)
{
    material("00_ginterface/item/306");
    start();
    for (int id : {301, 302, 305})
        gi->invAddTask(id, 2, 1, 4, 0);
    gi->changeItem(305, 306);
    EXPECT_EQ(gi->slots[2].id, 306);
    EXPECT_EQ(var("item_02_id"), 306);
    EXPECT_EQ(element("__InvPanel_02")->getMaterialName(), "00_ginterface/item/306");
    EXPECT_EQ(var("item_02_max"), 4); // the count stays
    gi->changeItem(399, 400); // not held: nothing
    EXPECT_EQ(gi->existItem(400), 0);

    gi->ereaseItem(2);
    for (const char* key : {"item_02_id", "item_02_num", "item_02_ready_to_use", "item_02_need_counter"})
        EXPECT_EQ(var(key), 0) << key;
    EXPECT_EQ(var("item_02_max"), 4);
}

TEST_F(Items, PicturesAreRegisteredDrawnAndReportedOnce)
{
    for (const char* m : {"inv_key", "inv_key_black", "inv_box", "inv_box_black"})
        material(m);
    CObject* key = prop("inv_key");
    CObject* box = prop("inv_box");
    start();
    gi->addRttTask(101, "inv_key");
    gi->addRttTask2(205, "inv_box", 3);
    gi->setRttTextureSubmaterial(2);
    gi->addRttTask(106, "inv_missing");
    ASSERT_EQ(gi->rttCount, 6);
    EXPECT_EQ(gi->pictures[0].name, "00_inv_101_00_rtt");
    EXPECT_EQ(gi->pictures[0].mat, "inv_key_black");
    EXPECT_EQ(gi->pictures[0].id, 0);
    EXPECT_EQ(gi->pictures[1].name, "00_inv_101_01_rtt");
    EXPECT_EQ(gi->pictures[1].mat, "inv_key");
    EXPECT_EQ(gi->pictures[1].id, 101);
    EXPECT_EQ(gi->pictures[1].obj, h(key));
    EXPECT_EQ(gi->pictures[2].sub, 3);
    EXPECT_EQ(gi->pictures[3].sub, 2);
    EXPECT_EQ(gi->pictures[4].obj, 0u);
    EXPECT_NE(engine.log().find("Can't find object [inv_missing]"), std::string::npos);

    // All are drawn in the first tick; the loader hears of it in the next.
    forgetTold();
    engine.frames(1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(gi->pictures[i].rendered, 1) << i;
    EXPECT_EQ(box->getEntity()->getSubEntity(0)->getMaterialName(), "inv_box");
    EXPECT_EQ(key->getEntity()->getSubEntity(0)->getMaterialName(), "inv_key");
    engine.frames(3);
    EXPECT_EQ(told("00_loader"), (Told{"1111"}));

    // The window came back: everything is drawn again, and told no more.
    gi->ON_ACTIVATE();
    engine.frames(1);
    EXPECT_EQ(gi->pictures[0].rendered, 0);
    engine.frames(1);
    EXPECT_EQ(gi->pictures[0].rendered, 1);
    engine.frames(3);
    EXPECT_TRUE(told("00_loader").empty());
}

TEST_F(Items, WithoutPicturesTheLoaderIsToldAtOnce)
{
    start();
    engine.frames(2);
    EXPECT_EQ(told("00_loader"), (Told{"1111"}));
}

TEST_F(Items, TheHoveredItemsPictureTurns)
{
    material("inv_key");
    material("inv_key_black");
    CObject* key = prop("inv_key");
    CObject* other = prop("inv_box");
    start();
    gi->addRttTask(101, "inv_key");
    gi->addRttTask(102, "inv_box");
    play();
    gi->menuShowAll(0);
    gi->invAddTask(101, 0, 1, 0, 0);
    ticks(12);
    const Ogre::Quaternion before = key->getNode()->getOrientation();
    const GI::___OVERLAY& p = gi->slots[0].picture;
    mouse(p.scrPos.x + p.scrSize.x / 2, p.scrPos.y + p.scrSize.y / 2, false);
    mouse(p.scrPos.x + p.scrSize.x / 2, p.scrPos.y + p.scrSize.y / 2, false);
    EXPECT_EQ(gi->hoveredItem, 101);
    EXPECT_TRUE(visible(key));
    EXPECT_FALSE(visible(other));
    EXPECT_NEAR(gi->pictures[1].angle, 0.4f, 1e-4f); // 4 a second for two ticks
    EXPECT_FALSE(key->getNode()->getOrientation().equals(before, Ogre::Degree(1)));
    mouse(0.5f, 0.3f, false);
    EXPECT_FALSE(visible(key));
}
} // namespace
