// The parchment frame: 100 shows the overlay and its container, 200 hides
// them, each as often as asked, and a room without the overlay or without
// its container goes on.
#include "07_papirus.h"
#include "Loc7Fixture.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>

namespace
{
class Parchment : public tq::Loc7Fixture
{
protected:
    void overlayWith(bool withContainer)
    {
        Ogre::OverlayManager& om = Ogre::OverlayManager::getSingleton();
        overlay = om.create("CutSceneOverlay");
        if (!withContainer)
            return;
        container = static_cast<Ogre::OverlayContainer*>(om.createOverlayElement("Panel", "CutSceneContainer"));
        overlay->add2D(container);
        container->hide();
    }

    void say(int code)
    {
        engine->notify(self, code);
        engine->frames(2, kDt);
    }

    Ogre::Overlay* overlay = nullptr;
    Ogre::OverlayContainer* container = nullptr;
    CObject* self = nullptr;
};

TEST_F(Parchment, ShowsAndHidesOverlayAndContainerAsOftenAsAsked)
{
    overlayWith(true);
    self = scene("07_papirus", "07_papirus.sc");
    struct Case
    {
        int code;
        bool visible;
    };
    const Case cases[] = {{200, false}, {100, true}, {100, true}, {300, true}, {200, false}, {200, false}};
    for (const Case& c : cases)
    {
        say(c.code);
        EXPECT_EQ(overlay->isVisible(), c.visible) << c.code;
        EXPECT_EQ(container->isVisible(), c.visible) << c.code;
    }
}

TEST_F(Parchment, WithoutTheContainerTheOverlayStillShows)
{
    overlayWith(false);
    self = scene("07_papirus", "07_papirus.sc");
    engine->clearLog();
    say(100);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_NE(engine->log().find("WARNING: overlay [CutSceneOverlay] has no element [CutSceneContainer]"),
              std::string::npos);
}

TEST_F(Parchment, WithoutTheOverlayNothingHappens)
{
    self = scene("07_papirus", "07_papirus.sc");
    engine->clearLog();
    say(100);
    say(200);
    EXPECT_EQ(engine->log().find("ERROR"), std::string::npos);
    EXPECT_EQ(Ogre::OverlayManager::getSingleton().getByName("CutSceneOverlay"), nullptr);
}
} // namespace
