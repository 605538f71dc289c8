// The script registered as "03_05_superkniga.sc": a book of the bookshelf
// puzzle; the books' names count from 16, the puzzle's books from 0.
#pragma once

#include "PieceScript.h"

class sc_03_05_superkniga : public CPieceScript
{
public:
    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_03_05_superkniga(int mostDerived = 1);
};
