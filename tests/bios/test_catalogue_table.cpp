// Self-check of the catalogue: the table that the operations are built from, and each
// of the 54 functions against its own row.
#include "CatalogueProbes.h"
#include "CatalogueTable.h"
#include "ScriptedBios.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>

using namespace catalogue;

namespace {

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", value);
    return text;
}

const Operation* FindRow(const std::string& name) {
    for (const Operation& row : kCatalogue) {
        if (name == row.name)
            return &row;
    }
    return nullptr;
}

// The operations that need the interface version first: VESKCheck goes out before them.
bool AsksVersionFirst(const Operation& row) {
    return row.op == Op::GetSystemRam || row.op == Op::GetParellelPort;
}

// ---- The table ------------------------------------------------------------------------

TEST(CatalogueTable, EveryOperationOnceInAKnownGroup) {
    EXPECT_EQ(54u, kOperationCount);
    std::set<std::string> names;
    for (const Operation& row : kCatalogue) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(nullptr, row.name);
        EXPECT_NE('\0', row.name[0]);
        EXPECT_TRUE(names.insert(row.name).second) << "named twice";
        EXPECT_TRUE(row.ax == 0x9610 || row.ax == 0x9611 || row.ax == 0x9612 || row.ax == 0x9602)
            << Hex(row.ax);
        if (row.bh == Bh::Fixed) {
            EXPECT_EQ(row.bhLow, row.bhHigh);
        } else {
            EXPECT_LE(row.bhLow, row.bhHigh);
        }
    }
    // Group 0x9602 is GetVideoRam alone, with BX 0.
    for (const Operation& row : kCatalogue) {
        if (row.ax == 0x9602) {
            EXPECT_EQ(Op::GetVideoRam, row.op);
            EXPECT_EQ(0, row.bl | row.bhLow);
        }
    }
}

// Get/Set pairs share BL and differ in BH; no two operations may ever send the same
// AX and BX, whatever value in its range a caller puts into BH.
TEST(CatalogueTable, NoTwoOperationsSendTheSameAxAndBx) {
    std::map<std::pair<unsigned, unsigned>, std::string> seen;
    for (const Operation& row : kCatalogue) {
        for (unsigned bh = row.bhLow; bh <= row.bhHigh; ++bh) {
            const auto key = std::make_pair(unsigned{row.ax}, bh << 8 | row.bl);
            const auto [where, added] = seen.emplace(key, row.name);
            EXPECT_TRUE(added) << row.name << " and " << where->second << " both send AX "
                               << Hex(key.first) << " BX " << Hex(key.second);
        }
    }
}

// The two patterns the BIOS groups use for a setting that can be read and switched.
TEST(CatalogueTable, ReadAndSwitchPairsFollowTheirGroupPattern) {
    int enablePairs = 0, setPairs = 0;
    for (const Operation& row : kCatalogue) {
        const std::string name = row.name;
        SCOPED_TRACE(name);
        if (name.rfind("Enable", 0) == 0) {
            // Groups 0x9610/0x9611: Enable sends BH = value, Get sends BH = 2 (GetPMU aside).
            EXPECT_TRUE(row.ax == 0x9610 || row.ax == 0x9611);
            EXPECT_EQ(Bh::Argument, row.bh);
            EXPECT_EQ(0, row.bhLow);
            EXPECT_EQ(1, row.bhHigh);
            const Operation* get = FindRow("Get" + name.substr(6));
            ASSERT_NE(nullptr, get) << "no Get partner";
            EXPECT_EQ(row.ax, get->ax);
            EXPECT_EQ(Bh::Fixed, get->bh);
            if (get->op == Op::GetPMU) {
                EXPECT_EQ(0x81, get->bl); // the one exception: BX 0x0081, value in BH
                EXPECT_EQ(0x00, get->bhLow);
            } else {
                EXPECT_EQ(row.bl, get->bl);
                EXPECT_EQ(0x02, get->bhLow);
            }
            ++enablePairs;
        } else if (name.rfind("Set", 0) == 0 && row.ax == 0x9612) {
            // Group 0x9612: Get sends BH = 0, Set sends BH = 1 with the value in CL.
            const Operation* get = FindRow("Get" + name.substr(3));
            if (get == nullptr)
                continue; // SetHotkeyButton: a switch without a read
            EXPECT_EQ(row.bl, get->bl);
            EXPECT_EQ(Bh::Fixed, row.bh);
            EXPECT_EQ(0x01, row.bhLow);
            EXPECT_EQ(Bh::Fixed, get->bh);
            EXPECT_EQ(0x00, get->bhLow);
            ++setPairs;
        }
    }
    EXPECT_EQ(9, enablePairs);
    EXPECT_EQ(4, setPairs);
}

