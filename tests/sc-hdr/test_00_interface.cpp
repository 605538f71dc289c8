// The menus of "interface" on the headless engine, with the game's own
// overlay (fonts and materials left out, which need a render system) and
// texts: the start-up decision, fades, clicks through the real input layer,
// profiles with their save files, options, the dialog box, tips, the
// difficulty choice and the key chord.  Spies stand in for the loader, the
// title, the in-game interface and the mini-game starter.
#include "00_interface.h"
#include "FakeKeyboard.h"
#include "HeadlessEngine.h"
#include "Input.h"
#include "Log.h"
#include "SfxCore.h"
#include "TestSupport.h"

#include "../platform/SoundTestHelpers.h"

#include <OgreDataStream.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>

namespace
{
using tq::RecordingScript;
typedef sc_00_interface Menu;

const std::string kMedia = std::string(TQ_TEST_SOURCE_DIR) + "/../data/game/media/";

// Key codes of the input layer.
const int kA = 30, kN = 49, kB = 48, kO = 24, kY = 21, kC = 46, kX = 45;
const int kShift = 42, kReturn = 28, kBackspace = 14, kSpace = 57, kEscape = 1;

class Interface : public ::testing::Test
{
protected:
    struct Options
    {
        int gameState = 0;
        int curSave = -1;
        bool sound = false;
    };

    void TearDown() override
    {
        delete gApp.mInput;
        gApp.mInput = nullptr;
        if (overlays)
        {
            Ogre::OverlayManager::getSingleton().destroyAll();
            Ogre::OverlayManager::getSingleton().destroyAllOverlayElements();
        }
    }

    /// A save file of profile id holding name and the extra variables.
    void writeProfile(int id, const std::string& name, CAppState::VarMap vars = {})
    {
        vars["name"] = name;
        char file[32];
        std::snprintf(file, sizeof(file), "save_%02d.sav", id);
        ASSERT_TRUE(gApp.mAppState.mapSave(file, vars));
    }

    static std::string saveFile(int id)
    {
        char file[32];
        std::snprintf(file, sizeof(file), "save_%02d.sav", id);
        return gApp.mAppState.getSaveFolderA(file, false);
    }

    static bool exists(const std::string& path)
    {
        FILE* file = std::fopen(path.c_str(), "rb");
        if (file)
            std::fclose(file);
        return file != nullptr;
    }

