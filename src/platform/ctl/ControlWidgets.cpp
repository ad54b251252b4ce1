// The Qt widgets behind windows, and each kind's default window procedure: the control messages
// of buttons, edits, statics, list boxes, sliders and list views.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>
#include <QValidator>
#include <algorithm>
#include <cstring>

#include <ploxen/platform/ctl/CStatusBar.h>
#include <ploxen/platform/ctl/controls.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/wnd/WndWidget.h>
#include <ploxen/platform/wnd/wnd_p.h>

namespace wnd {
namespace {

// Buttons whose style does not check them on a click (BS_RADIOBUTTON, BS_CHECKBOX) leave the
// check to the program.
template <class Base> class Checkable : public Base {
public:
    Checkable(bool autoCheck, QWidget* parent) : Base(parent), m_auto(autoCheck) {}

protected:
    void nextCheckState() override {
        if (m_auto) Base::nextCheckState();
    }

private:
    bool m_auto;
};

// Suppresses notifications while the program itself changes a control.
struct Quiet {
    explicit Quiet(Window* w) : h(w->hwnd) { ++w->quiet; }
    ~Quiet() {
        if (Window* w = find(h)) --w->quiet;
    }
    HWND h;
};

QButtonGroup* radioGroupFor(Window* w, QWidget* parent) {
    // A radio group runs from a control with WS_GROUP to the next one.
    Window* p = find(w->parent);
    if (p && !(w->style & WS_GROUP)) {
        for (auto it = std::find(p->children.rbegin(), p->children.rend(), w->hwnd);
             ++it != p->children.rend();) {
            Window* s = find(*it);
            if (!s) continue;
            if (auto* b = qobject_cast<QRadioButton*>(s->widget.data()); b && b->group())
                return b->group();
            if (s->style & WS_GROUP) break;
        }
    }
    auto* g = new QButtonGroup(parent);
    g->setExclusive(true);
    return g;
}

QWidget* makeButton(Window* w, const QString& text, QWidget* parent) {
    const DWORD type = w->style & BS_TYPEMASK;
    QAbstractButton* b = nullptr;
    switch (type) {
    case BS_GROUPBOX: {
        auto* g = new QGroupBox(text, parent);
        g->setFocusPolicy(Qt::NoFocus);
        return g;
    }
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        auto* r = new Checkable<QRadioButton>(type == BS_AUTORADIOBUTTON, parent);
        r->setAutoExclusive(false);
        if (type == BS_AUTORADIOBUTTON) radioGroupFor(w, parent)->addButton(r);
        b = r;
        break;
    }
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        b = new Checkable<QCheckBox>(type == BS_AUTOCHECKBOX, parent);
        break;
    default: {
        auto* p = new QPushButton(parent);
        p->setDefault(type == BS_DEFPUSHBUTTON);
        b = p;
        break;
    }
    }
    b->setText(text);
    const HWND h = w->hwnd;
    QObject::connect(b, &QAbstractButton::clicked, [h] {
        if (Window* w = find(h)) notifyParent(w, BN_CLICKED);
    });
    return b;
}

// The edit's text limit: it stops the user's typing, not the program's WM_SETTEXT (a Qt maximum
// length would cut the program's text too). Edits that shorten a text over the limit are let be.
class TextLimit : public QValidator {
public:
    explicit TextLimit(QLineEdit* e) : QValidator(e) {
        connect(e, &QLineEdit::textChanged, this,
                [this](const QString& s) { m_length = s.size(); });
    }
    State validate(QString& s, int&) const override {
        return s.size() > limit && s.size() > m_length ? Invalid : Acceptable;
    }
    qsizetype limit = 30000;

private:
    qsizetype m_length = 0;
};

TextLimit* textLimit(QLineEdit* e) {
    return static_cast<TextLimit*>(const_cast<QValidator*>(e->validator()));
}

QWidget* makeEdit(Window* w, const QString& text, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(0x7FFFFFFF);
    e->setValidator(new TextLimit(e));
    e->setText(text);
    e->setReadOnly(w->style & ES_READONLY);
    if (w->style & ES_RIGHT) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const HWND h = w->hwnd;
    QObject::connect(e, &QLineEdit::textChanged, [h] {
        if (Window* w = find(h)) notifyParent(w, EN_CHANGE);
    });
    return e;
}

QWidget* makeStatic(Window* w, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    const DWORD align = w->style & 0x3;
    l->setAlignment((align == SS_CENTER  ? Qt::AlignHCenter
                     : align == SS_RIGHT ? Qt::AlignRight
                                         : Qt::AlignLeft) |
                    Qt::AlignTop);
    l->setWordWrap(align == SS_LEFT);
    if (w->style & SS_SUNKEN) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment((l->alignment() & ~Qt::AlignTop) | Qt::AlignVCenter);
    }
    return l;
}

