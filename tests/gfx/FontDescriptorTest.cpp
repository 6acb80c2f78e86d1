#include <gtest/gtest.h>

#include "gfx/FontDescriptor.h"

namespace tarnbrook {
namespace {

TEST(FontDescriptor, BuildsXlfdPatternsAndLoadsNothingWithoutADisplay)
{
    FontDescriptor plain;
    EXPECT_EQ(plain.BuildName(), "-*-*-Medium-R-Normal--14-*");
    plain.SetBold(true);
    EXPECT_EQ(plain.BuildName(), "-*-*-Bold-R-Normal--14-*");
    FontDescriptor slanted;
    slanted.SetItalic(true);
    EXPECT_EQ(slanted.BuildName(), "-*-*-Medium-I-Normal--14-*");

    FontDescriptor fixed("misc-fixed", 12);
    EXPECT_EQ(fixed.BuildName(), "-misc-fixed-Medium-R-Normal--12-*");
    fixed.SetBold(true);
    fixed.SetFamilyAndSize("adobe-helvetica", 18);  // a new family starts plain
    EXPECT_EQ(fixed.BuildName(), "-adobe-helvetica-Medium-R-Normal--18-*");

    EXPECT_EQ(plain.GetFontStruct(nullptr), nullptr);
    EXPECT_FALSE(plain.IsLoaded());
}

}  // namespace
}  // namespace tarnbrook
