// Test suites whose every case runs through each path of ParseCode: the general readers
// alone, the reader of the writer's form in portable code, and that reader's AVX-512 paths.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "codec/readpath.h"

namespace brindlex {

class EveryReadPath : public ::testing::TestWithParam<ReadPath> {
protected:
    void SetUp() override {
        if (!SetReadPathForTesting(GetParam())) {
            GTEST_SKIP() << "this processor lacks AVX-512 BW, VBMI or VBMI2, or BMI, which the "
                            "\"wide\" path needs";
        }
    }
    void TearDown() override { ResetReadPathForTesting(); }
};

inline std::string ReadPathTestName(const ::testing::TestParamInfo<ReadPath>& info) {
    return std::string(ReadPathName(info.param));
}

}  // namespace brindlex

// Makes `Suite` a suite of TEST_P cases that each run once per read path.
#define BRINDLEX_EVERY_READ_PATH(Suite)                                                    \
    class Suite : public ::brindlex::EveryReadPath {};                                     \
    INSTANTIATE_TEST_SUITE_P(                                                              \
        , Suite,                                                                           \
        ::testing::Values(::brindlex::ReadPath::kGeneral, ::brindlex::ReadPath::kPortable, \
                          ::brindlex::ReadPath::kWide),                                    \
        ::brindlex::ReadPathTestName)
