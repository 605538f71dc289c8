// The interface's small state: the item on the cursor as the play threads
// see it, the drag test, the close-up names kept for a continued game, the
// skip button's show states and the charge bar's fill.
#include "GInterfaceFixture.h"

#include <Overlay/OgrePanelOverlayElement.h>

#include <gtest/gtest.h>

namespace
{
using GI = sc_00_ginterface;

class State : public tq::GInterfaceFixture
{
protected:
    void SetUp() override
    {
        GInterfaceFixture::SetUp();
        spies({"00_loader", "00_hint", "interface"});
        start();
        notify(555);
    }
    static int dragItem() { return CVirtualScript::getConfigI("drag_item"); }
};

TEST_F(State, TheThreadsSeeADroppedItemOnceAndACarriedOneAlways)
{
    gi->mouseAttach(205);
    EXPECT_EQ(dragItem(), 205);
    EXPECT_EQ(gi->mouseGetLastId(), 205); // carried: every message sees it
    EXPECT_EQ(gi->mouseGetLastId(), 205);
    gi->mouseDetach();
    EXPECT_EQ(dragItem(), 0);
    EXPECT_EQ(gi->mouseGetLastId(), 205); // the drop, once
    EXPECT_EQ(gi->mouseGetLastId(), 0);
    EXPECT_EQ(gi->readyItem2(205), 0); // not in the inventory
}

TEST_F(State, ADragNeedsMoreThanATenthOfTheWindow)
{
    const struct
    {
        float dx, dy;
        int moved;
    } cases[] = {{0.05f, 0.05f, 0}, {0.07f, 0.07f, 0}, {0.08f, 0.07f, 1}, {0.0f, -0.2f, 1}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.dx) + ", " + std::to_string(c.dy));
        gi->pressX = 0.4f;
        gi->pressY = 0.5f;
        gi->cursorX = 0.4f + c.dx;
        gi->cursorY = 0.5f + c.dy;
        EXPECT_EQ(gi->mouseMoved(), c.moved);
    }
}

TEST_F(State, CloseUpsAreKeptByNameAndAGoneOneByNone)
{
    CObject* zone = prop("02_01_az_box_npz");
    engine.frame();
    gi->setNearPlaneObj(h(zone));
    EXPECT_EQ(CVirtualScript::getVarS("near_plane_obj"), "02_01_az_box_npz");
    gi->setNearPlaneObj(0);
    EXPECT_EQ(gi->nearPlaneObj, 0u);
    EXPECT_EQ(CVirtualScript::getVarS("near_plane_obj"), "");

    const OBJECT_HANDLE gone = h(zone);
    gApp.destroyObject(zone);
    engine.frame();
    gi->setNearPlaneObj2(gone);
    EXPECT_EQ(CVirtualScript::getVarS("near_plane_obj2"), "");
}

TEST_F(State, TheSkipButtonShowsAtOnceAndFadesOut)
{
    const GI::__MENU_ITEM& skip = gi->menus[3].items[GI::ID_SKIP];
    const GI::__MENU_ITEM& line = gi->menus[3].items[GI::ID_SKIP_LINE];
    gi->setSkipButtonVisible(2);
    EXPECT_EQ(skip.showState, 2);
    EXPECT_EQ(line.showState, 2);
    EXPECT_FLOAT_EQ(skip.showAlpha, 1.0f);
    EXPECT_FLOAT_EQ(line.showAlpha, 1.0f);
    gi->setSkipButtonVisible(3);
    ticks(30);
    EXPECT_EQ(skip.showState, 0);
    EXPECT_EQ(line.showState, 0);
    EXPECT_FLOAT_EQ(skip.showAlpha, 0.0f);
}

TEST_F(State, AHalfFilledBarShowsTheLeftHalfOfItsPicture)
{
    GI::___OVERLAY& bar = gi->menus[3].items[GI::ID_SKIP_LINE].main;
    gi->ovSetFill(bar, 0.5f);
    Ogre::OverlayElement* e = element(bar.sPan1);
    ASSERT_NE(e, nullptr);
    EXPECT_NEAR(e->getWidth(), 0.5f * bar.size.x, 1e-4f);
    Ogre::Real u1, v1, u2, v2;
    static_cast<Ogre::PanelOverlayElement*>(e)->getUV(u1, v1, u2, v2);
    EXPECT_FLOAT_EQ(u1, 0.0f);
    EXPECT_FLOAT_EQ(u2, 0.5f);
    EXPECT_FLOAT_EQ(v2, 1.0f);
}
} // namespace
