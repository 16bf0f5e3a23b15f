#include "sample_art.h"

#include <cmath>
#include <string>

namespace {

// Colour indices of the sample palette.
enum : u8 {
    kClear = 0,
    kWhite = 1,
    kGrey = 2,
    kSilver = 3,  // toolbar background: the button face
    kRed = 4,
    kGreen = 5,
    kBlue = 6,
    kYellow = 7,
    kBlack = 15,
    kSkin = 240,
    kSkinShade = 241,
    kBrown = 242,
    kDarkBrown = 243,
    kGold = 244,
    kOrange = 245,
    kInk = 254,  // outlines
};

enum eHue { kHueRed, kHueOrange, kHueYellow, kHueLime, kHueGreen, kHueJade, kHueCyan, kHueAzure, kHueBlue,
            kHueViolet, kHueMagenta, kHueRose, kHues };

// Shade 0 is the darkest, 15 the lightest.
u8 Hue(int h, int nShade)
{
    nShade = nShade < 0 ? 0 : nShade > 15 ? 15 : nShade;
    return static_cast<u8>(16 + (h % kHues) * 16 + nShade);
}

u8 Grey(int n) { return static_cast<u8>(208 + (n < 0 ? 0 : n > 31 ? 31 : n)); }

u32 Rgb(double r, double g, double b)
{
    const auto Byte = [](double v) { return static_cast<u32>(std::lround((v < 0 ? 0 : v > 1 ? 1 : v) * 255)); };
    return (Byte(r) << 16) | (Byte(g) << 8) | Byte(b);
}

u32 FromHsl(double dHue, double s, double l)
{
    const double c = (1 - std::fabs(2 * l - 1)) * s;
    const double hp = dHue / 60.0;
    const double x = c * (1 - std::fabs(std::fmod(hp, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(hp)) {
    case 0: r = c, g = x; break;
    case 1: r = x, g = c; break;
    case 2: g = c, b = x; break;
    case 3: g = x, b = c; break;
    case 4: r = x, b = c; break;
    default: r = c, b = x; break;
    }
    const double m = l - c / 2;
    return Rgb(r + m, g + m, b + m);
}

// A small deterministic generator, so that every run draws the same sheets.
class cDice {
public:
    explicit cDice(u32 dwSeed) : m_dwState(dwSeed * 2654435761u + 12345) {}
    int Next(int n)
    {
        m_dwState = m_dwState * 1103515245u + 12345u;
        return static_cast<int>((m_dwState >> 16) % static_cast<u32>(n));
    }

private:
    u32 m_dwState;
};

// ---- Blocks: 8 columns of 15 cells of 32 x 32; block 0 is "nothing".

void DrawBlock(cCanvas& cv, int ox, int oy, int n)
{
    const int h = (n - 1) / 8 % kHues;
    switch ((n - 1) % 8) {
    case 0:  // bricks
        cv.FillRect(ox, oy, 32, 32, Hue(h, 3));
        for (int row = 0; row < 4; ++row)
            for (int col = -1; col < 3; ++col) {
                const int x = ox + col * 16 + (row % 2) * 8, y = oy + row * 8;
                cv.Bevel(x + 1, y + 1, 15, 7, Hue(h, 11), Hue(h, 8), Hue(h, 5));
            }
        break;
    case 1:  // stone
        cv.Bevel(ox, oy, 32, 32, Hue(h, 12), Hue(h, 8), Hue(h, 4));
        cv.Bevel(ox + 8, oy + 8, 16, 16, Hue(h, 5), Hue(h, 9), Hue(h, 12));
        break;
    case 2: {  // earth under grass
        cv.FillRect(ox, oy, 32, 32, Hue(kHueOrange, 4 + h % 3));
        cDice dice(n);
        for (int i = 0; i < 14; ++i) cv.FillRect(ox + dice.Next(30), oy + 10 + dice.Next(20), 2, 2, Hue(kHueOrange, 2));
        cv.FillRect(ox, oy, 32, 8, Hue(kHueGreen, 9));
        for (int x = 0; x < 32; x += 4) cv.FillRect(ox + x + 1, oy + 8, 2, 2 + (x / 4) % 2, Hue(kHueGreen, 6));
        cv.FillRect(ox, oy, 32, 2, Hue(kHueGreen, 12));
        break;
    }
    case 3:  // question block
        cv.Bevel(ox, oy, 32, 32, Hue(h, 13), Hue(h, 9), Hue(h, 4));
        for (int i = 0; i < 4; ++i) cv.FillRect(ox + (i % 2 ? 26 : 4), oy + (i / 2 ? 26 : 4), 2, 2, Hue(h, 3));
        cv.Text(ox + 11, oy + 9, "?", kInk, 2);
        cv.Text(ox + 10, oy + 8, "?", kWhite, 2);
        break;
    case 4:  // ice
        cv.FillRect(ox, oy, 32, 32, Hue(kHueAzure, 12));
        cv.Rect(ox, oy, 32, 32, Hue(kHueAzure, 8));
        for (int i = 0; i < 3; ++i) cv.Line(ox + 4 + i * 9, oy + 27, ox + 12 + i * 9, oy + 4, kWhite);
        cv.FillRect(ox + 2, oy + 2, 4, 2, kWhite);
        break;
    case 5:  // wooden planks
        for (int p = 0; p < 3; ++p) {
            const int x = ox + p * 11;
            cv.FillRect(x, oy, 10 + (p == 2 ? 0 : 1), 32, Hue(kHueOrange, 6 + p % 2));
            cv.FillRect(x + 10, oy, 1, 32, Hue(kHueOrange, 3));
            cv.Line(x + 3, oy + 4, x + 3, oy + 14, Hue(kHueOrange, 4));
            cv.Line(x + 6, oy + 17, x + 6, oy + 28, Hue(kHueOrange, 4));
            cv.FillRect(x + 4, oy + 2, 2, 2, Grey(6));
            cv.FillRect(x + 4, oy + 28, 2, 2, Grey(6));
        }
        break;
    case 6:  // metal
        cv.Bevel(ox, oy, 32, 32, Grey(28), Grey(20), Grey(10));
        cv.FillRect(ox + 6, oy + 14, 20, 4, Hue(h, 8));
        for (int i = 0; i < 4; ++i) {
            const int x = ox + (i % 2 ? 24 : 5), y = oy + (i / 2 ? 24 : 5);
            cv.FillRect(x, y, 3, 3, Grey(12));
            cv.Set(x, y, Grey(30));
        }
        break;
    default:  // tiles
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i) cv.FillRect(ox + i * 8, oy + j * 8, 8, 8, Hue(h, (i + j) % 2 ? 7 : 10));
        cv.Rect(ox, oy, 32, 32, Hue(h, 4));
        break;
    }
}

cCanvas DrawBlockSheet()
{
    cCanvas cv(256, 480);
    for (int n = 1; n < 120; ++n) {
        const int ox = n / 15 * 32, oy = n % 15 * 32;
        cv.SetClip(ox, oy, 32, 32);
        DrawBlock(cv, ox, oy, n);
    }
    return cv;
}

// ---- Charas: one sheet per 15 graphic numbers, 20 frames across, drawn
// facing left (the loader mirrors them for the right).

struct cPose {
    int nBob;       // pixels up
    int nStep;      // -1, 0, 1: which foot is forward
    bool bBright;   // invincible frames
    bool bStone;    // frames of a chara that became a block
    bool bJump;
    bool bHurt;
};

cPose PoseOf(int f)
{
    cPose p{};
    const int nStep = f % 4;
    p.nBob = nStep % 2;
    p.nStep = nStep == 1 ? -1 : nStep == 3 ? 1 : 0;
    switch (f / 4) {
    case 1: p.bBright = true; break;
    case 2: p.bStone = true; break;
    case 3: p.bJump = true, p.nBob = 2; break;
    case 4: p.bHurt = true; break;
    }
    return p;
}

void DrawEye(cCanvas& cv, int x, int y, const cPose& p)
{
    if (p.bHurt) {
        cv.Line(x - 1, y - 1, x + 1, y + 1, kInk);
        cv.Line(x - 1, y + 1, x + 1, y - 1, kInk);
        return;
    }
    cv.FillRect(x - 1, y - 1, 3, 3, kWhite);
    cv.FillRect(x - 1, y, 2, 2, kInk);
}

void DrawChara(cCanvas& cv, int ox, int oy, int n, int f)
{
    const cPose p = PoseOf(f);
    const int h = (n - 1) / 4 % kHues;
    const int nLight = p.bBright ? 4 : 0;
    const auto Body = [&](int nShade) { return p.bStone ? Grey(nShade * 2) : Hue(h, nShade + nLight); };
    const u8 skin = p.bStone ? Grey(18) : static_cast<u8>(kSkin);
    const int y0 = oy - p.nBob;
    switch ((n - 1) % 4) {
    case 0:  // a little hero
        cv.FillRect(ox + 11 + p.nStep * 2, y0 + 26, 4, 5 + p.nBob, Body(4));
        cv.FillRect(ox + 17 - p.nStep * 2, y0 + 26, 4, 5 + p.nBob, Body(4));
        cv.FillRect(ox + 9, y0 + 16, 14, 11, Body(8));
        cv.FillRect(ox + 9, y0 + 16, 14, 2, Body(11));
        if (p.bJump) {
            cv.FillRect(ox + 6, y0 + 10, 3, 8, skin);
            cv.FillRect(ox + 23, y0 + 10, 3, 8, skin);
        } else {
            cv.FillRect(ox + 6, y0 + 17, 3, 7, skin);
            cv.FillRect(ox + 23, y0 + 17, 3, 7, skin);
        }
        cv.FillEllipse(ox + 16, y0 + 10, 7.5, 7, skin);
        cv.FillRect(ox + 9, y0 + 2, 14, 5, Body(5));
        cv.FillRect(ox + 7, y0 + 6, 6, 2, Body(5));  // cap's peak, to the front
        DrawEye(cv, ox + 12, y0 + 10, p);
        break;
    case 1: {  // a slime
        const double dSquash = p.nStep == 0 ? 0 : 1.5;
        cv.FillEllipse(ox + 16, y0 + 22 + dSquash / 2, 13 + dSquash, 9 - dSquash, Body(7));
        cv.FillEllipse(ox + 16, y0 + 20, 9, 5, Body(10));
        cv.FillRect(ox + 20, y0 + 15, 3, 2, kWhite);
        DrawEye(cv, ox + 9, y0 + 20, p);
        DrawEye(cv, ox + 15, y0 + 20, p);
        break;
    }
    case 2:  // a round bird
        cv.FillRect(ox + 13 + p.nStep, y0 + 26, 2, 5 + p.nBob, kOrange);
        cv.FillRect(ox + 18 - p.nStep, y0 + 26, 2, 5 + p.nBob, kOrange);
        cv.FillEllipse(ox + 17, y0 + 17, 10, 10, Body(8));
        cv.FillEllipse(ox + 15, y0 + 20, 6, 5, Body(12));
        cv.FillEllipse(ox + 22, y0 + (p.bJump ? 12 : 18), 5, 4, Body(5));  // wing
        cv.FillTriangle(ox + 2, y0 + 15, ox + 9, y0 + 12, ox + 9, y0 + 18, kYellow);
        DrawEye(cv, ox + 12, y0 + 12, p);
        break;
    default:  // a robot
        cv.FillEllipse(ox + 11, y0 + 28, 3, 3, Grey(6));
        cv.FillEllipse(ox + 21, y0 + 28, 3, 3, Grey(6));
        cv.Bevel(ox + 7, y0 + 10, 18, 16, Grey(28), Grey(20), Grey(10));
        cv.FillRect(ox + 8, y0 + 13, 10, 5, Body(p.bHurt ? 2 : 9));
        if (!p.bHurt) cv.FillRect(ox + 10, y0 + 14, 3, 3, kWhite);
        cv.FillRect(ox + 15, y0 + 4, 2, 6, Grey(8));
        cv.FillEllipse(ox + 16, y0 + 4, 2.5, 2.5, Body(10));
        cv.FillRect(ox + 10, y0 + 21, 12, 2, Body(6));
        break;
    }
    if (p.bBright) {
        cv.Set(ox + 3, oy + 4, kWhite);
        cv.Set(ox + 28, oy + 9, kWhite);
        cv.Set(ox + 26, oy + 2, kYellow);
    }
    cv.Outline(ox, oy, 32, 32, kInk);
}

cCanvas DrawCharaSheet(int nSheet)
{
    cCanvas cv(640, 480);
    for (int row = 0; row < 15; ++row) {
        const int n = nSheet * 15 + row;
        if (n == 0) continue;
        for (int f = 0; f < 20; ++f) {
            cv.SetClip(f * 32, row * 32, 32, 32);
            DrawChara(cv, f * 32, row * 32, n, f);
        }
    }
    return cv;
}

template <int N>
cCanvas DrawCharaSheetN()
{
    return DrawCharaSheet(N);
}

// ---- Items: columns of 15, two frames 32 apart in each 64-pixel column.

void DrawStar(cCanvas& cv, double cx, double cy, double r, u8 c)
{
    const double kPi = 3.14159265358979;
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        const double b = a + kPi / 5, d = a - kPi / 5;
        cv.FillTriangle(static_cast<int>(cx + r * std::cos(a)), static_cast<int>(cy + r * std::sin(a)),
                        static_cast<int>(cx + r * 0.4 * std::cos(b)), static_cast<int>(cy + r * 0.4 * std::sin(b)),
                        static_cast<int>(cx + r * 0.4 * std::cos(d)), static_cast<int>(cy + r * 0.4 * std::sin(d)), c);
    }
    cv.FillEllipse(cx, cy, r * 0.42, r * 0.42, c);
}

void DrawItem(cCanvas& cv, int ox, int oy, int n, int nFrame)
{
    const int h = (n - 1) / 8 % kHues;
    const int cx = ox + 16, cy = oy + 16;
    switch ((n - 1) % 8) {
    case 0: {  // coin, turning
        const double rx = nFrame ? 5 : 10;
        cv.FillEllipse(cx, cy, rx, 11, Hue(kHueYellow, 7 + h % 3));
        cv.FillEllipse(cx, cy, rx * 0.6, 7, Hue(kHueYellow, 11));
        cv.FillRect(cx - 1, cy - 5, 2, 10, Hue(kHueYellow, 5));
        break;
    }
    case 1:  // gem
        cv.FillTriangle(cx - 11, cy - 3, cx + 11, cy - 3, cx, cy + 12, Hue(h, 7));
        cv.FillTriangle(cx - 11, cy - 3, cx - 6, cy - 10, cx + 6, cy - 10, Hue(h, 11));
        cv.FillTriangle(cx - 11, cy - 3, cx + 6, cy - 10, cx + 11, cy - 3, Hue(h, 11));
        cv.FillTriangle(cx - 4, cy - 3, cx + 4, cy - 3, cx, cy + 8, Hue(h, 13));
        break;
    case 2:  // heart
        cv.FillEllipse(cx - 5, cy - 4, 6.5, 6.5, Hue(kHueRed + (h % 2) * 11, 8));
        cv.FillEllipse(cx + 5, cy - 4, 6.5, 6.5, Hue(kHueRed + (h % 2) * 11, 8));
        cv.FillTriangle(cx - 11, cy - 2, cx + 11, cy - 2, cx, cy + 11, Hue(kHueRed + (h % 2) * 11, 8));
        cv.FillRect(cx - 7, cy - 7, 3, 2, kWhite);
        break;
    case 3:  // star
        DrawStar(cv, cx, cy + 1, 13, Hue(h, 10));
        DrawStar(cv, cx, cy + 1, 6, Hue(h, 13));
        break;
    case 4:  // key
        cv.FillEllipse(cx - 6, cy, 6, 6, Hue(h, 9));
        cv.FillEllipse(cx - 6, cy, 2.5, 2.5, kClear);
        cv.FillRect(cx - 1, cy - 2, 13, 4, Hue(h, 9));
        cv.FillRect(cx + 7, cy + 2, 2, 4, Hue(h, 9));
        cv.FillRect(cx + 10, cy + 2, 2, 5, Hue(h, 9));
        break;
    case 5:  // potion
        cv.FillEllipse(cx, cy + 5, 9, 8, Hue(h, 8));
        cv.FillEllipse(cx - 3, cy + 2, 2.5, 2.5, Hue(h, 13));
        cv.FillRect(cx - 3, cy - 9, 6, 8, Grey(26));
        cv.FillRect(cx - 4, cy - 12, 8, 3, kBrown);
        break;
    case 6:  // mushroom
        cv.FillRect(cx - 4, cy + 1, 8, 10, kSkin);
        cv.FillEllipse(cx, cy - 1, 12, 9, Hue(h, 7));
        cv.FillRect(cx - 12, cy, 24, 2, kClear);
        cv.FillEllipse(cx - 5, cy - 4, 2.5, 2.5, kWhite);
        cv.FillEllipse(cx + 5, cy - 3, 2, 2, kWhite);
        break;
    default:  // ring
        cv.FillEllipse(cx, cy + 3, 10, 9, kGold);
        cv.FillEllipse(cx, cy + 3, 6, 5, kClear);
        cv.FillTriangle(cx - 4, cy - 8, cx + 4, cy - 8, cx, cy - 2, Hue(h, 11));
        break;
    }
    if (nFrame) {
        cv.Set(ox + 27, oy + 4, kWhite);
        cv.FillRect(ox + 26, oy + 5, 3, 1, kWhite);
        cv.FillRect(ox + 27, oy + 3, 1, 3, kWhite);
    }
    cv.Outline(ox, oy, 32, 32, kInk);
}

cCanvas DrawItemSheet()
{
    cCanvas cv(512, 480);
    for (int n = 1; n < 120; ++n)
        for (int nFrame = 0; nFrame < 2; ++nFrame) {
            const int ox = n / 15 * 64 + nFrame * 32, oy = n % 15 * 32;
            cv.SetClip(ox, oy, 32, 32);
            DrawItem(cv, ox, oy, n, nFrame);
        }
    return cv;
}

cCanvas DrawItemMiniSheet()
{
    const cCanvas full = DrawItemSheet();
    cCanvas cv(256, 240);
    for (int n = 1; n < 120; ++n) cv.Copy(full, n / 15 * 64, n % 15 * 32, 16, 16, n / 15 * 32, n % 15 * 16, true);
    return cv;
}

// ---- Shots: 16 x 16, columns of 30, two frames 16 apart in each 32-pixel
// column.

void DrawShot(cCanvas& cv, int ox, int oy, int n, int nFrame)
{
    const int h = (n - 1) / 6 % kHues;
    const double cx = ox + 8, cy = oy + 8;
    const double r = nFrame ? 5.5 : 6.5;
    switch ((n - 1) % 6) {
    case 0:
        cv.FillEllipse(cx, cy, r, r, Hue(h, 8));
        cv.FillEllipse(cx - 2, cy - 2, r / 2.5, r / 2.5, Hue(h, 14));
        break;
    case 1:
        DrawStar(cv, cx, cy + 0.5, r + 1, Hue(h, 11));
        break;
    case 2:  // arrow, flying left
        cv.FillRect(ox + 4, oy + 7, 10, 2, Hue(kHueOrange, 5));
        cv.FillTriangle(ox + 1, oy + 8, ox + 6, oy + 4, ox + 6, oy + 12, Grey(24));
        cv.FillRect(ox + 12, oy + 5 + nFrame, 3, 2, Hue(h, 10));
        cv.FillRect(ox + 12, oy + 9 - nFrame, 3, 2, Hue(h, 10));
        break;
    case 3:  // beam
        cv.FillRect(ox + 1, oy + 5 + nFrame, 14, 6 - 2 * nFrame, Hue(h, 9));
        cv.FillRect(ox + 1, oy + 7, 14, 2, kWhite);
        break;
    case 4:  // ring
        cv.FillEllipse(cx, cy, r, r, Hue(h, 9));
        cv.FillEllipse(cx, cy, r - 3, r - 3, kClear);
        break;
    default:  // flame
        cv.FillEllipse(cx + 1, cy + 2, 5, 5, Hue(kHueRed, 8));
        cv.FillTriangle(ox + 3, oy + 9, ox + 13, oy + 9, ox + 8 + (nFrame ? 2 : -2), oy + 1, Hue(kHueOrange, 9));
        cv.FillEllipse(cx, cy + 3, 2.5, 2.5, Hue(kHueYellow, 13));
        break;
    }
    cv.Outline(ox, oy, 16, 16, kInk);
}

cCanvas DrawShotSheet()
{
    cCanvas cv(128, 480);
    for (int n = 1; n < 120; ++n)
        for (int nFrame = 0; nFrame < 2; ++nFrame) {
            const int ox = n / 30 * 32 + nFrame * 16, oy = n % 30 * 16;
            cv.SetClip(ox, oy, 16, 16);
            DrawShot(cv, ox, oy, n, nFrame);
        }
    return cv;
}

// ---- Marks: a numbered badge in the top-left corner of a cell.

cCanvas DrawMarkSheet()
{
    cCanvas cv(256, 480);
    for (int m = 1; m < 120; ++m) {
        const int ox = m / 15 * 32, oy = m % 15 * 32;
        cv.SetClip(ox, oy, 32, 32);
        const std::string strNo = std::to_string(m);
        const int w = cCanvas::TextWidth(strNo) + 4;
        cv.FillRect(ox + 1, oy + 1, w, 11, Hue((m - 1) % kHues, 6));
        cv.Rect(ox, oy, w + 2, 13, kInk);
        cv.Text(ox + 3, oy + 3, strNo, kWhite);
    }
    return cv;
}

// ---- World map: chips of 32 x 32, 5 across, 75 graphics; event graphics in
// rows of 32, numbered worlds on the left, the others on the right.

void Speckle(cCanvas& cv, int ox, int oy, int n, u32 dwSeed, u8 c, int nSize = 2)
{
    cDice dice(dwSeed);
    for (int i = 0; i < n; ++i) cv.FillRect(ox + dice.Next(32 - nSize), oy + dice.Next(32 - nSize), nSize, nSize, c);
}

void DrawGrass(cCanvas& cv, int ox, int oy, int g)
{
    cv.FillRect(ox, oy, 32, 32, Hue(kHueGreen, 8));
    Speckle(cv, ox, oy, 10, g, Hue(kHueGreen, 10), 1);
    Speckle(cv, ox, oy, 8, g + 100, Hue(kHueGreen, 6), 1);
}

void DrawWater(cCanvas& cv, int ox, int oy, int g, int nShade)
{
    cv.FillRect(ox, oy, 32, 32, Hue(kHueAzure, nShade));
    cDice dice(g);
    for (int i = 0; i < 4; ++i) {
        const int x = ox + dice.Next(22), y = oy + 4 + i * 7;
        cv.FillRect(x, y, 6, 1, Hue(kHueAzure, nShade + 4));
        cv.FillRect(x + 6, y + 1, 4, 1, Hue(kHueAzure, nShade + 4));
    }
}

void DrawTree(cCanvas& cv, int x, int y, int nShade)
{
    cv.FillRect(x - 1, y + 3, 3, 5, kDarkBrown);
    cv.FillTriangle(x - 7, y + 4, x + 7, y + 4, x, y - 10, Hue(kHueGreen, nShade));
    cv.FillTriangle(x - 5, y - 2, x + 5, y - 2, x, y - 12, Hue(kHueGreen, nShade + 2));
}

void DrawWorldChip(cCanvas& cv, int ox, int oy, int g)
{
    const int v = g / 15;  // five variants of each kind
    switch (g % 15) {
    case 0: DrawGrass(cv, ox, oy, g); break;
    case 1:
        DrawGrass(cv, ox, oy, g);
        for (int i = 0; i < 6; ++i) {
            const int x = ox + 3 + (i * 11 + v * 5) % 26, y = oy + 6 + (i * 7) % 22;
            cv.Line(x, y + 4, x - 2, y, Hue(kHueGreen, 4));
            cv.Line(x, y + 4, x + 2, y, Hue(kHueGreen, 4));
        }
        break;
    case 2: {
        DrawGrass(cv, ox, oy, g);
        cDice dice(g);
        for (int i = 0; i < 6; ++i) {
            const int x = ox + 3 + dice.Next(26), y = oy + 3 + dice.Next(26);
            cv.FillEllipse(x, y, 2, 2, Hue((v * 3 + i) % kHues, 11));
            cv.Set(x, y, kYellow);
        }
        break;
    }
    case 3:
        cv.FillRect(ox, oy, 32, 32, Hue(kHueYellow, 11 - v % 2));
        Speckle(cv, ox, oy, 12, g, Hue(kHueYellow, 8), 1);
        break;
    case 4: DrawWater(cv, ox, oy, g, 8 + v % 2); break;
    case 5: DrawWater(cv, ox, oy, g, 4 + v % 2); break;
    case 6:
        DrawGrass(cv, ox, oy, g);
        cv.FillTriangle(ox + 1, oy + 30, ox + 31, oy + 30, ox + 16, oy + 3, Grey(12 + v));
        cv.FillTriangle(ox + 16, oy + 30, ox + 31, oy + 30, ox + 16, oy + 3, Grey(8 + v));
        cv.FillTriangle(ox + 11, oy + 12, ox + 21, oy + 12, ox + 16, oy + 3, kWhite);
        break;
    case 7:
        DrawGrass(cv, ox, oy, g);
        cv.FillEllipse(ox + 16, oy + 30, 15, 16, Hue(kHueGreen, 6 - v % 2));
        cv.FillEllipse(ox + 12, oy + 22, 5, 4, Hue(kHueGreen, 9));
        break;
    case 8:
        DrawGrass(cv, ox, oy, g);
        DrawTree(cv, ox + 9, oy + 13, 4 + v % 3);
        DrawTree(cv, ox + 22, oy + 22, 4 + v % 3);
        break;
    case 9:
    case 10: {
        DrawGrass(cv, ox, oy, g);
        const bool bAcross = g % 15 == 9;
        const u8 road = Hue(kHueOrange, 9 + v % 2), edge = Hue(kHueOrange, 6);
        if (bAcross) {
            cv.FillRect(ox, oy + 10, 32, 12, road);
            cv.FillRect(ox, oy + 10, 32, 1, edge);
            cv.FillRect(ox, oy + 21, 32, 1, edge);
        } else {
            cv.FillRect(ox + 10, oy, 12, 32, road);
            cv.FillRect(ox + 10, oy, 1, 32, edge);
            cv.FillRect(ox + 21, oy, 1, 32, edge);
        }
        break;
    }
    case 11:
        DrawWater(cv, ox, oy, g, 8);
        for (int i = 0; i < 4; ++i) cv.Bevel(ox, oy + 2 + i * 7, 32, 7, Hue(kHueOrange, 10), Hue(kHueOrange, 7), Hue(kHueOrange, 4));
        break;
    case 12:
        cv.FillRect(ox, oy, 32, 32, Grey(29 - v % 2));
        Speckle(cv, ox, oy, 10, g, Hue(kHueAzure, 12), 1);
        break;
    case 13:
        cv.FillRect(ox, oy, 32, 32, Hue(kHueRed, 6 + v % 2));
        Speckle(cv, ox, oy, 7, g, Hue(kHueOrange, 11), 3);
        Speckle(cv, ox, oy, 5, g + 7, Hue(kHueYellow, 13), 1);
        break;
    default:
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 2; ++i) cv.Bevel(ox + i * 16, oy + j * 16, 16, 16, Grey(24 - v), Grey(18 - v), Grey(10 - v));
        break;
    }
}

