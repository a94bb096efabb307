#include "NewFolderPath.h"

namespace tarnwick::vesk {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

} // namespace

std::wstring JoinNewFolderPath(const std::wstring& selection, const std::wstring& answer) {
    bool separated = (!answer.empty() && answer.front() == L'\\') ||
                     (!selection.empty() && selection.back() == L'\\');
    return separated ? selection + answer : selection + L"\\" + answer;
}

std::wstring WithoutTrailingSeparators(std::wstring path) {
    while (!path.empty() && IsSeparator(path.back()))
        path.pop_back();
    return path;
}

std::wstring ParentFolderOf(std::wstring path) {
    path = WithoutTrailingSeparators(std::move(path));
    auto last = path.find_last_of(L"\\/");
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last);
}

} // namespace tarnwick::vesk
