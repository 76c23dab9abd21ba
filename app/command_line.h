// The program's arguments split at the first "--": Qt reads the part before
// it and takes out what it knows as its own options ("-reverse",
// "-platform NAME"); every argument after it is a path, whatever it looks
// like, and Qt never sees it.
#pragma once

#include <string>
#include <vector>

namespace zentavo {

class CommandLine {
public:
    // argv stays valid for the life of this object, as for QApplication's.
    CommandLine(int argc, char** argv);

    // For QApplication, which shortens them as it takes its options out.
    int& qt_argc() { return qt_argc_; }
    char** qt_argv() { return qt_argv_.data(); }

    // What Qt left of the part before "--", the program's name aside, then
    // every argument after "--", byte for byte.
    std::vector<std::string> Paths() const;

private:
    std::vector<char*> qt_argv_;  // null-terminated, as C's argv is
    int qt_argc_ = 0;
    std::vector<std::string> after_separator_;
};

}  // namespace zentavo
