// Render set-up: the settings dialog, the render system and its window,
// resource locations, the scene manager, the viewport and font scrolling.
#include "Application.h"
#include "Input.h"

#include "Log.h"
#include "platform/FramePacer.h"
#include "platform/Platform.h"

#include <OgreArchive.h>
#include <OgreConfigFile.h>
#include <OgreDataStream.h>
#include <OgreMaterialManager.h>
#include <OgrePass.h>
#include <OgreRenderSystem.h>
#include <OgreRenderWindow.h>
#include <OgreResourceGroupManager.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreStringConverter.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>
#include <OgreViewport.h>
#include <Overlay/OgreFontManager.h>

#include <cstdio>
#include <set>
#include <cstdlib>

namespace
{
// The game never draws faster than the display refreshes: with vertical
// sync where the driver does not wait for the display (Xvfb, software
// renderers), and without it, where nothing waits.  The rest of each frame
// is slept out once it is shown.
struct PacingListener : public Ogre::FrameListener
{
    bool frameEnded(const Ogre::FrameEvent&) override
    {
        pacer.frameDone();
        return true;
    }
    Platform::CFramePacer pacer;
};
PacingListener gPacing;

// The display's refresh rate as the render system states it ("60 Hz" or
// "60"); 60 when it states none.
double displayRate(Ogre::RenderSystem* rs)
{
    const Ogre::ConfigOptionMap& options = rs->getConfigOptions();
    const auto it = options.find("Display Frequency");
    const int hz = it != options.end() ? std::atoi(it->second.currentValue.c_str()) : 0;
    return hz > 0 ? hz : 60.0;
}

const Ogre::ConfigOptionMap& optionsOf(Ogre::RenderSystem* rs)
{
    return rs->getConfigOptions();
}

bool offers(Ogre::RenderSystem* rs, const std::string& option)
{
    return optionsOf(rs).count(option) != 0;
}

Ogre::RenderSystem* renderSystemByName(Ogre::Root* root, const std::string& name)
{
    for (Ogre::RenderSystem* rs : root->getAvailableRenderers())
        if (rs->getName() == name)
            return rs;
    return nullptr;
}

// Fills one list of the dialog from a render-system option, with the
// current value (from the options map when it names a possible value)
// selected.  Video modes of 16 bits are left out.
void fillChoice(Platform::SettingsDialogModel::Choice& choice, Ogre::RenderSystem* rs,
                const std::string& option, const CAppState& state, const std::string& stateKey)
{
    choice.values.clear();
    choice.selected = -1;
    auto it = optionsOf(rs).find(option);
    if (it == optionsOf(rs).end())
        return;
    std::string current = it->second.currentValue;
    auto st = state.mOptions.find(stateKey);
    if (st != state.mOptions.end())
        current = st->second.value;
    for (const std::string& value : it->second.possibleValues)
    {
        if (option == "Video Mode" && value.find("16-bit") != std::string::npos)
            continue;
        if (value == current)
            choice.selected = static_cast<int>(choice.values.size());
        choice.values.push_back(value);
    }
    if (choice.selected < 0 && !choice.values.empty())
        choice.selected = 0;
}

// The anti-aliasing option: OGRE's GL render system calls it "FSAA".
std::string antiAliasingOption(Ogre::RenderSystem* rs)
{
    if (offers(rs, "Anti aliasing"))
        return "Anti aliasing";
    return "FSAA";
}

struct DialogContext
{
    Ogre::Root* root;
    CAppState* state;
};

void refillDialog(Platform::SettingsDialogModel& model, void* context)
{
    DialogContext* ctx = static_cast<DialogContext*>(context);
    if (model.selectedRenderSystem < 0 ||
        model.selectedRenderSystem >= static_cast<int>(model.renderSystems.size()))
        return;
    Ogre::RenderSystem* rs = renderSystemByName(ctx->root, model.renderSystems[model.selectedRenderSystem]);
    if (!rs)
        return;
    const bool old = rs->getName().find("Direct3D7") != std::string::npos;
    model.antiAliasing.enabled = !old;
    model.floatingPointMode.enabled = !old;
    model.perfHudEnabled = !old;
    fillChoice(model.videoMode, rs, "Video Mode", *ctx->state, "Video Mode");
    fillChoice(model.antiAliasing, rs, antiAliasingOption(rs), *ctx->state, "Anti aliasing");
    fillChoice(model.floatingPointMode, rs, "Floating-point mode", *ctx->state, "Floating-point mode");
    fillChoice(model.renderingDevice, rs, "Rendering Device", *ctx->state, "Rendering Device");
}

std::string selectedText(const Platform::SettingsDialogModel::Choice& choice)
{
    if (choice.selected < 0 || choice.selected >= static_cast<int>(choice.values.size()))
        return std::string();
    return choice.values[choice.selected];
}

std::string option(const CAppState& state, const std::string& key)
{
    auto it = state.mOptions.find(key);
    return it != state.mOptions.end() ? it->second.value : std::string();
}

// Sets a render-system option only when the render system offers it.
bool setIfOffered(Ogre::RenderSystem* rs, const std::string& name, const std::string& value)
{
    if (!offers(rs, name) || value.empty())
        return false;
    const Ogre::ConfigOption& opt = optionsOf(rs).at(name);
    if (!opt.possibleValues.empty())
    {
        bool possible = false;
        for (const std::string& v : opt.possibleValues)
            possible = possible || v == value;
        if (!possible)
            return false;
    }
    rs->setConfigOption(name, value);
    return true;
}
// Video modes are stored as "1024 x 768 @ 32-bit colour"; a render system
// may spell its modes otherwise ("1024 x  768"): match by width and height,
// and in a window take the size even when the render system does not list it.
void setVideoMode(Ogre::RenderSystem* rs, const std::string& mode, bool windowed)
{
    int width = 0, height = 0;
    if (!offers(rs, "Video Mode") || std::sscanf(mode.c_str(), "%d x %d", &width, &height) != 2)
        return;
    for (const std::string& value : optionsOf(rs).at("Video Mode").possibleValues)
    {
        int w = 0, h = 0;
        if (std::sscanf(value.c_str(), "%d x %d", &w, &h) == 2 && w == width && h == height)
        {
            rs->setConfigOption("Video Mode", value);
            return;
        }
    }
    if (windowed)
        rs->setConfigOption("Video Mode", Ogre::StringConverter::toString(width) + " x " +
                                              Ogre::StringConverter::toString(height));
    else
        Log::print("\nWARNING: Video mode [%s] not offered, keeping [%s]", mode.c_str(),
                   optionsOf(rs).at("Video Mode").currentValue.c_str());
}
} // namespace

