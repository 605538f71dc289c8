// The logo screens: the stages of the splash pictures and of the 3D logo
// up to the menu scene, the skips by click and Escape, the notification
// that starts the white flash, and a game without any splash picture.
#include "00_logo.h"
#include "HeadlessEngine.h"
#include "Input.h"
#include "TestSupport.h"

#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace
{
using tq::HeadlessEngine;

/// 20 ms frames, short enough for every step of the white flash.
const float kFrame = 0.02f;

class Logo : public ::testing::Test
{
protected:
    /// The engine with splash pictures 01 .. count in its resources.
    void start(int count)
    {
        std::system(("mkdir -p '" + dir.file("media") + "'").c_str());
        for (int i = 1; i <= count; ++i)
            tq::writeFile(dir.file("media/splash_0" + std::to_string(i) + ".jpg"), "x");
        tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=" + dir.file("media") + "\n");
        engine.reset(new HeadlessEngine(dir.file("resources.cfg")));
        // Texture names on materials need a texture manager; OGRE's own
        // one loads nothing, which is all the names need here.  It stays
        // until the program ends, after the materials that name textures.
        new Ogre::DefaultTextureManager();
        gApp.mInput = new CInput(nullptr, -1, std::string());
        for (const char* name : {"logo/title", "logo/black"})
        {
            Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create(name, "General");
            m->getTechnique(0)->getPass(0)->createTextureUnitState();
        }
        object = engine->addObject("00_logo", "00_logo.sc");
        engine->frame(kFrame);
        logo = HeadlessEngine::scriptOf<sc_00_logo>(object);
        ASSERT_NE(logo, nullptr);
    }
    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
        engine.reset();
    }

    /// "stage/mode" after every frame, repeats left out, until the menu
    /// scene is posted (then "menu") or maxFrames have run.
    std::vector<std::string> runToMenu(int maxFrames, int* frames = nullptr)
    {
        std::vector<std::string> seen;
        for (int i = 1; i <= maxFrames; ++i)
        {
            engine->frame(kFrame);
            std::string now = std::to_string(logo->stage) + "/" + std::to_string(logo->mode);
            for (const CMessage& msg : gApp.mMessages)
                if (msg.type == MSG_LOADSCENE && std::string(msg.sceneName()) == "00_interface_start.scene")
                    now = "menu";
            if (seen.empty() || seen.back() != now)
                seen.push_back(now);
            if (now == "menu")
            {
                gApp.mMessages.clear();
                if (frames)
                    *frames = i;
                break;
            }
        }
        return seen;
    }
    static float alphaOf(const char* material)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
        return m->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getAlphaBlendMode().alphaArg2;
    }
    static std::string textureOf(const char* material)
    {
        Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().getByName(material);
        return m->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getTextureName();
    }

    tq::TempDir dir;
    std::unique_ptr<HeadlessEngine> engine;
    CObject* object = nullptr;
    sc_00_logo* logo = nullptr;
};

TEST_F(Logo, SplashesThenTheLogoThenTheMenu)
{
    start(2);
    EXPECT_EQ(alphaOf("logo/black"), 1.0f);
    int frames = 0;
    const std::vector<std::string> seen = runToMenu(2000, &frames);
    // Each picture: in (2 s), held (5 s), out (2 s); then the veil lifts
    // over the logo, whose figures cannot play here, so the flash follows
    // the veil; the white turns the figures into the logo, which is held
    // and sinks into black.
    EXPECT_EQ(seen, (std::vector<std::string>{"1/0", "2/0", "3/0", "0/0", "1/0", "2/0", "3/0", "0/1", "99/1", "1/1",
                                              "1/2", "2/3", "3/3", "menu"}));
    const std::string log = engine->log();
    const size_t first = log.find("logo splash_01.jpg");
    EXPECT_NE(first, std::string::npos);
    EXPECT_NE(log.find("logo splash_02.jpg", first), std::string::npos);
    // 2 x 9 s of pictures, 2 s of veil, about 1 s of flash, 5 s held, 1 s out.
    EXPECT_GE(frames * kFrame, 26.0f);
    EXPECT_LE(frames * kFrame, 29.0f);
    EXPECT_EQ(alphaOf("logo/black"), 1.0f);
    EXPECT_EQ(textureOf("logo/title"), "00_white.jpg");
    for (const char* name : {"00_strelka", "00_belka", "00_hb_logo"})
        EXPECT_NE(log.find(std::string("\nWARNING: Can't find object [") + name + "] by name!"), std::string::npos);
}

TEST_F(Logo, WithoutSplashPicturesTheLogoComesAtOnce)
{
    start(0);
    const std::vector<std::string> seen = runToMenu(1000);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "99/1");
    EXPECT_EQ(seen.back(), "menu");
    EXPECT_NE(engine->log().find("\nWARNING: 00_logo: no splash picture splash_01.jpg"), std::string::npos);
}

TEST_F(Logo, AHeldClickSkipsOnceAtTheReleaseAndEscapeSkipsTheLogo)
{
    start(1);
    engine->frames(3, kFrame);
    ASSERT_EQ(logo->stage, 1);
    gApp.mInput->mLeftDown = true;
    engine->frames(5, kFrame);
    EXPECT_EQ(logo->stage, 1);
    gApp.mInput->mLeftDown = false;
    engine->frame(kFrame);
    EXPECT_EQ(logo->stage, 3);
    // A second click while the picture sinks changes nothing.
    gApp.mInput->mLeftDown = true;
    engine->frame(kFrame);
    gApp.mInput->mLeftDown = false;
    engine->frame(kFrame);
    EXPECT_EQ(logo->stage, 3);
    while (logo->stage != 99)
        engine->frame(kFrame);
    engine->frames(10, kFrame);

    // Escape during the 3D logo: straight into black and to the menu,
    // without the white flash.
    gApp.mInput->mKeyDown[1] = 1;
    engine->frame(kFrame);
    gApp.mInput->mKeyDown[1] = 0;
    const std::vector<std::string> seen = runToMenu(20);
    EXPECT_EQ(seen, (std::vector<std::string>{"3/1", "menu"}));
}

TEST_F(Logo, TheFiguresEndStartsTheFlashAndASkipThereFadesOutAtItsSpeed)
{
    start(1);
    // A notification outside the 3D logo is ignored.
    engine->frames(2, kFrame);
    engine->notify(object, 1);
    engine->frame(kFrame);
    EXPECT_EQ(logo->stage, 1);
    EXPECT_EQ(logo->mode, 0);
    while (logo->stage != 99)
        engine->frame(kFrame);
    // The end of the figures' animation, before the veil has lifted.
    engine->notify(object, 7);
    engine->frame(kFrame);
    EXPECT_EQ(logo->stage, 1);
    EXPECT_EQ(logo->mode, 1);
    EXPECT_EQ(logo->speed, 10.0f);
    EXPECT_EQ(textureOf("logo/title"), "00_white.jpg");

    // A skip in the rising flash sinks from there at the flash's speed,
    // 0.2 a frame: gone in the frame after the skip.
    const float fade = logo->fade;
    EXPECT_GT(fade, 0.0f);
    EXPECT_LT(fade, 0.5f);
    gApp.mInput->mKeyDown[1] = 1;
    engine->frame(kFrame);
    gApp.mInput->mKeyDown[1] = 0;
    engine->frame(kFrame);
    const std::vector<std::string> seen = runToMenu(3);
    EXPECT_EQ(seen.back(), "menu");
}
} // namespace
