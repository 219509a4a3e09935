#pragma once

// A service client under test: a settings file in a temporary folder that
// points the client at a canned SOAP server on 127.0.0.1, with short
// time-outs so that failure cases stay quick.

#include <gtest/gtest.h>

#include <string>

#include "config/settings_store.h"
#include "platform/settings/temp_settings.h"
#include "soap_test_server.h"

namespace lumar::test {

class WSClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextSetting("Uri", "Web_service", server.Url()));
        ASSERT_TRUE(WriteNumberSetting("Uri", "Connect_timeout_ms", 1000));
        ASSERT_TRUE(WriteNumberSetting("Uri", "Request_timeout_ms", 1500));
    }

    lumar::testing::TempSettings settings;
    SoapTestServer server;
};

}  // namespace lumar::test
