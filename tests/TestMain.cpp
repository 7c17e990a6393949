// SPDX-License-Identifier: GPL-3.0-or-later
// The main of a test executable that holds several QtTest files (tests/CMakeLists.txt). The build
// renames each file's own main (QTEST_MAIN) to <file>_main and lists the files in TestList.inc.
//   <executable>                        every file in turn
//   <executable> tst_name [QtTest args] that file alone, as CTest runs it
//   <executable> --list                 the names
#include <cstdio>
#include <cstring>
#include <vector>

#define CORVALO_TEST(name) int name##_main(int argc, char *argv[]);
#include "TestList.inc"
#undef CORVALO_TEST

namespace {

struct TestFile
{
    const char *name;
    int (*run)(int argc, char *argv[]);
};

const TestFile Files[] = {
#define CORVALO_TEST(name) {#name, name##_main},
#include "TestList.inc"
#undef CORVALO_TEST
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
        for (const TestFile &file : Files)
            std::puts(file.name);
        return 0;
    }
    if (argc > 1 && argv[1][0] != '-') {
        for (const TestFile &file : Files) {
            if (std::strcmp(argv[1], file.name) != 0)
                continue;
            // QtTest sees the program's name and the arguments after the file's name.
            std::vector<char *> rest(argv, argv + argc + 1);
            rest.erase(rest.begin() + 1);
            return file.run(argc - 1, rest.data());
        }
        std::fprintf(stderr, "%s: no test file %s (--list names them)\n", argv[0], argv[1]);
        return 2;
    }
    // Each in turn, every one with its own application object, as under CTest.
    int failed = 0;
    for (const TestFile &file : Files) {
        if (file.run(argc, argv) != 0) {
            std::fprintf(stderr, "FAILED: %s\n", file.name);
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
