#include "WFont.h"

#include "WDeviceContext.h"

#include <cstdlib>
#include <cstring>

bool WFont::Parse(const char* text, Description& out) {
    if (!text)
        return false;
    Description result;
    const char* rest = text;
    std::size_t field = 0;
    while (true) {
        const char* dot = std::strchr(rest, '.');
        const WString part(rest, dot ? static_cast<std::size_t>(dot - rest) : std::strlen(rest));
        if (field == 0) {
            char* end = nullptr;
            const long points = std::strtol(part.GetText(), &end, 10);
            if (part.IsEmpty() || *end != '\0' || points <= 0 || points > 1638)
                return false;
            result.points = static_cast<int>(points);
        } else if (field == 1) {
            if (part.IsEmpty() || part.GetLength() >= LF_FACESIZE)
                return false;
            result.face = part;
        } else if (lstrcmpiA(part.GetText(), "Bold") == 0) {
            result.bold = true;
        } else if (lstrcmpiA(part.GetText(), "Italic") == 0) {
            result.italic = true;
        } else if (lstrcmpiA(part.GetText(), "Underline") == 0) {
            result.underline = true;
        } else if (lstrcmpiA(part.GetText(), "Strikeout") == 0) {
            result.strikeout = true;
        }
        ++field;
        if (!dot)
            break;
        rest = dot + 1;
    }
    if (field < 2)
        return false;
    out = result;
    return true;
}

LOGFONTA WFont::ToLogFont(const Description& d, int pixelsPerInchY) {
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(d.points, pixelsPerInchY, 72);
    lf.lfWeight = d.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = d.italic;
    lf.lfUnderline = d.underline;
    lf.lfStrikeOut = d.strikeout;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(lf.lfFaceName, d.face.GetText(), LF_FACESIZE);
    return lf;
}

WFont::WFont(const char* description) {
    Description d;
    if (!Parse(description, d))
        return;
    const WWindowDC screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    const LOGFONTA lf = ToLogFont(d, dpi);
    font_.Reset(CreateFontIndirectA(&lf));
}
