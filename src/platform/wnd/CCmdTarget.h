// The framework's message-map machinery: a class lists the messages it handles between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; a message is looked up from the most derived class's
// map to its bases' and runs the handler with the platform's handler signature.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CObject.h>
#include <ploxen/platform/wnd/messages.h>

#define afx_msg

class CCmdTarget;

// Calls a handler on the object with the message's parameters, cracked for its signature.
using AFX_PMSGCALL = LRESULT (*)(CCmdTarget*, WPARAM, LPARAM);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message (WM_COMMAND for commands and notifications)
    UINT nCode;    // notification code, for WM_COMMAND
    UINT nID;      // first control ID, for WM_COMMAND
    UINT nLastID;  // last control ID
    AFX_PMSGCALL pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg when it is only asked who would handle a command.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_PMSGCALL pmf;
};

class AFX_EXT_CLASS CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    // Runs the handler of a command or notification; FALSE when no map entry has it. With
    // pHandlerInfo (and no pExtra) it only says whether a handler exists and fills it in.
    // Frames and views override it to route commands on to their view, document and application.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // The entry for a message along the map chain, or null.
    const AFX_MSGMAP_ENTRY* findMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, nullptr }                                                                        \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

// Handler calls. Each entry is a small function that casts the target to the class whose map
// holds it and calls the handler with the message's parameters unpacked. Handlers named through
// a class may be inherited (&CMyDialog::OnOK names CDialog::OnOK), as in any message map.
#define AFX_MSG_ENTRY(msg, body)                                                                   \
    {msg, 0, 0, 0,                                                                                 \
     [](CCmdTarget* t, [[maybe_unused]] WPARAM w, [[maybe_unused]] LPARAM l) -> LRESULT {          \
         [[maybe_unused]] ThisClass* self = static_cast<ThisClass*>(t);                            \
         body                                                                                      \
     }},

#define ON_WM_CREATE()                                                                             \
    AFX_MSG_ENTRY(WM_CREATE, return self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(l));)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, self->OnDestroy(); return 0;)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, self->OnNcDestroy(); return 0;)
#define ON_WM_SIZE()                                                                               \
    AFX_MSG_ENTRY(WM_SIZE, self->OnSize(UINT(w), GET_X_LPARAM(l), GET_Y_LPARAM(l)); return 0;)
#define ON_WM_PARENTNOTIFY()                                                                       \
    AFX_MSG_ENTRY(WM_PARENTNOTIFY, self->OnParentNotify(UINT(w), l); return 0;)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, self->OnPaint(); return 0;)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, self->OnClose(); return 0;)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, self->OnTimer(UINT_PTR(w)); return 0;)
#define AFX_MOUSE_ENTRY(msg, fn)                                                                   \
    AFX_MSG_ENTRY(msg, self->fn(UINT(w), CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l))); return 0;)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEWHEEL()                                                                         \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL, return self->OnMouseWheel(                                        \
                                     UINT(GET_KEYSTATE_WPARAM(w)), GET_WHEEL_DELTA_WPARAM(w),      \
                                     CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));)
#define AFX_KEY_ENTRY(msg, fn)                                                                     \
    AFX_MSG_ENTRY(msg, self->fn(UINT(w), UINT(LOWORD(l)), UINT(HIWORD(l))); return 0;)
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_HSCROLL()                                                                            \
    AFX_MSG_ENTRY(WM_HSCROLL, self->OnHScroll(UINT(LOWORD(w)), UINT(short(HIWORD(w))),             \
                                              afxScrollBarFromHandle(reinterpret_cast<HWND>(l)));  \
                  return 0;)
#define ON_WM_VSCROLL()                                                                            \
    AFX_MSG_ENTRY(WM_VSCROLL, self->OnVScroll(UINT(LOWORD(w)), UINT(short(HIWORD(w))),             \
                                              afxScrollBarFromHandle(reinterpret_cast<HWND>(l)));  \
                  return 0;)
// A handler LRESULT memberFxn(WPARAM, LPARAM) for any message.
#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_MSG_ENTRY(message, return (self->*static_cast<LRESULT (ThisClass::*)(WPARAM, LPARAM)>(     \
                                              memberFxn))(w, l);)
// Commands and control notifications (WM_COMMAND); memberFxn is void f(), named as &Class::f.
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, UINT(wNotifyCode), UINT(id), UINT(id),                                            \
     [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {                                                \
         (static_cast<ThisClass*>(t)->*static_cast<void (ThisClass::*)()>(memberFxn))();           \
         return 0;                                                                                 \
     }},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)

// Control notification codes.
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_SETFOCUS = 0x0100;
constexpr UINT EN_KILLFOCUS = 0x0200;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;

class CScrollBar;
// The scroll bar (or slider) that sent a scroll message, as the handler receives it.
AFX_EXT_API CScrollBar* afxScrollBarFromHandle(HWND h);
