#include "png.h"
#include <stdio.h>
#include <vector>
#include <string>

namespace {

unsigned long Crc(const unsigned char* p, size_t n, unsigned long c = 0xffffffffUL)
{
    static unsigned long table[256];
    static bool bReady = false;
    if (!bReady)
    {
        for (unsigned long i = 0; i < 256; ++i)
        {
            unsigned long v = i;
            for (int k = 0; k < 8; ++k)
                v = (v & 1) ? 0xedb88320UL ^ (v >> 1) : v >> 1;
            table[i] = v;
        }
        bReady = true;
    }
    for (size_t i = 0; i < n; ++i)
        c = table[(c ^ p[i]) & 0xff] ^ (c >> 8);
    return c;
}

void Put32(std::string& s, unsigned long v)
{
    s += (char)((v >> 24) & 0xff);
    s += (char)((v >> 16) & 0xff);
    s += (char)((v >> 8) & 0xff);
    s += (char)(v & 0xff);
}

void Chunk(std::string& out, const char* type, const std::string& data)
{
    Put32(out, (unsigned long)data.size());
    std::string body = std::string(type, 4) + data;
    out += body;
    Put32(out, Crc((const unsigned char*)body.data(), body.size()) ^ 0xffffffffUL);
}

// zlib stream of stored (uncompressed) deflate blocks: simple and exact.
std::string StoredZlib(const std::string& raw)
{
    std::string z = "\x78\x01";
    size_t pos = 0;
    do
    {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        bool bLast = pos + n == raw.size();
        z += (char)(bLast ? 1 : 0);
        z += (char)(n & 0xff);
        z += (char)(n >> 8);
        z += (char)(~n & 0xff);
        z += (char)((~n >> 8) & 0xff);
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    unsigned long a = 1, b = 0;
    for (unsigned char c : raw)
    {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);
    return z;
}

} // namespace

std::vector<DWORD> CopyPixels(HDC hSrc, int x, int y, int w, int h)
{
    std::vector<DWORD> pixels;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hMem = ::CreateCompatibleDC(hSrc);
    HBITMAP hDib = ::CreateDIBSection(hSrc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hMem && hDib)
    {
        HGDIOBJ hOld = ::SelectObject(hMem, hDib);
        ::BitBlt(hMem, 0, 0, w, h, hSrc, x, y, SRCCOPY);
        ::GdiFlush();
        pixels.assign((const DWORD*)pBits, (const DWORD*)pBits + (size_t)w * h);
        ::SelectObject(hMem, hOld);
    }
    if (hDib)
        ::DeleteObject(hDib);
    if (hMem)
        ::DeleteDC(hMem);
    return pixels;
}

BOOL SaveWindowPng(HWND hWnd, const char* pszPath)
{
    RECT rc;
    if (!::GetWindowRect(hWnd, &rc))
        return FALSE;
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0)
        return FALSE;
    HDC hScreen = ::GetDC(nullptr);
    const std::vector<DWORD> pixels = CopyPixels(hScreen, rc.left, rc.top, w, h);
    ::ReleaseDC(nullptr, hScreen);
    return SavePixelsPng(pixels, w, h, pszPath);
}

BOOL SavePixelsPng(const std::vector<DWORD>& pixels, int w, int h, const char* pszPath)
{
    if (pixels.size() != (size_t)w * h || pixels.empty())
        return FALSE;
    std::string raw;
    raw.reserve((size_t)(w * 3 + 1) * h);
    for (int y = 0; y < h; ++y)
    {
        raw += '\0';
        for (int x = 0; x < w; ++x)
        {
            const DWORD c = pixels[(size_t)y * w + x];
            raw += (char)((c >> 16) & 0xff);
            raw += (char)((c >> 8) & 0xff);
            raw += (char)(c & 0xff);
        }
    }

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string ihdr;
    Put32(ihdr, w);
    Put32(ihdr, h);
    ihdr.append("\x08\x02\x00\x00\x00", 5);   // 8-bit RGB, no interlace
    Chunk(png, "IHDR", ihdr);
    Chunk(png, "IDAT", StoredZlib(raw));
    Chunk(png, "IEND", "");
    FILE* f = fopen(pszPath, "wb");
    if (!f)
        return FALSE;
    size_t n = fwrite(png.data(), 1, png.size(), f);
    fclose(f);
    return n == png.size();
}
