// The script API's overlays with fonts and its render-to-texture pictures,
// on OpenGL under X (xvfb-run): colour-coded captions checked on the
// drawn pixels, caption widths, and a picture written as JPEG and read
// back with the scene's colour.
#include "Application.h"
#include "LoadProgress.h"
#include "Object.h"
#include "OverlaySetup.h"
#include "Log.h"
#include "TestSupport.h"
#include "VirtualScript.h"
#include "dsi/dotSceneLoader.h"

#include <OgreEntity.h>
#include <OgreFrameListener.h>
#include <OgreHardwarePixelBuffer.h>
#include <OgreImage.h>
#include <OgreMaterialManager.h>
#include <OgreMeshManager.h>
#include <OgrePass.h>
#include <OgreRenderSystem.h>
#include <OgreRenderTexture.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>
#include <OgreTextureManager.h>
#include <OgreViewport.h>
#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreOverlaySystem.h>
#include <Overlay/OgrePanelOverlayElement.h>
#include <Overlay/OgreTextAreaOverlayElement.h>
#include <OgreScriptCompiler.h>

#include <algorithm>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace
{
const int kWidth = 320;
const int kHeight = 240;

// Records the skip-frame flag of every frame OGRE renders.
struct SkipFlagProbe : public Ogre::FrameListener
{
    bool frameStarted(const Ogre::FrameEvent&) override
    {
        seen.push_back(gApp.mSkipFrame);
        return true;
    }
    std::vector<bool> seen;
};

class ApiRender : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display)
            GTEST_SKIP() << "needs X (run under xvfb-run)";
        gApp.mLogManager = new Ogre::LogManager();
        gApp.mLogManager->createLog("tq-render.log", true, false, true);
        Log::captureBegin();
        gApp.mRoot = new Ogre::Root("", "", "");
        const std::string plugins = TQ_OGRE_PLUGIN_DIR;
        gApp.mRoot->loadPlugin(plugins + "/RenderSystem_GL");
        gApp.mRoot->loadPlugin(plugins + "/Codec_STBI");
        gApp.mRoot->setRenderSystem(gApp.mRoot->getAvailableRenderers().front());
        gApp.mRoot->initialise(false);
        gApp.mOverlaySystem = createOverlaySystem();
        gApp.mWindow = gApp.mRoot->createRenderWindow("api", kWidth, kHeight, false);
        Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
        groups.addResourceLocation("/usr/share/fonts/truetype/dejavu", "FileSystem", "General");
        std::system(("mkdir -p '" + dir.file("media") + "'").c_str());
        for (const char* file : {"only_dds.dds", "only_png.png", "both.dds", "both.png"})
            tq::writeFile(dir.file(std::string("media/") + file), "x");
        groups.addResourceLocation(dir.file("media"), "FileSystem", "General");
        groups.initialiseAllResourceGroups();

        gApp.mSceneMgr = gApp.mRoot->createSceneManager();
        gApp.mSceneMgr->addRenderQueueListener(gApp.mOverlaySystem);
        gApp.mCamera = gApp.mSceneMgr->createCamera("main");
        gApp.mCamera->setNearClipDistance(1.0f);
        gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode("eye")->attachObject(gApp.mCamera);
        gApp.mViewport = gApp.mWindow->addViewport(gApp.mCamera);
        gApp.mViewport->setBackgroundColour(Ogre::ColourValue::Black);
        gApp.mCamera->setAspectRatio(static_cast<float>(kWidth) / kHeight);
    }

    void TearDown() override
    {
        // Everything goes before the program's static objects: the image
        // codecs' plug-in cannot shut down after them.
        if (!gApp.mRoot)
            return;
        gApp.mWindow->removeAllViewports();
        gApp.mRoot->destroySceneManager(gApp.mSceneMgr);
        delete gApp.mOverlaySystem;
        delete gApp.mRoot;
        delete gApp.mLogManager;
        gApp.mOverlaySystem = nullptr;
        gApp.mRoot = nullptr;
        gApp.mLogManager = nullptr;
        gApp.mSceneMgr = nullptr;
        gApp.mCamera = nullptr;
        gApp.mWindow = nullptr;
        gApp.mViewport = nullptr;
    }

    /// A text area "menu/frame/text" in white DejaVu Sans over the top of
    /// the screen.
    Ogre::TextAreaOverlayElement* makeText()
    {
        Ogre::FontPtr font = Ogre::FontManager::getSingleton().create("sans", "General");
        font->setType(Ogre::FT_TRUETYPE);
        font->setSource("DejaVuSans.ttf");
        font->setTrueTypeSize(32);
        font->setTrueTypeResolution(96);
        font->addCodePointRange(Ogre::Font::CodePointRange(33, 126));
        Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
        Ogre::Overlay* overlay = manager.create("menu");
        Ogre::OverlayContainer* frame =
            static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "frame"));
        frame->setDimensions(1.0f, 1.0f);
        Ogre::TextAreaOverlayElement* text =
            static_cast<Ogre::TextAreaOverlayElement*>(manager.createOverlayElement("TextArea", "text"));
        text->setPosition(0.05f, 0.05f);
        text->setDimensions(0.9f, 0.5f);
        text->setFontName("sans");
        text->setCharHeight(0.3f);
        text->setColour(Ogre::ColourValue::White);
        frame->addChild(text);
        overlay->add2D(frame);
        overlay->show();
        return text;
    }

    /// Red, white and other lit pixels of the window after one frame.
    void countPixels(int& red, int& white)
    {
        gApp.mRoot->renderOneFrame();
        std::vector<unsigned char> rgb(kWidth * kHeight * 3);
        Ogre::PixelBox box(kWidth, kHeight, 1, Ogre::PF_BYTE_RGB, rgb.data());
        gApp.mWindow->copyContentsToMemory(box, box);
        red = white = 0;
        for (size_t i = 0; i < rgb.size(); i += 3)
        {
            if (rgb[i] > 200 && rgb[i + 1] < 60 && rgb[i + 2] < 60)
                ++red;
            else if (rgb[i] > 200 && rgb[i + 1] > 200 && rgb[i + 2] > 200)
                ++white;
        }
    }

    /// A square of a lighting-free red material filling the camera's view.
    void makeRedWall()
    {
        Ogre::MaterialPtr red = Ogre::MaterialManager::getSingleton().create("red", "General");
        Ogre::Pass* pass = red->getTechnique(0)->getPass(0);
        pass->setLightingEnabled(false);
        pass->createTextureUnitState()->setColourOperationEx(Ogre::LBX_SOURCE1, Ogre::LBS_MANUAL, Ogre::LBS_CURRENT,
                                                             Ogre::ColourValue::Red);
        Ogre::MeshManager::getSingleton().createPlane("wall", "General", Ogre::Plane(Ogre::Vector3::UNIT_Z, 0), 1000,
                                                      1000);
        Ogre::Entity* wall = gApp.mSceneMgr->createEntity("wall", "wall");
        wall->setMaterialName("red");
        gApp.mSceneMgr->getRootSceneNode()->createChildSceneNode(Ogre::Vector3(0, 0, -100))->attachObject(wall);
    }

    tq::TempDir dir;
};

