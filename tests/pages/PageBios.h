// The simulated notebook played in-process for the pages' rules: the driver open on it
// for the length of a test, faults armed on its functions, and its request log.
#pragma once

#include "DriverChannel.h"
#include "OperationNames.h"
#include "SimDevice.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

class PageBios : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenDriver());
        Bios().ClearLog();
    }
    void TearDown() override { CloseDriver(); }

    sim::SimBios& Bios() { return device_.bios(); }
    // A fault on function bl of group ax (refusals answer AH "rejected"); mask names
    // the words of the reply it replaces with eax, ecx and edx.
    void Arm(uint32_t kind, uint16_t ax, uint8_t bl, uint32_t mask = 0, uint32_t eax = 0,
             uint32_t ecx = 0, uint32_t edx = 0) {
        sim::Fault fault{};
        fault.kind = kind;
        fault.ax = ax;
        fault.bl = bl;
        fault.answerCode = sim::kAnswerRejected;
        fault.replace.eax = eax;
        fault.replace.ecx = ecx;
        fault.replace.edx = edx;
        fault.replaceMask = mask;
        ASSERT_TRUE(Bios().ArmFault(fault));
    }
    // The requests since the log was cleared, each as its operation and BH, a resume
    // timer write with its CX, DX, SI and DI: "EnablePMU 1; SetResumeTimer 0 CX 0900 ...".
    std::string Sent() {
        std::string sent;
        for (uint32_t i = 0; i < Bios().LogCount(); ++i) {
            const sim::Regs& r = Bios().LogAt(i).request;
            const std::string name = OperationName(r.eax, r.ebx);
            char text[96];
            std::snprintf(text, sizeof text, "%s%s %u", i ? "; " : "", name.c_str(),
                          static_cast<unsigned>(r.ebx >> 8 & 0xFF));
            sent += text;
            if (name != "SetResumeTimer")
                continue;
            std::snprintf(
                text, sizeof text, " CX %04X DX %04X SI %04X DI %04X",
                static_cast<unsigned>(r.ecx & 0xFFFF), static_cast<unsigned>(r.edx & 0xFFFF),
                static_cast<unsigned>(r.esi & 0xFFFF), static_cast<unsigned>(r.edi & 0xFFFF));
            sent += text;
        }
        return sent;
    }

    simdevice::ScopedSimDevice device_;
};
