#include "platform/posix/posix_registry.h"

#include <sys/stat.h>

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "platform/posix/iconv_text_codec.h"
#include "temp_folder.h"

namespace tess {
namespace {

using testing::TempFolder;
using testing::WriteFileBytes;

constexpr const char* kWorkshop = "Software\\Microsoft\\HTML Help Workshop";
constexpr const char* kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

struct Answer {
    long status = -1;
    std::uint32_t type = 0;
    std::string data;  // the bytes written, as `size` reports them
    std::uint32_t size = 0;
};

class RegistryFile : public ::testing::Test {
protected:
    // Reads a value the way the compiler lookup does: a zeroed buffer of `buffer_size` bytes.
    Answer Read(RegRoot root, const std::string& path, const std::string& name, std::uint32_t buffer_size = 250) {
        Answer answer;
        RegKey key = 0;
        answer.status = registry_.OpenKey(root, path, kKeyQueryValue, &key);
        if (answer.status != kRegSuccess) return answer;
        std::vector<unsigned char> buffer(buffer_size, 0);
        answer.size = buffer_size;
        answer.status = registry_.QueryValue(key, name, &answer.type, buffer.data(), &answer.size);
        if (answer.status == kRegSuccess) answer.data.assign(buffer.begin(), buffer.begin() + answer.size);
        registry_.CloseKey(key);
        return answer;
    }
    Answer Workshop(std::uint32_t buffer_size = 250) {
        return Read(RegRoot::current_user, kWorkshop, "InstallDir", buffer_size);
    }
    // Any other value of the key: answered as stored, whatever it names.
    Answer Sample(std::uint32_t buffer_size = 250) {
        return Read(RegRoot::current_user, kWorkshop, "Sample", buffer_size);
    }
    // A folder that holds a compiler the stand-in accepts.
    std::string CompilerFolder(const std::string& name) {
        const std::string folder = dir_ / name;
        ::mkdir(folder.c_str(), 0755);
        WriteFileBytes(folder + "/hhc", "#!/bin/sh\n");
        ::chmod((folder + "/hhc").c_str(), 0755);
        return folder;
    }
    void Store(const std::string& text) { WriteFileBytes(file_, "Windows Registry Editor Version 5.00\r\n\r\n" + text); }

    TempFolder dir_;
    std::string bin_ = CompilerFolder("bin");
    std::string file_ = dir_ / "registry.reg";
    std::string tool_ = dir_ / "sysinfo-tool";
    IconvTextCodec codec_;
    PosixRegistry registry_{codec_, file_, bin_, {dir_ / "absent-tool", tool_}};
};

TEST_F(RegistryFile, InstallDirDefaultsToTheProgramsFolder) {
    const Answer answer = Workshop();
    ASSERT_EQ(answer.status, kRegSuccess);
    EXPECT_EQ(answer.type, kRegSz);
    EXPECT_EQ(answer.data, bin_ + '\0');
    EXPECT_EQ(answer.size, bin_.size() + 1);
}

TEST_F(RegistryFile, StoredInstallDirWinsOverTheDefault) {
    const std::string tools = CompilerFolder("tools");
    Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\r\n\"InstallDir\"=\"" + tools + "\"\r\n");
    EXPECT_EQ(Workshop().data, tools + '\0');
}

// The stored folder is run from later, whatever the current folder is then.
TEST_F(RegistryFile, OnlyAnAbsoluteFolderHoldingTheCompilerIsAnInstallDir) {
    const std::string plain_file = CompilerFolder("not-runnable");
    ::chmod((plain_file + "/hhc").c_str(), 0644);
    const std::pair<std::string, long> cases[] = {
        {"tools", kRegFileNotFound},           // relative
        {"./bin", kRegFileNotFound},           // relative, though it holds one
        {dir_ / "nowhere", kRegFileNotFound},  // no such folder
        {dir_.path(), kRegFileNotFound},       // a folder without the compiler
        {plain_file, kRegFileNotFound},        // a compiler that cannot be run
        {"", kRegFileNotFound},
        {bin_, kRegSuccess},
        {bin_ + "/", kRegSuccess},
    };
    for (const auto& [value, status] : cases) {
        Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\n\"InstallDir\"=\"" + value + "\"\n");
        EXPECT_EQ(Workshop().status, status) << "\"" << value << "\"";
    }
}

TEST_F(RegistryFile, KeyPathsAndValueNamesIgnoreCase) {
    Store("[HKEY_CURRENT_USER\\SOFTWARE\\microsoft\\html help workshop]\n\"sample\"=\"/x\"\n");
    EXPECT_EQ(Read(RegRoot::current_user, "software\\MICROSOFT\\Html Help Workshop", "SAMPLE").data,
              std::string("/x\0", 3));
}

TEST_F(RegistryFile, JapaneseValueIsAnsweredInCodePage932) {
    Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\n\"Sample\"=\"/opt/日本語\"\n");
    const Answer answer = Sample();
    ASSERT_EQ(answer.status, kRegSuccess);
    EXPECT_EQ(answer.data, std::string("/opt/\x93\xfa\x96\x7b\x8c\xea\0", 12));
}

struct BufferCase {
    const char* name;
    std::string value;  // UTF-8 as stored
    std::uint32_t buffer;
    long status;
    std::uint32_t needed;  // bytes in code page 932 with the terminator, counted by hand
};

// Names the case in test listings.
void PrintTo(const BufferCase& c, std::ostream* os) { *os << c.name; }

class BufferRule : public RegistryFile, public ::testing::WithParamInterface<BufferCase> {};