cCanvas DrawWorldChipSheet()
{
    cCanvas cv(160, 480);
    for (int g = 0; g < 75; ++g) {
        const int ox = g % 5 * 32, oy = g / 5 * 32;
        cv.SetClip(ox, oy, 32, 32);
        DrawWorldChip(cv, ox, oy, g);
    }
    return cv;
}

void DrawWorldEvent(cCanvas& cv, int ox, int oy, int g, bool bNumbered)
{
    const int h = g / 8 * 5 % kHues;
    switch (g % 8) {
    case 0:  // castle
        cv.Bevel(ox + 6, oy + 12, 20, 18, Grey(26), Grey(20), Grey(10));
        for (int i = 0; i < 3; ++i) cv.FillRect(ox + 6 + i * 8, oy + 8, 4, 4, Grey(20));
        cv.FillRect(ox + 13, oy + 21, 6, 9, kDarkBrown);
        cv.FillTriangle(ox + 15, oy + 8, ox + 15, oy + 1, ox + 22, oy + 4, Hue(h, 8));
        break;
    case 1:  // house
        cv.FillRect(ox + 7, oy + 15, 18, 14, Hue(kHueOrange, 11));
        cv.FillTriangle(ox + 4, oy + 16, ox + 28, oy + 16, ox + 16, oy + 4, Hue(h, 7));
        cv.FillRect(ox + 14, oy + 21, 5, 8, kDarkBrown);
        break;
    case 2:  // tower
        cv.Bevel(ox + 11, oy + 8, 10, 22, Grey(24), Grey(17), Grey(9));
        cv.FillTriangle(ox + 9, oy + 9, ox + 23, oy + 9, ox + 16, oy + 1, Hue(h, 7));
        cv.FillRect(ox + 15, oy + 14, 2, 4, kInk);
        break;
    case 3:  // cave
        cv.FillEllipse(ox + 16, oy + 24, 14, 14, Grey(12));
        cv.FillEllipse(ox + 16, oy + 27, 7, 8, kInk);
        cv.FillRect(ox, oy + 30, 32, 2, kClear);
        break;
    case 4:  // flag
        cv.FillRect(ox + 10, oy + 4, 2, 26, kDarkBrown);
        cv.FillTriangle(ox + 12, oy + 4, ox + 12, oy + 16, ox + 26, oy + 10, Hue(h, 8));
        break;
    case 5:  // shrine
        cv.FillRect(ox + 6, oy + 8, 20, 3, Hue(kHueRed, 7));
        cv.FillRect(ox + 8, oy + 13, 16, 2, Hue(kHueRed, 7));
        cv.FillRect(ox + 9, oy + 8, 3, 22, Hue(kHueRed, 7));
        cv.FillRect(ox + 20, oy + 8, 3, 22, Hue(kHueRed, 7));
        break;
    case 6:  // gate of light
        cv.FillEllipse(ox + 16, oy + 17, 11, 13, Hue(h, 10));
        cv.FillEllipse(ox + 16, oy + 17, 7, 9, Hue(h, 14));
        break;
    default:  // pyramid
        cv.FillTriangle(ox + 2, oy + 29, ox + 30, oy + 29, ox + 16, oy + 5, Hue(kHueYellow, 9));
        cv.FillTriangle(ox + 16, oy + 29, ox + 30, oy + 29, ox + 16, oy + 5, Hue(kHueYellow, 6));
        break;
    }
    if (bNumbered) {
        cv.FillEllipse(ox + 26, oy + 6, 5, 5, kGold);
        cv.FillEllipse(ox + 26, oy + 6, 2, 2, kWhite);
    }
    cv.Outline(ox, oy, 32, 32, kInk);
}

