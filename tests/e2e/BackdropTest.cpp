// The backdrop: the whole screen in dark blue, the product title at its top left, and the
// title left out on a screen 640 pixels wide.
#include "E2E.h"

#include <vector>

using namespace e2e;

namespace {

class BackdropTest : public SharedInstallerTest<kBackdropTemplate> {
protected:
    static HWND Backdrop() { return installer->Backdrop(); }
    static HWND Title() { return GetDlgItem(installer->Backdrop(), 101); }
};

TEST_F(BackdropTest, PopupWithoutCaption) {
    const DWORD style = Style(Backdrop());
    EXPECT_NE(style & WS_POPUP, 0u) << Hex(style);
    EXPECT_EQ(style & (WS_CAPTION | WS_CHILD), 0u) << Hex(style);
    EXPECT_EQ(ClassName(Backdrop()), "#32770");
}

TEST_F(BackdropTest, CoversTheScreen) {
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(WindowRect(Backdrop()), screen);
    EXPECT_EQ(ClientRectOnScreen(Backdrop()), screen);
}

TEST_F(BackdropTest, DarkBlueAwayFromWindowAndTitle) {
    RECT mainWindow = WindowRect(installer->Main());
    RECT title = WindowRect(Title());
    InflateRect(&mainWindow, 2, 2);
    InflateRect(&title, 2, 2);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    // A grid of samples, every 16 pixels, outside the two rectangles.
    int samples = 0;
    std::string wrong;
    PollFor(kActionTimeoutMs, [&] {
        const ScreenCapture shot(screen);
        samples = 0;
        wrong.clear();
        for (int y = 0; y < screen.bottom; y += 16) {
            for (int x = 0; x < screen.right; x += 16) {
                const POINT p = {x, y};
                if (PtInRect(&mainWindow, p) || PtInRect(&title, p))
                    continue;
                ++samples;
                if (shot.At(x, y) != kDarkBlue && wrong.empty())
                    wrong = "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                            Describe(shot.At(x, y));
            }
        }
        return wrong.empty();
    });
    EXPECT_GT(samples, 1000);
    EXPECT_EQ(wrong, "") << "first sample that is not dark blue";
}

TEST_F(BackdropTest, TitleAtTopLeft) {
    ASSERT_NE(Title(), nullptr);
    EXPECT_EQ(ClassName(Title()), "Static");
    EXPECT_EQ(Text(Title()), "Tessellux 4.7 Installation");
    EXPECT_TRUE(HasVisibleStyle(Title()));
    const RECT actual = RectInParent(Title());
    const RECT expected = reference->Map(5, 5, 5 + 216, 5 + 17);
    EXPECT_EQ(actual.left, expected.left) << Describe(actual);
    EXPECT_EQ(actual.top, expected.top) << Describe(actual);
    EXPECT_EQ(reference->ItemRect(101).left, expected.left);
}

TEST_F(BackdropTest, TitleSizedToItsText) {
    const RECT r = RectInParent(Title());
    const RECT templateSize = reference->Map(0, 0, 216, 17);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    EXPECT_GT(width, height) << Describe(r);
    EXPECT_LT(width, templateSize.right) << Describe(r);
    EXPECT_GT(width, 0) << Describe(r);
}

TEST_F(BackdropTest, TitleIsWhiteOnDarkBlue) {
    const RECT title = ClientRectOnScreen(Title());
    int white = 0;
    PollFor(kActionTimeoutMs, [&] { return (white = ScreenCapture(title).Count(title, kWhite)) > 0; });
    const ScreenCapture shot(title);
    const int area = (title.right - title.left) * (title.bottom - title.top);
    // Bold 18-point text: a good share of the label is ink, the rest is the backdrop's blue.
    EXPECT_GT(white, area / 20) << "white " << white << " of " << area << " in " << Describe(title);
    EXPECT_GT(shot.Count(title, kDarkBlue), area / 2) << Describe(title);
}

// WM_GETFONT does not cross processes in Wine: the title is drawn here in candidate fonts
// and compared with the screen, pixel by pixel.
struct Rendering {
    SIZE extent;
    std::vector<COLORREF> pixels; // width x height of the label, top-down
};

Rendering RenderTitle(LONG weight, BYTE italic, int width, int height) {
    Rendering result;
    UniqueScreenDc screen(GetDC(nullptr));
    const int fontHeight = -MulDiv(18, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    UniqueGdiObject font(CreateFontA(fontHeight, 0, 0, 0, weight, italic, FALSE, FALSE,
                                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH, "Arial"));
    UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    UniqueGdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    HGDIOBJ oldBitmap = SelectObject(dc.Get(), bitmap.Get());
    HGDIOBJ oldFont = SelectObject(dc.Get(), font.Get());
    GetTextExtentPoint32A(dc.Get(), kBackdropTitle, lstrlenA(kBackdropTitle), &result.extent);
    RECT all = {0, 0, width, height};
    SetBkColor(dc.Get(), kDarkBlue);
    ExtTextOutA(dc.Get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    SetTextColor(dc.Get(), kWhite);
    SetBkMode(dc.Get(), TRANSPARENT);
    DrawTextA(dc.Get(), kBackdropTitle, -1, &all, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            result.pixels.push_back(GetPixel(dc.Get(), x, y));
    SelectObject(dc.Get(), oldFont);
    SelectObject(dc.Get(), oldBitmap);
    return result;
}

// Share (in per cent) of the label's pixels on screen that equal the rendering.
int MatchPercent(const ScreenCapture& shot, const RECT& label, const Rendering& rendering) {
    const int width = label.right - label.left;
    const int height = label.bottom - label.top;
    int same = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            same += shot.At(label.left + x, label.top + y) == rendering.pixels[y * width + x];
    return same * 100 / (width * height);
}

TEST_F(BackdropTest, TitleFontIsBoldItalicArial18) {
    const RECT label = ClientRectOnScreen(Title());
    const int width = label.right - label.left;
    const int height = label.bottom - label.top;
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    const Rendering boldItalic = RenderTitle(FW_BOLD, TRUE, width, height);
    // Sized to its text in that font.
    EXPECT_EQ(width, boldItalic.extent.cx) << Describe(label);
    EXPECT_EQ(height, boldItalic.extent.cy) << Describe(label);

    const ScreenCapture shot(label);
    const int boldItalicMatch = MatchPercent(shot, label, boldItalic);
    const int boldMatch = MatchPercent(shot, label, RenderTitle(FW_BOLD, FALSE, width, height));
    const int italicMatch = MatchPercent(shot, label, RenderTitle(FW_NORMAL, TRUE, width, height));
    EXPECT_GE(boldItalicMatch, 98) << "bold " << boldMatch << "%, italic " << italicMatch << "%";
    // The candidates must look different, or the comparison proves nothing.
    EXPECT_LT(boldMatch, 95);
    EXPECT_LT(italicMatch, 95);
}

TEST_F(BackdropTest, BelowMainWindowAndNotTopmost) {
    EXPECT_TRUE(IsAbove(installer->Main(), Backdrop()));
    EXPECT_EQ(ExStyle(Backdrop()) & WS_EX_TOPMOST, 0u) << Hex(ExStyle(Backdrop()));
}

} // namespace
