// Throwaway trees for the file-operation benchmarks, on a disk file system:
// a tmpfs would flatter every number.
#pragma once

#include <chrono>
#include <string>

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

double SecondsSince(std::chrono::steady_clock::time_point start);

// Wall time of `find folder -type f > /dev/null`.
double TimeFind(const std::string& folder);

}  // namespace zentavo
