// Message boxes.  The text always goes to standard error; a test can answer
// without a window through TQ_MESSAGEBOX_ANSWER ("ok" or "cancel").
#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Platform
{
int messageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    const char* answer = std::getenv("TQ_MESSAGEBOX_ANSWER");
    if (answer && std::strcmp(answer, "cancel") == 0 && (flags & MB_OK_CANCEL))
        return ID_CANCEL;
    return ID_OK;
}
} // namespace Platform