bool CApplication::runSettingsDialog()
{
    CAppState& state = mAppState;
    state.setDefaultOptions();
    state.loadOptions();

    const Ogre::RenderSystemList& renderers = mRoot->getAvailableRenderers();

    if (mSetupFlag)
    {
        Log::print("DIALOG");
        if (renderers.empty())
        {
            Platform::messageBox("ERROR: Render systems not found!", "Fatal error", Platform::MB_ICON_ERROR);
            std::exit(0);
        }
        Platform::SettingsDialogModel model;
        for (Ogre::RenderSystem* rs : renderers)
        {
            if (rs->getName() == option(state, "RenderSubsystem"))
                model.selectedRenderSystem = static_cast<int>(model.renderSystems.size());
            model.renderSystems.push_back(rs->getName());
        }
        model.fullScreen = option(state, "Full Screen") == "Yes";
        model.vsync = option(state, "VSync") == "Yes";
        model.perfHud = option(state, "Allow NVPerfHUD") == "Yes";
        model.noPostEffects = mNoPostEffects;
        if (Platform::fileExists("splash.bmp"))
            model.splashBitmap = "splash.bmp";
        DialogContext ctx{mRoot, &state};
        refillDialog(model, &ctx);

        const int result = Platform::runSettingsDialog(model, refillDialog, &ctx);
        if (!model.splashError.empty())
            Log::print("\nWARNING: Can't show the splash picture [%s]: %s", model.splashBitmap.c_str(),
                       model.splashError.c_str());
        if (result == 0)
            return false;
        if (result > 0)
        {
            auto store = [&](const char* key, const std::string& value) {
                OptionValue& v = state.mOptions[key];
                v.value = value;
                v.persistent = 1;
            };
            store("RenderSubsystem", model.renderSystems[model.selectedRenderSystem]);
            store("Video Mode", selectedText(model.videoMode));
            store("Anti aliasing", selectedText(model.antiAliasing));
            store("Floating-point mode", selectedText(model.floatingPointMode));
            store("Rendering Device", selectedText(model.renderingDevice));
            store("Full Screen", model.fullScreen ? "Yes" : "No");
            store("VSync", model.vsync ? "Yes" : "No");
            store("Allow NVPerfHUD", model.perfHud ? "Yes" : "No");
            mNoPostEffects = model.noPostEffects;
            state.saveOptions();
        }
        else
            Log::print("\nWARNING: No display for the settings dialog, using the saved settings");
    }

    // The saved render system may be one this machine lacks (the default names
    // one that never exists here): fall back to the first one and store it.
    Ogre::RenderSystem* rs = renderSystemByName(mRoot, option(state, "RenderSubsystem"));
    if (!rs)
    {
        if (renderers.empty())
        {
            Platform::messageBox("ERROR: Render systems not found!", "Fatal error", Platform::MB_ICON_ERROR);
            std::exit(0);
        }
        rs = renderers.front();
        Log::print("\nWARNING: Render system [%s] not available, using [%s]",
                   option(state, "RenderSubsystem").c_str(), rs->getName().c_str());
        OptionValue& v = state.mOptions["RenderSubsystem"];
        v.value = rs->getName();
        v.persistent = 1;
        state.saveOption("RenderSubsystem");
    }
    mRoot->setRenderSystem(rs);

    // Windowed mode needs a 32-bit desktop.
    if (option(state, "Full Screen") == "No")
    {
        const Platform::DisplayMode desktop = Platform::desktopDisplayMode();
        if (desktop.bitsPerPixel != 32)
        {
            const int answer = Platform::messageBox(
                "Unable to run game in windowed mode. Switch desktop color resolution to 32 bit.\n\n"
                "Press 'OK' to play game in fullscreen mode or press 'Cancel' to quit the game.",
                "Color resolution warning", Platform::MB_OK_CANCEL | Platform::MB_ICON_WARNING);
            if (answer == Platform::ID_CANCEL)
                return false;
            state.mOptions["Full Screen"].value = "Yes";
        }
    }

    std::string videoMode;
    if (option(state, "Full Screen") == "No")
    {
        int width = 0, height = 0, bits = 0;
        getVideoModes(width, height, bits);
        videoMode = checkVideoMode(height);
    }
    else
        videoMode = option(state, "Video Mode");
    setIfOffered(rs, "Full Screen", option(state, "Full Screen"));
    setVideoMode(rs, videoMode, option(state, "Full Screen") == "No");

    // Anti-aliasing: the dialog stores "Anti aliasing"; "aa_level" wins when set.
    std::string aa = state.hasOption("aa_level") ? option(state, "aa_level") : option(state, "Anti aliasing");
    if (aa == "None")
        aa = "0";
    setIfOffered(rs, antiAliasingOption(rs), aa);
    setIfOffered(rs, "VSync", option(state, "VSync"));
    setIfOffered(rs, "Allow NVPerfHUD", option(state, "Allow NVPerfHUD"));
    setIfOffered(rs, "Floating-point mode", option(state, "Floating-point mode"));
    setIfOffered(rs, "Rendering Device", option(state, "Rendering Device"));
    state.saveOptions();

    if (!state.hasOption("app_name"))
        state.mOptions["app_name"].value = kGameTitle;
    mWindow = mRoot->initialise(true, option(state, "app_name"));
    gPacing.pacer.setRate(displayRate(rs));
    mRoot->addFrameListener(&gPacing);
    unsigned long handle = 0;
    mWindow->getCustomAttribute("WINDOW", &handle);
    Platform::setFixedSizeWindow(handle, static_cast<int>(mWindow->getWidth()),
                                 static_cast<int>(mWindow->getHeight()));

    if (!mLowVideoMemory)
    {
        const int v = getVideoMemoryMb();
        if (v > 0 && v <= 20)
        {
            Platform::messageBox("Too low video memory detected.", "Low video memory error",
                                 Platform::MB_ICON_WARNING | Platform::MB_TOPMOST);
            return false;
        }
        if (v > 20 && v < 40)
        {
            const int answer = Platform::messageBox(
                "Low video memory detected. Press 'OK' to play the game with lower quality graphics or "
                "press 'Cancel' to quit the game.",
                "Low video memory warning",
                Platform::MB_OK_CANCEL | Platform::MB_ICON_WARNING | Platform::MB_TOPMOST);
            if (answer == Platform::ID_CANCEL)
                return false;
            mLowVideoMemory = true;
        }
    }

    if (mLowVideoMemory)
    {
        setIfOffered(rs, "Scale non-alpha textures", "2");
        Ogre::TextureManager::getSingleton().setDefaultNumMipmaps(1);
        Ogre::MaterialManager::getSingleton().setActiveScheme("low");
        if (option(state, "Full Screen") == "Yes")
            mWindow->setFullscreen(true, 800, 600);
    }
    else
    {
        if (state.hasOption("mip_num"))
            Ogre::TextureManager::getSingleton().setDefaultNumMipmaps(
                Ogre::StringConverter::parseInt(option(state, "mip_num")));
        Ogre::MaterialManager::getSingleton().setActiveScheme("Default");
    }
    return true;
}