    /// The game's menu overlay without fonts and materials.
    static void parseOverlay()
    {
        std::istringstream in(tq::readFile(kMedia + "00_interface.overlay"));
        std::string text, line;
        while (std::getline(in, line))
            if (line.find("font_name") == std::string::npos && line.find("material") == std::string::npos)
                text += line + "\n";
        Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&text[0], text.size(), false, true));
        Ogre::OverlayManager::getSingleton().parseScript(stream, "General");
    }

    /// The game's menu texts.
    static void loadTexts()
    {
        TiXmlDocument doc;
        ASSERT_TRUE(doc.LoadFile((kMedia + "00_interface_texts.scene").c_str()));
        const TiXmlElement* table = doc.RootElement()->FirstChildElement("strings_table");
        for (const TiXmlElement* str = table->FirstChildElement("str"); str; str = str->NextSiblingElement("str"))
            gApp.mStrings.load(str->Attribute("id"), Ogre::UTFString(std::string(
                                                         str->FirstChildElement("en")->Attribute("data"))));
    }

    /// Starts the engine with the menu object and its spies and runs its
    /// create frame.
    void boot(const Options& o)
    {
        gApp.mAppState.setDefaultOptions();
        gApp.mAppState.mOptions["CurSave"].value = std::to_string(o.curSave);
        gApp.mAppState.saveOption("CurSave");
        if (o.sound)
        {
            ASSERT_TRUE(tq::writeFile(dir.file("resources.cfg"), "[General]\nFileSystem=media\n"));
            ASSERT_EQ(std::system(("mkdir -p '" + dir.file("media") + "'").c_str()), 0);
            ASSERT_TRUE(sndtest::makeTone(dir.file("media/04_38.ogg"), sndtest::kRate, 1, 2.0, 440.0, 0.5));
            ASSERT_TRUE(SoundDevice::initLoopback(sndtest::kRate, 1));
        }
        engine.reset(new tq::HeadlessEngine(o.sound ? "resources.cfg" : ""));
        if (o.sound)
            CSfxCore::init();
        overlays.reset(new Ogre::OverlaySystem());
        parseOverlay();
        loadTexts();
        gApp.mAppState.mOptions["game_state"].value = std::to_string(o.gameState);
        gApp.mInput = new CInput(nullptr, -1, std::string());
        gApp.mInput->setWindowSize(800, 600);
        for (const char* spy : {"00_loader", "00_title", "00_game_interface", "00_minigame_starter", "tipper"})
            engine->addRecorder(spy);
        object = engine->addObject("interface", "00_interface.sc");
        engine->frame();
        menu = tq::HeadlessEngine::scriptOf<Menu>(object);
        ASSERT_NE(menu, nullptr);
    }

    /// Long enough for every fade to end.
    void settle() { engine->frames(12, 0.1f); }

    /// The menus shown (state 2) after the fades.
    std::vector<int> shown()
    {
        std::vector<int> list;
        for (int mid = 0; mid < Menu::kMenuCount; ++mid)
            if (menu->mMenus[mid].state == 2)
                list.push_back(mid);
        return list;
    }

    void show(int mid)
    {
        for (int i = 0; i < Menu::kMenuCount; ++i)
            menu->menuHide(i);
        settle();
        menu->menuShow(mid);
        settle();
        RecordingScript::calls().clear();
        engine->clearLog();
    }

    static Ogre::OverlayElement* element(const std::string& name)
    {
        return Ogre::OverlayManager::getSingleton().getOverlayElement(name);
    }

    /// Moves the cursor onto the middle of an element as it stands.
    void pointAt(const std::string& name)
    {
        // Without a render system OGRE cannot derive screen positions: the
        // panel's place plus the element's place inside it.
        Ogre::OverlayElement* e = element(name);
        Ogre::OverlayContainer* panel = e->getParent();
        gApp.mInput->mCursorX = (panel ? panel->getLeft() : 0.0f) + e->getLeft() + e->getWidth() / 2.0f;
        gApp.mInput->mCursorY = (panel ? panel->getTop() : 0.0f) + e->getTop() + e->getHeight() / 2.0f;
        engine->frame();
    }

    void button(bool down)
    {
        gApp.mInput->mLeftDown = down;
        engine->frame();
    }

    /// Moves the cursor in small steps, as a hand does.
    void drag(float x)
    {
        while (std::fabs(gApp.mInput->mCursorX - x) > 0.005f)
        {
            gApp.mInput->mCursorX += gApp.mInput->mCursorX < x ? 0.005f : -0.005f;
            engine->frame();
        }
    }

    void click(const std::string& name)
    {
        pointAt(name);
        button(true);
        button(false);
    }

    /// Holds a key (with shift) for one frame and lets it go for one.
    void type(int key, bool shift = false)
    {
        gApp.mInput->mKeyDown[kShift] = shift;
        gApp.mInput->mKeyDown[key] = 1;
        engine->frame();
        gApp.mInput->mKeyDown[key] = 0;
        gApp.mInput->mKeyDown[kShift] = 0;
        engine->frame();
    }

    static std::string caption(const std::string& name) { return element(name)->getCaption().asUTF8(); }

    std::vector<std::string> notes(const std::string& spy)
    {
        std::vector<std::string> list;
        for (const std::string& call : RecordingScript::callsOf(spy))
            if (call.find("ON_NOTIFY(") == 0 && call.find(',') != std::string::npos)
                list.push_back(call);
        return list;
    }

    std::string from(int code) { return "ON_NOTIFY(" + std::to_string(code) + "," + std::to_string(object->getHandle()) + ")"; }

    static std::string savedValue(int id, const std::string& key)
    {
        char file[32];
        std::snprintf(file, sizeof(file), "save_%02d.sav", id);
        String value;
        gApp.mAppState.readSaveValue(file, key, value);
        return value;
    }

    std::string optionsFile() { return tq::readFile(gApp.mAppState.getSaveFolderA("options.ini", false)); }

    tq::TempDir dir;
    std::unique_ptr<tq::HeadlessEngine> engine;
    std::unique_ptr<Ogre::OverlaySystem> overlays;
    CObject* object = nullptr;
    Menu* menu = nullptr;
};

// ---------------------------------------------------------------------------
// Start-up

struct StartCase
{
    const char* label;
    int gameState;
    int curSave;
    std::vector<int> profiles;
    bool damagedZero;   ///< save_00.sav is no save file
    int menu;           ///< the menu shown at start, -1 none
    int creationSlot;   ///< the profile the name box would create
    bool title;         ///< "00_title" gets 100
    bool cursorOn;
};

class StartUp : public Interface, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(StartUp, ChoosesTheFirstScreen)
{
    const StartCase& c = GetParam();
    for (int id : c.profiles)
        writeProfile(id, "P" + std::to_string(id), {{"cur_loc", "2"}, {"no_survey", "1"}});
    if (c.damagedZero)
    {
        ASSERT_TRUE(tq::writeFile(gApp.mAppState.getSaveFolderA("save_00.sav", true), "damaged"));
        ASSERT_TRUE(tq::writeFile(gApp.mAppState.getSaveFolderA("screen_shot_03_user_00.jpg", true), "picture"));
    }
    gApp.mAppState.mVars["name"] = "Runner";
    boot({c.gameState, c.curSave});
    settle();

