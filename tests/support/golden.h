// Golden images: a rectangle of a rendering compared pixel for pixel with a
// small 24-bit BMP in tests/golden/. With WG_UPDATE_GOLDEN=1 the files are
// written instead (`make golden`); look at every changed picture before
// committing it. On a mismatch the actual picture goes to
// <test program's folder>/golden-actual/<name>.bmp.
#pragma once
#include "wgtest.h"

namespace wgtest {

// A w x h picture, rows top-down, each row B, G, R bytes padded to 4 bytes
// (the layout of both a top-down DIB section and a BMP file's rows).
struct Image
{
    int w = 0, h = 0;
    std::vector<BYTE> bits;
    int Stride() const { return (w * 3 + 3) & ~3; }
    COLORREF At(int x, int y) const
    {
        const BYTE* p = &bits[(size_t)y * Stride() + x * 3];
        return RGB(p[2], p[1], p[0]);
    }
    void Set(int x, int y, COLORREF c)
    {
        BYTE* p = &bits[(size_t)y * Stride() + x * 3];
        p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
    }
};

// Copies rc of hdc (screen, window or memory DC) into an Image.
inline Image Capture(HDC hdc, const RECT& rc)
{
    Image img;
    img.w = rc.right - rc.left;
    img.h = rc.bottom - rc.top;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = img.w;
    bi.bmiHeader.biHeight = -img.h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMem = ::CreateCompatibleDC(hdc);
    HGDIOBJ hOld = ::SelectObject(hMem, hbm);
    ::BitBlt(hMem, 0, 0, img.w, img.h, hdc, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    img.bits.assign((BYTE*)pBits, (BYTE*)pBits + (size_t)img.Stride() * img.h);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hbm);
    return img;
}

// A rectangle of a back buffer (a bitmap normally selected nowhere).
inline Image Capture(CDC* pDC, CBitmap& bmp, const RECT& rc)
{
    CBitmap* pOld = pDC->SelectObject(&bmp);
    Image img = Capture(pDC->m_hDC, rc);
    if (pOld)
        pDC->SelectObject(pOld);
    return img;
}

inline Image PanelImage(CVRK_WGPANEL& panel, const RECT& rc) { return Capture(panel.m_pBGDC, panel.m_bmpBG, rc); }

// A 24-bit BMP file's headers, as they lie in the file.
#pragma pack(push, 2)
struct BmpHeader { BITMAPFILEHEADER file; BITMAPINFOHEADER info; };
#pragma pack(pop)

inline bool WriteBmp(const std::string& path, const Image& img)
{
    BmpHeader h = {};
    h.file.bfType = 0x4D42;
    h.file.bfOffBits = sizeof(h);
    h.file.bfSize = sizeof(h) + (DWORD)img.bits.size();
    h.info = { sizeof(h.info), img.w, img.h, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };   // bottom-up, as BMP files are
    FILE* f = fopen(path.c_str(), "wb");
    bool ok = f && fwrite(&h, sizeof(h), 1, f) == 1;
    for (int y = img.h - 1; ok && y >= 0; --y)
        ok = fwrite(&img.bits[(size_t)y * img.Stride()], img.Stride(), 1, f) == 1;
    return f && fclose(f) == 0 && ok;
}

inline bool ReadBmp(const std::string& path, Image& img)
{
    BmpHeader h = {};
    FILE* f = fopen(path.c_str(), "rb");
    bool ok = f && fread(&h, sizeof(h), 1, f) == 1 && h.file.bfType == 0x4D42 && h.info.biBitCount == 24 &&
              h.info.biCompression == BI_RGB && h.info.biHeight > 0 && fseek(f, h.file.bfOffBits, SEEK_SET) == 0;
    if (ok)
    {
        img.w = h.info.biWidth;
        img.h = h.info.biHeight;
        img.bits.resize((size_t)img.Stride() * img.h);
    }
    for (int y = img.h - 1; ok && y >= 0; --y)
        ok = fread(&img.bits[(size_t)y * img.Stride()], img.Stride(), 1, f) == 1;
    if (f)
        fclose(f);
    return ok;
}

// tests/golden/, found from this header's own path.
inline std::string GoldenPath(const char* name)
{
    std::string s = __FILE__;
    s.erase(s.find_last_of("/\\", s.find_last_of("/\\") - 1) + 1);
    return s + "golden/" + name + ".bmp";
}

inline ::testing::AssertionResult MatchesGolden(const Image& actual, const char* name)
{
    const std::string path = GoldenPath(name);
    const char* update = getenv("WG_UPDATE_GOLDEN");
    if (update && !strcmp(update, "1"))
    {
        if (!WriteBmp(path, actual))
            return ::testing::AssertionFailure() << "cannot write " << path;
        printf("golden image written: %s\n", path.c_str());
        return ::testing::AssertionSuccess();
    }
    Image want;
    std::string why;
    if (!ReadBmp(path, want))
        why = "no readable golden image " + path + " (make golden writes it)";
    else if (want.w != actual.w || want.h != actual.h)
        why = Fmt("golden %s is %dx%d, the rendering %dx%d", path.c_str(), want.w, want.h, actual.w, actual.h);
    else
        for (int y = 0; y < want.h && why.empty(); ++y)
            for (int x = 0; x < want.w && why.empty(); ++x)
                if (want.At(x, y) != actual.At(x, y))
                    why = Fmt("%s differs first at (%d,%d): golden %06lx, rendering %06lx", name, x, y,
                              (unsigned long)want.At(x, y), (unsigned long)actual.At(x, y));
    if (why.empty())
        return ::testing::AssertionSuccess();
    char szExe[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    std::string out = szExe;
    out = out.substr(0, out.find_last_of("/\\") + 1) + "golden-actual";
    ::CreateDirectoryA(out.c_str(), nullptr);
    out += std::string("\\") + name + ".bmp";
    return ::testing::AssertionFailure() << why << "; actual picture: "
                                         << (WriteBmp(out, actual) ? out : "(could not be written)");
}

} // namespace wgtest
