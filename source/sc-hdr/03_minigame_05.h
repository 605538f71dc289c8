// The script registered as "03_minigame_05.sc": the colour-memory puzzle of
// location 3.  Five planes show a pattern of five colours; the first click
// washes them out to white, and the player colours them again from memory
// with five crystals, one per colour, dragged onto the white planes.  The
// right pattern wins; a wrong one washes the planes out, sends the crystals
// home, shows a tip and a new pattern.  A reset object (crystal piece 5)
// does the same at any time without the tip; a caption labels it.  The
// crystals and the reset object ("03_03_game_color") and the planes
// ("03_03_game_plane") report the cursor over them; the game reads the
// button itself.
#pragma once

#include "ChipDrag.h"
#include "CodeScript.h"
#include "MiniGame.h"
#include "MiniGameTools.h"

class sc_03_minigame_05 : public virtual CodeScript, public MiniGame::CFramedGame, public CChipDrag
{
public:
    static const int kColours = 5;
    static const int kReset = 5; ///< the reset object's piece number
    static const int kSaved = 11;

    enum Phase
    {
        kShowing = 0,  ///< the pattern stands until the next click
        kPlaying = 1,  ///< the planes wash out and take colours
        kWashing = 2,  ///< after a wrong pattern or a reset
        kNewPattern = 3,
    };

    /// Crystal i is colour i; record 5 is the reset object, of which only
    /// the glow is used.
    struct _CRYSTAL
    {
        OBJECT_HANDLE crystal = 0;
        OBJECT_HANDLE light = 0;
        String lightMaterial;
        String crystalMaterial;
        float glow = 0.0f;
        float t = 1.0f; ///< the move's progress; 1 at rest
        int available = 1;
        int used = 0;
        float alpha = 1.0f;
        vec3 home = vec3::ZERO, from = vec3::ZERO, to = vec3::ZERO, current = vec3::ZERO;
    };

    struct _PLANE
    {
        OBJECT_HANDLE plane = 0;
        String material;
        float whiteness = 0.0f; ///< 0 shows the colour, 1 plain white
        int coloured = 0;       ///< 1 while the plane turns to its colour
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_05(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void select() override;
    void deselect() override;

    /// Draws a new pattern, to be shown, and saves it.
    void genData();
    /// Loads the state and dresses the board.
    void initGame();
    /// The caption of the reset object.
    void initText();
    void destroyText();
    /// Plane pl shows colour c.
    void setColor(int pl, int c);
    void focusColor(int i);
    void unfocusColor();
    void focusPlane(int i);
    void unfocusPlane();
    void moveColor(float inc);
    void movePlane(float inc);
    void win();

    /// Every crystal home at once, available again.
    void crystalsHome();
    /// Whether the loaded array holds a state this game can play.
    bool stateValid() const;

    _CRYSTAL crystals[kColours + 1];
    vec3 grabOffset = vec3::ZERO; ///< crystal minus cursor at the grab
    int held = -1;                ///< the crystal carried
    int focusedCrystal = -1;      ///< 0..4 a crystal, 5 the reset object
    int won = 0;
    MiniGame::CSoundSet sounds;
    vec3 cursor = vec3::ZERO;     ///< cursor x, y and the plane's depth
    vec3 planePoint = vec3::ZERO; ///< the cursor on that plane, camera space
    MiniGame::Mouse mouse;
    int tipWait = 0; ///< 1 from the failure tip until the tip is done
    int focusedPlane = -1;
    _PLANE planes[kColours];
    float carryT = 0.0f; ///< glide of the carried crystal to its carry point
    int phase = kShowing;
    String overlayName = "Minigame05Text";
    String frameElement = "Minigame05TextFrame";
    String shadowElement = "Minigame05TextContainer";
    String frontElement = "Minigame05TextFront";
    int timerId = 0;
    int saved[kSaved] = {}; ///< targets of planes 0..4, colours given, pattern to show
};