int CApplication::getVideoMemoryMb() const
{
    Ogre::RenderSystem* rs = mRoot ? mRoot->getRenderSystem() : nullptr;
    if (!rs || !offers(rs, "Video Memory"))
        return 0;
    return Ogre::StringConverter::parseInt(optionsOf(rs).at("Video Memory").currentValue);
}

void CApplication::getVideoModes(int& width, int& height, int& bits) const
{
    const Platform::DisplayMode mode = Platform::desktopDisplayMode();
    width = mode.width;
    height = mode.height;
    bits = mode.bitsPerPixel;
}

std::string CApplication::checkVideoMode(int desktopHeight)
{
    if (desktopHeight <= 600)
        return "640 x 480 @ 32-bit colour";
    if (desktopHeight <= 800)
        return "800 x 600 @ 32-bit colour";
    return "1024 x 768 @ 32-bit colour";
}

void CApplication::addResourceLocations()
{
    Ogre::ConfigFile cfg;
    cfg.load("resources.cfg", "\t:=", true);
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    for (const auto& section : cfg.getSettingsBySection())
        for (const auto& entry : section.second)
        {
            // One bad line (an unknown type, a pack that is not there) costs
            // its own resources, not the start of the game.
            try
            {
                groups.addResourceLocation(Platform::normalisePath(entry.second), entry.first, section.first);
                if (entry.first == "Data")
                    mDataArchive = true;
            }
            catch (const Ogre::Exception& e)
            {
                Log::print("\nERROR: resources.cfg: can't add [%s] of type [%s] to group [%s]: %s",
                           entry.second.c_str(), entry.first.c_str(), section.first.c_str(),
                           e.getDescription().c_str());
            }
        }
    const std::string folder = mAppState.getUserFolderA();
    Platform::createFolders(folder);
    groups.addResourceLocation(folder, "FileSystem", Ogre::RGN_DEFAULT, false);
}