TEST_P(BufferRule, DataWithItsTerminatorMustFitTheBuffer) {
    Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\n\"Sample\"=\"" + GetParam().value +
          "\"\n");
    const Answer answer = Sample(GetParam().buffer);
    EXPECT_EQ(answer.status, GetParam().status);
    EXPECT_EQ(answer.size, GetParam().needed);  // what was written, or what the caller must offer
    if (answer.status == kRegSuccess) {
        EXPECT_EQ(answer.data, *codec_.ToAnsi(GetParam().value) + std::string(1, '\0'));
    }
}

std::string Kanji(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "表";  // two bytes in code page 932
    return text;
}

INSTANTIATE_TEST_SUITE_P(Posix, BufferRule,
                         ::testing::Values(BufferCase{"ascii_249_fits", std::string(249, 'a'), 250, kRegSuccess, 250},
                                           BufferCase{"ascii_250_too_long", std::string(250, 'a'), 250, kRegMoreData, 251},
                                           BufferCase{"kanji_249_bytes_fits", "a" + Kanji(124), 250, kRegSuccess, 250},
                                           BufferCase{"kanji_250_bytes_too_long", Kanji(125), 250, kRegMoreData, 251},
                                           BufferCase{"exactly_1024", std::string(1023, 'b'), 1024, kRegSuccess, 1024},
                                           BufferCase{"over_1024", std::string(1024, 'b'), 1024, kRegMoreData, 1025},
                                           BufferCase{"empty", "", 250, kRegSuccess, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryFile, NumberValuesAreFourLittleEndianBytes) {
    Store("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=dword:0000002a\n");
    const Answer answer = Read(RegRoot::local_machine, kMsinfo, "PATH", 1024);
    ASSERT_EQ(answer.status, kRegSuccess);
    EXPECT_EQ(answer.type, kRegDword);
    EXPECT_EQ(answer.data, std::string("\x2a\0\0\0", 4));
}

TEST_F(RegistryFile, ExpandableStringsInTheEditorsHexFormAreAnsweredAsText) {
    Store("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
          "\"PATH\"=hex(2):2f,00,62,00,\\\n  2f,00,e5,65,00,00\n");
    const Answer answer = Read(RegRoot::local_machine, kMsinfo, "PATH", 1024);
    ASSERT_EQ(answer.status, kRegSuccess);
    EXPECT_EQ(answer.type, kRegExpandSz);
    EXPECT_EQ(answer.data, std::string("/b/\x93\xfa\0", 6));
}

TEST_F(RegistryFile, MissingKeyAndMissingValueAreNotFound) {
    RegKey key = 0;
    EXPECT_EQ(registry_.OpenKey(RegRoot::current_user, "Software\\Nobody", kKeyQueryValue, &key), kRegFileNotFound);
    EXPECT_EQ(Read(RegRoot::current_user, kWorkshop, "Other").status, kRegFileNotFound);
    EXPECT_EQ(Read(RegRoot::local_machine, kLocation, "MSINFO").status, kRegFileNotFound);
}

TEST_F(RegistryFile, ParentKeysOpen) {
    RegKey key = 0;
    EXPECT_EQ(registry_.OpenKey(RegRoot::current_user, "Software\\Microsoft", kKeyReadWrite, &key), kRegSuccess);
    registry_.CloseKey(key);
}

TEST_F(RegistryFile, StoredDeletionsHideTheDefaults) {
    Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\n\"InstallDir\"=-\n");
    EXPECT_EQ(Workshop().status, kRegFileNotFound);
    Store("[-HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\n");
    RegKey key = 0;
    EXPECT_EQ(registry_.OpenKey(RegRoot::current_user, kWorkshop, kKeyQueryValue, &key), kRegFileNotFound);
}

TEST_F(RegistryFile, SystemInformationIsTheFirstInstalledToolOrMissing) {
    EXPECT_EQ(Read(RegRoot::local_machine, kMsinfo, "PATH", 1024).status, kRegFileNotFound);
    WriteFileBytes(tool_, "#!/bin/sh\n");
    EXPECT_EQ(Read(RegRoot::local_machine, kMsinfo, "PATH", 1024).status, kRegFileNotFound)
        << "a file that cannot be run is no tool";
    ::chmod(tool_.c_str(), 0755);
    EXPECT_EQ(Read(RegRoot::local_machine, kMsinfo, "PATH", 1024).data, tool_ + '\0');
}

TEST_F(RegistryFile, StoredLocationIsAnswered) {
    Store("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n\"MSINFO\"=\"/opt/msinfo\"\n");
    EXPECT_EQ(Read(RegRoot::local_machine, kLocation, "MSINFO", 1024).data, std::string("/opt/msinfo\0", 12));
}

TEST_F(RegistryFile, TheFileIsReadAfreshAndBadLinesAreSkipped) {
    Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\nnonsense\n\"A\"=dword:xyz\n\"Sample\"=\"/a\"\n");
    RegKey key = 0;
    ASSERT_EQ(registry_.OpenKey(RegRoot::current_user, kWorkshop, kKeyQueryValue, &key), kRegSuccess);
    Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\n\"Sample\"=\"/b\"\n");
    unsigned char buffer[250] = {};
    std::uint32_t size = sizeof buffer;
    ASSERT_EQ(registry_.QueryValue(key, "Sample", nullptr, buffer, &size), kRegSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), std::string("/b\0", 3));
    registry_.CloseKey(key);
    EXPECT_NE(registry_.QueryValue(key, "Sample", nullptr, buffer, &size), kRegSuccess);
}

TEST_F(RegistryFile, AValueWithoutACodePageFormIsNotAnswered) {
    Store("[HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop]\n\"Sample\"=\"/opt/\xF0\x9F\x98\x80\"\n");
    const Answer answer = Sample();
    EXPECT_NE(answer.status, kRegSuccess);
    EXPECT_NE(answer.status, kRegMoreData);
}

}  // namespace
}  // namespace tess