cCanvas DrawWorldEventSheet()
{
    constexpr int kGraphics = 16;
    cCanvas cv(64, kGraphics * 32);
    for (int g = 0; g < kGraphics; ++g)
        for (int col = 0; col < 2; ++col) {
            cv.SetClip(col * 32, g * 32, 32, 32);
            DrawWorldEvent(cv, col * 32, g * 32, g, col == 0);
        }
    return cv;
}

// ---- Symbols "a" to "z" that the game shows in texts, and accessories.

cCanvas DrawSymbolSheet()
{
    cCanvas cv(26 * 32, 32);
    for (int i = 0; i < 26; ++i) {
        const int ox = i * 32;
        cv.SetClip(ox, 0, 32, 32);
        cv.FillEllipse(ox + 16, 16, 14, 14, Hue(i % kHues, 6));
        cv.FillEllipse(ox + 14, 14, 10, 10, Hue(i % kHues, 8));
        cv.Text(ox + 9, 6, std::string(1, static_cast<char>('A' + i)), kWhite, 3);
        cv.Outline(ox, 0, 32, 32, kInk);
    }
    return cv;
}

cCanvas DrawAccessorySheet()
{
    cCanvas cv(256, 480);
    for (int k = 1; k < 120; ++k) {
        const int ox = k / 15 * 32, oy = k % 15 * 32, h = (k - 1) / 6 % kHues;
        cv.SetClip(ox, oy, 32, 32);
        switch ((k - 1) % 6) {
        case 0:  // hat
            cv.FillRect(ox + 4, oy + 20, 24, 4, Hue(h, 6));
            cv.FillRect(ox + 9, oy + 8, 14, 13, Hue(h, 8));
            cv.FillRect(ox + 9, oy + 16, 14, 3, Hue(h, 12));
            break;
        case 1:  // glasses
            cv.FillEllipse(ox + 10, oy + 16, 6, 5, Hue(h, 4));
            cv.FillEllipse(ox + 22, oy + 16, 6, 5, Hue(h, 4));
            cv.FillRect(ox + 14, oy + 14, 4, 2, Hue(h, 4));
            cv.FillRect(ox + 7, oy + 14, 3, 2, Hue(h, 12));
            break;
        case 2:  // crown
            cv.FillRect(ox + 6, oy + 16, 20, 8, kGold);
            for (int i = 0; i < 3; ++i) cv.FillTriangle(ox + 6 + i * 7, oy + 17, ox + 13 + i * 7, oy + 17, ox + 9 + i * 7, oy + 7, kGold);
            cv.FillRect(ox + 14, oy + 18, 4, 4, Hue(h, 8));
            break;
        case 3:  // ribbon
            cv.FillTriangle(ox + 4, oy + 8, ox + 4, oy + 24, ox + 16, oy + 16, Hue(h, 9));
            cv.FillTriangle(ox + 28, oy + 8, ox + 28, oy + 24, ox + 16, oy + 16, Hue(h, 9));
            cv.FillEllipse(ox + 16, oy + 16, 3.5, 3.5, Hue(h, 6));
            break;
        case 4:  // shield
            cv.FillRect(ox + 8, oy + 6, 16, 12, Hue(h, 7));
            cv.FillTriangle(ox + 8, oy + 17, ox + 24, oy + 17, ox + 16, oy + 28, Hue(h, 7));
            cv.FillRect(ox + 15, oy + 8, 2, 16, kGold);
            break;
        default:  // sword
            cv.Line(ox + 7, oy + 25, ox + 24, oy + 8, Grey(28));
            cv.Line(ox + 8, oy + 25, ox + 25, oy + 8, Grey(22));
            cv.Line(ox + 6, oy + 20, ox + 12, oy + 26, Hue(h, 6));
            cv.FillRect(ox + 4, oy + 26, 3, 3, Hue(h, 6));
            break;
        }
        cv.Outline(ox, oy, 32, 32, kInk);
    }
    return cv;
}