namespace
{
// The code points of the font definition that the game writes when it has
// none: the texts of the menus and the first scene are not read yet.
const Ogre::UTFString::code_point kBaseCodePoints[][2] = {
    {32, 126}, {160, 383}, {8211, 8222}, {8226, 8230}, {8364, 8364}};

std::string fontDefText(Ogre::ResourceGroupManager& groups)
{
    try
    {
        Ogre::DataStreamPtr stream = groups.openResource("font.fontdef", "General");
        return stream ? stream->getAsString() : std::string();
    }
    catch (const Ogre::Exception&)
    {
        return std::string();
    }
}

// The file behind a resource of a "FileSystem" location; empty for a
// resource inside a pack.
std::string fileSystemPath(Ogre::ResourceGroupManager& groups, const std::string& name)
{
    Ogre::FileInfoListPtr found = groups.findResourceFileInfo("General", name);
    for (const Ogre::FileInfo& info : *found)
        if (info.archive && info.archive->getType() == "FileSystem" && info.filename == name)
            return info.archive->getName() + "/" + info.filename;
    return std::string();
}
} // namespace

void CApplication::prepareFontDef()
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    std::string cause = "missing";
    if (groups.resourceExists("General", "font.fontdef"))
    {
        if (StringTable::isCompleteFontDef(fontDefText(groups)))
            return;
        cause = "damaged";
        const std::string path = fileSystemPath(groups, "font.fontdef");
        if (path.empty())
        {
            Log::print("\nERROR: The font definition font.fontdef is damaged inside a pack; "
                       "texts may not show");
            return;
        }
        mStrings.mFontDefPath = path; // replaced where it lies, so there is only one
    }
    // The definition names a TrueType file that the game has.
    if (!groups.resourceExists("General", mStrings.mFontSource))
    {
        Ogre::StringVectorPtr fonts = groups.findResourceNames("General", "*.ttf");
        if (!fonts->empty())
            mStrings.mFontSource = fonts->front();
    }
    Log::print("\nWARNING: The font definition font.fontdef is %s; writing %s", cause.c_str(),
               Platform::normalisePath(mStrings.mFontDefPath).c_str());
    mStrings.mCollectCodePoints = true;
    for (const auto& range : kBaseCodePoints)
        mStrings.addCodePoints(range[0], range[1]);
    if (!mStrings.writeFontDef() || cause != "missing")
        return;
    // A location lists its files when it is added: the new file's folder is
    // added (again) so that the resource groups find it.
    const std::string path = Platform::normalisePath(mStrings.mFontDefPath);
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    if (groups.resourceLocationExists(folder, "General"))
        groups.removeResourceLocation(folder, "General");
    groups.addResourceLocation(folder, "FileSystem", "General");
}

