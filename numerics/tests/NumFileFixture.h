#pragma once
// A folder of its own for the files of one test, removed afterwards, with
// helpers to read, write and damage files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/rtl/UString.h"

class NumFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        FDir = std::filesystem::temp_directory_path() /
               ("numfiles_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        std::filesystem::create_directories(FDir);
    }
    void TearDown() override { std::filesystem::remove_all(FDir); }

    String Path(const std::string& name) const { return String((FDir / name).string()); }
    std::string ReadAll(const std::string& name) const
    {
        std::ifstream in(FDir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void WriteAll(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(FDir / name, std::ios::binary) << bytes;
    }
    std::uintmax_t SizeOf(const std::string& name) const { return std::filesystem::file_size(FDir / name); }

    // Damaged copies of good bytes: cut at a random length, then a few bytes changed.
    template <class Check>
    void ForDamagedCopies(const std::string& good, int rounds, Check check)
    {
        std::mt19937 gen(12345);
        for (int round = 0; round < rounds; ++round) {
            std::string bytes = good;
            bytes.resize(gen() % (bytes.size() + 1));
            for (int k = 0; k < 4 && !bytes.empty(); ++k) bytes[gen() % bytes.size()] = static_cast<char>(gen());
            WriteAll("damaged", bytes);
            check(Path("damaged"), bytes);
        }
    }

    std::filesystem::path FDir;
};
