// Small conversions shared by the engine.
#pragma once

#include <string>

namespace Utils
{
/// 8-bit text (UTF-8 on this platform) to wide text; logs and gives an
/// empty text when the input is not valid.
std::wstring GetWStringFromString(const std::string& text);
/// Wide text to 8-bit text; logs and gives an empty text on failure.
std::string GetStringFromWString(const std::wstring& text);
/// The short form of a path.  Linux has no short names: the path itself.
std::wstring GetShortPath(const std::wstring& path);
} // namespace Utils
