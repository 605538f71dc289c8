// The script registered as "01_minigame_01.sc": the node-and-line board of
// location 1.  Ten upper nodes are to be joined to ten lower nodes by drawn
// lines.  Ten bottom connectors show the symbols 0..9 in some order; each
// symbol climbs through a lower ladder of boxes (a box crosses the two
// lines through it or lets them pass), through the player's links and an
// upper ladder, and must arrive at the top connector that shows it.
//
// The nodes' pieces report focus (upper N + 10000, lower N + 15000) and
// loss of focus, which move a light onto the node; the game reads presses,
// drags and drops from the mouse itself.  The board is saved as the int
// array 1_1_variable_0..89 with the solved flag as its end value.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "PuzzleBoard.h"

class sc_01_minigame_01 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_01_minigame_01(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kNodes = 10;
    static const int kBoxes = 61;
    static const int kStateSize = 90;
    /// Where the saved board keeps its rows: each ladder starts with its
    /// row 1 here (rows 2 and 3 at + 6 and + 11), the symbols and links.
    static const int kLowerLadder = 6;
    static const int kUpperLadder = 39;
    static const int kTopSymbols = 60;
    static const int kBottomSymbols = 70;
    static const int kLinks = 80;

    struct Node
    {
        OBJECT_HANDLE object = 0;
        vec3 position = vec3::ZERO;
        int linked = 0; ///< 1 while a link ends here or the node is held
    };
    struct Line
    {
        OBJECT_HANDLE object = 0;
        String material;
        int upNode = -1; ///< the upper node of the link drawn; -1 for the rubber band
    };
    struct Flash
    {
        OBJECT_HANDLE object = 0;
        String material;
    };
    struct Light
    {
        OBJECT_HANDLE object = 0;
        String material;
        int on = 0;
        float level = 0.0f;
        vec3 position = vec3::ZERO;
    };

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;

    /// A new board: random ladders and symbols, no links; saved at once.
    void genData();
    void initGame();
    void win();
    /// Counts the top connectors that receive their symbol (matchCount) and
    /// wins when all ten do.
    void check();
    void click();
    void select();
    void deselect();
    /// The first node within the pick radius of the pointer, upper nodes
    /// first: kind 0 upper, 1 lower.
    bool findNode(int& kind, int& index) const;
    /// Exchanges c1 and c2 when box is not 0.
    static void cross1(int& c1, int& c2, int box);
    /// One ladder row whose boxes start at state[num]: pairs from position
    /// p (0: five pairs 0-1 .. 8-9; 1: four pairs 1-2 .. 7-8).
    void cross2(int* c, int num, int p) const;
    /// The three rows of the ladder that starts at state[num].
    void cross3(int* c, int num) const;
    /// The player's links: upper position i takes what lower node
    /// state[kLinks + i] carries, -1 without a link.
    void cross4(int* c) const;
    void drawLine(int num, const vec3& p1, const vec3& p2, int n);
    /// Draws every link, lines 1..9 and then line 0.
    void updateLine();
    /// The linked flags from the links.
    void setNodeState();
    void visibleLine(int num, int v);
    static void lineSetAlpha(const Line& l, float a);
    /// Stretches line l's texture along v (x, y) and normalises v.
    void lineSetScale(vec3& v, int l);
    void linesAlphaMove(float inc);
    void setFlash(const vec3& pos1, const vec3& pos2, int l);
    /// The flash's brightness over its clock: up in 0.2, held, down in 0.2.
    static float flashFunc(float a);
    void flashMove(float inc);
    void initLight();
    void showLight(const vec3& p);
    void hideLight();
    void lightMove(float inc);
    void focusUp(int i);
    void focusDown(int i);
    void unfocusUp();
    void unfocusDown();
    void playSnd(int i) const;

    /// The turn about Z in degrees that both bones of a line drawn from p1
    /// to p2 get.
    static float lineAngle(const vec3& p1, const vec3& p2);

    OBJECT_HANDLE boxes[kBoxes] = {};
    int matchCount = 0;
    OBJECT_HANDLE downConnectors[kNodes] = {};
    int selectedKind = -1;  ///< of the held node: 0 upper, 1 lower, -1 none
    int selectedIndex = -1; ///< of the held node, -1 none
    Flash flashes[2];
    float flashTime = 0.0f;
    int flashLine = 0; ///< upper node of the link that flashes
    int flashOn = 0;
    int solved = 0;
    PuzzleBoard::Sounds sounds;
    Light light;
    Line lines[kNodes];
    PuzzleBoard::Pointer pointer{166.49f};
    PuzzleBoard::Drag drag;
    Node upNodes[kNodes];
    Node downNodes[kNodes];
    vec3 selectedPoint = vec3::ZERO; ///< the held node: the fixed end of the rubber band
    int timerId = 0;
    OBJECT_HANDLE upConnectors[kNodes] = {};
    int state[kStateSize] = {};

private:
    Node& nodeOf(int kind, int index);
    /// Makes a loaded board safe to play: links outside 0..9, or a second
    /// link to one lower node, are dropped with a warning.
    void repairLinks();
};