TEST_F(ApiRender, ColourCodesPaintTheirGlyphs)
{
    Ogre::TextAreaOverlayElement* text = makeText();
    gApp.mStrings.load("00001", Ogre::UTFString(std::string("HH HH")));
    gApp.mStrings.load("00002", Ogre::UTFString(std::string("[c=1 0 0 1]HH[] HH")));
    int red = 0, white = 0;

    CVirtualScript::overlaySetCaption("menu", "frame", "text", 1, -1, -1, nullptr);
    countPixels(red, white);
    EXPECT_EQ(red, 0);
    const int allWhite = white;
    ASSERT_GT(allWhite, 100);

    CVirtualScript::overlaySetCaption("menu", "frame", "text", 2, -1, -1, nullptr);
    EXPECT_EQ(text->getCaption().asUTF8(), "HH HH");
    countPixels(red, white);
    // The first two letters turn red, the last two keep the element's white.
    EXPECT_GT(red, allWhite / 3);
    EXPECT_GT(white, allWhite / 3);
    EXPECT_LT(white, allWhite * 2 / 3);

    // A range that reaches past the shortened text is cut at its end, and a
    // first character past the text leaves an empty caption.
    gApp.mStrings.load("00003", Ogre::UTFString(std::string("[c=1 0 0 1]HHHHHH[]")));
    CVirtualScript::overlaySetCaption("menu", "frame", "text", 3, 4, -1, "H");
    EXPECT_EQ(text->getCaption().asUTF8(), "HHH");
    countPixels(red, white);
    EXPECT_EQ(white, 0);
    CVirtualScript::overlaySetCaption("menu", "frame", "text", 3, 40, 2, nullptr);
    EXPECT_EQ(text->getCaption().asUTF8(), "");
}

