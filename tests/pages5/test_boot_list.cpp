// The boot list and the page's two choices, in both directions, for every shape of
// list a BIOS may hold.
#include "BootList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

namespace {

// A list from its leading entries; the rest are empty slots.
BootSequence List(std::initializer_list<uint8_t> entries) {
    BootSequence list = EmptyBootList();
    int i = 0;
    for (uint8_t entry : entries)
        list.devices[i++] = entry;
    return list;
}

bool Same(const BootSequence& a, const BootSequence& b) {
    return std::equal(a.devices, a.devices + 16, b.devices);
}

TEST(BootListTest, ListsReadAsTheirChoices) {
    const struct {
        const char* what;
        BootSequence list;
        bool cdromFirst;
        uint8_t order;
    } cases[] = {
        {"A then C", List({0, 1}), false, kOrderAThenC},
        {"C only", List({1}), false, kOrderCOnly},
        {"CD-ROM, C then A", List({2, 1, 0}), true, kOrderCThenA},
        {"CD-ROM, A only", List({2, 0}), true, kOrderAOnly},
        // No form: the box still follows the first byte.
        {"CD-ROM last", List({0, 1, 2}), false, kNoBootOrder},
        {"CD-ROM only", List({2}), true, kNoBootOrder},
        {"empty", List({}), false, kNoBootOrder},
        {"drive twice", List({0, 0}), false, kNoBootOrder},
        {"unknown device", List({5}), false, kNoBootOrder},
        {"CD-ROM twice", List({2, 2, 0}), true, kNoBootOrder},
    };
    for (const auto& c : cases) {
        const BootChoices choices = BootChoicesFromList(c.list);
        EXPECT_EQ(c.cdromFirst, choices.cdromFirst) << c.what;
        EXPECT_EQ(c.order, choices.order) << c.what;
    }
    // Junk after the end mark does not count; a list with no end mark matches nothing.
    BootSequence junk = List({1});
    junk.devices[5] = 0;
    EXPECT_EQ(kOrderCOnly, BootChoicesFromList(junk).order);
    BootSequence full;
    std::fill(full.devices, full.devices + 16, kBootCdrom);
    EXPECT_EQ(kNoBootOrder, BootChoicesFromList(full).order);
}

TEST(BootListTest, EveryChoiceBecomesAWholeListAndReadsBackTheSame) {
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

} // namespace
