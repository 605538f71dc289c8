// The script registered as "05_minigame_27.sc": the fish arcade machine of
// room 05_02.  Its own small scene ("05_minigame_27.scene") is drawn into
// the render texture on the machine's screen.  Two cabinet buttons steer the
// player's fish left and right, the third starts a game; food fish give
// points, every other fish kills.  A good score gives hint points in the
// main game, up to a limit over all games.  No puzzle: nothing is won and
// only the hint points earned are saved.
#pragma once

#include "CodeScript.h"

class sc_05_minigame_27 : public virtual CodeScript
{
public:
    /// A fish of the game, or the player's fish.
    struct Fish
    {
        OBJECT_HANDLE handle = 0;
        int kind = 0;          ///< 0..4: 0 plain, 1 bomb (spins), 2 catcher, 3 chaser, 4 food
        int state = 0;         ///< 0 swims under control, 1 and 2 follow a path
        vec3 pos = vec3::ZERO; ///< x across (-40..40), y up (in at 50, out below -50)
        float vx = 0.0f;       ///< across per unit of dt
        float attraction = 0.0f; ///< +0.5 chases the player, -0.5 flees
        float x0 = 0.0f, y0 = 0.0f; ///< the path's origin
        float px = 0.0f;       ///< path speed across
        float py = 0.0f;       ///< path speed up
        float pa = 0.0f;       ///< path acceleration up
        float pw = 0.0f;       ///< path wobble across
        float t = 0.0f;        ///< path time
        float spin = 0.0f;     ///< degrees
        float spinSpeed = 0.0f; ///< degrees per tick
        String material;       ///< the look when eaten; the player's: its look
    };

    /// A sprite that fades in, then out.
    struct Msg
    {
        OBJECT_HANDLE handle = 0;
        int state = 0;         ///< 0 hidden, 1 fading in, 2 fading out, 3 done
        float t = 0.0f;        ///< 0..1 of the fade
        String material;
        float speed = 0.0f;    ///< fade per unit of dt
        float scaleFrom = 1.0f, scaleTo = 1.0f;
        int scaling = 0;       ///< 1: grows while it fades in
    };

    /// A cabinet button.
    struct Button
    {
        OBJECT_HANDLE handle = 0;
        vec3 rest = vec3::ZERO; ///< the button up
        float press = 0.0f;     ///< 0 up .. 1 down
        int held = 0;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_05_minigame_27(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int id) override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void _near();
    /// The buttons move down while held and back up when let go.
    void buttonProcess();
    /// The player's fish ate food fish f.
    void fishAngel(Fish& f);
    /// A bomb hit the player's fish f.
    void fishBoom(Fish& f);
    /// Catcher i took the player's fish f.
    void fishCatch(Fish& f, int i);
    /// A fish ate the player's fish f.
    void fishEaten(Fish& f);
    /// Places f: under control, or along its path.
    void fishProcess(Fish& f);
    /// One tick of the steering, the fish, the collisions and the entries.
    void fishsProcess();
    /// The squared distance of two fish across and up.
    static float len(const Fish& a, const Fish& b);
    void game_over();
    /// Hint points for a good score.
    void giveHelp(int num);
    void initGame();
    static float interp(float x1, float x2, float a);
    void loadSnd();
    void msgProcess(Msg& m);
    /// Fades m in at v: i = 1 the points, i = 3 "game over".
    void msgShow(Msg& m, vec3 v, int i, float spd);
    /// Fish i comes in anew at the top as a random kind.
    void newFish(int i);
    void playSnd(int i);
    /// Digit s at place pos (0 thousands .. 3 ones) of the score.
    void setNum(int pos, int s);
    void setScore(int s);
    void startGame();
    void unloadSnd();
    /// Everything of a game hidden.
    void zastavka1();
    /// The attract screen: the machine waits for its start button.
    void zastavka2();

    Button buttons[3];      ///< 0 right, 1 start, 2 left
    Fish fish[5];
    Fish me;                ///< the player's fish
    Msg gameOverMsg;        ///< "05_02_game_over"
    Msg scoreMsg;           ///< "05_02_fish_msg"
    int sounds[4] = {-1, -1, -1, -1};
    float dt = 0.0f;        ///< the tick: frame seconds x 3
    int playing = 0;
    int score = 0;
    OBJECT_HANDLE scoreObject = 0; ///< "05_02_score"
    OBJECT_HANDLE background = 0;  ///< "05_02_fon": the sea, or the attract screen
    OBJECT_HANDLE backgroundLeft = 0;  ///< "05_02_fon_left"
    OBJECT_HANDLE backgroundRight = 0; ///< "05_02_fon_right"
    int timer = 0;
};