void CApplication::createSceneManager()
{
    mSceneMgr = mRoot->createSceneManager(Ogre::DefaultSceneManagerFactory::FACTORY_TYPE_NAME, kGameTitle);
}

namespace
{
// With "-notex": material scripts that name textures missing from the data
// get the same name with "png", then "jpg", then "BaseWhite".
class TextureRepairListener : public Ogre::ResourceGroupListener
{
public:
    void scriptParseStarted(const Ogre::String& name, bool& skipThisScript) override
    {
        (void)skipThisScript;
        if (name.find(".material") == Ogre::String::npos || !mNotYetRepaired || !mMaterialParsed)
            return;
        mNotYetRepaired = false;
        repairAll();
    }
    void scriptParseEnded(const Ogre::String& name, bool) override
    {
        if (name.find(".material") != Ogre::String::npos)
            mMaterialParsed = true;
    }
    void resourceGroupScriptingStarted(const Ogre::String&, size_t) override {}
    void resourceGroupScriptingEnded(const Ogre::String&) override {}
    void resourceGroupLoadStarted(const Ogre::String&, size_t) override {}
    void resourceLoadStarted(const Ogre::ResourcePtr&) override {}
    void resourceLoadEnded() override {}
    void worldGeometryStageStarted(const Ogre::String&) override {}
    void worldGeometryStageEnded() override {}
    void resourceGroupLoadEnded(const Ogre::String&) override {}

private:
    static std::string repaired(const std::string& name)
    {
        Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
        if (groups.resourceExists("General", name))
            return name;
        const size_t dot = name.rfind('.');
        const std::string stem = name.substr(0, dot);
        if (groups.resourceExists("General", stem + ".png"))
            return stem + ".png";
        if (groups.resourceExists("General", stem + ".jpg"))
            return stem + ".jpg";
        return "BaseWhite";
    }