QWidget* makeListBox(Window* w, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setSelectionMode(w->style & LBS_EXTENDEDSEL   ? QAbstractItemView::ExtendedSelection
                        : w->style & LBS_MULTIPLESEL ? QAbstractItemView::MultiSelection
                                                     : QAbstractItemView::SingleSelection);
    l->setUniformItemSizes(true);
    const HWND h = w->hwnd;
    QObject::connect(l, &QListWidget::itemSelectionChanged, [h] {
        if (Window* w = find(h); w && (w->style & LBS_NOTIFY)) notifyParent(w, LBN_SELCHANGE);
    });
    QObject::connect(l, &QListWidget::itemDoubleClicked, [h] {
        if (Window* w = find(h); w && (w->style & LBS_NOTIFY)) notifyParent(w, LBN_DBLCLK);
    });
    return l;
}

UINT sliderCode(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return TB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return TB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return TB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return TB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return TB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return TB_BOTTOM;
    default:
        return TB_THUMBTRACK;
    }
}

// The parent hears of every move the user makes: WM_HSCROLL (WM_VSCROLL for a vertical slider)
// with the action's code and the position, then TB_ENDTRACK when the move is over.
void scrollParent(Window* w, UINT code, int pos) {
    if (w->quiet || !w->parent) return;
    const UINT msg = (w->style & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    send(w->parent, msg, MAKEWPARAM(code, pos), reinterpret_cast<LPARAM>(w->hwnd));
}

QWidget* makeSlider(Window* w, QWidget* parent) {
    auto* s = new QSlider((w->style & TBS_VERT) ? Qt::Vertical : Qt::Horizontal, parent);
    s->setRange(0, 100);
    s->setPageStep(20);
    if (w->style & TBS_AUTOTICKS) {
        s->setTickPosition(QSlider::TicksBelow);
        s->setTickInterval(1);
    }
    const HWND h = w->hwnd;
    QObject::connect(s, &QAbstractSlider::actionTriggered, [h](int action) {
        if (Window* w = find(h)) w->sliderCode = int(sliderCode(action));
    });
    QObject::connect(s, &QAbstractSlider::valueChanged, [h, s](int value) {
        Window* w = find(h);
        if (!w || w->quiet) return;
        const bool dragging = s->isSliderDown();
        scrollParent(w, dragging ? TB_THUMBTRACK : UINT(std::max(w->sliderCode, 0)), value);
        if (!dragging && (w = find(h))) scrollParent(w, TB_ENDTRACK, value);
    });
    QObject::connect(s, &QAbstractSlider::sliderReleased, [h, s] {
        if (Window* w = find(h)) scrollParent(w, TB_THUMBPOSITION, s->value());
        if (Window* w = find(h)) scrollParent(w, TB_ENDTRACK, s->value());
    });
    return s;
}

QWidget* makeListView(Window* w, QWidget* parent) {
    auto* t = new QTreeWidget(parent);
    t->setRootIsDecorated(false);
    t->setColumnCount(1);
    t->setHeaderHidden((w->style & 0x3) != LVS_REPORT);
    t->setSelectionMode((w->style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                   : QAbstractItemView::ExtendedSelection);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setProperty("columns", 0);
    return t;
}

LRESULT buttonProc(Window* w, UINT msg, WPARAM wParam, bool* handled) {
    auto* b = qobject_cast<QAbstractButton*>(w->widget.data());
    if (!b) return *handled = false, 0;
    switch (msg) {
    case BM_GETCHECK:
        if (auto* c = qobject_cast<QCheckBox*>(b); c && c->checkState() == Qt::PartiallyChecked)
            return BST_INDETERMINATE;
        return b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK: {
        Quiet q(w);
        QButtonGroup* g = b->group();
        const bool exclusive = g && g->exclusive();
        if (exclusive) g->setExclusive(false); // lets the checked button of a group go unchecked
        if (auto* c = qobject_cast<QCheckBox*>(b); c && wParam == BST_INDETERMINATE)
            c->setCheckState(Qt::PartiallyChecked);
        else
            b->setChecked(wParam == BST_CHECKED);
        if (exclusive) g->setExclusive(true);
        return 0;
    }
    case BM_GETSTATE:
        return (b->isChecked() ? BST_CHECKED : 0) | (b->isDown() ? 0x4 : 0) |
               (b->hasFocus() ? 0x8 : 0);
    case BM_CLICK:
        b->click();
        return 0;
    default:
        return *handled = false, 0;
    }
}

LRESULT editProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
    auto* e = qobject_cast<QLineEdit*>(w->widget.data());
    const int len = int(e->text().size());
    switch (msg) {
    case EM_SETSEL: {
        int start = int(wParam), end = int(lParam);
        if (start == -1) {
            e->deselect();
            return 0;
        }
        if (end < 0 || end > len) end = len;
        start = std::clamp(start, 0, len);
        e->setSelection(start, end - start);
        return 0;
    }
    case EM_GETSEL: {
        const int start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
        const int end = start + int(e->selectedText().size());
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = DWORD(start);
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = DWORD(end);
        return MAKELRESULT(start, end);
    }
    case EM_SCROLLCARET:
        return TRUE; // a line edit always keeps its caret in view
    case EM_GETLINECOUNT:
        return 1;
    case EM_REPLACESEL:
        e->insert(qstr(reinterpret_cast<LPCSTR>(lParam)));
        return 0;
    case EM_LIMITTEXT:
        textLimit(e)->limit = wParam ? qsizetype(wParam) : 0x7FFFFFFE;
        return 0;
    case EM_GETLIMITTEXT:
        return LRESULT(textLimit(e)->limit);
    case EM_SETREADONLY:
        e->setReadOnly(wParam);
        return TRUE;
    default:
        return *handled = false, 0;
    }
}

LRESULT listBoxProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
    auto* l = qobject_cast<QListWidget*>(w->widget.data());
    const int n = l->count();
    const bool multi = w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL);
    const int index = int(wParam);
    const bool valid = index >= 0 && index < n;
    const auto text = [&] { return qstr(reinterpret_cast<LPCSTR>(lParam)); };
    Quiet q(w);
    switch (msg) {
    case LB_ADDSTRING: {
        int pos = n;
        if (w->style & LBS_SORT)
            for (pos = 0; pos < n; ++pos)
                if (QString::compare(l->item(pos)->text(), text(), Qt::CaseInsensitive) > 0) break;
        l->insertItem(pos, text());
        return pos;
    }
    case LB_INSERTSTRING: {
        const int pos = index == -1 ? n : index;
        if (pos < 0 || pos > n) return LB_ERR;
        l->insertItem(pos, text());
        return pos;
    }
    case LB_DELETESTRING:
        if (!valid) return LB_ERR;
        delete l->takeItem(index);
        return l->count();
    case LB_RESETCONTENT:
        l->clear();
        return 0;
    case LB_GETCOUNT:
        return n;
    case LB_GETTEXT:
        if (!valid) return LB_ERR;
        return copyText(l->item(index)->text(), reinterpret_cast<LPSTR>(lParam), 0x7FFFFFFF);
    case LB_GETTEXTLEN:
        return valid ? LRESULT(bytes(l->item(index)->text()).size()) : LB_ERR;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
        // From the item after the start round to the start itself, ignoring case.
        const int first = index >= 0 && index < n ? index + 1 : 0;
        for (int k = 0; k < n; ++k) {
            const int i = (first + k) % n;
            const QString s = l->item(i)->text();
            if (msg == LB_FINDSTRINGEXACT ? s.compare(text(), Qt::CaseInsensitive) == 0
                                          : s.startsWith(text(), Qt::CaseInsensitive))
                return i;
        }
        return LB_ERR;
    }
    case LB_SETSEL: {
        const int item = int(lParam);
        if (!multi || item < -1 || item >= n) return LB_ERR;
        for (int i = item == -1 ? 0 : item; i < (item == -1 ? n : item + 1); ++i)
            l->item(i)->setSelected(wParam != 0);
        return LB_OKAY;
    }
    case LB_GETSEL:
        return valid ? (l->item(index)->isSelected() ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT:
    case LB_GETSELITEMS: {
        if (!multi) return LB_ERR;
        int count = 0;
        int* out = reinterpret_cast<int*>(lParam);
        for (int i = 0; i < n; ++i) {
            if (!l->item(i)->isSelected()) continue;
            if (msg == LB_GETSELITEMS) {
                if (count >= index || !out) break;
                out[count] = i;
            }
            ++count;
        }
        return count;
    }
    case LB_SETCURSEL:
        if (multi) return LB_ERR;
        if (!valid) {
            l->clearSelection();
            return LB_ERR;
        }
        l->setCurrentRow(index);
        return index;
    case LB_GETCURSEL:
        if (multi) return l->currentRow() >= 0 ? l->currentRow() : 0;
        for (int i = 0; i < n; ++i)
            if (l->item(i)->isSelected()) return i;
        return LB_ERR;
    case LB_GETCARETINDEX:
        return std::max(l->currentRow(), 0);
    case LB_SETCARETINDEX:
        if (!valid) return LB_ERR;
        l->selectionModel()->setCurrentIndex(l->model()->index(index, 0),
                                             QItemSelectionModel::NoUpdate);
        return LB_OKAY;
    case LB_GETITEMDATA:
        return valid ? LRESULT(l->item(index)->data(Qt::UserRole).value<qulonglong>()) : LB_ERR;
    case LB_SETITEMDATA:
        if (!valid) return LB_ERR;
        l->item(index)->setData(Qt::UserRole, qulonglong(lParam));
        return LB_OKAY;
    default:
        return *handled = false, 0;
    }
}

