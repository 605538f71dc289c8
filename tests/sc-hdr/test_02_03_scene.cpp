// The end screen on the headless engine: the cursor off, the survey
// overlay fading in over 3.3 s, the menu's survey menu, and the new press
// after the fade that opens the survey link through the desktop's opener
// and ends the program.  The opener is a stand-in script found first (and
// only) on the PATH, so no browser starts.
#include "02_03_scene.h"
#include "SceneFixture.h"
#include "SpyNotes.h"

#include <OgreParticleEmitter.h>
#include <Overlay/OgreOverlay.h>

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>

namespace
{
using tq::Told;

class Scene0203 : public tq::SceneFixture
{
protected:
    void SetUp() override
    {
        SceneFixture::SetUp();
        overlays.reset(new tq::OverlayScope());
        Ogre::OverlayManager::getSingleton().create("surveyBuildScreenOverlay");
        material("surveyBuildScreen");
        spies({"interface", "00_game_interface"});
        scene = prop("02_03_scene", "02_03_scene.sc");
        engine.frame();

        // The desktop's opener: writes what it was given.
        const char* path = std::getenv("PATH");
        oldPath = path ? path : "";
        ::mkdir(dir.file("bin").c_str(), 0755);
        ASSERT_TRUE(tq::writeFile(dir.file("bin/xdg-open"),
                                  "#!/bin/sh\necho \"$1\" > '" + dir.file("opened.txt") + "'\n"));
        ::chmod(dir.file("bin/xdg-open").c_str(), 0755);
        ::setenv("PATH", dir.file("bin").c_str(), 1);
    }

    void TearDown() override
    {
        ::setenv("PATH", oldPath.c_str(), 1);
        SceneFixture::TearDown();
    }

    /// Puts the survey link beside the program.
    void linkFile()
    {
        ::mkdir("survey", 0755);
        ASSERT_TRUE(tq::writeFile("survey/url.url", "[InternetShortcut]\nURL=https://survey.invalid/\n"));
    }

    /// What the opener was given, once every opener started has ended.
    std::string opened()
    {
        int status = 0;
        while (::waitpid(-1, &status, 0) > 0)
        {
        }
        return tq::readFile(dir.file("opened.txt"));
    }

    sc_02_03_scene* script() { return tq::HeadlessEngine::scriptOf<sc_02_03_scene>(scene); }
    float alpha() { return unit("surveyBuildScreen")->getAlphaBlendMode().alphaArg2; }
    bool overlayShown() { return Ogre::OverlayManager::getSingleton().getByName("surveyBuildScreenOverlay")->isVisible(); }
    /// The start, and the frames in which the scene's messages arrive.
    void start()
    {
        engine.notify(scene, 100);
        engine.frames(2);
    }
    void button(bool down, float seconds = 0.016f)
    {
        mInput->mLeftDown = down;
        engine.frame(seconds);
    }

    std::unique_ptr<tq::OverlayScope> overlays;
    std::string oldPath;
    CObject* scene = nullptr;
};

TEST_F(Scene0203, TheStartTurnsTheCursorOffAndFadesTheSurveyIn)
{
    mCursorParticles->getEmitter(0)->setEnabled(true);
    engine.clearLog();
    start();
    EXPECT_NE(engine.log().find("\nMouse Cursor OFF "), std::string::npos);
    EXPECT_FALSE(mInput->cursorOn());
    EXPECT_FALSE(mCursorParticles->getEmitter(0)->getEnabled());
    EXPECT_TRUE(overlayShown());
    EXPECT_EQ(unit("surveyBuildScreen")->getAlphaBlendMode().operation, Ogre::LBX_MODULATE);
    EXPECT_EQ(told("interface"), (Told{"200"}));

    // The fade's first tick came with the start's second frame (16 ms).
    EXPECT_FLOAT_EQ(alpha(), 0.0048f);
    engine.frame(1.0f);
    EXPECT_FLOAT_EQ(alpha(), 0.3048f);
    engine.frame(2.0f);
    EXPECT_FLOAT_EQ(alpha(), 0.9048f);
    // The other codes are not the screen's.
    engine.notify(scene, 200);
    engine.frames(2);
    EXPECT_EQ(told("interface"), Told{});
    EXPECT_EQ(scene->mTimers.live, 1);
}

TEST_F(Scene0203, ANewPressAfterTheFadeOpensTheSurveyAndEndsTheProgram)
{
    linkFile();
    start();
    // A press during the fade, and a button held past its end, do nothing.
    button(true, 1.0f);
    button(false, 1.0f);
    button(true, 1.0f);
    button(true, 1.0f);
    EXPECT_GE(script()->alpha, 1.0f);
    button(true);
    EXPECT_FALSE(gApp.mQuit);
    button(false);
    EXPECT_FALSE(gApp.mQuit);

    button(true);
    EXPECT_TRUE(gApp.mQuit);
    EXPECT_EQ(opened(), "https://survey.invalid/\n");
    // The scene never answers the interface.
    EXPECT_TRUE(told("00_game_interface").empty());
}

TEST_F(Scene0203, WithoutTheLinkFileThePressStillEndsTheProgram)
{
    start();
    engine.frames(4, 1.0f);
    button(true);
    EXPECT_TRUE(gApp.mQuit);
    EXPECT_EQ(opened(), "");
}

TEST_F(Scene0203, ASecondStartAddsATimerThatFadesAsFast)
{
    start();
    start();
    EXPECT_EQ(scene->mTimers.live, 2);
    const float before = script()->alpha;
    engine.frame(1.0f);
    EXPECT_FLOAT_EQ(script()->alpha - before, 0.6f);
}
} // namespace
