// Faults armed in the simulated notebook reach the program through the device exactly
// as a failing BIOS or driver would: a failed transport, a failed status, a refusal in AH.
#include "BiosCatalogue.h"
#include "DeviceTest.h"

namespace {

sim::Fault FaultOn(uint32_t kind, uint16_t ax, uint8_t bl) {
    sim::Fault fault = {};
    fault.kind = kind;
    fault.ax = ax;
    fault.bl = bl;
    return fault;
}

using FaultsThroughDevice = DeviceTest;

TEST_F(FaultsThroughDevice, TransportFailureFailsTheChannelAndLeavesTheReply) {
    ASSERT_TRUE(control_.ArmFault(FaultOn(sim::kFaultTransport, 0x9610, 0x16)));
    BiosRegs reply = Request(0x1234, 0x5678);
    EXPECT_FALSE(CallBios(Request(0x9610, 0x0216), reply, "GetSilentBoot"));
    EXPECT_EQ(0x1234u, reply.eax);
    EXPECT_EQ(0x5678u, reply.ebx);
    EXPECT_EQ(0, EnableSilentBoot(1));
    EXPECT_EQ(0, Settings().silentBoot) << "the request never reached the BIOS";

    const std::vector<sim::LogEntry> log = Log();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ(1, log[0].transportFailed);

    uint8_t on = 0;
    EXPECT_EQ(1, GetMemoryTest(&on)) << "other functions are untouched";
}

TEST_F(FaultsThroughDevice, FailedStatusFollowsEachOperationsRule) {
    uint8_t password[] = {0x1E, 0x30};
    uint8_t code = 0xAA;
    ASSERT_EQ(1, SetChkSetupPasswd(&code, 2, password, sizeof password));
    ASSERT_EQ(1, SetChkPowerOnPasswd(&code, 2, password, sizeof password));

    // A failed status with AH 0, as a BIOS might leave it.
    sim::Fault status = FaultOn(sim::kFaultRegisters, 0x9610, 0x08);
    status.replace.status = 0xFFFFFFFF;
    status.replaceMask = 1u << 0;
    ASSERT_TRUE(control_.ArmFault(status));
    EXPECT_EQ(1, AskSetupPasswd(&code)) << "judged by AH alone";
    EXPECT_EQ(0, code);

    status.bl = 0x07;
    ASSERT_TRUE(control_.ArmFault(status));
    EXPECT_EQ(0, DisablePowerOnPasswd(&code)) << "judged by status first";
    ASSERT_TRUE(control_.ClearFaults());

    ASSERT_TRUE(control_.ArmFault(FaultOn(sim::kFaultStatus, 0x9610, 0x16)));
    uint8_t on = 0xAA;
    EXPECT_EQ(0, GetSilentBoot(&on));
    EXPECT_EQ(0xAA, on) << "no output after a failure";
}

TEST_F(FaultsThroughDevice, AnswerCodeReachesTheCodeOutput) {
    sim::Fault refusal = FaultOn(sim::kFaultAnswerCode, 0x9610, 0x08);
    refusal.answerCode = 0x5A;
    ASSERT_TRUE(control_.ArmFault(refusal));
    uint8_t password[] = {0x1E};
    uint8_t code = 0;
    EXPECT_EQ(0, SetChkSetupPasswd(&code, 2, password, sizeof password));
    EXPECT_EQ(0x5A, code);
    EXPECT_EQ(0, Settings().setupPasswordLength) << "a refused request changes nothing";
}

TEST_F(FaultsThroughDevice, SkipAndCountChooseWhichRequestsFail) {
    sim::Fault fault = FaultOn(sim::kFaultStatus, 0x9610, 0x00);
    fault.skip = 1;
    fault.count = 1;
    ASSERT_TRUE(control_.ArmFault(fault));
    uint8_t code = 0;
    uint16_t version = 0;
    EXPECT_EQ(1, VESKCheck(&code, &version));
    EXPECT_EQ(0, VESKCheck(&code, &version));
    EXPECT_EQ(1, VESKCheck(&code, &version));

    sim::Fault everything = FaultOn(sim::kFaultStatus, 0, 0);
    everything.matchAnyFunction = 1;
    ASSERT_TRUE(control_.ArmFault(everything));
    EXPECT_EQ(0, VESKCheck(&code, &version));
    EXPECT_EQ(0u, GetVideoRam());
    ASSERT_TRUE(control_.ClearFaults());
    EXPECT_EQ(1, VESKCheck(&code, &version));
}

TEST_F(FaultsThroughDevice, FaultSlotsRunOutAndUnknownKindsAreRefused) {
    for (uint32_t i = 0; i < sim::kMaxFaults; ++i)
        ASSERT_TRUE(control_.ArmFault(FaultOn(sim::kFaultStatus, 0x9612, static_cast<uint8_t>(i))));
    EXPECT_FALSE(control_.ArmFault(FaultOn(sim::kFaultStatus, 0x9612, 0x20)));
    ASSERT_TRUE(control_.ClearFaults());
    EXPECT_FALSE(control_.ArmFault(FaultOn(77, 0x9610, 0x16)));
}

} // namespace
