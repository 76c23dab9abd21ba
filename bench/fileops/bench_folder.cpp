#include "bench/fileops/bench_folder.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

extern char** environ;

namespace zentavo {

BenchFolder::BenchFolder() {
    const char* base = std::getenv("ZENTAVO_BENCH_DIR");
    std::string pattern =
        std::string(base != nullptr ? base : "/var/tmp") + "/zentavo-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    struct statfs info {};
    if (::statfs(path_.c_str(), &info) == 0 && info.f_type == TMPFS_MAGIC)
        std::fprintf(stderr, "warning: %s is on a tmpfs; set ZENTAVO_BENCH_DIR to a disk\n",
                     path_.c_str());
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void CreateEmptyFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + path);
    ::close(fd);
}

std::string NumberedName(const char* prefix, int number, int width) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%0*d", width, number);
    return prefix + std::string(digits);
}

void CreateImageFiles(const std::string& folder, int count) {
    for (int i = 0; i < count; ++i)
        CreateEmptyFile(folder + "/" + NumberedName("IMG_", i, 7) + ".JPG");
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

ProcessCost RunProcess(const std::vector<std::string>& argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args = argv;
    std::vector<char*> pointers;
    for (std::string& arg : args) pointers.push_back(arg.data());
    pointers.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int error =
        ::posix_spawnp(&child, pointers[0], &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot run " + argv[0]);
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    ProcessCost cost;
    cost.seconds = SecondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(argv[0] + " failed");
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    cost.cpu_seconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    cost.max_rss_bytes = size_t(usage.ru_maxrss) * 1024;  // Linux counts kibibytes
    return cost;
}

std::vector<std::string> FindFiles(const std::string& folder) {
    return {"find", folder, "-type", "f"};
}

double TimeFind(const std::string& folder) {
    return RunProcess(FindFiles(folder)).seconds;
}

}  // namespace zentavo