    EXPECT_EQ(shown(), c.menu < 0 ? std::vector<int>{} : std::vector<int>{c.menu});
    if (c.menu == Menu::MENU_NAME)
    {
        EXPECT_EQ(menu->mCreationSlot, c.creationSlot);
    }
    EXPECT_EQ(notes("00_title"), c.title ? std::vector<std::string>{from(100)} : std::vector<std::string>{});
    EXPECT_EQ(gApp.mInput->cursorOn(), c.cursorOn);
    if (c.damagedZero)
    {
        EXPECT_NE(engine->log().find("\n\nERROR: Corrupted save file save_00.sav found!"), std::string::npos);
        EXPECT_NE(engine->log().find("\nChecking save file save_00.sav found! Status: -1"), std::string::npos);
        // The damaged save frees its slot but is kept, byte for byte, aside.
        EXPECT_FALSE(exists(saveFile(0)));
        EXPECT_EQ(tq::readFile(gApp.mAppState.getSaveFolderA("save_00.sav.damaged", false)), "damaged");
        EXPECT_NE(engine->log().find("save_00.sav was moved aside as "), std::string::npos) << engine->log();
        EXPECT_EQ(tq::readFile(gApp.mAppState.getSaveFolderA("screen_shot_03_user_00.jpg.damaged", false)),
                  "picture");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartUp,
    ::testing::Values(
        StartCase{"FirstRun", 0, -1, {}, false, Menu::MENU_NAME, 0, true, false},
        // No current profile: the name box never writes over a saved game.
        StartCase{"ProfileZeroIsKept", 0, -1, {0, 2}, false, Menu::MENU_NAME, 1, true, false},
        StartCase{"CurrentProfileSeesTheSurveyFirst", 0, 1, {1}, false, Menu::MENU_SURVEY, -1, true, false},
        StartCase{"CurrentProfileFileMissing", 0, 2, {1}, false, Menu::MENU_NAME, 2, true, false},
        StartCase{"DamagedCurrentProfile", 0, 0, {}, true, Menu::MENU_NAME, 0, true, false},
        StartCase{"SurveyFirst", 60, -1, {}, false, Menu::MENU_SURVEY, -1, true, false},
        StartCase{"MenuModeShowsNothing", 50, 1, {1}, false, -1, -1, true, false},
        StartCase{"PlayShowsNothing", 100, 1, {1}, false, -1, -1, false, false},
        StartCase{"MiniGameLetsClicksThrough", 5, 1, {1}, false, -1, -1, true, true}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return std::string(info.param.label); });

TEST_F(Interface, PlayStartsWithTheCursorOffAndThePlayersName)
{
    writeProfile(1, "Anna");
    gApp.mAppState.mVars["name"] = "Anna";
    boot({100, 1});
    EXPECT_NE(engine->log().find("\nMouse Cursor OFF "), std::string::npos);
    EXPECT_NE(engine->log().find("\nName (Anna)\n"), std::string::npos);
    EXPECT_EQ(gApp.mAppState.mVars.at("name"), "Anna");
    // Materials are left out here: the menus are built without them.
    EXPECT_NE(engine->log().find("\nWARNING: no material [CheckBox2pass] for overlay element [CheckBox1Ball]"),
              std::string::npos);
}

TEST_F(Interface, CurrentProfileIsLoadedAndContinueFollowsItsVariables)
{
    writeProfile(1, "Anna", {{"cur_loc", "3"}, {"no_survey", "1"}});
    writeProfile(2, "Bert", {{"cur_loc", "0"}, {"no_survey", "1"}});
    boot({0, 1});
    settle();
    EXPECT_EQ(gApp.mAppState.mVars.at("name"), "Anna");
    EXPECT_EQ(caption("HelloText"), "Hello, Anna");
    EXPECT_EQ(menu->mMenus[0].items[menu->mContinueGameText].disabled, 0);

    // A fresh profile has no location yet.
    gApp.mAppState.mOptions["CurSave"].value = "2";
    menu->mCurSave = 2;
    menu->refresh();
    EXPECT_EQ(menu->mMenus[0].items[menu->mContinueGameText].disabled, 1);
    // A profile that cannot be read leaves nothing behind to continue.
    menu->mCurSave = 4;
    menu->refresh();
    EXPECT_EQ(menu->mCurSave, -1);
    EXPECT_TRUE(gApp.mAppState.mVars.empty());
    EXPECT_EQ(menu->mMenus[0].items[menu->mContinueGameText].disabled, 1);
}

// ---------------------------------------------------------------------------
// Fades and slides

TEST_F(Interface, MenusFadeInSlideAndFadeOut)
{
    boot({50, -1});
    settle();
    Ogre::OverlayElement* border = element("MainMenuBorder");
    Menu::MENU& main = menu->mMenus[Menu::MENU_MAIN];
    EXPECT_EQ(main.state, 0);
    EXPECT_FALSE(border->isVisible());

    menu->menuShow(Menu::MENU_MAIN);
    engine->frames(2, 0.25f);
    EXPECT_EQ(main.state, 1);
    EXPECT_NEAR(main.alpha, 0.5f, 1e-4f);
    EXPECT_TRUE(border->isVisible());
    // Half way the panel passes beyond where it comes to rest (0.375).
    EXPECT_LT(border->getLeft(), 0.375f - 0.05f);
    engine->frames(3, 0.25f);
    EXPECT_EQ(main.state, 2);
    EXPECT_FLOAT_EQ(main.alpha, 1.0f);
    EXPECT_NEAR(border->getLeft(), 0.375f, 1e-5f);
    EXPECT_NEAR(element("MainMenuBorder2")->getLeft(), 0.175f, 1e-5f);

    // Out twice as fast; shown again on the way out it turns back from there.
    menu->menuHide(Menu::MENU_MAIN);
    engine->frame(0.125f);
    EXPECT_EQ(main.state, 3);
    EXPECT_NEAR(main.alpha, 0.75f, 1e-4f);
    menu->menuShow(Menu::MENU_MAIN);
    engine->frame(0.125f);
    EXPECT_EQ(main.state, 1);
    EXPECT_NEAR(main.alpha, 0.875f, 1e-4f);
    engine->frame(0.125f);
    EXPECT_EQ(main.state, 2);

    menu->menuHide(Menu::MENU_MAIN);
    engine->frames(2, 0.25f);
    EXPECT_EQ(main.state, 0);
    EXPECT_FALSE(border->isVisible());
    EXPECT_FALSE(element("QuitText")->isVisible());
    // Hiding a hidden menu changes nothing.
    menu->menuHide(Menu::MENU_MAIN);
    EXPECT_EQ(main.state, 0);
}

// ---------------------------------------------------------------------------
// Clicks

TEST_F(Interface, MainMenuItemsOpenTheirMenus)
{
    writeProfile(0, "Anna");
    boot({50, 0});
    struct Case
    {
        const char* item;
        bool savedGame;
        std::vector<int> menus;
    };
    const Case cases[] = {
        {"NewGameText", false, {Menu::MENU_DIFFICULTY}},
        {"NewGameText", true, {Menu::MENU_DIALOG}},
        {"OptionsText", false, {Menu::MENU_OPTIONS}},
        {"CreditsText", false, {Menu::MENU_CREDITS}},
        {"QuitText", false, {Menu::MENU_QUIT}},
        {"UserChangeText", false, {Menu::MENU_USERS}},
        {"ContinueGameText", false, {Menu::MENU_MAIN}}, // disabled: nothing
        {"HelloText", false, {Menu::MENU_MAIN}},        // static: nothing
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.item) + (c.savedGame ? " with a saved game" : ""));
        gApp.mAppState.mVars = {{"name", "Anna"}};
        if (c.savedGame)
            gApp.mAppState.mVars.insert({{"cur_loc", "2"}, {"no_survey", "1"}});
        show(Menu::MENU_MAIN);
        click(c.item);
        settle();
        EXPECT_EQ(shown(), c.menus);
        EXPECT_TRUE(notes("00_loader").empty());
    }
    EXPECT_EQ(menu->mDialogKind, 4);
}

