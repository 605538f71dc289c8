// Linux entry point: the arguments become one command line, as the game's
// switches are looked for anywhere in it.
#include "Application.h"

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
