// The windows-free option rules of the POST, Display Device and Boot Sequence pages:
// what Apply and Load Previous write and in which order, which replies a read refuses,
// the boot list in both directions, and the label texts filled from the string table.
#include "BootList.h"
#include "DisplayLevels.h"
#include "PlaceholderText.h"
#include "PostOptionBytes.h"

#include "BiosCatalogue.h"
#include "PageBios.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class PageOptions : public PageBios {};

// Apply writes each changed option once, silent boot first, and only from a modified
// page; Load Previous writes the applied values again, memory test first; Forget
// drops both.
TEST_F(PageOptions, PostApplyAndLoadPreviousWriteEachChangedOptionOnce) {
    const struct {
        int memTest, silentBoot; // the box's final state; -1: untouched
        int32_t modified;
        int answer;
        const char* applied;
        const char* restored;
    } cases[] = {
        {0, 1, 1, 1, "EnableSilentBoot 1; EnableMemoryTest 0",
         "EnableMemoryTest 0; EnableSilentBoot 1"}, // the memory test ticked and cleared again
        {-1, 1, 1, 1, "EnableSilentBoot 1", "EnableSilentBoot 1"},
        {1, -1, 0, 0, "", ""},
    };
    for (const auto& c : cases) {
        PostOptionBytes bytes;
        if (c.memTest >= 0) {
            bytes.ChooseMemTest(c.memTest == 0);
            bytes.ChooseMemTest(c.memTest == 1);
        }
        if (c.silentBoot >= 0)
            bytes.ChooseSilentBoot(c.silentBoot == 1);
        Bios().ClearLog();
        EXPECT_EQ(c.answer, bytes.ApplyPending(c.modified));
        EXPECT_EQ(c.answer, bytes.ApplyPending(c.modified)) << "modified counts, not the values";
        EXPECT_EQ(c.applied, Sent());
        Bios().ClearLog();
        bytes.WriteApplied();
        EXPECT_EQ(c.restored, Sent());
        bytes.Forget();
        Bios().ClearLog();
        bytes.ApplyPending(1);
        bytes.WriteApplied();
        EXPECT_EQ("", Sent()) << "nothing pending or applied after Forget";
    }
}

TEST_F(PageOptions, PostReadsMemoryTestFirstAndRefusesFailedOrDamagedReplies) {
    for (uint8_t memTest : {0, 1}) {
        Bios().Settings().memoryTest = memTest;
        Bios().Settings().silentBoot = memTest ^ 1;
        Bios().ClearLog();
        const PostReading reading = ReadPostOptions();
        EXPECT_EQ("GetMemoryTest 2; GetSilentBoot 2", Sent());
        EXPECT_TRUE(reading.memTestRead && reading.silentBootRead);
        EXPECT_EQ(memTest, reading.memTest);
        EXPECT_EQ(memTest ^ 1, reading.silentBoot);
    }
    Arm(sim::kFaultStatus, 0x9610, 0x15);
    Arm(sim::kFaultRegisters, 0x9610, 0x16, 1u << 1, 0x9602); // AL 2: no option value
    const PostReading reading = ReadPostOptions();
    EXPECT_FALSE(reading.memTestRead);
    EXPECT_FALSE(reading.silentBootRead);
}

std::string Text(const DisplayRanges& r) {
    return std::to_string(r.brightness.min) + "-" + std::to_string(r.brightness.max) + " " +
           std::to_string(r.contrast.min) + "-" + std::to_string(r.contrast.max);
}

TEST_F(PageOptions, BackwardsLevelRangesAreNoRanges) {
    const struct {
        uint16_t cx, dx; // the range reply: contrast, brightness; low byte min, high max
        bool read;
        const char* ranges; // brightness, contrast
    } cases[] = {
        {0x1F00, 0x0F02, true, "2-15 0-31"},
        {0x0505, 0x0303, true, "3-3 5-5"},
        {0x0F00, 0x0007, false, "3-3 5-5"}, // brightness min 7 above max 0: nothing written
        {0x0010, 0x0700, false, "3-3 5-5"}, // contrast min 16 above max 0
    };
    DisplayRanges ranges{};
    for (const auto& c : cases) {
        Bios().ClearFaults();
        Arm(sim::kFaultRegisters, 0x9612, 0x08, (1u << 3) | (1u << 4), 0, c.cx, c.dx);
        EXPECT_EQ(c.read, ReadDisplayRanges(ranges)) << c.ranges;
        EXPECT_EQ(c.ranges, Text(ranges));
    }
}

TEST_F(PageOptions, LevelsOutsideTheSliderRangeAreNotShown) {
    const LevelRange brightness{2, 7};
    uint8_t level = 99;
    for (uint8_t outside : {1, 8}) {
        Bios().Settings().brightness = outside;
        EXPECT_FALSE(ReadLevel(GetDisplayBrightness, &brightness, level));
        EXPECT_EQ(99, level);
    }
    EXPECT_TRUE(ReadLevel(GetDisplayBrightness, nullptr, level)) << "no range known: shown";
    EXPECT_EQ(8, level);
    for (uint8_t inside : {2, 7}) {
        Bios().Settings().brightness = inside;
        EXPECT_TRUE(ReadLevel(GetDisplayBrightness, &brightness, level));
        EXPECT_EQ(inside, level);
    }
    const int positions[][2] = {{-3, 0}, {0, 0}, {200, 200}, {255, 255}, {256, 255}};
    for (const auto& p : positions)
        EXPECT_EQ(p[1], LevelFromPosition(p[0])) << p[0];
}