TEST_F(Interface, ContinueHandsTheSavedLocationToTheLoader)
{
    writeProfile(0, "Anna", {{"cur_loc", "3"}, {"no_survey", "1"}});
    boot({0, 0});
    show(Menu::MENU_MAIN);
    click("ContinueGameText");
    settle();
    EXPECT_EQ(notes("00_loader"), std::vector<std::string>{from(1003)});
    EXPECT_EQ(CVirtualScript::getConfigI("game_state"), 100);
    EXPECT_EQ(CVirtualScript::getConfigI("load_from_save"), 1);
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN}); // until the scene changes
}

TEST_F(Interface, AClickIsAReleaseOverAnItemOfAShownMenu)
{
    boot({50, -1});
    show(Menu::MENU_MAIN);
    // A press alone, and a release somewhere else, do nothing.
    pointAt("QuitText");
    button(true);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
    gApp.mInput->mCursorX = 0.02f;
    gApp.mInput->mCursorY = 0.02f;
    engine->frame();
    button(false);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
    // A press that began elsewhere and ends over the item is a click.
    button(true);
    pointAt("QuitText");
    button(false);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_QUIT});

    // Nothing reacts while a menu fades in.
    show(Menu::MENU_MAIN);
    click("QuitText");
    click("QuitNo");
    EXPECT_EQ(menu->mMenus[Menu::MENU_QUIT].state, 1);
    settle();
    click("QuitNo");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
    show(Menu::MENU_QUIT);
    click("QuitYes");
    EXPECT_TRUE(gApp.mQuit);
    gApp.mQuit = false;
}

TEST_F(Interface, InGameMenu)
{
    writeProfile(0, "Anna", {{"cur_loc", "2"}, {"no_survey", "1"}});
    boot({100, 0});
    engine->notify(object, 99);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_GAME});

    // Options return to the in-game menu.
    click("GameOptions");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_OPTIONS});
    click("OptionsBack");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_GAME});

    RecordingScript::calls().clear();
    click("GameReturn");
    settle();
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(notes("00_game_interface"), std::vector<std::string>{from(99)});
    EXPECT_NE(engine->log().find("BACK"), std::string::npos);

    // Escape is "GameReturn", and only while the in-game menu is shown.
    show(Menu::MENU_MAIN);
    gApp.mInput->mKeyDown[kEscape] = 1;
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
    gApp.mInput->mKeyDown[kEscape] = 0;
    show(Menu::MENU_GAME);
    gApp.mInput->mKeyDown[kEscape] = 1;
    settle();
    gApp.mInput->mKeyDown[kEscape] = 0;
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(notes("00_game_interface"), std::vector<std::string>{from(99)});

    // Back to the main menu: the game is saved first.
    show(Menu::MENU_GAME);
    gApp.mAppState.mVars["cur_loc"] = "4";
    click("GameMainMenu");
    settle();
    EXPECT_EQ(savedValue(0, "cur_loc"), "4");
    EXPECT_EQ(notes("00_loader"), std::vector<std::string>{from(1100)});
    EXPECT_EQ(notes("00_minigame_starter"), std::vector<std::string>{from(2000)});
    EXPECT_EQ(CVirtualScript::getConfigI("game_state"), 0);
}

TEST_F(Interface, SaveRequestsOfTheGame)
{
    writeProfile(3, "Anna", {{"cur_loc", "2"}});
    boot({100, 3});
    gApp.mAppState.mVars = {{"name", "Anna"}, {"cur_loc", "5"}};
    engine->notify(object, 100);
    engine->frame();
    EXPECT_EQ(savedValue(3, "cur_loc"), "5");
    EXPECT_EQ(CVirtualScript::getConfigI("game_state"), 100);
    gApp.mAppState.mVars["cur_loc"] = "6";
    engine->notify(object, 101);
    engine->frame();
    EXPECT_EQ(savedValue(3, "cur_loc"), "6");
    EXPECT_EQ(CVirtualScript::getConfigI("game_state"), 0);
}

