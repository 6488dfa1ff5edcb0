#include "WFont.h"

#include "WDeviceContext.h"

#include <cstdlib>
#include <cstring>
#include <string>

bool WFont::Parse(const char* text, Description& out) {
    if (!text)
        return false;
    Description result;
    std::string rest = text;
    std::size_t field = 0;
    while (true) {
        const std::size_t dot = rest.find('.');
        const std::string part = rest.substr(0, dot);
        if (field == 0) {
            char* end = nullptr;
            const long points = std::strtol(part.c_str(), &end, 10);
            if (part.empty() || *end != '\0' || points <= 0 || points > 1638)
                return false;
            result.points = static_cast<int>(points);
        } else if (field == 1) {
            if (part.empty() || part.size() >= LF_FACESIZE)
                return false;
            result.face = part.c_str();
        } else if (lstrcmpiA(part.c_str(), "Bold") == 0) {
            result.bold = true;
        } else if (lstrcmpiA(part.c_str(), "Italic") == 0) {
            result.italic = true;
        } else if (lstrcmpiA(part.c_str(), "Underline") == 0) {
            result.underline = true;
        } else if (lstrcmpiA(part.c_str(), "Strikeout") == 0) {
            result.strikeout = true;
        }
        ++field;
        if (dot == std::string::npos)
            break;
        rest.erase(0, dot + 1);
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
