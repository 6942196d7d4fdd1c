#pragma once
// A fresh prefix with (or without) an installed engine, and the engine shut down after each test
// (its state belongs to the process).
#include "common/temp_prefix.h"
#include "platform/dbengine/idapi.h"
#include "platform/sys/registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kxtest {

constexpr const char* EngineFolder = "C:\\Program Files\\Borland\\Common Files\\BDE";
constexpr const char* EngineConfigFile =
    "C:\\Program Files\\Borland\\Common Files\\BDE\\IDAPI32.CFG";

class EngineTest : public ::testing::Test {
protected:
    void TearDown() override {
        while (dbe::DbiExit() == dbe::DBIERR_NONE) {
        }
    }

    std::filesystem::path EngineHost(const std::string& file = "") const {
        return Prefix.C("Program Files/Borland/Common Files/BDE") / file;
    }
    std::filesystem::path ConfigHost() const { return EngineHost("IDAPI32.CFG"); }

    // The registry entries a bde.reg writes.
    static void RegisterEngine() {
        sys::TRegistry registry;
        registry.RootKey = sys::HKEY_LOCAL_MACHINE;
        ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Database Engine", true));
        registry.WriteString("DLLPATH", EngineFolder);
        registry.WriteString("CONFIGFILE01", EngineConfigFile);
    }

    void InstallEngine(const std::string& config = "") {
        RegisterEngine();
        TempPrefix::Write(EngineHost("IDAPI32.DLL"), "engine library");
        if (!config.empty())
            TempPrefix::Write(ConfigHost(), config);
    }

    // The records of a configuration node as NAME=value (child nodes as NAME\).
    static std::vector<std::string> NodeRecords(const char* path,
                                                dbe::CFGMode mode = dbe::cfgPersistent) {
        std::vector<std::string> records;
        dbe::hDBICur cursor = nullptr;
        EXPECT_EQ(dbe::DbiOpenCfgInfoList(nullptr, dbe::dbiREADONLY, mode, path, &cursor),
                  dbe::DBIERR_NONE)
            << dbe::DbiLastErrorMessage();
        dbe::CFGDesc desc{};
        while (dbe::DbiGetNextRecord(cursor, dbe::dbiNOLOCK, &desc, nullptr) == dbe::DBIERR_NONE)
            records.push_back(std::string(desc.szNodeName) +
                              (desc.bHasSubnodes ? "\\" : "=" + std::string(desc.szValue)));
        dbe::DbiCloseCursor(&cursor);
        return records;
    }

    TempPrefix Prefix;
};

} // namespace kxtest