// ---------------------------------------------------------------------------
// Profiles

TEST_F(Interface, ProfilesAreCreatedRenamedAndDeletedWithTheirSavedGames)
{
    boot({0, -1});
    settle();
    ASSERT_EQ(shown(), std::vector<int>{Menu::MENU_NAME});
    EXPECT_EQ(menu->mMenus[Menu::MENU_NAME].items[menu->mNameCancel].disabled, 1);

    // The first profile: "Ann" with Return.
    type(kA, true);
    type(kN);
    type(kN);
    EXPECT_EQ(caption("NameName"), "Ann");
    type(kReturn);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
    EXPECT_EQ(savedValue(0, "name"), "Ann");
    EXPECT_EQ(savedValue(0, "cur_loc"), "0");
    EXPECT_EQ(savedValue(0, "no_survey"), "1");
    EXPECT_NE(optionsFile().find("CurSave=0"), std::string::npos);
    EXPECT_EQ(caption("HelloText"), "Hello, Ann");
    EXPECT_EQ(menu->mMenus[0].items[menu->mContinueGameText].disabled, 1);

    // A second one from the profiles menu.
    click("UserChangeText");
    settle();
    // Both panels of the profiles menu lie in overlays of their own.
    EXPECT_TRUE(Ogre::OverlayManager::getSingleton().getByName("interfaceOverlayUsers1")->isVisible());
    EXPECT_TRUE(Ogre::OverlayManager::getSingleton().getByName("interfaceOverlayUsers")->isVisible());
    EXPECT_EQ(caption("User00"), "Ann");
    EXPECT_EQ(menu->mMenus[Menu::MENU_USERS].items[menu->mUserLines[1]].disabled, 1);
    click("UserCreate");
    settle();
    ASSERT_EQ(shown(), std::vector<int>{Menu::MENU_NAME});
    EXPECT_EQ(caption("NameName"), "");
    type(kB, true);
    type(kO);
    type(kB);
    click("NameOk");
    settle();
    EXPECT_EQ(savedValue(1, "name"), "Bob");
    EXPECT_EQ(menu->mCurSave, 1);

    // Renaming the current profile to a name in use is refused silently.
    click("UserChangeText");
    settle();
    click("UserRename");
    settle();
    EXPECT_EQ(caption("NameName"), "Bob");
    for (int i = 0; i < 3; ++i)
        type(kBackspace);
    type(kA, true);
    type(kN);
    type(kN);
    type(kReturn);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_NAME});
    type(kBackspace);
    type(kY);
    type(kReturn);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_USERS});
    EXPECT_EQ(savedValue(1, "name"), "Any");
    EXPECT_EQ(caption("User01"), "Any");
    // The profile in memory has the new name too, so a save keeps it.
    menu->save();
    EXPECT_EQ(savedValue(1, "name"), "Any");
    EXPECT_EQ(caption("HelloText"), "Hello, Any");

    // Deleting another profile removes its file and its pictures.
    const std::string picture = gApp.mAppState.getSaveFolderA("screen_shot_07_user_00.jpg", true);
    ASSERT_TRUE(tq::writeFile(picture, "jpeg"));
    click("User00");
    click("UserDelete");
    settle();
    EXPECT_EQ(shown(), (std::vector<int>{Menu::MENU_USERS, Menu::MENU_DIALOG}));
    click("UserCreate"); // the profiles menu waits for the dialog box
    settle();
    EXPECT_EQ(shown(), (std::vector<int>{Menu::MENU_USERS, Menu::MENU_DIALOG}));
    click("DeleteYes");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_USERS});
    EXPECT_FALSE(exists(saveFile(0)));
    EXPECT_FALSE(exists(picture));
    EXPECT_EQ(menu->mCurSave, 1);

    // Deleting the last one leaves no current profile and no way back.
    click("User01");
    click("UserDelete");
    settle();
    click("DeleteYes");
    settle();
    EXPECT_FALSE(exists(saveFile(1)));
    EXPECT_EQ(menu->mCurSave, -1);
    EXPECT_NE(optionsFile().find("CurSave=-1"), std::string::npos);
    EXPECT_EQ(menu->mMenus[Menu::MENU_USERS].items[menu->mUserBack].disabled, 1);
}

TEST_F(Interface, DeletingTheCurrentProfileMakesTheLowestRemainingOneCurrent)
{
    for (int id : {1, 2, 4})
        writeProfile(id, "P" + std::to_string(id));
    boot({50, 4});
    show(Menu::MENU_USERS);
    menu->mSelected = 4;
    menu->startDialog(0);
    settle();
    click("DeleteYes");
    settle();
    EXPECT_EQ(menu->mCurSave, 1);
    EXPECT_EQ(menu->mSelected, 1);
    EXPECT_EQ(gApp.mAppState.mVars.at("name"), "P1");
    EXPECT_NE(optionsFile().find("CurSave=1"), std::string::npos);
    EXPECT_FALSE(exists(saveFile(4)));
}