// ---- The game palette files: every entry shown as an 8 x 8 square.

cCanvas DrawPaletteChart()
{
    cCanvas cv(128, 128);
    for (int i = 0; i < 256; ++i) cv.FillRect(i % 16 * 8, i / 16 * 8, 8, 8, static_cast<u8>(i));
    return cv;
}

// ---- Toolbar strips: images of 16 x 15 side by side on the button face.

constexpr int kToolW = 16, kToolH = 15;

cCanvas ToolStrip(int nImages) { return cCanvas(nImages * kToolW, kToolH, kSilver); }

void ToolMouse(cCanvas& cv, int ox, u8 button)
{
    cv.FillEllipse(ox + 5.5, 9, 4.5, 5.5, kWhite);
    cv.FillRect(ox + 6, 4, 4, 5, button);
    cv.Line(ox + 5, 4, ox + 5, 8, kInk);
    cv.Line(ox + 1, 8, ox + 10, 8, kInk);
    cv.Outline(ox, 0, 11, kToolH, kInk);
}

cCanvas DrawToolbarPalette()
{
    cCanvas cv = ToolStrip(3);
    cv.Bevel(2, 2, 12, 11, Hue(kHueOrange, 12), Hue(kHueOrange, 8), Hue(kHueOrange, 4));
    cv.FillRect(2, 7, 12, 1, Hue(kHueOrange, 4));
    cv.FillRect(8, 2, 1, 5, Hue(kHueOrange, 4));
    cv.FillEllipse(24, 7.5, 6, 6, kSkin);
    cv.FillRect(21, 5, 2, 2, kInk);
    cv.FillRect(25, 5, 2, 2, kInk);
    cv.Line(21, 10, 26, 10, kInk);
    cv.FillEllipse(40, 7.5, 5.5, 6, Hue(kHueYellow, 9));
    cv.FillRect(39, 4, 2, 7, Hue(kHueYellow, 5));
    return cv;
}