TEST_F(ApiRender, CaptionWidthAndTextById)
{
    Ogre::TextAreaOverlayElement* text = makeText();
    CVirtualScript::overlaySetCaptionText("menu", "frame", "text", "    ");
    float width = -1.0f;
    CVirtualScript::overlayGetCaptionWidth("menu", "frame", "text", width);
    EXPECT_NEAR(width, 4 * 0.518519f * 0.3f * 0.75f, 1e-5f);

    CVirtualScript::overlaySetCaptionText("menu", "frame", "text", "H\xC3\xA9");
    Log::captureBegin();
    CVirtualScript::overlayGetCaptionWidth("menu", "frame", "text", width);
    const float h = Ogre::FontManager::getSingleton().getByName("sans")->getGlyphAspectRatio('H');
    EXPECT_NEAR(width, h * 0.3f * 0.75f, 1e-5f);
    EXPECT_NE(Log::captured().find("Warning: overlayGetCaptionWidth() can't find GlyphInfo for CodePoint 233"),
              std::string::npos);

    gApp.mStrings.load("00004", Ogre::UTFString(std::string("one two three four")));
    EXPECT_EQ(CVirtualScript::overlaySetTextById("menu", "frame", "text", 4, 9), 2);
    EXPECT_EQ(text->getCaption().asUTF8(), "one two\nthree four");
    EXPECT_EQ(CVirtualScript::overlaySetTextById("menu", "frame", "text", 4, -1), 1);
    EXPECT_EQ(CVirtualScript::stringLength(4), 18);
    CVirtualScript::overlayAppendTextById("menu", "frame", "text", 4);
    EXPECT_EQ(CVirtualScript::overlayGetCaptionLength("menu", "frame", "text"), 36);
    String caption;
    CVirtualScript::overlaySetCaptionText("menu", "frame", "text", "ab");
    CVirtualScript::overlayCaptionBackspace("menu", "frame", "text");
    CVirtualScript::overlayCaptionBackspace("menu", "frame", "text");
    CVirtualScript::overlayCaptionBackspace("menu", "frame", "text");
    CVirtualScript::overlayGetCaption("menu", "frame", "text", caption);
    EXPECT_EQ(caption, "");

    // A text area without a font: the width is skipped with a log line.
    Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
    Ogre::OverlayContainer* frame = manager.getByName("menu")->getChild("frame");
    frame->addChild(manager.createOverlayElement("TextArea", "bare"));
    CVirtualScript::overlaySetCaptionText("menu", "frame", "bare", "abc");
    width = -1.0f;
    Log::captureBegin();
    CVirtualScript::overlayGetCaptionWidth("menu", "frame", "bare", width);
    EXPECT_EQ(width, 0.0f);
    EXPECT_NE(Log::captured().find("has no font"), std::string::npos);
}