LRESULT sliderProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
    auto* s = qobject_cast<QSlider*>(w->widget.data());
    Quiet q(w);
    switch (msg) {
    case TBM_GETPOS:
        return s->value();
    case TBM_GETRANGEMIN:
        return s->minimum();
    case TBM_GETRANGEMAX:
        return s->maximum();
    case TBM_SETPOS:
        s->setValue(int(lParam));
        return 0;
    case TBM_SETRANGE:
        s->setRange(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case TBM_SETRANGEMIN:
        s->setMinimum(int(lParam));
        return 0;
    case TBM_SETRANGEMAX:
        s->setMaximum(int(lParam));
        return 0;
    case TBM_SETTICFREQ:
        s->setTickInterval(int(wParam));
        return 0;
    case TBM_SETPAGESIZE: {
        const int previous = s->pageStep();
        s->setPageStep(int(lParam));
        return previous;
    }
    case TBM_GETPAGESIZE:
        return s->pageStep();
    case TBM_SETLINESIZE: {
        const int previous = s->singleStep();
        s->setSingleStep(int(lParam));
        return previous;
    }
    case TBM_GETLINESIZE:
        return s->singleStep();
    default:
        return *handled = false, 0;
    }
}

UINT itemState(QTreeWidget* t, QTreeWidgetItem* item) {
    return (item->isSelected() ? LVIS_SELECTED : 0) | (t->currentItem() == item ? LVIS_FOCUSED : 0);
}