cCanvas DrawToolbarTestPlay()
{
    cCanvas cv = ToolStrip(2);
    cv.FillTriangle(4, 2, 4, 13, 13, 7, Hue(kHueGreen, 7));
    cv.FillTriangle(17, 2, 17, 13, 24, 7, Hue(kHueAzure, 7));
    cv.FillTriangle(23, 2, 23, 13, 30, 7, Hue(kHueAzure, 9));
    return cv;
}

cCanvas DrawToolbarPen()
{
    cCanvas cv = ToolStrip(5);
    // pencil
    for (int i = 0; i < 3; ++i) cv.Line(4 + i, 12, 12 + i, 3, Hue(kHueYellow, 8));
    cv.Line(3, 13, 4, 12, kInk);
    cv.Line(11, 3, 14, 5, Hue(kHueRed, 8));
    // line
    cv.Line(19, 12, 29, 2, kInk);
    cv.FillRect(18, 11, 3, 3, Hue(kHueBlue, 8));
    cv.FillRect(28, 1, 3, 3, Hue(kHueBlue, 8));
    // rectangle
    cv.Rect(34, 3, 12, 10, kInk);
    cv.Rect(35, 4, 10, 8, Hue(kHueBlue, 10));
    // fill
    cv.FillRect(50, 3, 12, 10, Hue(kHueBlue, 9));
    cv.Rect(50, 3, 12, 10, kInk);
    // parameters: three sliders
    for (int i = 0; i < 3; ++i) {
        cv.FillRect(66, 3 + i * 4, 12, 1, kInk);
        cv.FillRect(68 + (i * 5) % 9, 2 + i * 4, 3, 3, Hue(kHueRed, 8));
    }
    return cv;
}

