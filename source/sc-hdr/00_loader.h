// The loader script "00_loader.sc": one object of every scene carries it.
// It performs every change of scene and every full-screen fade: a black
// overlay fades in, the loading window of the target shows, the next scene
// is posted, or the requester is answered while the screen is black, and
// the new scene fades back in.
#pragma once

#include "00_msg.h"

class sc_00_loader : public virtual sc_00_msg
{
public:
    /// The press-a-key prompt of the loading window.
    struct Button
    {
        char overlay[32];   ///< the overlay's name
        char element[96];   ///< the element's name
        char material[32];  ///< the element's material
        int visible;
        float level;        ///< the current grey level
        float phase;        ///< seconds of pulsing
    };

    /// mostDerived: set when this builds the whole script (the registry's case).
    explicit sc_00_loader(int mostDerived = 1) : sc_00_msg(0)
    {
        (void)mostDerived;
    }

    void ON_CREATE() override;
    void ON_NOTIFY(int lparam, OBJECT_HANDLE obj) override;
    void ON_TIME() override;

    /// Idle state, driving timer, prompt, and the first fade-in of a scene.
    void fadeInit();
    /// 1 when the fade started; 0 when a fade-out is running (nothing changes).
    int fadeStart(int nextLoc, float speed, int qfio);
    /// The end of a fade-out: load a scene, answer the requester, or end.
    void fadeStop();
    /// Stops the acceleration and kills the driving timer.
    void clearTimer();
    /// Code 2223: the running fade may be sped up by the next 2222.
    void fadeAccelerationEnable();
    /// Code 2222: five times faster after an enable.
    void fadeAccelerationStart();
    void fadeAccelerationStop();
    /// The smoothed fade value 3a^2 - 2a^3.
    float getAlpha();
    /// texName := the loading-window picture of a location.
    void getLoadingWindowTexture(int loc);
    /// The first key held down (0..254), or -1.
    int readKey();

    void button_ini();
    void button_show();
    void button_hide();
    /// Grey level a, kept within 0..0.99, on the prompt's material.
    void button_setAlpha(Button* d, float a);
    /// Pulses the prompt while a key is awaited.
    void button_vecShow(Button* b, vec3 v, float inc);

    Button button = {};
    float alpha = 0.0f;
    float speed = 1.0f;
    int nextLoc = 0;
    int state = 0;          ///< 0 idle, 1 fading in, 2 fading out
    int timerId = 0;
    int keyArmed = 1;
    int keyWait = 0;
    int accel = 1;
    int accelEnabled = 0;
    int delay = 0;          ///< frames before a fade-in moves
    int prevButton = 0;
    OBJECT_HANDLE requester = 0;
    int pendingCode = 0;            ///< a request that came during a fade-out, 0 none
    OBJECT_HANDLE pendingFrom = 0;  ///< its sender
    int qfio = 0;           ///< 0 load a scene, 1 answer and fade back in, 2 only end
    char texName[64] = {};
};
