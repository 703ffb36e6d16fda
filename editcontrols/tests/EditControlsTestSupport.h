#pragma once
// Shared fixtures of the edit-control tests: the format settings a test runs under, and bitmaps
// read as text pictures.
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/SysFormat.h"

// Puts the settings in place for the test's lifetime and restores the process's afterwards.
class TSettingsScope {
public:
    explicit TSettingsScope(const TFormatSettings& settings) : FSaved(FormatSettings) { FormatSettings = settings; }
    ~TSettingsScope() { FormatSettings = FSaved; }
    TSettingsScope(const TSettingsScope&) = delete;
    TSettingsScope& operator=(const TSettingsScope&) = delete;

private:
    TFormatSettings FSaved;
};

// The bitmap as text: one character per pixel, rows separated by '/', each pixel the letter of
// its colour in `inks` ('?' for any other colour).
std::string Picture(TBitmap& bmp, const std::vector<std::pair<TColor, char>>& inks);