cCanvas DrawToolbarPltEdit()
{
    cCanvas cv = ToolStrip(2);
    ToolMouse(cv, 0, Hue(kHueRed, 8));
    cv.Line(11, 13, 15, 9, Hue(kHueYellow, 6));
    cv.Line(12, 13, 15, 10, Hue(kHueYellow, 6));
    ToolMouse(cv, 16, Hue(kHueRed, 8));
    for (int i = 0; i < 3; ++i) cv.FillRect(28, 4 + i * 3, 4, 2, kInk);
    return cv;
}

cCanvas DrawToolbarWorldPalette()
{
    cCanvas cv = ToolStrip(2);
    cv.FillRect(2, 2, 6, 5, Hue(kHueGreen, 8));
    cv.FillRect(8, 2, 6, 5, Hue(kHueAzure, 8));
    cv.FillRect(2, 7, 6, 6, Hue(kHueYellow, 10));
    cv.FillRect(8, 7, 6, 6, Hue(kHueGreen, 6));
    cv.Rect(1, 1, 14, 13, kInk);
    cv.FillRect(20, 2, 2, 12, kDarkBrown);
    cv.FillTriangle(22, 2, 22, 9, 30, 5, Hue(kHueRed, 8));
    return cv;
}

}  // namespace

tPalette SamplePalette()
{
    tPalette p(256, 0);
    const u32 kBasic[16] = {
        0x000000, 0xFFFFFF, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
        0xFF00FF, 0x00FFFF, 0xFFFFFF, 0xFF4040, 0xFFFF40, 0x40FFFF, 0x40FF40, 0x000000,
    };
    for (int i = 0; i < 16; ++i) p[i] = kBasic[i];
    for (int h = 0; h < kHues; ++h)
        for (int s = 0; s < 16; ++s) p[Hue(h, s)] = FromHsl(h * 30.0, 0.72, 0.10 + 0.80 * s / 15.0);
    for (int i = 0; i < 32; ++i) p[Grey(i)] = Rgb(i / 31.0, i / 31.0, i / 31.0);
    const u32 kExtra[] = {0xFFDCB1, 0xE0AC69, 0x8D5524, 0x5A3825, 0xFFD700, 0xFF8C00, 0xFFB6C1,
                          0x9400D3, 0x000080, 0x008080, 0x808000, 0x800000, 0x87CEEB, 0x32CD32, 0x202028};
    for (size_t i = 0; i < sizeof kExtra / sizeof kExtra[0]; ++i) p[240 + i] = kExtra[i];
    p[255] = 0xFFFFFF;
    return p;
}

