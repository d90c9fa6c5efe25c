// The page's two patterns that the row builders fill with one number keep exactly one
// "%d" in both languages. (That both tables hold every id with the same conversions
// is checked once for all resources, in tests/app/test_resources.cpp.)
#include "ProbeTestSupport.h"
#include "page_info_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(PageTexts, NumberPatternsTakeExactlyOneNumber) {
    for (uint16_t language : {kEnglish, kJapanese}) {
        for (uint32_t id : {IDS_INFO_SERIAL_PORT_N, IDS_INFO_MODE_ECP_DMA}) {
            std::string text;
            ASSERT_TRUE(LoadTableString(language, id, text));
            EXPECT_EQ(1u, Count(text, "%d")) << language << " " << id << " " << text;
            EXPECT_EQ(1u, Count(text, "%")) << language << " " << id << " " << text;
        }
    }
}

} // namespace
