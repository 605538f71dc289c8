// The program-wide sound system.
#pragma once

class CSfxCore
{
public:
    /// Start-up: the device, the volume groups and the environment sounds.
    static void init();
    /// Frees every loaded sound; called at shutdown.
    static void freeAllSounds();
    /// The per-frame cross-fade of the environment sounds.
    static void updateEnvSound();
    /// 1 after a successful start, 0 when sound is off.
    static int isEnabled();
    /// Pause and resume all output (the window lost or regained activity).
    static void pauseOutput();
    static void resumeOutput();
};
