// The built help file, read through its own tables with chmls (package fp-utils): every help
// context the program asks for opens a page that the file holds.

#include "support/help/HelpContexts.h"
#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>

namespace {

std::string RunCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

std::string Extract(const std::string& inside, const tav::test::TempFolder& folder) {
    const std::string saved = (folder.Path() / "extracted").string();
    std::remove(saved.c_str());
    RunCommand("chmls extract '" TAVRILO_HELP_FILE "' '" + inside + "' '" + saved + "'");
    std::ifstream in(saved, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Word(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

TEST(HelpFile, EveryContextOfTheProgramOpensAPageOfTheFile) {
    tav::test::TempFolder folder;
    // The file's directory, one name a line.
    std::set<std::string> files;
    const std::string list = RunCommand("chmls -n list '" TAVRILO_HELP_FILE "'");
    for (std::size_t start = 0, end; (end = list.find('\n', start)) != std::string::npos;
         start = end + 1)
        files.insert(list.substr(start, end - start));
    ASSERT_TRUE(files.contains("/main.htm")) << "chmls cannot read " TAVRILO_HELP_FILE;

    // #IVB: its length, then pairs of a context and the offset of its page's name in #STRINGS.
    const std::string ivb = Extract("/#IVB", folder);
    const std::string strings = Extract("/#STRINGS", folder);
    ASSERT_GE(ivb.size(), 4u);
    std::map<std::uint32_t, std::string> pages;
    for (std::size_t at = 4; at + 8 <= 4 + Word(ivb, 0) && at + 8 <= ivb.size(); at += 8) {
        const std::uint32_t offset = Word(ivb, at + 4);
        ASSERT_LT(offset, strings.size());
        pages[Word(ivb, at)] = strings.c_str() + offset;
    }
    for (const int context : tav::help::kProgramHelpContexts) {
        ASSERT_TRUE(pages.contains(static_cast<std::uint32_t>(context))) << context;
        std::string page = pages[static_cast<std::uint32_t>(context)];
        if (page.front() != '/')
            page = "/" + page;
        EXPECT_TRUE(files.contains(page)) << context << " opens " << page;
    }
}
