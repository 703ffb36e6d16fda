#pragma once
// A folder of its own for the files of one test, removed afterwards, with
// helpers to read, write and damage files.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/rtl/UString.h"
#include "platform/rtl/tests/TempFolder.h"

class NumFileTest : public ::testing::Test {
protected:
    String Path(const std::string& name) const { return String(FFolder / name); }
    std::string ReadAll(const std::string& name) const { return ReadAllBytes(FFolder / name); }
    void WriteAll(const std::string& name, const std::string& bytes) const { WriteAllBytes(FFolder / name, bytes); }
    std::uintmax_t SizeOf(const std::string& name) const { return std::filesystem::file_size(FFolder / name); }

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

    TempFolder FFolder;
};
