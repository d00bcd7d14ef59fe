// A fixture for calling native functions directly: a host, a parsed script
// with its session, and a context of that session that is never run.
#pragma once

#include "CorvelExecutionContext.h"
#include "CorvelRaised.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

class CorvelNativeTest : public ::testing::Test {
protected:
    void SetUp() override {
        script.reset(new CorvelRunHarness::Script(harness, "var unused;"));
        context.reset(new CorvelExecutionContext(script->session.get(), nullptr, CorvelExecutionContext::GlobalCode));
    }
    void TearDown() override {
        context.reset();
        script.reset();
    }


    CorvelRunHarness harness;
    std::unique_ptr<CorvelRunHarness::Script> script;
    std::unique_ptr<CorvelExecutionContext> context;
};