TEST_F(ApiRender, PanelsAreCreatedPlacedAndDestroyed)
{
    const Ogre::Vector2 position(0.25f, 0.5f), size(0.1f, 0.2f);
    CVirtualScript::overlayCreatePanel("hud", "bar", "knob", "BaseWhite", &position, &size, 300);
    Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* hud = manager.getByName("hud");
    ASSERT_NE(hud, nullptr);
    EXPECT_EQ(hud->getZOrder(), 300);
    float left = 0, top = 0, w = 0, h = 0;
    CVirtualScript::overlayGetSize("hud", "bar", "knob", w, h);
    EXPECT_FLOAT_EQ(w, 0.1f);
    EXPECT_FLOAT_EQ(h, 0.2f);
    CVirtualScript::overlaySetPosition("hud", "bar", nullptr, 0.5f, 0.125f);
    CVirtualScript::overlayGetPosition("hud", "bar", left, top);
    EXPECT_FLOAT_EQ(left, 0.5f);
    EXPECT_FLOAT_EQ(top, 0.125f);
    CVirtualScript::overlayGetPosition("hud", "bar", "knob", left, top);
    EXPECT_FLOAT_EQ(left, 0.25f);
    EXPECT_FLOAT_EQ(top, 0.5f);
    EXPECT_EQ(manager.getOverlayElement("knob")->getMaterialName(), "BaseWhite");

    CVirtualScript::overlaySetVisible("hud", "bar", "knob", false);
    EXPECT_FALSE(manager.getOverlayElement("knob")->isVisible());
    CVirtualScript::overlaySetVisible("hud", nullptr, nullptr, true);
    EXPECT_TRUE(hud->isVisible());

    // A missing element is logged and skipped, not thrown.
    Log::captureBegin();
    CVirtualScript::overlaySetVisible("hud", "nothing", nullptr, true);
    EXPECT_NE(Log::captured().find("has no element [nothing]"), std::string::npos);

    // An unknown material leaves the new panel bare, with a log line.
    Log::captureBegin();
    CVirtualScript::overlayCreatePanel("hud", "bare", nullptr, "NoSuchMaterial", &position, &size, 300);
    EXPECT_TRUE(manager.hasOverlayElement("bare"));
    EXPECT_NE(Log::captured().find("no material [NoSuchMaterial]"), std::string::npos);

    CVirtualScript::overlayDestroy("hud", "bar", "knob");
    EXPECT_FALSE(manager.hasOverlayElement("knob"));
    EXPECT_TRUE(manager.hasOverlayElement("bar"));
    CVirtualScript::overlayDestroy("hud", nullptr, nullptr);
    EXPECT_FALSE(manager.hasOverlayElement("bar"));
    EXPECT_EQ(manager.getByName("hud"), nullptr);
}