TEST_F(Interface, SelectingAProfileSavesTheCurrentOneFirst)
{
    writeProfile(0, "Anna", {{"cur_loc", "2"}});
    writeProfile(2, "Carl", {{"cur_loc", "5"}, {"no_survey", "1"}});
    boot({0, 0});
    gApp.mAppState.mVars["cur_loc"] = "3";
    show(Menu::MENU_USERS);
    click("User01"); // free: not selectable
    EXPECT_EQ(menu->mSelected, 0);
    click("User02");
    click("UserSelect");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
    EXPECT_EQ(savedValue(0, "cur_loc"), "3");
    EXPECT_EQ(menu->mCurSave, 2);
    EXPECT_EQ(gApp.mAppState.mVars.at("name"), "Carl");
    EXPECT_EQ(caption("HelloText"), "Hello, Carl");
    EXPECT_EQ(menu->mMenus[0].items[menu->mContinueGameText].disabled, 0);
    EXPECT_NE(optionsFile().find("CurSave=2"), std::string::npos);
}

TEST_F(Interface, FiveProfilesLeaveNoRoomToCreate)
{
    for (int id = 0; id < 5; ++id)
        writeProfile(id, "P" + std::to_string(id));
    boot({50, 0});
    show(Menu::MENU_USERS);
    click("UserCreate");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_USERS});
}

TEST_F(Interface, NameEntryLimitsAndRepeat)
{
    boot({0, -1});
    settle();
    // Space and keys above it type nothing; fifteen characters at most.
    type(kSpace);
    type(59);
    EXPECT_EQ(caption("NameName"), "");
    for (int i = 0; i < 20; ++i)
        type(i % 2 ? kX : kC);
    EXPECT_EQ(caption("NameName").size(), 15u);
    for (int i = 0; i < 15; ++i)
        type(kBackspace);
    type(kBackspace); // on an empty field
    EXPECT_EQ(caption("NameName"), "");

    // A held key types once, again after half a second, then every 0.1 s.
    gApp.mInput->mKeyDown[kA] = 1;
    engine->frames(18, 0.025f); // 0.45 s
    EXPECT_EQ(caption("NameName"), "a");
    engine->frames(6, 0.025f); // 0.6 s
    EXPECT_EQ(caption("NameName"), "aa");
    engine->frames(16, 0.025f); // 1.0 s
    const size_t typed = caption("NameName").size();
    EXPECT_GE(typed, 5u);
    EXPECT_LE(typed, 7u);
    gApp.mInput->mKeyDown[kA] = 0;
    engine->frame();

    // Blanks only are no name; one trailing blank is cut off.
    CVirtualScript::overlaySetCaptionText("interfaceOverlayName", "NameMenuBorder", "NameName", "   ");
    engine->frame();
    click("NameOk");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_NAME});
    EXPECT_FALSE(exists(saveFile(0)));
    CVirtualScript::overlaySetCaptionText("interfaceOverlayName", "NameMenuBorder", "NameName", "Ann ");
    engine->frame();
    click("NameOk");
    settle();
    EXPECT_EQ(savedValue(0, "name"), "Ann");
}

TEST_F(Interface, KeysTypedFasterThanTheFramesAreAllTaken)
{
    boot({0, -1});
    settle();
    // "Ann" typed within one frame through the real input layer, then "aa"
    // within another: each key reaches the name box, in order.
    tq::FakeKeyboard keyboard(*gApp.mInput);
    keyboard.press(OIS::KC_LSHIFT);
    keyboard.tap(OIS::KC_A);
    keyboard.release(OIS::KC_LSHIFT);
    keyboard.tap(OIS::KC_N);
    keyboard.tap(OIS::KC_N);
    engine->frames(10);
    EXPECT_EQ(caption("NameName"), "Ann");
    keyboard.tap(OIS::KC_A);
    keyboard.tap(OIS::KC_A);
    engine->frames(10);
    EXPECT_EQ(caption("NameName"), "Annaa");
}

// ---------------------------------------------------------------------------
// Options

TEST_F(Interface, VolumeSlidersWriteTheirOptionsAndGroups)
{
    ASSERT_TRUE(tq::writeFile(gApp.mAppState.getSaveFolderA("options.ini", true),
                              "[Options]\nSoundVolume=30\nMusicVolume=70\n"));
    Options o;
    o.gameState = 50;
    o.sound = true;
    boot(o);
    EXPECT_EQ(menu->mVolumes[0].percent, 30);
    EXPECT_EQ(menu->mVolumes[1].percent, 70);
    for (int group = 1; group <= 3; ++group)
        EXPECT_FLOAT_EQ(CSfxCore::mGroupVolume[group], 30.0f);
    show(Menu::MENU_OPTIONS);
    const float music = CSfxCore::mGroupVolume[0];

    // A press plays the menu sound; a release ends it and the drag.
    pointAt("OptionsGameVolumeControl");
    button(true);
    EXPECT_EQ(menu->mVolumes[0].dragging, 1);
    EXPECT_NE(CSfxCore::slot(menu->mSound).mChannel, -1);
    button(false);
    EXPECT_EQ(menu->mVolumes[0].dragging, 0);
    EXPECT_EQ(CSfxCore::slot(menu->mSound).mChannel, -1);

    // Dragged past the right end of the middle half: 100.
    pointAt("OptionsGameVolumeControl");
    button(true);
    drag(0.99f);
    button(false);
    EXPECT_EQ(menu->mVolumes[0].percent, 100);
    EXPECT_NE(optionsFile().find("SoundVolume=100"), std::string::npos);
    for (int group = 1; group <= 3; ++group)
        EXPECT_FLOAT_EQ(CSfxCore::mGroupVolume[group], 100.0f);
    EXPECT_FLOAT_EQ(CSfxCore::mGroupVolume[0], music);

    // The music knob, past the left end: 0, group 0 only.
    pointAt("OptionsMusicVolumeControl");
    button(true);
    drag(0.01f);
    button(false);
    EXPECT_EQ(menu->mVolumes[1].percent, 0);
    EXPECT_NE(optionsFile().find("MusicVolume=0"), std::string::npos);
    EXPECT_FLOAT_EQ(CSfxCore::mGroupVolume[0], 0.0f);
    EXPECT_FLOAT_EQ(CSfxCore::mGroupVolume[1], 100.0f);

    // Read back by the next menu.
    int value = -1;
    CVirtualScript::getOptionI("SoundVolume", value);
    EXPECT_EQ(value, 100);
}

