// The script registered as "00_sfx_env.sc": the background music of a
// place.  Room scripts set a base track; the script plays it followed by a
// play list of ten entries that mixes the base track, its sister track and
// the other tracks without repeats, starting each track five seconds before
// the end of the one before so that the sound system cross-fades them.  It
// also sets the loudness of the music on request (the dialog player lowers
// it while a dialog runs).
//
// The game variable "sfx_var" holds the environment as 1000 + the base
// track, so that it survives scene changes and saved games.
#pragma once

#include "CodeScript.h"

class sc_00_sfx_env : public virtual CodeScript
{
public:
    static const int kTrackCount = 12;
    static const int kListSize = 10;

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_sfx_env(int mostDerived = 1)
    {
        (void)mostDerived;
    }

    /// Resumes the saved environment (1004 on a new game) with a fresh list.
    void ON_CREATE() override;
    /// Up to 100: music loudness in percent; 101 to 5000: 1000 + track with
    /// a mixed play list; above 5000: 5000 + track, repeated alone.
    void ON_NOTIFY(int code) override;
    /// The track before is about to end: the next entry of the play list.
    void ON_TIME(int id) override;

    /// Fills mLens with the lengths of tracks 1 to 12.
    void calcLens();
    /// The sister of a track of 1 to 8; tracks 9 and above are their own.
    int plGetFamily(int tr);
    /// A random number of min..max that is not among the first count
    /// entries of i1 (after 100 draws the last one is taken anyway).
    int getRandomNotNumbers(int min, int max, const int* i1, int count);
    /// Builds the play list of a base track; with do_not_mix_tracks the
    /// base track alone.
    void plGenerate(int base_track, int do_not_mix_tracks);
    /// The next entry of the play list, wrapping after the tenth.
    int plGoNext();
    /// The current entry of the play list.
    int plGetCurrent();
    /// Logs the play list.
    void plPrint();
    /// Starts a track (when it is not the one set last) and the timer that
    /// asks for the next one five seconds before its end.
    void setSfxEnv(int track);

    int mInterval = 0;            ///< milliseconds of the last track timer
    float mLens[kTrackCount] = {}; ///< milliseconds of tracks 1 to 12
    int mPl[kListSize] = {};      ///< the play list: track numbers
    int mPlIndex = 0;             ///< the current entry of mPl
    int mCurTrack = -1;           ///< the track set last
};
