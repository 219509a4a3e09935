#include "manager/manager_layout.h"

namespace lumar {

namespace {

WindowRect Button(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace

ManagerLayoutResult LayOutManager(const ManagerLayoutInput& in) {
    const int m = in.tab.left;
    const int n = in.tab.top - 1;
    const int w = in.buttonWidth;
    const int h = in.buttonHeight;
    ManagerLayoutResult out;
    out.tab = {in.tab.left, in.tab.top, in.clientWidth - m, in.clientHeight - n};
    out.list = {out.tab.left + m, in.listTop, out.tab.right - m, out.tab.bottom - (2 * n) - h};
    const int buttonTop = out.tab.bottom - n - h;
    out.close = Button(out.list.left, buttonTop, w, h);
    const int first = in.clientWidth - (2 * m) - w;
    out.details = Button(first, buttonTop, w, h);
    out.refresh = Button(first - (m + w), buttonTop, w, h);
    out.add = Button(first - (2 * (m + w)), buttonTop, w, h);
    out.minClientWidth = (4 * w) + (7 * m);
    out.minClientHeight = (4 * h) + (7 * n);
    return out;
}

}  // namespace lumar
