// The title screen: the answer four seconds after each request at any frame
// rate, the panel and its three lines as the node's parameters and the
// settings place them, and removal by 200 or by the end of the object.
#include "00_title.h"
#include "HeadlessEngine.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <gtest/gtest.h>

#include <memory>

namespace
{
using tq::HeadlessEngine;
using tq::RecordingScript;

class Title : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine.reset(new HeadlessEngine());
        gApp.mOverlaySystem = new Ogre::OverlaySystem();
        // A text-area template needs a font, which the headless engine
        // cannot load: a panel template gives the lines their defaults.
        Ogre::OverlayManager::getSingleton().createOverlayElement("Panel", "Comment", true);
        for (const char* name : {"00_title", "00_title/text1", "00_title/text2", "00_title/text3"})
        {
            Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
            m->getTechnique(0)->getPass(0)->createTextureUnitState();
        }
        requester = engine->addRecorder("requester");
        title = engine->addObject("00_title", "00_title.sc");
        title->mParams["pos_y"] = "0.1";
        title->mParams["size"] = "0.8";
        engine->frame();
        RecordingScript::calls().clear();
    }

    /// The 200s the requester got from the title.
    std::vector<std::string> answers() const
    {
        std::vector<std::string> result;
        for (const std::string& call : RecordingScript::callsOf("requester"))
            if (call.find(',') != std::string::npos)
                result.push_back(call);
        return result;
    }
    static float alphaOf(const char* material)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
        return m->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getAlphaBlendMode().alphaArg2;
    }
    static Ogre::Overlay* overlay() { return Ogre::OverlayManager::getSingleton().getByName("TitleOverlay"); }

    tq::TempDir dir;
    std::unique_ptr<HeadlessEngine> engine;
    CObject* requester = nullptr;
    CObject* title = nullptr;
};

TEST_F(Title, EachRequestIsAnsweredFourSecondsLaterAtAnyFrameRate)
{
    const std::string expected = "ON_NOTIFY(200," + std::to_string(title->getHandle()) + ")";
    for (float frame : {0.015f, 0.1f, 0.5f, 0.015f})
    {
        SCOPED_TRACE(frame);
        RecordingScript::calls().clear();
        engine->notify(title, 100, requester);
        engine->frame(frame);
        const uint32_t requested = gApp.mGameClock;
        while (answers().empty() && gApp.mGameClock - requested < 10000)
            engine->frame(frame);
        const uint32_t elapsed = gApp.mGameClock - requested;
        // Sent in the first frame past four seconds, received one frame on.
        EXPECT_GT(elapsed, 4000u);
        EXPECT_LE(elapsed, 4000u + 2u * static_cast<uint32_t>(frame * 1000.0f));
        EXPECT_EQ(answers(), std::vector<std::string>{expected});
        for (const char* material : {"00_title", "00_title/text1", "00_title/text2", "00_title/text3"})
            EXPECT_EQ(alphaOf(material), 1.0f) << material;
        engine->frames(20, frame);
        EXPECT_EQ(answers().size(), 1u);
        EXPECT_TRUE(overlay()->isVisible());
        // Gone again; the next request builds it anew.
        engine->notify(title, 200);
        engine->frame(frame);
        EXPECT_EQ(overlay(), nullptr);
    }
}

TEST_F(Title, PanelAndLinesFollowSizePositionAndSettings)
{
    CVirtualScript::setConfigI("title_VINDALS_char_size", 0);
    gApp.mAppState.mOptions["title_VINDALS_char_size"].value = "0.2";
    engine->notify(title, 100, requester);
    engine->frame();
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(overlay()->getZOrder(), 150);
    Ogre::OverlayContainer* panel = overlay()->getChild("TitlePicture");
    ASSERT_NE(panel, nullptr);
    EXPECT_FLOAT_EQ(panel->getLeft(), 0.5f - 0.8f * 0.25f);
    EXPECT_FLOAT_EQ(panel->getTop(), 0.1f);
    EXPECT_FLOAT_EQ(panel->getWidth(), 0.8f * 0.5f);
    EXPECT_FLOAT_EQ(panel->getHeight(), 0.8f * 0.333f);
    EXPECT_EQ(panel->getMaterialName(), "00_title");

    struct Line
    {
        const char* name;
        float y;
        float height;
        float grey;
    };
    const Line lines[] = {{"TitleText1", 0.085f, 0.073f, 0.0f}, {"TitleText2", 0.14f, 0.2f, 0.0f},
                          {"TitleText3", 0.24f, 0.07f, 1.0f}};
    for (const Line& line : lines)
    {
        SCOPED_TRACE(line.name);
        auto* text = dynamic_cast<Ogre::TextAreaOverlayElement*>(panel->getChild(line.name));
        ASSERT_NE(text, nullptr);
        EXPECT_FLOAT_EQ(text->getLeft(), 0.8f * 0.25f);
        EXPECT_FLOAT_EQ(text->getTop(), line.y * 0.8f);
        EXPECT_FLOAT_EQ(text->getCharHeight(), line.height * 0.8f);
        EXPECT_EQ(text->getColourTop(), Ogre::ColourValue(line.grey, line.grey, line.grey, 1.0f));
        EXPECT_EQ(text->getColourBottom(), Ogre::ColourValue(line.grey, line.grey, line.grey, 1.0f));
    }
    EXPECT_TRUE(overlay()->isVisible());
    // The fade starts with the next frame: 16 ms make 0.008.
    EXPECT_EQ(alphaOf("00_title"), 0.0f);
    engine->frame();
    EXPECT_FLOAT_EQ(alphaOf("00_title"), 0.008f);

    // The end of the object removes the title; a 200 before it is harmless.
    engine->notify(title, 200);
    engine->frame();
    EXPECT_EQ(overlay(), nullptr);
    CMessage destroy;
    destroy.target = title;
    destroy.type = MSG_DESTROY;
    gApp.postMessage(destroy);
    engine->frames(3);
    EXPECT_EQ(overlay(), nullptr);
    EXPECT_TRUE(answers().empty());
}

TEST_F(Title, A200BeforeAnyRequestDoesNothing)
{
    engine->notify(title, 200, requester);
    engine->frames(300, 0.02f);
    EXPECT_EQ(overlay(), nullptr);
    EXPECT_TRUE(answers().empty());
}
} // namespace
