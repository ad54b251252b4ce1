// The table of window handles and the sending of messages to windows.
#include <QVariant>
#include <unordered_map>

#include <ploxen/platform/wnd/CWnd.h>
#include <ploxen/platform/wnd/wnd_p.h>

namespace wnd {
namespace {

std::unordered_map<HWND, std::unique_ptr<Window>>& table() {
    static auto* map = new std::unordered_map<HWND, std::unique_ptr<Window>>;
    return *map;
}

thread_local MSG current{};

} // namespace

Window* find(HWND h) {
    if (!h) return nullptr;
    auto it = table().find(h);
    return it == table().end() ? nullptr : it->second.get();
}

Window* add(CWnd* wnd, Kind kind, HWND parent, UINT id, DWORD style) {
    // Handles count up and are never reused; the low bits stay clear, as in real handles.
    static std::uintptr_t next = 0;
    auto w = std::make_unique<Window>();
    w->hwnd = reinterpret_cast<HWND>(++next << 4);
    w->wnd = wnd;
    w->kind = kind;
    w->parent = parent;
    w->id = id;
    w->style = style;
    Window* raw = w.get();
    table()[raw->hwnd] = std::move(w);
    if (Window* p = find(parent)) p->children.push_back(raw->hwnd);
    return raw;
}

void remove(HWND h) {
    Window* w = find(h);
    if (!w) return;
    if (Window* p = find(w->parent)) std::erase(p->children, h);
    table().erase(h);
}

void setWidget(Window* w, QWidget* widget) {
    w->widget = widget;
    widget->setProperty("ploxenHwnd", QVariant::fromValue(quintptr(w->hwnd)));
}

QWidget* widgetOf(HWND h) {
    Window* w = find(h);
    return w ? w->widget.data() : nullptr;
}

HWND hwndOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant v = widget->property("ploxenHwnd");
        if (v.isValid()) {
            HWND h = reinterpret_cast<HWND>(v.value<quintptr>());
            return find(h) ? h : nullptr;
        }
    }
    return nullptr;
}

const MSG& currentMessage() {
    return current;
}

LRESULT send(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = find(h);
    if (!w) return 0;
    const MSG saved = current;
    current = MSG{h, msg, wParam, lParam, 0, {0, 0}};
    LRESULT r = w->wnd ? w->wnd->WindowProc(msg, wParam, lParam) : defProc(w, msg, wParam, lParam);
    current = saved;
    return r;
}

void notifyParent(Window* w, UINT code) {
    if (w->quiet || !w->parent) return;
    send(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), reinterpret_cast<LPARAM>(w->hwnd));
}

} // namespace wnd