TEST_F(ApiRender, PictureIsWrittenAsJpegWithTheScenesColour)
{
    makeRedWall();
    CVirtualScript::_createRTT("journal_pic", 64, 64, 32, "main", 0, 0xFFFFFFFF);
    Ogre::TexturePtr texture = Ogre::TextureManager::getSingleton().getByName("journal_pic");
    ASSERT_TRUE(texture);
    Ogre::RenderTarget* target = texture->getBuffer()->getRenderTarget();
    EXPECT_FALSE(target->isAutoUpdated());

    SkipFlagProbe probe;
    gApp.mRoot->addFrameListener(&probe);
    CVirtualScript::rttSaveToFile("journal_pic", L"profile_00_pic_01.jpg", 0xFFFFFFFF);
    gApp.mRoot->removeFrameListener(&probe);
    ASSERT_EQ(probe.seen.size(), 1u);
    EXPECT_TRUE(probe.seen[0]); // the nested frame runs with the skip flag
    EXPECT_FALSE(gApp.mSkipFrame);
    // Afterwards the RTT shows the main camera on its full height, no overlays.
    ASSERT_EQ(target->getNumViewports(), 1u);
    EXPECT_FLOAT_EQ(target->getViewport(0)->getHeight(), 1.0f);
    EXPECT_FALSE(target->getViewport(0)->getOverlaysEnabled());

    const std::string path = gApp.mAppState.getSaveFolderA("profile_00_pic_01.jpg", false);
    const std::string bytes = tq::readFile(path);
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8); // a JPEG stream
    Ogre::Image picture;
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(const_cast<char*>(bytes.data()), bytes.size(), false));
    picture.load(stream, "jpg");
    ASSERT_EQ(picture.getWidth(), 64u);
    const Ogre::ColourValue centre = picture.getColourAt(32, 20, 0);
    EXPECT_GT(centre.r, 0.8f);
    EXPECT_LT(centre.g, 0.2f);
    EXPECT_LT(centre.b, 0.2f);

    // Deleting a picture works on a read-only file too.
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    CVirtualScript::deleteUserFile(L"profile_00_pic_01.jpg");
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST_F(ApiRender, RttErrors)
{
    Log::captureBegin();
    CVirtualScript::_createRTT("bad", 64, 64, 16, "main", 1, 1);
    EXPECT_EQ(Log::captured(), "ERROR: _createRTT()  unabled bpp parameter (bpp = 16)");
    EXPECT_FALSE(Ogre::TextureManager::getSingleton().resourceExists("bad", "General"));

    // A plain texture of that name has no target: refused, not crashed.
    Ogre::TextureManager::getSingleton().createManual("plain", "General", Ogre::TEX_TYPE_2D, 8, 8, 0,
                                                      Ogre::PF_R8G8B8A8);
    Log::captureBegin();
    CVirtualScript::_createRTT("plain", 64, 64, 32, "main", 1, 1);
    EXPECT_NE(Log::captured().find("\nERROR: Can't create RTT plain, texture name already in use"), std::string::npos);
    EXPECT_NE(Log::captured().find("no render target"), std::string::npos);

    Log::captureBegin();
    CVirtualScript::rttRender("none");
    CVirtualScript::rttSetAutoUpdated("none", true);
    CVirtualScript::rttSetVisibilityMask("none", 1);
    EXPECT_EQ(Log::captured(), "\nERROR: RTT none not found\nERROR: RTT none not found\nERROR: RTT none not found");

    // An RTT made twice keeps one viewport, with the later settings.
    CVirtualScript::_createRTT("view", 32, 32, 24, "main", 3, 0x4);
    CVirtualScript::_createRTT("view", 32, 32, 24, "main", 0, 0x8);
    Ogre::RenderTarget* target =
        Ogre::TextureManager::getSingleton().getByName("view")->getBuffer()->getRenderTarget();
    ASSERT_EQ(target->getNumViewports(), 1u);
    EXPECT_EQ(target->getViewport(0)->getVisibilityMask(), 0x8u);
    CVirtualScript::rttSetAutoUpdated("view", true);
    EXPECT_TRUE(target->isAutoUpdated());
    CVirtualScript::rttSetVisibilityMask("view", 0x10);
    EXPECT_EQ(target->getViewport(0)->getVisibilityMask(), 0x10u);
}
TEST_F(ApiRender, MaterialNamingASceneRenderTextureShowsItOnceTheSceneMakesIt)
{
    // The material script is read first and takes the texture's name ahead.
    const std::string script = "material picture { technique { pass { texture_unit { texture picture_rtt } } } }";
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(const_cast<char*>(script.data()), script.size(), false));
    Ogre::MaterialManager::getSingleton().parseScript(stream, "General");
    Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().getByName("picture");
    ASSERT_TRUE(material);
    material->load();

    std::system(("mkdir -p '" + dir.file("scenes") + "'").c_str());
    tq::writeFile(dir.file("scenes/pictures.scene"),
                  "<scene formatVersion=\"0.2.0\"><nodes><node name=\"eye2\"><camera name=\"pictures\">"
                  "<rtt name=\"picture_rtt\" x=\"64\" y=\"64\" visibleFlag=\"-1\"/></camera></node></nodes></scene>");
    Ogre::ResourceGroupManager::getSingleton().addResourceLocation(dir.file("scenes"), "FileSystem", "General");
    Log::captureBegin();
    dsi::dotSceneLoader loader;
    loader.load("pictures.scene", "General", gApp.mSceneMgr, gApp.mWindow, nullptr, false, false, false);
    EXPECT_EQ(Log::captured().find("ERROR"), std::string::npos) << Log::captured();

    Ogre::TexturePtr texture = Ogre::TextureManager::getSingleton().getByName("picture_rtt");
    ASSERT_TRUE(texture);
    EXPECT_TRUE(texture->getUsage() & Ogre::TU_RENDERTARGET);
    Ogre::TextureUnitState* unit = material->getTechnique(0)->getPass(0)->getTextureUnitState(0);
    EXPECT_EQ(unit->_getTexturePtr(), texture) << "the material still shows the name's stand-in";
}