// Rules A and SA belong to the password operations; the code outputs to those and to
// VESKCheck and CMOSChecksum, filled whenever the BIOS answered.
TEST(CatalogueTable, RulesAndCodeOutputsAsTheBiosDefinesThem) {
    const std::map<std::string, std::pair<Rule, Code>> notPlainS = {
        {"AskPowerOnPasswd", {Rule::A, Code::OnAnswer}},
        {"DisablePowerOnPasswd", {Rule::SA, Code::OnStatus}},
        {"SetChkPowerOnPasswd", {Rule::A, Code::OnAnswer}},
        {"SetChkSetupPasswd", {Rule::A, Code::OnAnswer}},
        {"AskSetupPasswd", {Rule::A, Code::OnAnswer}},
        {"DisableSetupPasswd", {Rule::A, Code::OnAnswer}},
        {"VESKCheck", {Rule::S, Code::OnAnswer}},
        {"CMOSChecksum", {Rule::S, Code::OnAnswer}},
    };
    for (const Operation& row : kCatalogue) {
        SCOPED_TRACE(row.name);
        const auto special = notPlainS.find(row.name);
        const auto expected =
            special == notPlainS.end() ? std::make_pair(Rule::S, Code::None) : special->second;
        EXPECT_EQ(expected.first, row.rule);
        EXPECT_EQ(expected.second, row.code);
    }
}

// ---- The functions against their rows ---------------------------------------------------

TEST(CatalogueFunctions, OneFunctionPerRow) {
    EXPECT_EQ(kOperationCount, kProbeCount);
    std::set<std::string> probed;
    for (std::size_t i = 0; i < kProbeCount; ++i) {
        EXPECT_TRUE(probed.insert(kProbes[i].name).second) << kProbes[i].name;
        EXPECT_NE(nullptr, FindRow(kProbes[i].name)) << kProbes[i].name << " has no row";
    }
}

// Every function, with every BH value its callers use, sends exactly its row's AX and
// BX (so the label it passes, the row's name, is its own), after VESKCheck when it
// needs the version, and keeps bits 16-31 of eax, the reserved words and control 0.
TEST(CatalogueFunctions, EachSendsItsOwnRow) {
    for (const Operation& row : kCatalogue) {
        const Probe* probe = FindProbe(row.name);
        ASSERT_NE(nullptr, probe) << row.name;
        for (unsigned bh = row.bhLow; bh <= row.bhHigh; ++bh) {
            SCOPED_TRACE(std::string(row.name) + " BH " + Hex(bh));
            ScriptedBios bios;
            bios.Answer(Block(0, 0x00000001, 0x00000200)); // AL 1, AH 0, version 2.00
            Outputs out;
            std::memset(&out, 0xA5, sizeof out);
            EXPECT_NE(0, probe->call(out, static_cast<uint8_t>(bh)));

            const auto& sent = bios.Requests();
            ASSERT_EQ(AsksVersionFirst(row) ? 2u : 1u, sent.size());
            if (AsksVersionFirst(row)) {
                EXPECT_EQ(Block(0, 0x9610, 0x0000), sent[0]) << "VESKCheck first";
            }
            const BiosRegs& request = sent.back();
            EXPECT_EQ(0u, request.status);
            EXPECT_EQ(row.ax, request.eax);
            EXPECT_EQ(bh << 8 | row.bl, request.ebx);
            EXPECT_EQ(0, request.reserved[0] | request.reserved[1] | request.reserved[2]);
            EXPECT_EQ(0, request.control[0] | request.control[1] | request.pad[0] | request.pad[1]);
        }
    }
}

} // namespace