void setItemState(QTreeWidget* t, int i, const LVITEM& lv) {
    QTreeWidgetItem* item = t->topLevelItem(i);
    if (lv.stateMask & LVIS_SELECTED) {
        const bool select = lv.state & LVIS_SELECTED;
        if (select && t->selectionMode() == QAbstractItemView::SingleSelection) t->clearSelection();
        item->setSelected(select);
    }
    if (lv.stateMask & LVIS_FOCUSED) {
        const QModelIndex index = t->model()->index(i, 0);
        if (lv.state & LVIS_FOCUSED)
            t->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        else if (t->currentItem() == item)
            t->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

LRESULT listViewProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
    auto* t = qobject_cast<QTreeWidget*>(w->widget.data());
    const int n = t->topLevelItemCount();
    const int index = int(wParam);
    const bool valid = index >= 0 && index < n;
    auto* lv = reinterpret_cast<LVITEM*>(lParam);
    Quiet q(w);
    switch (msg) {
    case LVM_GETITEMCOUNT:
        return n;
    case LVM_INSERTITEMA: {
        if (!lv || lv->iItem < 0) return -1;
        const int pos = std::min(lv->iItem, n);
        auto* item = new QTreeWidgetItem;
        if ((lv->mask & LVIF_TEXT) && lv->pszText) item->setText(0, qstr(lv->pszText));
        t->insertTopLevelItem(pos, item);
        if (lv->mask & LVIF_STATE) setItemState(t, pos, *lv);
        return pos;
    }
    case LVM_DELETEITEM:
        if (!valid) return FALSE;
        delete t->takeTopLevelItem(index);
        return TRUE;
    case LVM_DELETEALLITEMS:
        t->clear();
        return TRUE;
    case LVM_GETITEMSTATE:
        return valid ? itemState(t, t->topLevelItem(index)) & UINT(lParam) : 0;
    case LVM_SETITEMSTATE:
        if (!lv || (index != -1 && !valid)) return FALSE;
        for (int i = index == -1 ? 0 : index; i < (index == -1 ? n : index + 1); ++i)
            setItemState(t, i, *lv);
        return TRUE;
    case LVM_GETITEMTEXTA:
        if (!valid || !lv) return 0;
        return copyText(t->topLevelItem(index)->text(lv->iSubItem), lv->pszText, lv->cchTextMax);
    case LVM_SETITEMTEXTA:
        if (!valid || !lv || lv->iSubItem < 0) return FALSE;
        if (t->columnCount() <= lv->iSubItem) t->setColumnCount(lv->iSubItem + 1);
        t->topLevelItem(index)->setText(lv->iSubItem, qstr(lv->pszText));
        return TRUE;
    case LVM_INSERTCOLUMNA: {
        auto* col = reinterpret_cast<LVCOLUMN*>(lParam);
        if (!col) return -1;
        const int columns = t->property("columns").toInt();
        t->setColumnCount(std::max(columns + 1, t->columnCount()));
        t->setProperty("columns", columns + 1);
        if ((col->mask & LVCF_TEXT) && col->pszText)
            t->headerItem()->setText(columns, qstr(col->pszText));
        if ((col->mask & LVCF_WIDTH) && col->cx >= 0) t->setColumnWidth(columns, col->cx);
        return columns;
    }
    case LVM_GETNEXTITEM: {
        const UINT flags = LOWORD(lParam);
        for (int i = std::max(index + 1, 0); i < n; ++i) {
            const UINT state = itemState(t, t->topLevelItem(i));
            if ((!(flags & LVNI_SELECTED) || (state & LVIS_SELECTED)) &&
                (!(flags & LVNI_FOCUSED) || (state & LVIS_FOCUSED)))
                return i;
        }
        return -1;
    }
    case LVM_GETSELECTEDCOUNT:
        return LRESULT(t->selectedItems().size());
    default:
        return *handled = false, 0;
    }
}

QString textOf(Window* w) {
    QWidget* q = w->widget;
    if (auto* b = qobject_cast<QAbstractButton*>(q)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(q)) return g->title();
    if (auto* e = qobject_cast<QLineEdit*>(q)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(q)) return l->text();
    return q->windowTitle();
}

void setTextOf(Window* w, const QString& text) {
    QWidget* q = w->widget;
    if (auto* b = qobject_cast<QAbstractButton*>(q))
        b->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(q))
        g->setTitle(text);
    else if (auto* e = qobject_cast<QLineEdit*>(q))
        e->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(q))
        l->setText(text);
    else
        q->setWindowTitle(text);
}

} // namespace

