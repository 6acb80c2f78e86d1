#include "app/ProductInfo.h"

#include <gtest/gtest.h>

namespace tarnbrook {
namespace {

TEST(ProductInfo, TitleJoinsNameAddressAndNoticeOnOneLine)
{
    const std::string title = ComposeTitle();
    EXPECT_EQ(title, std::string("Tarnbrook - ") + kWebAddress + " " + kOwnershipNotice);
    EXPECT_EQ(title.find('\n'), std::string::npos);
    EXPECT_NE(title.back(), ' ');
    EXPECT_EQ(std::string(kWebAddress).rfind("https://www.", 0), 0u);
}

}  // namespace
}  // namespace tarnbrook
