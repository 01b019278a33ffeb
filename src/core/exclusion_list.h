// The exclusion list "exclude.txt" beside the program: the programs the
// companion stands aside for.
//
//   line                          means
//   ----------------------------  ---------------------------------------------
//   notepad.exe                   a program, by its executable's file name
//   Chrome_WidgetWin_1            a window class
//   # anything                    a comment ("#" then a digit is a class:
//                                 the system's classes are named "#32770", ...)
//   empty, or only blanks         nothing
//   garbled                       ignored: a control character, a byte that is
//                                 no CP936 character, or longer than 255 bytes
//
// Blanks around a line do not count; names compare without regard to the case
// of Latin letters, as Windows compares file and class names. A line is both
// a file name and a class: whichever the window has, it matches.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tv::aside {

inline constexpr std::string_view kExclusionFile = "exclude.txt";

class ExclusionList {
public:
    ExclusionList() = default;
    explicit ExclusionList(std::string_view file_bytes);

    bool empty() const { return names_.empty(); }
    // The listed name `name` equals, or empty when none does.
    std::string match(std::string_view name) const;
    const std::vector<std::string>& names() const { return names_; }

private:
    std::vector<std::string> names_;
};

// The last part of a path ("C:\\Windows\\notepad.exe" -> "notepad.exe").
std::string_view file_name_of(std::string_view path);

} // namespace tv::aside
