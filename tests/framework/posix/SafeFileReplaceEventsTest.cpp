// What a save does to the names in the file's folder, as the kernel reports it (inotify): a
// crash can come between any two steps, so no step may take the file away from its name.

#include "framework/SafeFileReplace.h"

#include "components/TempPath.h"
#include "ui/lang/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <string>
#include <vector>

using namespace tav;

namespace {

// The names that left the folder or were deleted from it, in order.
std::vector<std::string> NamesTakenAway(int watch) {
    std::vector<std::string> names;
    alignas(inotify_event) char buffer[16384];
    for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;) {
        for (char* at = buffer; at < buffer + n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if ((event->mask & (IN_MOVED_FROM | IN_DELETE)) != 0 && event->len > 0)
                names.emplace_back(event->name);
            at += sizeof(inotify_event) + event->len;
        }
    }
    return names;
}

TEST(SafeFileReplaceEvents, TheFileKeepsItsNameThroughEveryStepOfASave) {
    test::TempFolder folder;
    const std::string file = folder.Write("remote.tvr", "first");
    ASSERT_FALSE(ReplaceFileSafely(file, "second", TBackup::Keep));
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(inotify_add_watch(watch, folder.Path().c_str(), IN_MOVED_FROM | IN_DELETE), 0);

    ASSERT_FALSE(ReplaceFileSafely(file, "third", TBackup::Keep));
    const std::vector<std::string> away = NamesTakenAway(watch);
    close(watch);
    EXPECT_EQ(away, std::vector<std::string>{"remote.tvr.saving"}) << "renamed into place";
    EXPECT_EQ(test::ReadBytes(file), "third");
    EXPECT_EQ(test::ReadBytes(file + ".bak"), "second");
}

} // namespace
