// Golden images: a rectangle of a rendering compared pixel for pixel with a
// small 24-bit BMP in tests/golden/. With WG_UPDATE_GOLDEN=1 the files are
// written instead (`make golden`); look at every changed picture before
// committing it. On a mismatch the actual picture goes to
// <test program's folder>/golden-actual/<name>.bmp.
#pragma once
#include "wgtest.h"

namespace wgtest {

using wgtestkit::Capture;
using wgtestkit::Image;
using wgtestkit::PanelImage;
using wgtestkit::ReadBmp;
using wgtestkit::WriteBmp;

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
    const bool bUpdate = update && !strcmp(update, "1");
    const std::string why = wgtestkit::CompareWithGolden(actual, path, bUpdate);
    if (!why.empty())
        return ::testing::AssertionFailure() << why << (bUpdate ? "" : " (make golden writes it)");
    if (bUpdate)
        printf("golden image written: %s\n", path.c_str());
    return ::testing::AssertionSuccess();
}

} // namespace wgtest
