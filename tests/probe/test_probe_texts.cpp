// The page's string tables: every text exists in English and in Japanese under the same
// number, and the two patterns that take a number keep exactly one "%d" in both.
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

// This test program carries the page's resources only, so every string in it is the page's.
TEST(PageTexts, EveryTextExistsInBothLanguages) {
    int strings = 0;
    for (uint32_t id = 1; id < 1024; ++id) {
        std::string english;
        std::string japanese;
        const bool inEnglish = LoadTableString(kEnglish, id, english);
        EXPECT_EQ(inEnglish, LoadTableString(kJapanese, id, japanese)) << "string " << id;
        EXPECT_LT(japanese.size(), kProbeTextSize) << "string " << id;
        strings += inEnglish;
    }
    EXPECT_EQ(49, strings);
    std::string caption;
    EXPECT_TRUE(LoadTableString(kEnglish, IDS_INFO_CAPTION, caption) &&
                caption == "Information Viewer");
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