TEST_F(Interface, CheckBoxesSwitchTheirSettings)
{
    writeProfile(0, "Anna", {{"tutorial_on", "1"}});
    boot({0, 0});
    show(Menu::MENU_OPTIONS);
    EXPECT_EQ(menu->mMenus[Menu::MENU_OPTIONS].items[menu->mCheckBox1].check, 0); // "Full Screen" Yes
    EXPECT_EQ(menu->mMenus[Menu::MENU_OPTIONS].items[menu->mCheckBox2].check, 0);
    EXPECT_EQ(menu->mMenus[Menu::MENU_OPTIONS].items[menu->mCheckBox3].check, 1);

    click("CheckBox1");
    EXPECT_NE(optionsFile().find("Full Screen=No"), std::string::npos);
    click("CheckBox1");
    EXPECT_NE(optionsFile().find("Full Screen=Yes"), std::string::npos);
    click("CheckBox2");
    EXPECT_EQ(CVirtualScript::getVarI("tutorial_on"), 0);

    struct Expected
    {
        int advanced, sparkle, respawn, skip;
    };
    const Expected on = {1, 0, 60, 120}, off = {0, 1, 20, 60};
    for (const Expected& e : {on, off})
    {
        click("CheckBox3");
        EXPECT_EQ(CVirtualScript::getVarI("advanced"), e.advanced);
        EXPECT_EQ(CVirtualScript::getVarI("az_sparkle"), e.sparkle);
        EXPECT_EQ(CVirtualScript::getVarI("hint_respawn_time"), e.respawn);
        EXPECT_EQ(CVirtualScript::getVarI("skip_minigame_time"), e.skip);
    }

    // The in-game menu takes the tutorial box from the game.
    gApp.mAppState.mVars["tutorial_on"] = "1";
    engine->notify(object, 99);
    engine->frame();
    EXPECT_EQ(menu->mMenus[Menu::MENU_OPTIONS].items[menu->mCheckBox2].check, 0);
}

// ---------------------------------------------------------------------------
// Dialog box, tips, survey, credits

TEST_F(Interface, DialogBoxesAnswerTheGameInterfaceOnceFadedOut)
{
    boot({100, -1});
    struct Case
    {
        int request;
        const char* answer;
        int expected; ///< 0: no answer
        int text;
    };
    const Case cases[] = {
        {90, "DeleteYes", 91, 72}, {90, "DeleteNo", 90, 72}, {92, "DeleteYes", 93, 73},
        {94, "DeleteNo", 94, 5006}, {94, nullptr, 0, 5006}, // closed by 80
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.request);
        RecordingScript::calls().clear();
        engine->notify(object, c.request);
        settle();
        ASSERT_EQ(shown(), std::vector<int>{Menu::MENU_DIALOG});
        EXPECT_EQ(caption("DeleteCaption").substr(0, 10), gApp.mStrings.get(c.text).asUTF8().substr(0, 10));
        if (c.answer)
        {
            click(c.answer);
            EXPECT_TRUE(notes("00_game_interface").empty()); // not before the fade-out
        }
        else
            engine->notify(object, 80);
        settle();
        EXPECT_TRUE(shown().empty());
        EXPECT_EQ(notes("00_game_interface"),
                  c.expected ? std::vector<std::string>{from(c.expected)} : std::vector<std::string>{});
    }
}

TEST_F(Interface, DialogBoxGrowsWithItsText)
{
    boot({100, -1});
    gApp.mStrings.clear();
    gApp.mStrings.load("00072", Ogre::UTFString(std::string("short")));
    gApp.mStrings.load("00073", Ogre::UTFString(std::string(
                                    "a question long enough to take three lines of the box, "
                                    "with more words than fit")));
    menu->startDialog(1);
    EXPECT_NEAR(element("DeleteMenuBorder")->getHeight(), 0.05f + 0.08f + 0.172f, 1e-5f);
    EXPECT_NEAR(element("DeleteYes")->getTop(), 0.13f, 1e-5f);
    menu->startDialog(2);
    EXPECT_NEAR(element("DeleteMenuBorder")->getHeight(), 0.15f + 0.08f + 0.172f, 1e-5f);
    EXPECT_NEAR(element("DeleteNo")->getTop(), 0.23f, 1e-5f);
}

