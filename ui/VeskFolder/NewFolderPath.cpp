#include "NewFolderPath.h"

namespace tarnwick::vesk {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

} // namespace

std::string JoinNewFolderPath(const std::string& selection, const std::string& answer) {
    bool separated = (!answer.empty() && answer.front() == '\\') ||
                     (!selection.empty() && selection.back() == '\\');
    return separated ? selection + answer : selection + "\\" + answer;
}

std::string WithoutTrailingSeparators(std::string path) {
    while (!path.empty() && IsSeparator(path.back()))
        path.pop_back();
    return path;
}

std::string ParentFolderOf(std::string path) {
    path = WithoutTrailingSeparators(std::move(path));
    auto last = path.find_last_of("\\/");
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

} // namespace tarnwick::vesk
