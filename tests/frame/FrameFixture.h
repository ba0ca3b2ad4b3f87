#pragma once

#include "platform/FileSystemService.h"
#include "platform/LauncherService.h"
#include "platform/MessageBox.h"
#include "platform/RegistryService.h"
#include "platform/Runtime.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace ovtest {

// A fresh runtime per test with an in-memory file system, the in-memory registry, recorded program
// launches and recorded message boxes; the host application is titled "HostApp".
class FrameFixture : public ::testing::Test {
protected:
    ov::Runtime runtime;
    ov::InMemoryFileSystem* files = nullptr;

    FrameFixture() {
        auto fs = std::make_unique<ov::InMemoryFileSystem>();
        files = fs.get();
        runtime.setFileSystem(std::move(fs));
        runtime.application().title = "HostApp";
    }

    ov::HeadlessRegistry& registry() { return runtime.headlessRegistry(); }
    ov::HeadlessLauncher& launcher() { return runtime.headlessLauncher(); }
    const std::vector<ov::HeadlessMessageBox::Shown>& boxes() { return runtime.headlessMessageBox().shown(); }

    static constexpr const char* kMsInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char* kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

    void setMsInfoPath(const std::string& path) {
        registry().setString(ov::RegistryRoot::LocalMachine, kMsInfoKey, "PATH", path);
    }
    void setMsInfoFolder(const std::string& folder) {
        registry().setString(ov::RegistryRoot::LocalMachine, kLocationKey, "MSINFO", folder);
    }
};

} // namespace ovtest
