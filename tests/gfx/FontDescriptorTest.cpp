#include <gtest/gtest.h>

#include "gfx/FontDescriptor.h"

namespace tarnbrook {
namespace {

TEST(FontDescriptor, BuildsXlfdPatterns)
{
    FontDescriptor plain;
    EXPECT_EQ(plain.BuildName(), "-*-*-Medium-R-Normal--14-*");
    EXPECT_EQ(plain.GetSize(), 14);

    plain.SetBold(true);
    EXPECT_EQ(plain.BuildName(), "-*-*-Bold-R-Normal--14-*");

    FontDescriptor fixed("misc-fixed", 12);
    EXPECT_EQ(fixed.BuildName(), "-misc-fixed-Medium-R-Normal--12-*");

    FontDescriptor slanted;
    slanted.SetItalic(true);
    EXPECT_EQ(slanted.BuildName(), "-*-*-Medium-I-Normal--14-*");

    fixed.SetBold(true);
    fixed.SetFamilyAndSize("adobe-helvetica", 18);
    EXPECT_FALSE(fixed.IsBold());
    EXPECT_EQ(fixed.GetFamily(), "adobe-helvetica");
    EXPECT_EQ(fixed.BuildName(), "-adobe-helvetica-Medium-R-Normal--18-*");
}

TEST(FontDescriptor, WithoutADisplayNothingLoads)
{
    FontDescriptor font;
    EXPECT_EQ(font.GetFontStruct(nullptr), nullptr);
    EXPECT_FALSE(font.IsLoaded());
}

}  // namespace
}  // namespace tarnbrook
