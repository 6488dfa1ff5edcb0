#pragma once
#include "WHandle.h"
#include "WString.h"

// A font made from a description: point size, face name and attributes separated by points,
// as "8.MS Sans Serif" or "18.Arial.Bold.Italic". Attributes: Bold (weight 700), Italic,
// Underline, Strikeout. The object owns its HFONT.
class WFont {
public:
    struct Description {
        int points = 0;
        WString face;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeout = false;
    };

    // Reports false when the text has no leading size or no face name.
    static bool Parse(const char* text, Description& out);

    WFont() = default;
    explicit WFont(const char* description);

    bool IsValid() const { return static_cast<bool>(font_); }
    HFONT GetHandle() const { return font_.Get(); }

    // The logical font the description maps to on a device of the given vertical resolution.
    static LOGFONTA ToLogFont(const Description& description, int pixelsPerInchY);

private:
    WFontHandle font_;
};
