// Linux entry point: the arguments become one command line, as the game's
// switches are looked for anywhere in it.
#include "Application.h"

#ifdef TQ_SANITIZE
// OGRE 1.12's image codec (Codec_STBI) hands over pixels from malloc, and
// Ogre::Image frees them with delete[]: a mismatch inside the dependency,
// and this AddressSanitizer cannot suppress one pair of calls by place.  So
// only the check that allocation and release match is off; every other check
// stays on.
extern "C" const char* __asan_default_options()
{
    return "alloc_dealloc_mismatch=0";
}
#endif

int main(int argc, char** argv)
{
    std::string commandLine;
    for (int i = 1; i < argc; ++i)
    {
        if (i > 1)
            commandLine += ' ';
        commandLine += argv[i];
    }
    return WinMain(commandLine);
}
