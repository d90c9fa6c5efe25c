// The request log and armed faults: what a test sees of the traffic, and how a
// fault reaches the reply.
#include "SimHarness.h"

namespace simtest {
namespace {

using LogTest = SimTest;

TEST_F(LogTest, KeepsRequestReplyAndBufferBytes) {
    const sim::Regs reply = Ask(0x9610, 0x0116);
    const sim::LogEntry& plain = bios_.LogAt(0);
    EXPECT_EQ(1u, plain.sequence);
    const sim::Regs sent = Request(0x9610, 0x0116);
    EXPECT_EQ(0, std::memcmp(&sent, &plain.request, sizeof sent));
    EXPECT_EQ(0, std::memcmp(&reply, &plain.reply, sizeof reply));
    EXPECT_EQ(0, plain.bufferSize);

    AskWithBuffer(0x9610, 0x0017);
    EXPECT_EQ(16, bios_.LogAt(1).bufferSize);
    EXPECT_EQ(1, bios_.LogAt(1).bufferWritten);
    EXPECT_EQ(0, std::memcmp(buffer_, bios_.LogAt(1).buffer, 16));
    buffer_[0] = 0x1E;
    AskWithBuffer(0x9610, 0x0208, 1);
    EXPECT_EQ(1, bios_.LogAt(2).bufferSize);
    EXPECT_EQ(0, bios_.LogAt(2).bufferWritten);
    EXPECT_EQ(0x1E, bios_.LogAt(2).buffer[0]);
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

TEST_F(LogTest, OneBlockMayCarryRequestAndReply) {
    sim::Regs block = Request(0x9610, 0x0000);
    ASSERT_TRUE(bios_.Handle(block, block, memory_));
    EXPECT_EQ(0x0108u, Get(block, kBx));
    EXPECT_EQ(0u, bios_.LogAt(0).request.ebx);
}

class FaultTest : public SimTest {
protected:
    static sim::Fault Make(uint32_t kind, uint16_t ax, uint8_t bl) {
        sim::Fault f;
        std::memset(&f, 0, sizeof f);
        f.kind = kind;
        f.ax = ax;
        f.bl = bl;
        return f;
    }
};

TEST_F(FaultTest, TransportFailureNeverReachesTheBios) {
    ASSERT_TRUE(bios_.ArmFault(Make(sim::kFaultTransport, 0x9610, 0x16)));
    sim::Regs reply;
    std::memset(&reply, 0x5A, sizeof reply);
    EXPECT_FALSE(bios_.Handle(Request(0x9610, 0x0116), reply, memory_));
    EXPECT_EQ(0x5A5A5A5Au, reply.status); // untouched
    EXPECT_EQ(0, bios_.Settings().silentBoot);
    EXPECT_EQ(1, bios_.LogAt(0).transportFailed);
}

TEST_F(FaultTest, RefusalsChangeNothing) {
    ASSERT_TRUE(bios_.ArmFault(Make(sim::kFaultStatus, 0x9610, 0x16)));
    sim::Fault code = Make(sim::kFaultAnswerCode, 0x9610, 0x15);
    code.answerCode = 0x35;
    ASSERT_TRUE(bios_.ArmFault(code));

    const sim::Regs status = Ask(0x9610, 0x0116);
    EXPECT_TRUE(Failed(status));
    EXPECT_NE(0, Ah(status));
    const sim::Regs answered = Ask(0x9610, 0x0015);
    EXPECT_FALSE(Failed(answered));
    EXPECT_EQ(0x35, Ah(answered));
    EXPECT_EQ(0, bios_.Settings().silentBoot);
    EXPECT_EQ(1, bios_.Settings().memoryTest);
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

TEST_F(FaultTest, RandomRegistersClaimSuccessAndRepeatWithTheSeed) {
    auto randomReply = [this](uint32_t seed) {
        bios_.Reset();
        sim::Fault f = Make(sim::kFaultRandomRegisters, 0x9610, 0x16);
        f.seed = seed;
        EXPECT_TRUE(bios_.ArmFault(f));
        return Ask(0x9610, 0x0116);
    };
    const sim::Regs first = randomReply(7);
    EXPECT_EQ(sim::kStatusOk, first.status);
    EXPECT_EQ(0, Ah(first));
    EXPECT_EQ(1, bios_.Settings().silentBoot) << "the BIOS acted before the reply was replaced";
    const sim::Regs again = randomReply(7);
    EXPECT_EQ(0, std::memcmp(&first, &again, sizeof first));
    const sim::Regs other = randomReply(8);
    EXPECT_NE(0, std::memcmp(&first, &other, sizeof first));
}

TEST_F(FaultTest, SkipAndCountPickTheMatchingRequests) {
    sim::Fault f = Make(sim::kFaultStatus, 0x9610, 0x16);
    f.skip = 1;
    f.count = 2;
    ASSERT_TRUE(bios_.ArmFault(f));
    for (const bool faulted : {false, true, true, false, false}) {
        Ask(0x9610, 0x0215); // another function: not counted
        Ask(0x9611, 0x0216); // another group: not counted
        EXPECT_EQ(faulted, Failed(Ask(0x9610, 0x0216)));
    }
}

TEST_F(FaultTest, WildcardsMatchAnyGroupOrFunction) {
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
