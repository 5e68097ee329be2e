#include "TestMain.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

// Filled by the static registrations of the test files before main() runs; a function-local
// static, because the order of static initialisation across files is unspecified.
std::map<std::string, TestMain::EntryPoint> &registry()
{
    static std::map<std::string, TestMain::EntryPoint> tests;
    return tests;
}

std::string baseName(const char *path)
{
    std::string name(path);
    const auto slash = name.find_last_of('/');
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const auto dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

// Each test in a process of its own, as ctest runs them: the tests set process-wide state
// (default locale, test mode of the standard paths, environment) and must not see each other's.
int runEach(const char *program)
{
    int failed = 0;
    for (const auto &test : registry()) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            execl("/proc/self/exe", program, test.first.c_str(), static_cast<char *>(nullptr));
            std::perror("exec");
            _exit(127);
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            ++failed;
            std::printf("FAILED: %s\n", test.first.c_str());
        }
    }
    std::printf("%d of %zu tests failed\n", failed, registry().size());
    return failed == 0 ? 0 : 1;
}

} // namespace

TestMain::Registration::Registration(const char *sourceFile, EntryPoint entryPoint)
{
    registry()[baseName(sourceFile)] = entryPoint;
}

/*! <folder>_tests TEST [Qt Test options] runs one test; a link named after a test (tst_Path ->
    htl_tests) runs that test with the options as given; without arguments every test of the
    executable runs, one process each. */
int main(int argc, char *argv[])
{
    const auto &tests = registry();
    const auto byProgramName = tests.find(baseName(argv[0]));
    if (byProgramName != tests.end())
        return byProgramName->second(argc, argv);
    if (argc < 2)
        return runEach(argv[0]);
    const auto byArgument = tests.find(argv[1]);
    if (byArgument == tests.end()) {
        std::fprintf(stderr, "%s: no test named \"%s\"; the tests are:\n", argv[0], argv[1]);
        for (const auto &test : tests)
            std::fprintf(stderr, "    %s\n", test.first.c_str());
        return 2;
    }
    // The test sees its options as if it were the program: argv[0], then what followed its name.
    argv[1] = argv[0];
    return byArgument->second(argc - 1, argv + 1);
}
