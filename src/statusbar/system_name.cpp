#include "statusbar/system_name.h"

namespace tv {
namespace {

constexpr int kWindowsLine = 1; // 95, 98, ME
constexpr int kNtLine = 2;
// The first releases of 95 and 98 carry these build numbers; later builds are
// the OSR2 and Second Edition releases.
constexpr int kFirst95Build = 950;
constexpr int kFirst98Build = 1998;

std::string windows_line_release(const SystemVersion& v)
{
    if (v.major != 4)
        return {};
    switch (v.minor) {
    case 0: return v.build > kFirst95Build ? "   95   OSR2" : "   95";
    case 10: return v.build > kFirst98Build ? "   98   SE" : "   98";
    case 90: return "   ME";
    default: return {};
    }
}

std::string nt_line_release(const SystemVersion& v)
{
    if (v.major == 4)
        return "   NT";
    if (v.major != 5)
        return {};
    switch (v.minor) {
    case 0: return "   2000";
    case 1: return "   XP";
    case 2: return "   2003";
    default: return {};
    }
}

} // namespace

std::string system_name(const SystemVersion& v)
{
    std::string name = "Windows";
    if (v.platform == kWindowsLine)
        name += windows_line_release(v);
    else if (v.platform == kNtLine)
        name += nt_line_release(v);
    return name;
}

} // namespace tv