Kind kindOf(LPCSTR className) {
    if (!className || IS_INTRESOURCE(className)) return Kind::Generic;
    const QString c = qstr(className);
    const auto is = [&](const char* name) { return c.compare(name, Qt::CaseInsensitive) == 0; };
    if (is(WC_BUTTONA)) return Kind::Button;
    if (is(WC_EDITA)) return Kind::Edit;
    if (is(WC_STATICA)) return Kind::Static;
    if (is(WC_LISTBOXA)) return Kind::ListBox;
    if (is(TRACKBAR_CLASSA)) return Kind::Slider;
    if (is(WC_LISTVIEWA)) return Kind::ListView;
    if (is(STATUSCLASSNAMEA)) return Kind::StatusBar;
    return Kind::Generic;
}

QWidget* makeWidget(Window* w, LPCSTR text, QWidget* parent) {
    const QString t = qstr(text);
    const bool child = w->style & WS_CHILD;
    QWidget* q = nullptr;
    switch (w->kind) {
    case Kind::Button:
        q = makeButton(w, t, parent);
        break;
    case Kind::Edit:
        q = makeEdit(w, t, parent);
        break;
    case Kind::Static:
        q = makeStatic(w, t, parent);
        break;
    case Kind::ListBox:
        q = makeListBox(w, parent);
        break;
    case Kind::Slider:
        q = makeSlider(w, parent);
        break;
    case Kind::ListView:
        q = makeListView(w, parent);
        break;
    case Kind::StatusBar:
        q = makeStatusBar(parent);
        break;
    default:
        q = new WndWidget(w->hwnd, parent, child ? Qt::Widget : Qt::Window);
        q->setWindowTitle(t);
        return q;
    }
    if (!child) q->setWindowFlags(Qt::Window);
    if (w->kind == Kind::Static || w->kind == Kind::StatusBar)
        ; // never takes the focus
    else if (!(w->style & WS_TABSTOP))
        q->setFocusPolicy(Qt::ClickFocus);
    return q;
}

