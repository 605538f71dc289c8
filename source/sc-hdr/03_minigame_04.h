// The script registered as "03_minigame_04.sc": the light-mixing puzzle of
// location 3.  Six panels of nine lamps (three green, three red, three
// blue) show lights; the first shows the start light, the last the goal.
// Four command chips, each with two operations on a colour, are dragged
// into four slots; the chip in slot k turns panel k's light into panel
// k + 1's, as long as the slots before it are filled.  Four filled slots
// that give the goal win.  The chips report the cursor over them
// ("03_01_game_cmd"); the game reads the button itself.
#pragma once

#include "ChipDrag.h"
#include "CodeScript.h"
#include "MiniGame.h"
#include "MiniGameTools.h"

class sc_03_minigame_04 : public virtual CodeScript, public MiniGame::CFramedGame, public CChipDrag
{
public:
    static const int kChips = 4;
    static const int kPanels = 6;
    static const int kSaved = 50;

    /// Chip i and slot i.
    struct _CHIP
    {
        OBJECT_HANDLE chipObject = 0;
        OBJECT_HANDLE slotObject = 0;
        vec3 from = vec3::ZERO;    ///< start of the chip's move (camera space)
        vec3 to = vec3::ZERO;      ///< its target
        vec3 current = vec3::ZERO; ///< where it is shown
        vec3 slotPos = vec3::ZERO; ///< where slot i lies
        float t = 1.0f;            ///< the move's progress; 1 at rest
        float zBias = 0.0f;        ///< keeps chips that overlap apart
        float glow = 0.0f;         ///< highlight under the cursor, 0..1
        String chipMaterial;
    };

    struct _PANEL
    {
        OBJECT_HANDLE panelObject = 0;
        float brightness = 0.0f;
        String greenMaterial, redMaterial, blueMaterial;
        int light[3] = {0, 0, 0}; ///< lit lamps of green, red, blue
        int lampSub[9] = {3, 1, 2, 4, 8, 0, 5, 6, 7};
        int active = 0; ///< 1 when a chip has made this panel's light
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_04(int mostDerived = 1)
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

    /// Draws a new puzzle and saves it.
    void genData();
    /// The panels' lights as the chips in the order drawn make them; the
    /// last one is the goal.
    void calcLight();
    /// Applies operation cm to colour cl of light c: 1 when the result
    /// stands, 0 when it had to be clipped.
    static int change(int* c, int cl, int cm);
    /// Loads the state and dresses the board.
    void initGame();
    /// The panels' lights from the chips in the slots; wins when the last
    /// one is the goal.
    void genLight();
    /// Chip c shows operation cm on colour cl on its sign sub (0 or 1).
    void sign(int c, int sub, int cl, int cm);
    /// The table position of chip i, from its command.
    void getPos(int i, vec3& p);
    /// Stores the table position p of chip i into its command.
    void setPos(int i, const vec3& p);
    void win();
    void focusWord(int i);
    void unfocusWord();
    void moveCmds(float inc);
    void moveLights(float inc);

    /// The nine ints of chip i's command in the saved array.
    int* command(int i) { return &saved[3 + 9 * i]; }
    /// Whether the loaded array holds a state this game can play.
    bool stateValid() const;

    _CHIP chips[kChips];
    vec3 grabOffset = vec3::ZERO; ///< chip minus cursor at the grab; z 1 lifts it
    int selected = -1;            ///< the chip carried
    int focused = -1;             ///< the chip under the cursor
    int won = 0;
    MiniGame::CSoundSet sounds;
    _PANEL panels[kPanels];
    vec3 cursor = vec3::ZERO;     ///< cursor x, y and the plane's depth
    vec3 planePoint = vec3::ZERO; ///< the cursor on that plane, camera space
    MiniGame::Mouse mouse;
    int slotUnder = -1; ///< the slot under the carried chip
    int timerId = 0;
    int saved[kSaved] = {};
};
