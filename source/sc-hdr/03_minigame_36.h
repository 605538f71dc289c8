// The script registered as "03_minigame_36.sc": the card reader of room
// 03_06.  Ten numbered cards ("03_06_game_card_00" to "_09") lie about,
// each tilted its own way, in front of a reader that expects five of them
// in a hidden order.  A card picked up and let go over the reader flies to
// its mouth and slides in.  The right next card fills the display by a
// sixth; a wrong one comes back out together with the last right one, and
// the display falls back a sixth.  Five right cards in a row win.
//
// The cards report focus as 10000 + n and loss of focus as 20000 + n; the
// game reads the button itself once a frame.  Saved array (location 2,
// game 36): the five expected cards and how many of them are in; the end
// value is won.
#pragma once

#include "BoardGame.h"
#include "CodeScript.h"

class sc_03_minigame_36 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kCards = 10;
    static const int kOrder = 5;
    static const int kSaved = kOrder + 1;

    enum MoveKind
    {
        kEase = 0,    ///< at home, on its way home, or following the cursor
        kToMouth = 1, ///< an arc to the reader's mouth
        kSlideIn = 2,
        kInside = 3,
    };

    struct _CARD
    {
        OBJECT_HANDLE obj = 0;
        vec3 home = vec3::ZERO;
        vec3 start = vec3::ZERO;
        vec3 current = vec3::ZERO;
        vec3 end = vec3::ZERO;
        String numberMaterial;  ///< "03_36_card/number_NN"
        String fadingMaterial;  ///< the same with "_alpha"
        float t = 1.0f;         ///< move progress; 1: arrived
        int tilted = 1;         ///< 1: lie at the tilt angle, 0: straighten
        float angle = 0.0f;     ///< degrees about Z now
        float tilt = 0.0f;      ///< degrees about Z when lying
        float tiltBlend = 1.0f;
        int kind = kEase;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_36(int mostDerived = 1)
    {
        (void)mostDerived;
        pointer.dragThreshold = 0.2f;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME() override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void genData();
    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;
    void click();
    void pickUp();
    void drop();
    void moveCards(float inc);
    void moveCard(int i, float inc);
    /// Card i has slid into the reader.
    void readerCheck(int i);
    /// Card i comes back out and lies at home, fading in.
    void returnHome(int i);
    void moveFill(float inc);
    void win();

    float fadeAlpha = 0.0f;
    _CARD cards[kCards];
    vec3 grabOffset = vec3(0.0f, 0.0f, 6.0f);
    int selected = -1;
    float shownFill = 0.0f;  ///< sixths of the display, as shown
    float targetFill = 0.0f;
    int focused = -1;
    int won = 0;
    MiniGame::CSoundSet sounds;
    vec3 slotInside = vec3::ZERO;
    MiniGame::CBoardPointer pointer;
    vec3 slotMouth = vec3::ZERO;
    int timer = 0;           ///< the frame tick while the game runs
    int order[kOrder] = {};  ///< the cards the reader expects, in order
    int progress = 0;        ///< how many of them are in
    int homesKnown = 0;      ///< 1 once the cards' homes have been read
};
