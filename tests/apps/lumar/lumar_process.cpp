#include "lumar_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "fixtures/pdf_reading.h"
#include "fixtures/temp_dir.h"
#include "platform/pdf/annotation.h"
#include "platform/pdf/page.h"

namespace lumar::testing {

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

LumarRun RunLumar(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment, const std::string& input,
                  const std::filesystem::path& workingFolder) {
    fixtures::TempDir dir;
    const std::filesystem::path in = dir / "stdin";
    const std::filesystem::path out = dir / "stdout";
    const std::filesystem::path err = dir / "stderr";
    std::ofstream(in, std::ios::binary) << input;

    const pid_t pid = ::fork();
    if (pid == 0) {
        const int inFd = ::open(in.c_str(), O_RDONLY);
        const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(inFd, STDIN_FILENO);
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        // No settings of the person running the tests, and no password
        // unless a test gives one.
        ::unsetenv("LUMAR_PASSWORD");
        ::setenv("LUMAR_REGISTRY", (dir / "no-settings.reg").c_str(), 1);
        for (const auto& [name, value] : environment) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
        if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) {
            ::_exit(126);
        }
        std::vector<std::string> argv = {LUMAR_PROGRAM};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        std::vector<char*> pointers;
        for (std::string& argument : argv) {
            pointers.push_back(argument.data());
        }
        pointers.push_back(nullptr);
        ::execv(LUMAR_PROGRAM, pointers.data());
        ::_exit(127);
    }
    LumarRun run;
    int status = 0;
    if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    return run;
}

std::vector<std::string> DataAnnotationTexts(const std::filesystem::path& path) {
    return fixtures::dataAnnotationTexts(path);
}

}  // namespace lumar::testing