TEST_F(ApiRender, TextureNamesFallBackToDdsPngJpg)
{
    Ogre::MaterialPtr m = Ogre::MaterialManager::getSingleton().create("page", "General");
    m->getTechnique(0)->getPass(0)->createTextureUnitState();
    Ogre::TextureUnitState* unit = m->getTechnique(0)->getPass(0)->getTextureUnitState(0);
    Ogre::TextureManager::getSingleton().createManual("rtt_view", "General", Ogre::TEX_TYPE_2D, 8, 8, 0,
                                                      Ogre::PF_R8G8B8A8, Ogre::TU_RENDERTARGET);
    struct Case
    {
        const char* asked;
        const char* set;
    } cases[] = {{"only_dds.tga", "only_dds.dds"},     {"only_png.tga", "only_png.png"},
                 {"both.tga", "both.dds"},             {"missing.tga", "missing.jpg"},
                 {"only_png.png", "only_png.png"},     {"no_extension", "no_extension.jpg"},
                 {"rtt_view", "rtt_view"}};
    gApp.mLog = true;
    for (const Case& c : cases)
    {
        CVirtualScript::materialSetTexturePassUnit("page", 0, 0, c.asked);
        EXPECT_EQ(unit->getTextureName(), c.set) << c.asked;
    }
    gApp.mLog = false;
    EXPECT_EQ(tq::readFile(dir.file("load.log")),
              "only_dds.dds\nonly_png.png\nboth.dds\nmissing.jpg\nonly_png.png\nno_extension.jpg\nrtt_view\n");
}
TEST_F(ApiRender, TemplatesUvRotationColoursAndNodesInFrontOfMenus)
{
    Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
    makeText(); // the font "sans": copying a text template without a font crashes OGRE
    Ogre::OverlayElement* templ = manager.createOverlayElement("TextArea", "captionTemplate", true);
    templ->setParameter("font_name", "sans");
    templ->setParameter("char_height", "0.125");
    const Ogre::Vector2 position(0.1f, 0.2f);
    CVirtualScript::overlayCreatePanel("tips", "tipFrame", nullptr, nullptr, nullptr, nullptr, 200);
    CVirtualScript::overlayCreateFromTemplate("tips", "captionTemplate", "tipFrame", "tipText", &position, nullptr, 200,
                                              "TextArea");
    ASSERT_TRUE(manager.hasOverlayElement("tipText"));
    Ogre::TextAreaOverlayElement* tip = static_cast<Ogre::TextAreaOverlayElement*>(manager.getOverlayElement("tipText"));
    EXPECT_FLOAT_EQ(tip->getCharHeight(), 0.125f);
    EXPECT_FLOAT_EQ(tip->getLeft(), 0.1f);
    CVirtualScript::overlaySetColourTop("tips", "tipFrame", "tipText", 1, 0, 0, 1);
    CVirtualScript::overlaySetColourBottom("tips", "tipFrame", "tipText", 0, 0, 1, 1);
    EXPECT_EQ(tip->getColourTop(), Ogre::ColourValue(1, 0, 0, 1));
    EXPECT_EQ(tip->getColourBottom(), Ogre::ColourValue(0, 0, 1, 1));
    CVirtualScript::overlaySetCharHeight("tips", "tipFrame", "tipText", 0.05f);
    EXPECT_FLOAT_EQ(tip->getCharHeight(), 0.05f);

    const Ogre::Vector2 size(0.5f, 0.5f);
    CVirtualScript::overlayCreatePanel("tips", "picture", nullptr, nullptr, nullptr, &size, 200);
    CVirtualScript::overlaySetUV("tips", "picture", nullptr, 0.0f, 0.25f, 0.5f, 1.0f);
    Ogre::Real u1, v1, u2, v2;
    static_cast<Ogre::PanelOverlayElement*>(manager.getOverlayElement("picture"))->getUV(u1, v1, u2, v2);
    EXPECT_FLOAT_EQ(v1, 0.25f);
    EXPECT_FLOAT_EQ(u2, 0.5f);
    CVirtualScript::overlaySetRotate("tips", 90.0f);
    EXPECT_NEAR(manager.getByName("tips")->getRotate().valueDegrees(), 90.0f, 1e-3f);
    CVirtualScript::overlaySetZOrder("tips", 500);
    EXPECT_EQ(manager.getByName("tips")->getZOrder(), 500);
    CVirtualScript::overlaySetMaterial("tips", "picture", nullptr, "BaseWhite");
    EXPECT_EQ(manager.getOverlayElement("picture")->getMaterialName(), "BaseWhite");
    CVirtualScript::overlayCopyCaption("tips", "tipFrame", "tipText", "copied");
    EXPECT_EQ(tip->getCaption().asUTF8(), "copied");

    // Scene nodes in front of a menu and back.
    Ogre::SceneNode* root = gApp.mSceneMgr->getRootSceneNode();
    Ogre::SceneNode* menu = root->createChildSceneNode("menu_node");
    Ogre::SceneNode* item = root->createChildSceneNode("item_node");
    CVirtualScript::nodeSetParent("item_node", "menu_node");
    EXPECT_EQ(item->getParent(), menu);
    CVirtualScript::nodeSetParent("item_node", "eye"); // only nodes under the root are taken
    EXPECT_EQ(item->getParent(), menu);
    CVirtualScript::nodeReturnToRoot("item_node");
    EXPECT_EQ(item->getParent(), root);
    Log::captureBegin();
    CVirtualScript::nodeReturnToRoot("no_node");
    EXPECT_NE(Log::captured().find("[no_node]"), std::string::npos);
}
} // namespace

