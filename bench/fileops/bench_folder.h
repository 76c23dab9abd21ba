// Throwaway trees for the file-operation benchmarks, on a disk file system:
// a tmpfs would flatter every number.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace zentavo {

// A fresh folder under $ZENTAVO_BENCH_DIR, else /var/tmp, removed with all
// it holds when the object goes.
class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Creates an empty file; throws if it cannot.
void CreateEmptyFile(const std::string& path);

// "prefix" followed by number in width digits.
std::string NumberedName(const char* prefix, int number, int width);

// Fills folder with count empty files: IMG_0000000.JPG, IMG_0000001.JPG, ...
void CreateImageFiles(const std::string& folder, int count);

double SecondsSince(std::chrono::steady_clock::time_point start);

// What one run of a program cost, as a whole process.
struct ProcessCost {
    double seconds = 0;      // wall time from start to exit
    double cpu_seconds = 0;  // user and system time
    size_t max_rss_bytes = 0;
};

// Runs argv (the program looked up in PATH) with its output to /dev/null;
// throws unless it exits with status 0.
ProcessCost RunProcess(const std::vector<std::string>& argv);

// `find folder -type f > /dev/null`.
std::vector<std::string> FindFiles(const std::string& folder);

// Wall time of FindFiles(folder).
double TimeFind(const std::string& folder);

}  // namespace zentavo
