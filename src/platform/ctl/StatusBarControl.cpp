// The status bar control: a row of labels, one per part, the last one to the right edge when
// its edge is -1; its messages set the parts and their texts.
#include <QHBoxLayout>
#include <QLabel>
#include <vector>

#include <ploxen/platform/ctl/CStatusBar.h>
#include <ploxen/platform/wnd/wnd_p.h>

namespace wnd {

namespace {

// The parts' labels, left to right.
std::vector<QLabel*> parts(Window* w) {
    std::vector<QLabel*> labels;
    const QLayout* layout = w->widget->layout();
    for (int i = 0; i < layout->count(); ++i)
        if (auto* label = qobject_cast<QLabel*>(layout->itemAt(i)->widget()))
            labels.push_back(label);
    return labels;
}

void setType(QLabel* label, UINT type) {
    label->setFrameStyle(type & SBT_NOBORDERS
                             ? QFrame::NoFrame
                             : QFrame::Panel |
                                   (type & SBT_POPOUT ? QFrame::Raised : QFrame::Sunken));
    label->setProperty("sbType", type);
}

// A part is a line of text high, even while it has none.
QLabel* newPart(QWidget* bar) {
    auto* label = new QLabel(bar);
    setType(label, 0);
    label->setMinimumHeight(label->fontMetrics().height() + 2 * label->frameWidth());
    return label;
}

void setParts(Window* w, int count, const int* edges) {
    auto* layout = static_cast<QHBoxLayout*>(w->widget->layout());
    std::vector<QLabel*> labels = parts(w);
    for (int i = count; i < int(labels.size()); ++i) delete labels[size_t(i)];
    labels.resize(size_t(std::min<size_t>(size_t(count), labels.size())));
    while (int(labels.size()) < count) {
        QLabel* label = newPart(w->widget);
        layout->addWidget(label);
        labels.push_back(label);
    }
    int left = 0;
    for (int i = 0; i < count; ++i) {
        const bool toEnd = edges[i] < 0;
        if (toEnd) {
            labels[size_t(i)]->setMinimumWidth(0);
            labels[size_t(i)]->setMaximumWidth(QWIDGETSIZE_MAX);
        } else {
            labels[size_t(i)]->setFixedWidth(std::max(0, edges[i] - left));
            left = edges[i];
        }
        layout->setStretch(i, toEnd ? 1 : 0);
    }
}

} // namespace

QWidget* makeStatusBar(QWidget* parent) {
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    // One empty part, as the control starts; its height is the bar's from the start.
    QLabel* label = newPart(bar);
    layout->addWidget(label, 1);
    return bar;
}

LRESULT statusBarProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
    const std::vector<QLabel*> labels = parts(w);
    const size_t part = size_t(wParam & 0xFF);
    switch (msg) {
    case SB_SETPARTS:
        if (wParam > 256 || (wParam && !lParam)) return FALSE;
        setParts(w, int(wParam), reinterpret_cast<const int*>(lParam));
        return TRUE;
    case SB_GETPARTS: {
        auto* edges = reinterpret_cast<int*>(lParam);
        int right = 0;
        for (size_t i = 0; edges && i < labels.size() && i < wParam; ++i) {
            right += labels[i]->width();
            edges[i] = right;
        }
        return LRESULT(labels.size());
    }
    case SB_SETTEXTA:
        if (part >= labels.size()) return FALSE;
        labels[part]->setText(qstr(reinterpret_cast<LPCSTR>(lParam)));
        setType(labels[part], UINT(wParam & 0xFF00));
        return TRUE;
    case SB_GETTEXTA:
    case SB_GETTEXTLENGTHA: {
        if (part >= labels.size()) return 0;
        const std::string text = bytes(labels[part]->text());
        if (msg == SB_GETTEXTA && lParam)
            std::copy(text.c_str(), text.c_str() + text.size() + 1,
                      reinterpret_cast<LPSTR>(lParam));
        return MAKELONG(text.size(), labels[part]->property("sbType").toUInt());
    }
    default:
        return *handled = false, 0;
    }
}

} // namespace wnd
