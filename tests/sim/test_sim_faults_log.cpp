// The request log and armed faults: what a test sees of the traffic, and how a
// fault reaches the reply.
#include "SimHarness.h"

namespace simtest {
namespace {

using LogTest = SimTest;

TEST_F(LogTest, KeepsRequestReplyAndBufferBytes) {
    const sim::Regs reply = Ask(0x9610, 0x0116);
    const sim::Regs sent = Request(0x9610, 0x0116);
    EXPECT_EQ(1u, bios_.LogAt(0).sequence);
    EXPECT_EQ(0, std::memcmp(&sent, &bios_.LogAt(0).request, sizeof sent));
    EXPECT_EQ(0, std::memcmp(&reply, &bios_.LogAt(0).reply, sizeof reply));
    EXPECT_EQ(0, bios_.LogAt(0).bufferSize);

    AskWithBuffer(0x9610, 0x0017);
    EXPECT_EQ(16, bios_.LogAt(1).bufferSize);
    EXPECT_EQ(1, bios_.LogAt(1).bufferWritten);
    EXPECT_EQ(0, std::memcmp(buffer_, bios_.LogAt(1).buffer, 16));
    buffer_[0] = 0x1E;
    AskWithBuffer(0x9610, 0x0208, 1);
    EXPECT_EQ(1, bios_.LogAt(2).bufferSize);
    EXPECT_EQ(0, bios_.LogAt(2).bufferWritten);
    EXPECT_EQ(0x1E, bios_.LogAt(2).buffer[0]);

    sim::Regs block = Request(0x9610, 0x0000); // one block may carry request and reply
    ASSERT_TRUE(bios_.Handle(block, block, memory_));
    EXPECT_EQ(0x0108u, Get(block, kBx));
    EXPECT_EQ(0u, bios_.LogAt(3).request.ebx);
}

TEST_F(LogTest, RingKeepsTheNewestEntriesOldestFirst) {
    const uint32_t total = sim::kLogCapacity + 10;
    for (uint32_t i = 0; i < total; ++i)
        Ask(0x9610, 0x0216, i);
    ASSERT_EQ(sim::kLogCapacity, bios_.LogCount());
    EXPECT_EQ(11u, bios_.LogAt(0).sequence);
    EXPECT_EQ(10u, bios_.LogAt(0).request.ecx);
    EXPECT_EQ(total, bios_.LogAt(sim::kLogCapacity - 1).sequence);
    EXPECT_EQ(0u, bios_.LogAt(sim::kLogCapacity).sequence); // past the end: empty

    bios_.ClearLog();
    Ask(0x9610, 0x0216);
    EXPECT_EQ(1u, bios_.LogCount());
    EXPECT_EQ(1u, bios_.LogAt(0).sequence);
}

using FaultTest = SimTest;

sim::Fault Make(uint32_t kind, uint16_t ax, uint8_t bl) {
    sim::Fault f = {};
    f.kind = kind;
    f.ax = ax;
    f.bl = bl;
    return f;
}

// A transport failure never reaches the BIOS; a refusal reaches it and changes nothing.
TEST_F(FaultTest, TransportFailuresAndRefusalsChangeNothing) {
    ASSERT_TRUE(bios_.ArmFault(Make(sim::kFaultTransport, 0x9610, 0x16)));
    ASSERT_TRUE(bios_.ArmFault(Make(sim::kFaultStatus, 0x9610, 0x15)));
    sim::Fault code = Make(sim::kFaultAnswerCode, 0x9610, 0x06);
    code.answerCode = 0x35;
    ASSERT_TRUE(bios_.ArmFault(code));

    sim::Regs reply;
    std::memset(&reply, 0x5A, sizeof reply);
    EXPECT_FALSE(bios_.Handle(Request(0x9610, 0x0116), reply, memory_));
    EXPECT_EQ(0x5A5A5A5Au, reply.status); // untouched
    EXPECT_EQ(1, bios_.LogAt(0).transportFailed);
    const sim::Regs status = Ask(0x9610, 0x0015);
    EXPECT_TRUE(Failed(status));
    EXPECT_NE(0, Ah(status));
    const sim::Regs answered = Ask(0x9610, 0x0106);
    EXPECT_FALSE(Failed(answered));
    EXPECT_EQ(0x35, Ah(answered));

    sim::BiosSettings defaults;
    sim::SimBios::DefaultSettings(defaults);
    EXPECT_EQ(0, std::memcmp(&defaults, &bios_.Settings(), sizeof defaults));
}

TEST_F(FaultTest, RegisterFaultRewritesTheAnswerAfterTheBiosActed) {
    bios_.Settings().powerOnPasswordLength = 1;
    sim::Fault f = Make(sim::kFaultRegisters, 0x9610, 0x07);
    f.replace.status = sim::kStatusFailed;
    f.replace.edi = 0x12345678;
    f.replaceMask = (1u << 0) | (1u << 6); // status and edi
    ASSERT_TRUE(bios_.ArmFault(f));
    const sim::Regs r = Ask(0x9610, 0x0007, 0x77);
    EXPECT_TRUE(Failed(r));
    EXPECT_EQ(0, Ah(r)); // the BIOS accepted the removal
    EXPECT_EQ(0, bios_.Settings().powerOnPasswordLength);
    EXPECT_EQ(0x12345678u, r.edi);
    EXPECT_EQ(0x77u, r.ecx);
}

// Random registers replace the answer after the BIOS acted; the same seed, the same bytes.
TEST_F(FaultTest, RandomRegistersClaimSuccessAndRepeatWithTheSeed) {
    sim::Regs replies[3];
    const uint32_t seeds[3] = {7, 7, 8};
    for (int i = 0; i < 3; ++i) {
        bios_.Reset();
        sim::Fault f = Make(sim::kFaultRandomRegisters, 0x9610, 0x16);
        f.seed = seeds[i];
        ASSERT_TRUE(bios_.ArmFault(f));
        replies[i] = Ask(0x9610, 0x0116);
        EXPECT_TRUE(Accepted(replies[i]));
        EXPECT_EQ(1, bios_.Settings().silentBoot);
    }
    EXPECT_EQ(0, std::memcmp(&replies[0], &replies[1], sizeof replies[0]));
    EXPECT_NE(0, std::memcmp(&replies[0], &replies[2], sizeof replies[0]));
}

TEST_F(FaultTest, SkipCountAndWildcardsPickTheMatchingRequests) {
    sim::Fault f = Make(sim::kFaultStatus, 0x9610, 0x16);
    f.skip = 1;
    f.count = 2;
    ASSERT_TRUE(bios_.ArmFault(f));
    for (const bool faulted : {false, true, true, false, false}) {
        Ask(0x9610, 0x0215); // another function: not counted
        Ask(0x9611, 0x0216); // another group: not counted
        EXPECT_EQ(faulted, Failed(Ask(0x9610, 0x0216)));
    }

    sim::Fault group = Make(sim::kFaultStatus, 0x9612, 0);
    group.matchAnyFunction = 1;
    ASSERT_TRUE(bios_.ArmFault(group));
    EXPECT_TRUE(Failed(Ask(0x9612, 0x0007)));
    EXPECT_TRUE(Failed(Ask(0x9612, 0x000A))); // count 0: every one
    EXPECT_FALSE(Failed(Ask(0x9610, 0x0216)));
    bios_.ClearFaults();
    EXPECT_FALSE(Failed(Ask(0x9612, 0x0007)));

    sim::Fault everything = Make(sim::kFaultTransport, 0, 0);
    everything.matchAnyFunction = 1;
    ASSERT_TRUE(bios_.ArmFault(everything));
    sim::Regs reply;
    EXPECT_FALSE(bios_.Handle(Request(0x9602, 0), reply, memory_));
}

TEST_F(FaultTest, SlotsRunOutAndFreeWhenSpent) {
    EXPECT_FALSE(bios_.ArmFault(Make(sim::kFaultNone, 0x9610, 0x16)));
    EXPECT_FALSE(bios_.ArmFault(Make(9, 0x9610, 0x16)));
    sim::Fault once = Make(sim::kFaultStatus, 0x9610, 0x15);
    once.count = 1;
    ASSERT_TRUE(bios_.ArmFault(once));
    for (uint32_t i = 1; i < sim::kMaxFaults; ++i)
        ASSERT_TRUE(bios_.ArmFault(Make(sim::kFaultStatus, 0x9611, static_cast<uint8_t>(i))));
    EXPECT_FALSE(bios_.ArmFault(Make(sim::kFaultStatus, 0x9612, 0x07)));
    EXPECT_TRUE(Failed(Ask(0x9610, 0x0215))); // spends the first fault
    EXPECT_TRUE(bios_.ArmFault(Make(sim::kFaultStatus, 0x9612, 0x07)));
    EXPECT_FALSE(Failed(Ask(0x9610, 0x0215)));
}

} // namespace
} // namespace simtest