TEST_F(Interface, TipsAnswerTheirSender)
{
    boot({100, -1});
    gApp.mStrings.load("05000", Ogre::UTFString(std::string("one line")));
    gApp.mStrings.load("05001", Ogre::UTFString(std::string(
                                    "a tip of several lines, each of them at most thirty-two characters")));
    CObject* tipper = gApp.findObject("tipper");
    const std::string sender = std::to_string(object->getHandle());

    // Clicked away: the code, then the code + 10000 once faded out.
    engine->notify(object, 15000, tipper);
    settle();
    ASSERT_EQ(shown(), std::vector<int>{Menu::MENU_TIP});
    const float oneLine = element("TipMenuBorder")->getHeight();
    EXPECT_NEAR(oneLine, 5 * 0.04f, 1e-5f);
    EXPECT_NEAR(element("TipMenuBorder")->getTop() + oneLine / 2.0f, 0.425f, 1e-5f);
    button(true);
    button(false);
    EXPECT_EQ(notes("tipper"), std::vector<std::string>{"ON_NOTIFY(15000," + sender + ")"});
    settle();
    EXPECT_EQ(notes("tipper"),
              (std::vector<std::string>{"ON_NOTIFY(15000," + sender + ")", "ON_NOTIFY(25000," + sender + ")"}));

    // Hidden by 5000: only the code + 10000.  A longer text, a taller window
    // around the same middle.
    RecordingScript::calls().clear();
    engine->notify(object, 15001, tipper);
    settle();
    const float taller = element("TipMenuBorder")->getHeight();
    EXPECT_GT(taller, oneLine + 0.07f);
    EXPECT_NEAR(element("TipMenuBorder")->getTop() + taller / 2.0f, 0.425f, 1e-5f);
    engine->notify(object, 5000);
    settle();
    EXPECT_EQ(notes("tipper"), std::vector<std::string>{"ON_NOTIFY(25001," + sender + ")"});
    // The in-game menu closes a tip as well; nothing is answered twice.
    engine->notify(object, 99);
    settle();
    EXPECT_EQ(notes("tipper").size(), 1u);
}

TEST_F(Interface, TheTitlesAnswerBringsTheSurveyBoxOnlyWhereNoMenuWaits)
{
    // A first run: the name box waits for the player; the title's answer
    // four seconds later leaves it alone.
    boot({0, -1});
    settle();
    ASSERT_EQ(shown(), std::vector<int>{Menu::MENU_NAME});
    engine->notify(object, 200);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_NAME});
    EXPECT_FALSE(gApp.mInput->cursorOn());
}

TEST_F(Interface, SurveyCreditsAndTheCursor)
{
    boot({50, -1});
    gApp.mInput->setCursor(true);
    engine->notify(object, 200);
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_SURVEY});
    EXPECT_FALSE(gApp.mInput->cursorOn());
    click("SurveyOk");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
    click("CreditsText");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_CREDITS});
    click("BackText");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
}

// ---------------------------------------------------------------------------
// A new game

TEST_F(Interface, DifficultyStartsANewGame)
{
    writeProfile(0, "Anna", {{"cur_loc", "4"}, {"no_survey", "1"}, {"stale", "1"}});
    struct Case
    {
        const char* item;
        int helpNum, tutorial, advanced;
    };
    const Case cases[] = {{"DifficultyNormal", 3, 1, 0}, {"DifficultyHard", 1, 0, 1}};
    boot({0, 0});
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.item);
        ASSERT_EQ(menu->load(0), 1);
        // Over a saved game the player is asked first.
        show(Menu::MENU_MAIN);
        click("NewGameText");
        settle();
        click("DeleteNo");
        settle();
        EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
        click("NewGameText");
        settle();
        click("DeleteYes");
        settle();
        ASSERT_EQ(shown(), std::vector<int>{Menu::MENU_DIFFICULTY});
        RecordingScript::calls().clear();
        click(c.item);
        engine->frame();
        const CAppState::VarMap expected = {
            {"no_survey", "1"}, {"name", "Anna"}, {"cur_loc", "1"}, {"flashback", "1"},
            {"help_alpha", "1000"}, {"help_num", std::to_string(c.helpNum)},
            {"advanced", std::to_string(c.advanced)}, {"az_sparkle", std::to_string(1 - c.advanced)},
            {"hint_respawn_time", c.advanced ? "60" : "20"}, {"skip_minigame_time", c.advanced ? "120" : "60"},
            {"tutorial_on", std::to_string(c.tutorial)}};
        EXPECT_EQ(gApp.mAppState.mVars, expected);
        EXPECT_EQ(CVirtualScript::getConfigI("game_state"), 100);
        EXPECT_EQ(CVirtualScript::getConfigI("load_from_save"), 0);
        EXPECT_EQ(notes("00_loader"), std::vector<std::string>{from(1001)});
        // Nothing is saved yet.
        EXPECT_EQ(savedValue(0, "cur_loc"), "4");
    }
    show(Menu::MENU_DIFFICULTY);
    click("DifficultyBack");
    settle();
    EXPECT_EQ(shown(), std::vector<int>{Menu::MENU_MAIN});
}

TEST_F(Interface, TheChordIsLoggedOnce)
{
    boot({50, -1});
    for (int key : {31, 22, 25, 18})
        gApp.mInput->mKeyDown[key] = 1;
    engine->frames(3);
    EXPECT_EQ(engine->log().find("YOU ARE CHEATER"), std::string::npos);
    gApp.mInput->mKeyDown[19] = 1;
    engine->frames(3);
    const std::string log = engine->log();
    const size_t first = log.find("\nYOU ARE CHEATER!!!");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("YOU ARE CHEATER", first + 2), std::string::npos);
}
} // namespace
