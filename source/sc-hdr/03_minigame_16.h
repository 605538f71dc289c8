// The script registered as "03_minigame_16.sc": the bookshelf puzzle of
// location 3 and the library cabinet that it guards.  Of 44 books on the
// shelf 15 carry colours; each book's left object shows its present colour
// and takes clicks, its right object the colour it should have.  Two
// coloured books picked one after the other slide out, swap their present
// colours and slide back; all of them right wins.  The puzzle plays in the
// room itself, set up when the room loads.  Code 200 opens the cabinet
// (the game's own object rises and slides aside), which stays open in
// later visits.  The left book objects report the cursor over them
// ("03_05_superkniga"); the game reads the button itself.
#pragma once

#include "CodeScript.h"
#include "MiniGame.h"
#include "MiniGameTools.h"

#include <OgreQuaternion.h>

class sc_03_minigame_16 : public virtual CodeScript, public MiniGame::CFramedGame
{
public:
    static const int kBooks = 44;
    static const int kEntries = 15; ///< the coloured books
    static const int kSaved = 45;

    struct _BOOK
    {
        OBJECT_HANDLE left = 0;  ///< shows the present colour, takes clicks
        OBJECT_HANDLE right = 0; ///< shows the colour wanted
        int picked = 0;
        int colour = 0;          ///< present colour, 0 for a plain book
        float pull = 0.0f;       ///< how far it is out, 0..1
        vec3 rest = vec3::ZERO;
        vec3 shown = vec3::ZERO;
        Ogre::Quaternion orientation = Ogre::Quaternion::IDENTITY;
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_minigame_16(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_DESTROY() override;
    void ON_TIME(int param) override;
    void ON_NOTIFY(int param, OBJECT_HANDLE from) override;

    void startGame(OBJECT_HANDLE from) override;
    void quitGame() override;
    void saveGame() override;
    void showHint() override;

    /// Draws the coloured books and shuffles their colours; saves.
    void genData();
    /// Loads the state and dresses the books.
    void init();
    /// Finds the shelf light and hides it.
    void initSvet();
    /// Finds the book light and hides it.
    void initSvet2();
    /// The object shows colour c (0 plain).
    void setColor(OBJECT_HANDLE obj, int c);
    void click();
    /// Swaps the present colours of the two books out; saves.
    void change();
    /// Whether every coloured book shows its colour.
    bool check() const;
    /// The entry of book s, -1 for a plain book.
    int find(int s) const;
    /// Tells the frame about the win.
    void finish();
    void focusBook(int i);
    void unfocusBook();
    void showSvet2(int i);
    void hideSvet2();
    void bookProcess(float inc);
    void svetProcess(float inc);
    void svet2Process(float inc);
    /// One step of the cabinet's opening.
    void openProcess(float inc);

    /// Whether the loaded array holds a state this game can play.
    bool stateValid() const;

    _BOOK books[kBooks];
    int focused = -1;
    int won = 0;
    MiniGame::CSoundSet sounds;
    MiniGame::Mouse mouse;
    float openT = 0.0f; ///< the cabinet's opening, 0..1
    vec3 home = vec3::ZERO;
    int first = -1, second = -1; ///< the books picked for a swap
    OBJECT_HANDLE requester = 0;
    OBJECT_HANDLE shelfLight = 0;
    String shelfLightMaterial = "03_knigi_svet_01";
    float shelfPulse = 0.0f;
    OBJECT_HANDLE bookLight = 0;
    String bookLightMaterial = "03_knigi_svet_02";
    float bookLightLevel = 0.0f;
    int bookLightOn = 0;
    int bookLightBook = 0;
    int frameTimer = 0, openTimer = 0;
    int saved[kSaved] = {}; ///< per entry: book, colour wanted, colour shown
};
