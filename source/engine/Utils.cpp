#include "Utils.h"

#include "Log.h"
#include "platform/Platform.h"

namespace Utils
{
std::wstring GetWStringFromString(const std::string& text)
{
    std::wstring out;
    if (!Platform::utf8ToWide(text, out))
    {
        Log::print("!!! ERROR: Utils::GetWStringFromString(): can't convert to std::wstring: %s\n",
                   text.c_str());
        return std::wstring();
    }
    return out;
}

std::string GetStringFromWString(const std::wstring& text)
{
    std::string out;
    if (!Platform::wideToUtf8(text, out))
    {
        // The text cannot be printed as it is; log what converts.
        Log::print("!!! ERROR: Utils::GetStringFromWString(): can't convert to std::wstring: %s\n",
                   "<wide text>");
        return std::string();
    }
    return out;
}

std::wstring GetShortPath(const std::wstring& path)
{
    return path;
}
} // namespace Utils
