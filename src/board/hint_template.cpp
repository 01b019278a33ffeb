#include "board/hint_template.h"

#include "platform/lines.h"

namespace tv::hint {

std::vector<std::string> built_in_template()
{
    return {
        "<head>",
        "<!-- <BODY>单独位于第5行; 次数提示8;标题10;鼠标滚轮提示12;鼠标左右键提示14</BODY>单独位于第16行 -->",
        "<meta name=\"GENERATOR\" content=\"Tarvesk\">",
        "</head>",
        "<body bgcolor=\"#FFFFFF\" topmargin=\"0\" leftmargin=\"0\" rightmargin=\"0\" bottommargin=\"0\" scroll=\"no\">",
        "<table width=\"959\" height=\"40\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" background=\"back.bmp\"><tr>",
        "<td width=\"880\" height=\"38\"><img src=\"0038.gif\" width=\"30\" height=\"18\"><font color=\"green\" size=\"2\">",
        "      100/100   ",
        "</font><font color=\"teal\" size=\"3\"><b>",
        "    标题   ",
        "</b></font><font color=\"maroon\" size=\"2\">",
        "    上滚= 下滚=   ",
        "</font><font color=\"blue\">",
        "     右键= 左键=   ",
        "</font></td><td width=\"69\"><b><i><font color=\"navy\" size=\"3\">你好</font></i></b></td></tr></table>",
        "</BODY>",
        "",
    };
}

// A template cut short lacks the lines the hints and the title are written
// into; the built-in lines it lacks complete it, so the bar never goes blank.
std::vector<std::string> load_template(const Platform& p)
{
    const auto file = p.read_file(kTemplateFile);
    std::vector<std::string> lines = file ? split_lines(*file) : std::vector<std::string>{};
    const std::vector<std::string> built_in = built_in_template();
    for (std::size_t i = lines.size(); i < built_in.size(); ++i)
        lines.push_back(built_in[i]);
    return lines;
}

std::string document(const std::vector<std::string>& items) { return join_crlf(items); }

} // namespace tv::hint