// A list from its leading entries; the rest are empty slots.
BootSequence List(const std::vector<uint8_t>& entries) {
    BootSequence list = EmptyBootList();
    std::copy(entries.begin(), entries.end(), list.devices);
    return list;
}

bool Same(const BootSequence& a, const BootSequence& b) {
    return std::equal(a.devices, a.devices + 16, b.devices);
}

// The four forms, with or without the CD-ROM first; lists of no form (the CD-ROM last
// or alone, empty, a drive twice, an unknown device, the CD-ROM twice), whose box still
// follows the first byte; junk after the end mark, which does not count; and a list
// with no end mark, which matches nothing.
TEST(BootList, ListsReadAsTheirChoices) {
    const struct {
        std::vector<uint8_t> list;
        bool cdromFirst;
        uint8_t order;
    } cases[] = {
        {{0, 1}, false, kOrderAThenC},
        {{1}, false, kOrderCOnly},
        {{2, 1, 0}, true, kOrderCThenA},
        {{2, 0}, true, kOrderAOnly},
        {{0, 1, 2}, false, kNoBootOrder},
        {{2}, true, kNoBootOrder},
        {{}, false, kNoBootOrder},
        {{0, 0}, false, kNoBootOrder},
        {{5}, false, kNoBootOrder},
        {{2, 2, 0}, true, kNoBootOrder},
        {{1, 0xFF, 0xFF, 0xFF, 0xFF, 0}, false, kOrderCOnly},
        {std::vector<uint8_t>(16, kBootCdrom), true, kNoBootOrder},
    };
    for (const auto& c : cases) {
        const BootChoices choices = BootChoicesFromList(List(c.list));
        EXPECT_EQ(c.cdromFirst, choices.cdromFirst) << c.list.size();
        EXPECT_EQ(c.order, choices.order) << c.list.size();
    }
}

TEST(BootList, EveryChoiceBecomesAWholeListAndReadsBackTheSame) {
    EXPECT_TRUE(Same(List({0}), BootListFromChoices(false, kOrderAOnly)));
    EXPECT_TRUE(Same(List({2, 0, 1}), BootListFromChoices(true, kOrderAThenC)));
    for (bool cdrom : {false, true}) {
        for (uint8_t order = 0; order < kBootOrderCount; ++order) {
            const BootChoices back = BootChoicesFromList(BootListFromChoices(cdrom, order));
            EXPECT_EQ(cdrom, back.cdromFirst);
            EXPECT_EQ(order, back.order);
        }
    }
    // No order selected: only the CD-ROM entry, or nothing, and no drive entry.
    EXPECT_TRUE(Same(List({2}), BootListFromChoices(true, kNoBootOrder)));
    EXPECT_TRUE(Same(List({}), BootListFromChoices(false, 4)));
    EXPECT_FALSE(HasDriveEntry(BootListFromChoices(true, kNoBootOrder)));
    EXPECT_TRUE(HasDriveEntry(List({0, 1, 2})));
    BootSequence afterEnd = List({2});
    afterEnd.devices[3] = 1;
    EXPECT_FALSE(HasDriveEntry(afterEnd)) << "a drive after the end mark is not in the list";
}

TEST(PlaceholderText, OnlyTheFirstPlaceholderIsFilledAndNothingReachesPrintf) {
    const struct {
        const char* pattern;
        const char* value;
        size_t size;
        const char* text;
    } cases[] = {
        {"The %s.", "Setup Screen Password", 64, "The Setup Screen Password."},
        {"Brightness for LCD Panel (%d)", "12", 64, "Brightness for LCD Panel (12)"},
        {"%d %d %n %x 100%", "5", 64, "5 %d %n %x 100%"},
        {"no number", "5", 64, "no number"},
        {nullptr, "5", 64, ""},
        {"(%s)", nullptr, 64, "()"},
        {"Contrast for LCD Panel (%d)", "7", 5, "Cont"}, // cut and terminated
    };
    for (const auto& c : cases) {
        char text[64];
        FillPlaceholder(c.pattern, c.value, text, c.size);
        EXPECT_STREQ(c.text, text);
    }
    char text[16] = "untouched";
    FillNumberPlaceholder("x %d", 5, text, 0);
    EXPECT_STREQ("untouched", text);
    FillNumberPlaceholder("%d%d %s", -7, text, sizeof text);
    EXPECT_STREQ("-7%d %s", text);
    FillNumberPlaceholder("Port %d", 12345, text, 6);
    EXPECT_STREQ("Port ", text);
}

} // namespace
