// Row-builder tests against the simulated notebook played in-process: each test starts
// from the default machine, changes what it needs and records the rows in English.
#pragma once

#include "DriverChannel.h"
#include "ProbeTestSupport.h"
#include "SimDevice.h"
#include "SystemMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

// BIOS functions as the simulator's faults name them: AX and BL.
constexpr uint16_t kSetupGroup = 0x9610;
constexpr uint16_t kVideoGroup = 0x9602;
constexpr uint16_t kPointingGroup = 0x9612;

class ProbeOnSim : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenDriver());
        sim::SimBios::DefaultProfile(machine_);
    }
    void TearDown() override {
        CloseDriver();
        SetTotalPhysicalMemoryOverride(nullptr);
    }

    // Puts machine_ in the simulator and starts counting requests from zero.
    void UseMachine() {
        ASSERT_TRUE(device_.bios().LoadProfile(machine_));
        device_.bios().ClearLog();
        sink_.Clear();
    }
    // Every request to the function is refused with status 0xFFFFFFFF.
    void Refuse(uint16_t ax, uint8_t bl) {
        sim::Fault fault;
        std::memset(&fault, 0, sizeof fault);
        fault.kind = sim::kFaultStatus;
        fault.ax = ax;
        fault.bl = bl;
        ASSERT_TRUE(device_.bios().ArmFault(fault));
    }
    uint32_t Requests() { return device_.bios().LogCount(); }
    const std::vector<Row>& Rows() const { return sink_.Rows(); }

    simdevice::ScopedSimDevice device_;
    sim::MachineProfile machine_;
    RecordingSink sink_;
    ScriptedPorts biosPorts_{false};
};
