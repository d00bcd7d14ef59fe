// Running scripts for the execution tests: the run harness's environment,
// console and scripts, plus a native "log" through which a script shows
// what ran and in which order, a clock the tests set, and helpers that
// read results back as text.
#pragma once

#include "CorvelBuiltInFunction.h"
#include "CorvelExecutionContext.h"
#include "CorvelRunHarness.h"
#include "CorvelRuntimeException.h"
#include "PlatformClock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class CorvelExecutionHarness : public ::testing::Test {
public:
    // log(a, b, ...) appends "a,b;" to the log and answers a.
    static CorvelStatus Log(CorvelExecutionContext* context, CorvelValue* arguments, int argumentCount,
                            const CorvelValue&) {
        for (int i = 0; i < argumentCount; ++i) {
            if (i > 0) Journal() += ",";
            Journal() += Text(arguments[i]);
        }
        Journal() += ";";
        context->SetReturnValue(argumentCount > 0 ? arguments[0] : CorvelValue());
        return CorvelStatus::Return;
    }

    static std::string& Journal() {
        static std::string journal;
        return journal;
    }

    static std::string Text(const CorvelValue& value) {
        CorvelValue copy(value);
        copy.ToString();
        return copy.GetString();
    }

    static uint32_t& Now() {
        static uint32_t now = 0;
        return now;
    }
    static uint32_t Clock() { return Now(); }

protected:
    void SetUp() override {
        Journal().clear();
        Now() = 0;
        previousClock = PlatformSetTickSource(Clock);
    }
    void TearDown() override {
        script.reset();
        PlatformSetTickSource(previousClock);
    }

    // Parses `text` into the test's script, with "log" on its global object.
    CorvelRunHarness::Script& Load(const char* text) {
        Journal().clear();
        script.reset(new CorvelRunHarness::Script(harness, text));
        EXPECT_TRUE(script->parsed) << text;
        AddNative("log", Log);
        return *script;
    }
    void AddNative(const char* name, CorvelNativeFunction function) {
        CorvelBuiltInFunction* native = new CorvelBuiltInFunction(function);
        script->globalObject->Put(name, CorvelValue((unsigned long)native->GetKey()));
    }

    // Loads and runs in paced slices, the clock jumping past every wait;
    // answers the number of slices that returned false.
    int Run(const char* text) {
        Load(text);
        int slices = 0;
        while (!script->session->RunNextStatement()) {
            ++slices;
            Now() += 100000;
        }
        return slices;
    }

    std::string Global(const char* name) const { return Text(script->Global(name)); }
    CorvelValue::Type GlobalType(const char* name) const { return script->Global(name).GetType(); }
    const std::string& Errors() const { return harness.console.errors; }

    CorvelRunHarness harness;
    std::unique_ptr<CorvelRunHarness::Script> script;

private:
    PlatformTickSource previousClock = nullptr;
};
