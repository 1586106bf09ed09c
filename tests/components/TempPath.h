#pragma once
// A file path in the temporary folder unique to the running test, removed again at the end.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tav::test {

class TempPath {
public:
    explicit TempPath(const std::string& suffix = ".ini") {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("tavrilo_") + info->test_suite_name() + "_" + info->name();
        for (char& c : name)
            if (c == '/' || c == '\\')
                c = '_';
        // Tests run side by side in processes of their own, the same test in two of them (the
        // styled run), so the process's own token keeps their files apart.
        static const std::string process = std::to_string(std::random_device{}());
        path_ = (std::filesystem::temp_directory_path() / (name + "_" + process + suffix)).string();
        std::remove(path_.c_str());
    }
    ~TempPath() { std::remove(path_.c_str()); }
    TempPath(const TempPath&) = delete;
    TempPath& operator=(const TempPath&) = delete;

    const std::string& str() const { return path_; }

private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool FileExists(const std::string& path) {
    return std::ifstream(path).good();
}

} // namespace tav::test