TEST_F(ApiRender, LoadingTextFillsBothCaptionsAndMovesTheBar)
{
    makeText(); // the font "sans"
    Ogre::OverlayManager& manager = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* window = manager.create("loadingWindow");
    Ogre::OverlayContainer* frame =
        static_cast<Ogre::OverlayContainer*>(manager.createOverlayElement("Panel", "LoadingTimeFrame2"));
    Ogre::OverlayElement* line = manager.createOverlayElement("Panel", "LoadingTimeLine");
    frame->addChild(line);
    std::vector<Ogre::TextAreaOverlayElement*> texts;
    for (const char* name : {"LoadingText", "LoadingText2"})
    {
        auto* text = static_cast<Ogre::TextAreaOverlayElement*>(manager.createOverlayElement("TextArea", name));
        text->setFontName("sans");
        frame->addChild(text);
        texts.push_back(text);
    }
    window->add2D(frame);
    gApp.mStrings.load("00067", Ogre::UTFString(std::string("Loading...")));

    CVirtualScript::setLoadingText(0.5f);
    for (Ogre::TextAreaOverlayElement* text : texts)
        EXPECT_EQ(text->getCaption().asUTF8(), "Loading...");
    EXPECT_NEAR(line->getWidth(), Scene::loadingBarSpan(0.5f) * 0.375f, 1e-6f);

    // Without the loading window the call does nothing.
    manager.destroyAll();
    CVirtualScript::setLoadingText(1.0f);
}

