// Test hosts: an application object that answers a given environment and is
// installed for as long as it lives, and a fixture with a started environment.
#pragma once

#include "CorvelEnvironment.h"
#include "QelApp.h"

#include <gtest/gtest.h>

class CorvelTestApp : public QelApp {
public:
    explicit CorvelTestApp(CorvelEnvironment* environment) : environment(environment), previous(SetQelApp(this)) {}
    ~CorvelTestApp() override { SetQelApp(previous); }

    CorvelEnvironment* GetScriptEnvironment() override { return environment; }

    CorvelEnvironment* environment;

private:
    QelApp* previous;
};

// The environment with its standard objects created and set up.
class CorvelEnvironmentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        environment.Init();
        environment.Restart();
    }
    void TearDown() override { environment.Close(); }

    CorvelEnvironment environment;
    CorvelTestApp app{&environment};
};
