#include "board/modeform.h"

#include "board/places.h"

namespace tv {
namespace {

constexpr int kBarWidth = 482, kLineHeight = 24, kNameWidth = 72;

ui::FormSpec modeform_spec(Platform& platform)
{
    return {"modeform", "Tmodeform", "modeform",
            Rect::from_size(platform.screen_size().width + 10, 0, kBarWidth, kLineHeight), Visibility::Hidden,
            Topmost::Yes, kExNoActivate | kExAppWindow | kExWindowEdge | kExTopmost,
            kStyleVisible | kStyleClipSiblings | kStyleSysMenu | kStyleMinimizeBox};
}

} // namespace

Tmodeform::Tmodeform(Platform& platform, ui::CellObserver* observer)
    : ui::Form(platform, modeform_spec(platform), observer), Label1(*this, "Label1", "编辑键盘"),
      Label2(*this, "Label2", "N 退出 H删除 B按下 <Shift>  J下页 U上页  I↑ K↓ L← ;→ V粘贴  Z撤消>>"),
      Label3(*this, "Label3", "<Shift>已经按下:  按J、U、I、K、L、; 开始选择   C复制 X剪切")
{
    Label1.set_bounds(0, 0, kNameWidth, kLineHeight);
    Label2.set_bounds(kNameWidth, 0, kBarWidth - kNameWidth, kLineHeight);
    Label3.set_bounds(0, kLineHeight, kBarWidth, kLineHeight);
    for (ui::Label* label : {&Label1, &Label2, &Label3})
        label->show();
}

} // namespace tv