    static void repairAll()
    {
        auto it = Ogre::MaterialManager::getSingleton().getResourceIterator();
        while (it.hasMoreElements())
        {
            Ogre::MaterialPtr material = Ogre::static_pointer_cast<Ogre::Material>(it.getNext());
            const std::string& name = material->getName();
            if (name.find("01_jeep/jeep") != std::string::npos ||
                name.find("00_mask_metal") != std::string::npos)
                continue;
            for (Ogre::Technique* technique : material->getTechniques())
                for (Ogre::Pass* pass : technique->getPasses())
                    for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                    {
                        const size_t frames = unit->getNumFrames();
                        for (size_t f = 0; f < frames; ++f)
                        {
                            const std::string texture = unit->getFrameTextureName(f);
                            if (texture.find('.') == std::string::npos)
                                continue;
                            const std::string fixed = repaired(texture);
                            if (fixed == texture)
                                continue;
                            if (frames == 1)
                                unit->setTextureName(fixed, Ogre::TEX_TYPE_2D);
                            else
                                unit->setFrameTextureName(fixed, static_cast<unsigned>(f));
                        }
                    }
        }
    }

    bool mNotYetRepaired = true;
    bool mMaterialParsed = false;
};
} // namespace

void CApplication::initResources()
{
    if (mNoTextures && mDataArchive)
    {
        static TextureRepairListener listener; // for the rest of the run
        Ogre::ResourceGroupManager::getSingleton().addResourceGroupListener(&listener);
    }
    Ogre::ResourceGroupManager::getSingleton().initialiseAllResourceGroups();
}

void CApplication::setupFonts()
{
    // Materials may draw a font's glyphs by naming its texture (the title's
    // texts name "00_font_01Texture").  The font makes that texture when it
    // loads, but the material scripts, read first, have already declared a
    // texture of that name, which has no file and would keep the font from
    // loading.  So every font loads now: the declared texture gives way to
    // the font's, and the materials that name it are pointed at it again.
    Ogre::TextureManager& textures = Ogre::TextureManager::getSingleton();
    std::set<std::string> fontTextures;
    auto fonts = Ogre::FontManager::getSingleton().getResourceIterator();
    while (fonts.hasMoreElements())
    {
        Ogre::ResourcePtr font = fonts.getNext();
        const std::string texture = font->getName() + "Texture";
        if (textures.resourceExists(texture, font->getGroup()))
        {
            textures.remove(texture, font->getGroup());
            fontTextures.insert(texture);
        }
        font->load();
    }
    auto all = Ogre::MaterialManager::getSingleton().getResourceIterator();
    while (!fontTextures.empty() && all.hasMoreElements())
    {
        Ogre::MaterialPtr material = Ogre::static_pointer_cast<Ogre::Material>(all.getNext());
        for (Ogre::Technique* technique : material->getTechniques())
            for (Ogre::Pass* pass : technique->getPasses())
                for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                    if (fontTextures.count(unit->getTextureName()) != 0)
                        unit->setTextureName(unit->getTextureName());
    }

    if (!mAppState.hasOption("font_scroll_x") || !mAppState.hasOption("font_scroll_y"))
        return;
    const float x = Ogre::StringConverter::parseReal(option(mAppState, "font_scroll_x"));
    const float y = Ogre::StringConverter::parseReal(option(mAppState, "font_scroll_y"));
    auto it = Ogre::MaterialManager::getSingleton().getResourceIterator();
    while (it.hasMoreElements())
    {
        Ogre::MaterialPtr material = Ogre::static_pointer_cast<Ogre::Material>(it.getNext());
        // Materials without a first technique, pass or unit are not fonts.
        if (material->getNumTechniques() == 0)
            continue;
        Ogre::Technique* technique = material->getTechnique(0);
        if (technique->getNumPasses() == 0)
            continue;
        Ogre::Pass* pass = technique->getPass(0);
        if (pass->getNumTextureUnitStates() == 0)
            continue;
        Ogre::TextureUnitState* unit = pass->getTextureUnitState(0);
        if (unit->getTextureName() == "00_font_01Texture")
            unit->setTextureScroll(x, y);
    }
}

