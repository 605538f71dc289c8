// The script registered as "06_minigame_14.sc": figures on a graph.  The
// board shows ten nodes joined by fourteen lines; ten figures wait on two
// side strips, each with a picture of a shape and a colour.  A figure
// dragged onto a free node stays there when it shares the shape or the
// colour with every figure on a node joined to it; ten figures on the
// nodes win.  Figures dropped elsewhere stay on the strips, pushed apart.
// The figures report the cursor over them ("06_04_game_figure"); the game
// reads the button itself.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_06_minigame_14 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kFigures = 10;
    static const int kLines = 14;
    static const int kShapes = 3;
    static const int kCopies = 8; ///< figure objects of each shape
    static const int kSaved = 40;

    /// Figure i and node i.
    struct _FIGURE
    {
        OBJECT_HANDLE object = 0;
        OBJECT_HANDLE node = 0;
        vec3 target = vec3::ZERO;
        vec3 start = vec3::ZERO;
        vec3 current = vec3::ZERO;
        vec3 nodePos = vec3::ZERO;
        int occupied = 0;    ///< node i holds a figure
        int nodePicture = -1; ///< the picture of the figure on node i
        int picture = 0;
        float progress = 1.0f;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_06_minigame_14(int mostDerived = 1)
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

    /// Home places and pictures such that figure n on node n solves the
    /// board; saved.
    void genData();
    /// The picture of figure i from those of figures c1 and c2: it shares
    /// an attribute with both.
    void genPic(int i, int c1, int c2);
    void initGame();
    /// Whether the loaded array holds places and pictures this game can show.
    bool stateValid() const;
    /// The nodes' occupation from the figures that stand on them.
    void genState();
    void click();
    void select();
    void deselect();
    /// Whether picture may stand on node n beside the figures joined to it.
    bool check(int n, int picture) const;
    /// Pushes the free figures apart and inside the strips.
    void checkCollise();
    bool collise(int i, int j);
    bool checkBorder(int i);
    void moveFigures(float dt);
    void moveSelect(float dt);
    /// The background's pulse after a placement.
    void moveFon(float dt);
    /// The background lights up after the win.
    void moveFon2(float dt);
    void focusPart(int i);
    void unfocusPart();
    void win();
    /// The home place of figure i.
    vec3 getPos(int i) const;
    int nodeOf(int i) const { return saved[4 * i + 3]; }

    _FIGURE figures[kFigures];
    int selected = -1;
    int focused = -1;
    int nodeUnder = -1;
    vec3 grabOffset = vec3::ZERO;
    int pushApart = 0;
    OBJECT_HANDLE highlight = 0;
    float brightness = 0.0f;
    String highlightMaterial = "06_04_game_select";
    int highlighted = -1;
    float phase = 1.0f;
    int pulse = 0;
    MiniGame::CBoardPointer pointer; ///< its drag state is the game's state
    MiniGame::CSoundSet sounds;
    int timerId = 0;
    int won = 0;
    int saved[kSaved] = {};
};