LRESULT controlProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam, bool* handled) {
    *handled = true;
    if (!w->widget) return *handled = false, 0;
    switch (w->kind) {
    case Kind::Button:
        return buttonProc(w, msg, wParam, handled);
    case Kind::Edit:
        return editProc(w, msg, wParam, lParam, handled);
    case Kind::ListBox:
        return listBoxProc(w, msg, wParam, lParam, handled);
    case Kind::Slider:
        return sliderProc(w, msg, wParam, lParam, handled);
    case Kind::ListView:
        return listViewProc(w, msg, wParam, lParam, handled);
    case Kind::StatusBar:
        return statusBarProc(w, msg, wParam, lParam, handled);
    default:
        return *handled = false, 0;
    }
}

LRESULT defProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    const LRESULT r = controlProc(w, msg, wParam, lParam, &handled);
    if (handled || !w->widget) return r;
    switch (msg) {
    case WM_SETTEXT:
        setTextOf(w, qstr(reinterpret_cast<LPCSTR>(lParam)));
        return TRUE;
    case WM_GETTEXT:
        return copyText(textOf(w), reinterpret_cast<LPSTR>(lParam), int(wParam));
    case WM_GETTEXTLENGTH:
        return LRESULT(bytes(textOf(w)).size());
    case WM_CLOSE:
        if (w->kind == Kind::Dialog)
            PostMessage(w->hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        else
            DestroyWindow(w->hwnd);
        return 0;
    case WM_PAINT:
        w->dirty = false;
        return 0;
    case WM_ERASEBKGND: {
        const RECT r{0, 0, w->clientSize.cx, w->clientSize.cy};
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetStockObject(WHITE_BRUSH));
        return 1;
    }
    default:
        return 0;
    }
}

} // namespace wnd