void CApplication::createViewport()
{
    if (!mCamera || !mWindow)
        return;
    mViewport = mWindow->addViewport(mCamera, 0, 0.0f, 0.0f, 1.0f, 1.0f);
    mViewport->setBackgroundColour(Ogre::ColourValue(0, 0, 0, 1));
    mCamera->setAspectRatio(1.3333334f);
    mFittedWidth = mFittedHeight = 0;
    fitViewport();
}

void CApplication::fourByThreeArea(int windowWidth, int windowHeight, int& left, int& top, int& width, int& height)
{
    // Within a pixel of 4:3 the whole window is used.
    width = windowWidth;
    height = windowHeight;
    if (windowWidth * 3 > windowHeight * 4 + 3)
        width = (windowHeight * 4 + 1) / 3;
    else if (windowHeight * 4 > windowWidth * 3 + 4)
        height = (windowWidth * 3 + 2) / 4;
    left = (windowWidth - width) / 2;
    top = (windowHeight - height) / 2;
}

void CApplication::fitViewport()
{
    if (!mWindow || !mViewport)
        return;
    const int windowWidth = static_cast<int>(mWindow->getWidth());
    const int windowHeight = static_cast<int>(mWindow->getHeight());
    if (windowWidth <= 0 || windowHeight <= 0)
        return;
    if (windowWidth == mFittedWidth && windowHeight == mFittedHeight)
        return;
    mFittedWidth = windowWidth;
    mFittedHeight = windowHeight;
    int left = 0, top = 0, width = 0, height = 0;
    fourByThreeArea(windowWidth, windowHeight, left, top, width, height);
    const bool whole = width == windowWidth && height == windowHeight;
    // The overlays are laid out in fractions of the viewport, so a 4:3
    // viewport keeps them, and the 4:3 camera, in shape.
    mViewport->setDimensions(static_cast<float>(left) / windowWidth, static_cast<float>(top) / windowHeight,
                             static_cast<float>(width) / windowWidth, static_cast<float>(height) / windowHeight);
    if (!whole && !mBarsViewport)
    {
        // A viewport clears only its own area: the bars need one of their
        // own, drawn first, with nothing in it.
        mBarsViewport = mWindow->addViewport(mCamera, -1, 0.0f, 0.0f, 1.0f, 1.0f);
        mBarsViewport->setBackgroundColour(Ogre::ColourValue(0, 0, 0, 1));
        mBarsViewport->setVisibilityMask(0);
        mBarsViewport->setOverlaysEnabled(false);
        mBarsViewport->setSkiesEnabled(false);
        mBarsViewport->setShadowsEnabled(false);
    }
    else if (whole && mBarsViewport)
    {
        mWindow->removeViewport(mBarsViewport->getZOrder());
        mBarsViewport = nullptr;
    }
    if (mInput)
        mInput->updateWindowSize();
    Log::print("\nThe picture: %dx%d at (%d, %d) in a %dx%d window", width, height, left, top, windowWidth,
               windowHeight);
}

void CApplication::useFirstCamera()
{
    const Ogre::SceneManager::CameraList& cameras = mSceneMgr->getCameras();
    if (cameras.empty())
    {
        Log::print("\nWARNING: The scene has no camera, keeping the current one");
        return;
    }
    mCamera = cameras.begin()->second;
    mCamera->setAspectRatio(1.3333334f);
    if (mViewport)
        mViewport->setCamera(mCamera);
}

void CApplication::setCameraByName(const std::string& name)
{
    if (!mSceneMgr->hasCamera(name))
    {
        Log::print("\nWARNING: Can't find camera [%s]", name.c_str());
        return;
    }
    enableCompositors(false);
    mCamera = mSceneMgr->getCamera(name);
    mCamera->setAspectRatio(1.3333334f);
    if (mViewport)
        mViewport->setCamera(mCamera);
    enableCompositors(true);
}
