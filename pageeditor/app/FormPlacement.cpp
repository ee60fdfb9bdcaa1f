#include "pageeditor/app/FormPlacement.h"

#include "forms/Application.h"
#include "forms/ListView.h"
#include "forms/Panel.h"
#include "pageeditor/app/TMainForm.h"
#include "registry/Registry.h"

namespace pageeditor {

const char* const FormPlacement::kKey = "Software\\Sitecraft\\TMainForm";

namespace {
using registry::Hive;

std::optional<int> number(registry::Registry& reg, const char* name) {
    std::string s;
    if (!reg.getString(Hive::CurrentUser, FormPlacement::kKey, name, s) || s.empty() || s.size() > 9) return std::nullopt;
    std::size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return std::nullopt;
    int n = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        n = n * 10 + (s[i] - '0');
    }
    return s[0] == '-' ? -n : n;
}

void put(registry::Registry& reg, const char* name, const std::optional<int>& v) {
    if (v) reg.setString(Hive::CurrentUser, FormPlacement::kKey, name, std::to_string(*v));
}

void clampSize(std::optional<int>& v, int lo, int hi) {
    if (v && (*v < lo || *v > hi)) v.reset();
}
}  // namespace

FormPlacement FormPlacement::read(registry::Registry& reg) {
    FormPlacement p;
    p.left = number(reg, "Left");
    p.top = number(reg, "Top");
    p.width = number(reg, "Width");
    p.height = number(reg, "Height");
    p.maximized = number(reg, "Maximized").value_or(0) != 0;
    p.panel1Width = number(reg, "Panel1.Width");
    p.panel5Height = number(reg, "Panel5.Height");
    p.panel6Height = number(reg, "Panel6.Height");
    p.panel8Height = number(reg, "Panel8.Height");
    p.listView3Height = number(reg, "ListView3.Height");
    return p;
}

void FormPlacement::write(registry::Registry& reg) const {
    put(reg, "Left", left);
    put(reg, "Top", top);
    put(reg, "Width", width);
    put(reg, "Height", height);
    put(reg, "Maximized", maximized ? 1 : 0);
    put(reg, "Panel1.Width", panel1Width);
    put(reg, "Panel5.Height", panel5Height);
    put(reg, "Panel6.Height", panel6Height);
    put(reg, "Panel8.Height", panel8Height);
    put(reg, "ListView3.Height", listView3Height);
}

void FormPlacement::sanitize(int screenWidth, int screenHeight) {
    clampSize(width, 400, std::max(400, screenWidth * 2));
    clampSize(height, 300, std::max(300, screenHeight * 2));
    // The title bar must stay reachable on the screen.
    if (left && (*left < -(width.value_or(400)) + 50 || *left > screenWidth - 50)) left.reset();
    if (top && (*top < 0 || *top > screenHeight - 50)) top.reset();
    if (!left || !top) left.reset(), top.reset();
    for (auto* v : {&panel1Width, &panel5Height, &panel6Height, &panel8Height, &listView3Height}) clampSize(*v, 30, 2000);
}

FormPlacement FormPlacement::takeFrom(const TMainForm& form) {
    FormPlacement p;
    p.maximized = form.windowState() == forms::Form::WindowState::Maximized;
    p.left = form.clientLeft();
    p.top = form.clientTop();
    p.width = form.clientWidth();
    p.height = form.clientHeight();
    if (form.Panel1) p.panel1Width = form.Panel1->width();
    if (form.Panel5) p.panel5Height = form.Panel5->height();
    if (form.Panel6) p.panel6Height = form.Panel6->height();
    if (form.Panel8) p.panel8Height = form.Panel8->height();
    if (form.ListView3) p.listView3Height = form.ListView3->height();
    return p;
}

void FormPlacement::applyTo(TMainForm& form) const {
    FormPlacement p = *this;
    p.sanitize(forms::Application::screenWidth(forms::Scale::Pixels), forms::Application::screenHeight(forms::Scale::Pixels));
    if (p.width && p.height) form.setClientSize(*p.width, *p.height);
    if (p.left && p.top) form.moveClient(*p.left, *p.top);
    if (p.maximized) form.setWindowState(forms::Form::WindowState::Maximized);
    if (p.panel1Width && form.Panel1) form.Panel1->resize(*p.panel1Width, form.Panel1->height());
    if (p.panel5Height && form.Panel5) form.Panel5->resize(form.Panel5->width(), *p.panel5Height);
    if (p.panel6Height && form.Panel6) form.Panel6->resize(form.Panel6->width(), *p.panel6Height);
    if (p.panel8Height && form.Panel8) form.Panel8->resize(form.Panel8->width(), *p.panel8Height);
    if (p.listView3Height && form.ListView3) form.ListView3->resize(form.ListView3->width(), *p.listView3Height);
}

}  // namespace pageeditor
