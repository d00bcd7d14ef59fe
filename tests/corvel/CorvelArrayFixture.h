// A started environment with one empty Array, held for the test.
#pragma once

#include "CorvelNativeTest.h"
#include "CorvelStandardArrayInstance.h"
#include "CorvelValue.h"

class CorvelArrayFixture : public CorvelNativeTest {
protected:
    void SetUp() override {
        CorvelNativeTest::SetUp();
        array = new CorvelStandardArrayInstance;
        holder.SetNewObject(array);
    }
    void TearDown() override {
        holder.SetUndefined();
        CorvelNativeTest::TearDown();
    }

    CorvelStandardArrayInstance* array = nullptr;  // held by `holder`
    CorvelValue holder;
};