TEST_F(ApiRender, WindowModeKeepsTheSavedSizeAndReactivatesEveryObject)
{
    gApp.mAppState.mOptions["Video Mode"].value = "400 x 300";
    gApp.mMessages.clear();
    std::unique_ptr<CObject> a(new CObject());
    std::unique_ptr<CObject> b(new CObject());

    CVirtualScript::setWindowMode(false);
    EXPECT_FALSE(gApp.mWindow->isFullScreen());
    EXPECT_EQ(gApp.mWindow->getWidth(), 400u);
    EXPECT_EQ(gApp.mWindow->getHeight(), 300u);
    // Each object hears of the change in its activate handler.
    std::set<CObject*> activated;
    for (const CMessage& msg : gApp.mMessages)
        if (msg.type == MSG_ACTIVATE)
            activated.insert(msg.target);
    EXPECT_EQ(activated, (std::set<CObject*>{a.get(), b.get()}));
    gApp.mMessages.clear();
}
TEST_F(ApiRender, TextAreasFromTemplatesKeepTheirSpaces)
{
    // A template that sets no space width, as most of the game's do.
    const std::string scripts =
        "font spaced\n{\n\ttype truetype\n\tsource DejaVuSans.ttf\n\tsize 32\n\tresolution 96\n"
        "\tcode_points 32-126\n}\n"
        "overlay Spaced\n{\n\toverlay_element SpacedFrame Panel\n\t{\n\t\tmetrics_mode relative\n"
        "\t\twidth 1\n\t\theight 1\n\t\ttransparent true\n\t}\n}\n"
        "template element TextArea(SpacedText)\n{\n\tmetrics_mode relative\n\tfont_name spaced\n"
        "\tchar_height 0.1\n\tcolour 1 1 1\n}\n";
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream("spaced.overlay", const_cast<char*>(scripts.data()),
                                                          scripts.size(), false, true));
    Ogre::ScriptCompilerManager::getSingleton().parseScript(stream, "General");
    const Ogre::Vector2 at(0.05f, 0.4f), size(0.9f, 0.2f);
    CVirtualScript::overlayCreateFromTemplate("Spaced", "SpacedText", "SpacedFrame", "line", &at, &size, 100,
                                              "TextArea");
    CVirtualScript::overlaySetVisible("Spaced", nullptr, nullptr, true);

    // The columns from the first to the last lit one of a caption.
    auto inkWidth = [](const char* caption) {
        CVirtualScript::overlaySetCaptionText("Spaced", "SpacedFrame", "line", caption);
        gApp.mRoot->renderOneFrame();
        std::vector<unsigned char> rgb(kWidth * kHeight * 3);
        Ogre::PixelBox box(kWidth, kHeight, 1, Ogre::PF_BYTE_RGB, rgb.data());
        gApp.mWindow->copyContentsToMemory(box, box);
        int first = kWidth, last = -1;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (rgb[(y * kWidth + x) * 3] > 128)
                {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        return last - first + 1;
    };
    inkWidth("H"); // the font loads during the first frame that shows text
    const int together = inkWidth("HH"), apart = inkWidth("H H"), wider = inkWidth("H  H");
    ASSERT_GT(together, 0);
    // A space is about as wide as a digit: a good part of an H, every time.
    EXPECT_GT(apart - together, together / 4) << together << " " << apart;
    EXPECT_NEAR(wider - apart, apart - together, 2) << together << " " << apart << " " << wider;
}