const std::vector<cSampleBitmap>& SampleBitmaps()
{
    static const std::vector<cSampleBitmap> s_Bitmaps = {
        {"bmp\\plt\\Palette.bmp", DrawPaletteChart},
        {"bmp\\plt\\Palette2.bmp", DrawPaletteChart},
        {"bmp\\Block.bmp", DrawBlockSheet},
        {"bmp\\Character1.bmp", DrawCharaSheetN<0>},
        {"bmp\\Character2.bmp", DrawCharaSheetN<1>},
        {"bmp\\Character3.bmp", DrawCharaSheetN<2>},
        {"bmp\\Character4.bmp", DrawCharaSheetN<3>},
        {"bmp\\Character5.bmp", DrawCharaSheetN<4>},
        {"bmp\\Character6.bmp", DrawCharaSheetN<5>},
        {"bmp\\Character7.bmp", DrawCharaSheetN<6>},
        {"bmp\\Character8.bmp", DrawCharaSheetN<7>},
        {"bmp\\Item.bmp", DrawItemSheet},
        {"bmp\\Item_Mini.bmp", DrawItemMiniSheet},
        {"bmp\\Shot.bmp", DrawShotSheet},
        {"bmp\\Mark.bmp", DrawMarkSheet},
        {"bmp\\WorldMapChip.bmp", DrawWorldChipSheet},
        {"bmp\\WorldEvent.bmp", DrawWorldEventSheet},
        {"bmp\\Symbol.bmp", DrawSymbolSheet},
        {"bmp\\Accessory.bmp", DrawAccessorySheet},
        {"e_bmp\\ToolBar_Palette.bmp", DrawToolbarPalette},
        {"e_bmp\\ToolBar_TestPlay.bmp", DrawToolbarTestPlay},
        {"e_bmp\\ToolBar_Pen.bmp", DrawToolbarPen},
        {"e_bmp\\ToolBar_PltEdit.bmp", DrawToolbarPltEdit},
        {"e_bmp\\ToolBar_WorldPalette.bmp", DrawToolbarWorldPalette},
    };
    return s_Bitmaps;
}
