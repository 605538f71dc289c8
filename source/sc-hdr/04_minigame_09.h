// The script registered as "04_minigame_09.sc": the templates-and-boards
// puzzle of room 04_06.  Three boards have holes at 4, 6 and 8 symbol
// places; ten templates carry two symbols each.  A template dragged onto a
// board stays there only where both its symbols are still open holes of that
// board; nine templates fill all eighteen holes, the tenth is a decoy.  A bar
// behind the boards shows how many templates lie on boards.
//
// The templates and their cards ("04_06_game_template_NN",
// "04_06_game_page_NN") report focus and loss of focus; the game reads the
// mouse itself.  Start, pause, save and end come from the mini-game frame;
// the board stays in the saved game (location 4, game 9).
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "Puzzle.h"

class sc_04_minigame_09 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_04_minigame_09(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    static const int kBoards = 3;
    static const int kTemplates = 10;
    static const int kSymbols = 8;
    static const int kSaved = 80;
    static const int kOrder = 10;     ///< saved index: the template of each symbol pair
    static const int kBoardData = 20; ///< saved index of board 0's values, 10 per board
    static const int kTemplateData = 50; ///< saved index of template 0's two values
    static const int kPlaced = 70;    ///< saved index: the board of each template, -1 home
    static const int kHoles = 18;

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

    void genData();
    void initGame();

    // -- dragging -----------------------------------------------------------
    void click();
    void select();
    void deselect();
    /// Whether the selected template fits the board under it.
    bool check() const;
    /// The covered holes, the bar's target, and the win when all are covered.
    void genState();
    void moveTemps(float dt);
    void moveBar(float dt);

    /// Where template t waits when it lies on no board.
    static vec3 home(int t);

    struct Board
    {
        int values[kSymbols] = {};
        int covered[kSymbols] = {};
        int count = 0;
        OBJECT_HANDLE object = 0;
        vec3 pos = vec3::ZERO;
    };

    struct Template
    {
        int values[2] = {};
        OBJECT_HANDLE object = 0;
        OBJECT_HANDLE card = 0;
        vec3 start = vec3::ZERO;
        vec3 target = vec3::ZERO;
        vec3 current = vec3::ZERO;
        vec3 cardOffset = vec3::ZERO;
        float progress = 1.0f; ///< of its slide; 1 at rest
        float lift = 0.0f;     ///< z, so that templates never share a depth
        float highlight = 0.0f;
        String cardMaterial;
    };

    int& slot(int value) { return data[value]; }
    int& placed(int t) { return data[kPlaced + t]; }

    int data[kSaved] = {};
    int gameOver = 0;
    Board boards[kBoards];
    Template temps[kTemplates];

    int state = 0; ///< 0 idle, 1 a template picked up, 2 dragged
    int selected = -1;
    int focused = -1;
    int boardUnder = -1;
    vec3 grab = vec3::ZERO;
    vec3 cursor = vec3::ZERO;
    float pressX = 0.0f;
    float pressY = 0.0f;
    MiniGame::Mouse mouse;
    float barShown = 0.0f;
    float barTarget = 0.0f;

    Puzzle::CSoundSet sounds;
    OBJECT_HANDLE starter = 0;
    int timer = 0;

private:
    void save();
    void repairSave();
};
