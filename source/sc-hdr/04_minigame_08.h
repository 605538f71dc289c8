// The script registered as "04_minigame_08.sc": the node panel of room
// 04_04.  Eleven glowing nodes lie on a panel; the player drags a line from
// node to node and must join all of them into one open chain whose length
// stays within a budget: the shortest such chain, rounded down, plus one.
// The board is drawn once, the shortest chain is found for it then, and both
// stay in the saved game (location 4, game 8).
//
// The node pieces ("04_04_game_node_NN") report focus and loss of focus;
// the game reads the mouse button itself.  Start, pause, save and end come
// from the mini-game frame.
//
// The solver's tables (paths through two, four and six nodes of eleven) are
// built in storage of their own for the one search and let go after it, so
// that a running game holds only its board.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "Puzzle.h"

class sc_04_minigame_08 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_08(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kNodes = 11;
    static const int kSaved = 50;
    static const int kChainStart = 47; ///< saved index of the chain's first node
    static const int kBudget = 49;     ///< saved index of the length budget

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int code, OBJECT_HANDLE from) override;

    // -- the frame ----------------------------------------------------------
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void win();

    // -- the board ----------------------------------------------------------
    void genData();
    void genLevel();
    /// The shortest chain through the eleven nodes of dist: the budget into
    /// the saved index 49 and each node's successor on it into 4n + 3.
    void find();
    void initGame();
    /// A node's place on the panel (camera space) from its grid x and y.
    vec3 getPos(int i) const;
    void fillDistances(int i);

    // -- the chain ----------------------------------------------------------
    void refreshLine();
    void click();
    void select();
    void deselect();
    void nextLevel();
    void focusbutton(int i);
    void unfocusbutton();

    // -- drawing ------------------------------------------------------------
    void moveLine(float dt);
    /// Stretches node num's line from p1 towards p2, at most max long; its
    /// length in hundredths.
    int drawLine(int num, const vec3& p1, const vec3& p2, float max);
    /// The length gauge for l hundredths of a world unit.
    void setLineLenght(int l);
    void initFlash();
    void setFlash(int f0, int f1);
    void hideFlash();
    void moveFlash(float dt);
    void initSvet();
    void showSvet(int i);
    void hideSvet();
    void svetProcess(float dt);

    int& link(int n) { return data[4 * n + 2]; }
    int& successor(int n) { return data[4 * n + 3]; }

    struct Node
    {
        OBJECT_HANDLE node = 0;
        OBJECT_HANDLE line = 0;
        OBJECT_HANDLE light = 0;
        vec3 pos = vec3::ZERO;
        String lineMaterial;
        String lightMaterial;
        float level = 0.0f; ///< glow of the node light, 0..1
        int lit = 0;        ///< the node belongs to the chain
    };

    int data[kSaved] = {};
    int gameEnd = 0;
    Node nodes[kNodes];
    int count = kNodes;
    float dist[kNodes][kNodes] = {};

    int mode = 0;          ///< 0 idle, 1 a node grabbed, 2 its line dragged
    int selected = -1;
    int focused = -1;
    float curLength = 0.0f; ///< of the chain, world units
    vec3 cursor = vec3::ZERO;
    float grabX = 0.0f;
    float grabY = 0.0f;
    MiniGame::Mouse mouse;
    int clamped = 0; ///< the dragged line stands at its length limit

    OBJECT_HANDLE flash[2] = {0, 0};
    int flashOn = 0;
    float flashTime = 0.0f;
    int flashLine = -1;
    String flashLineMaterial;

    OBJECT_HANDLE svet = 0;
    float svetLevel = 0.0f;
    int svetOn = 0;
    int svetNode = -1;

    OBJECT_HANDLE gauge = 0;
    Puzzle::CSoundSet sounds;
    OBJECT_HANDLE starter = 0;
    int timer = 0;
};
