// Command targets and message maps.
//
// A class that handles messages or commands derives from CCmdTarget, puts
// DECLARE_MESSAGE_MAP() in its declaration and lists its handlers in its
// source file:
//
//   BEGIN_MESSAGE_MAP(CEngineDoc, CDocument)
//       ON_COMMAND(ID_RUN, OnRun)
//       ON_COMMAND_RANGE(ID_PART_FIRST, ID_PART_LAST, OnPart)   // OnPart(UINT id)
//       ON_UPDATE_COMMAND_UI(ID_UNITS, OnUpdateUnits)          // (CCmdUI*)
//   END_MESSAGE_MAP()
//
// Design of the map:
// - A map is an array of MessageMapEntry records ended by a zero record,
//   plus a link to the base class's map. Lookup walks the class's own map,
//   then its base maps, so a derived class's entry hides a base entry.
// - An entry matches a MessageCall when its message, code and id range match
//   (ON_REGISTERED_MESSAGE entries read their message from a variable).
//   Commands and control notifications are WM_COMMAND entries keyed by
//   notification code (CN_COMMAND 0, CN_UPDATE_COMMAND_UI, BN_CLICKED, ...);
//   WM_NOTIFY entries are keyed by the NMHDR code; reflected entries use the
//   message plus kReflectedMessageBase; other window messages have code 0
//   and id 0.
// - Each entry carries a thunk and the handler as a type-erased member
//   pointer. The thunk casts the handler back to its real signature, cracks
//   the call's arguments for it, calls it on the target and says whether the
//   message counts as handled (the _EX forms return the handler's answer: on
//   FALSE the search goes on with later entries and base maps).
//
// Adding entry kinds: write a thunk with the MessageThunk signature that
// calls CallHandler<Signature>(target, entry, cracked arguments...), and a
// macro that makes the entry with HandlerOf<Signature>(&ThisClass::member).
// HandlerOf checks at compile time that the member has exactly that
// signature. Window-message entries (ON_WM_*) are built this way on top of
// DispatchEntries, which a window's OnWndMsg calls with the message.
#pragma once

#include <windows.h>

#include <cstring>
#include <utility>

#include "CoreIncludes.h"

class CCmdTarget;
class CCmdUI;

// Marks a message handler in a class declaration.
#define afx_msg

// OnCmdMsg codes besides control-notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (-1)

// A reflected message is sent back to the control that sent it, as the
// message plus this base.
constexpr UINT kReflectedMessageBase = 0xBC00;

// A handler member function of CCmdTarget with its signature erased: the
// bytes of the member pointer, which HandlerOf writes and CallHandler reads
// back with the same signature.
struct AnyMemberHandler {
    unsigned char bytes[sizeof(void (CCmdTarget::*)())];
};

// A message or command on its way to a handler.
struct MessageCall {
    UINT message = 0;   // window message; WM_COMMAND or WM_NOTIFY for routed ones
    UINT code = 0;      // notification code (CN_*, BN_*, NMHDR code), else 0
    UINT id = 0;        // command or control id, else 0
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    void* extra = nullptr;  // CCmdUI* for updates, NotifyInfo* for WM_NOTIFY
    LRESULT result = 0;     // the window's answer, set by the handler's thunk
};

// What a WM_NOTIFY handler receives.
struct NotifyInfo {
    NMHDR* header;
    LRESULT* result;
};

struct MessageMapEntry;
using MessageThunk = BOOL (*)(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);

struct MessageMapEntry {
    UINT message;        // 0 ends the map
    UINT code;
    UINT firstId;
    UINT lastId;         // inclusive
    MessageThunk thunk;
    AnyMemberHandler handler;
    const UINT* messageVariable = nullptr;  // ON_REGISTERED_MESSAGE: where the id is kept

    BOOL Matches(const MessageCall& call) const;
};

struct MessageMap {
    const MessageMap* (*getBaseMap)();  // null for CCmdTarget's own map
    const MessageMapEntry* entries;
};

// The type-erased form of a handler of signature Signature; fails to compile
// when the member has another signature or is not of a command target.
template <class Signature, class Class>
AnyMemberHandler HandlerOf(Signature Class::*handler) {
    Signature CCmdTarget::*member = static_cast<Signature CCmdTarget::*>(handler);
    static_assert(sizeof member == sizeof(AnyMemberHandler), "member pointers differ in size");
    AnyMemberHandler erased;
    memcpy(erased.bytes, &member, sizeof member);
    return erased;
}

// Calls an entry's handler, which has signature Signature, on target.
template <class Signature, class... Args>
auto CallHandler(CCmdTarget* target, const MessageMapEntry& entry, Args&&... args) {
    Signature CCmdTarget::*member;
    static_assert(sizeof member == sizeof(AnyMemberHandler), "member pointers differ in size");
    memcpy(&member, entry.handler.bytes, sizeof member);
    return (target->*member)(std::forward<Args>(args)...);
}

// The code under which OnCmdMsg routes a WM_NOTIFY notification.
inline int NotifyCommandCode(UINT notifyCode) {
    return static_cast<int>(MAKELONG(LOWORD(notifyCode), WM_NOTIFY));
}

// Who would handle a command (filled by OnCmdMsg when asked instead of
// dispatching).
struct CmdHandlerInfo {
    CCmdTarget* target = nullptr;
    const MessageMapEntry* entry = nullptr;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command, a command update or a notification to the handlers
    // of this target:
    //   code CN_COMMAND or a WM_COMMAND notification code, extra null;
    //   code CN_UPDATE_COMMAND_UI, extra the CCmdUI*;
    //   code NotifyCommandCode(NMHDR code), extra a NotifyInfo*.
    // With handlerInfo, nothing is called: TRUE says a handler exists and
    // handlerInfo names it. Targets that route further (views to documents,
    // frames to views) override this and call on to the others.
    virtual BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo);

    // Offers `call` to the matching entries, most derived first, until one
    // handles it; FALSE when none did.
    BOOL DispatchEntries(MessageCall& call);
    // The first matching entry, or null.
    const MessageMapEntry* FindEntry(const MessageCall& call) const;

    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();
};

// Declares the class's message map (leaves the declaration protected).
#define DECLARE_MESSAGE_MAP()                     \
public:                                           \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override; \
                                                  \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                           \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }    \
    const MessageMap* theClass::GetThisMessageMap() {                                    \
        using ThisClass [[maybe_unused]] = theClass;                                     \
        using TheBaseClass = baseClass;                                                  \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                       \
    {0, 0, 0, 0, nullptr, {}}};                                            \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                                \
    }

// The thunks of the entry kinds below.
namespace message_thunks {
BOOL Command(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL CommandWithId(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL CommandEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL UpdateCommandUI(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL Notify(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL NotifyWithId(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL NotifyEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL NotifyReflectEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL ControlReflectEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
BOOL Message(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call);
}  // namespace message_thunks

#define MESSAGE_MAP_ENTRY(message, code, first, last, thunk, signature, memberFxn)             \
    {static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(first),           \
     static_cast<UINT>(last), &message_thunks::thunk, HandlerOf<signature>(&ThisClass::memberFxn)},

// Commands: void OnX(); the _RANGE forms get the id: void OnX(UINT id);
// the _EX forms return whether they handled it: BOOL OnX(UINT id).
#define ON_COMMAND(id, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_COMMAND, CN_COMMAND, id, id, Command, void(), memberFxn)
#define ON_COMMAND_RANGE(first, last, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_COMMAND, CN_COMMAND, first, last, CommandWithId, void(UINT), memberFxn)
#define ON_COMMAND_EX(id, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_COMMAND, CN_COMMAND, id, id, CommandEx, BOOL(UINT), memberFxn)
#define ON_COMMAND_EX_RANGE(first, last, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_COMMAND, CN_COMMAND, first, last, CommandEx, BOOL(UINT), memberFxn)

// Command updates: void OnUpdateX(CCmdUI*), also for ranges (the id is m_nID).
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                            \
    MESSAGE_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, UpdateCommandUI, void(CCmdUI*), \
                      memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, memberFxn)                               \
    MESSAGE_MAP_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, UpdateCommandUI,     \
                      void(CCmdUI*), memberFxn)

// Control notifications through WM_COMMAND: void OnX(); the range form gets the id.
#define ON_CONTROL(code, id, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_COMMAND, code, id, id, Command, void(), memberFxn)
#define ON_CONTROL_RANGE(code, first, last, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_COMMAND, code, first, last, CommandWithId, void(UINT), memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)

// WM_NOTIFY notifications: void OnX(NMHDR*, LRESULT*); the range form gets
// the id first; the _EX forms return whether they handled it.
#define ON_NOTIFY(code, id, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_NOTIFY, code, id, id, Notify, void(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_RANGE(code, first, last, memberFxn)                                   \
    MESSAGE_MAP_ENTRY(WM_NOTIFY, code, first, last, NotifyWithId, void(UINT, NMHDR*, LRESULT*), \
                      memberFxn)
#define ON_NOTIFY_EX(code, id, memberFxn) \
    MESSAGE_MAP_ENTRY(WM_NOTIFY, code, id, id, NotifyEx, BOOL(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX_RANGE(code, first, last, memberFxn)                                  \
    MESSAGE_MAP_ENTRY(WM_NOTIFY, code, first, last, NotifyEx, BOOL(UINT, NMHDR*, LRESULT*), \
                      memberFxn)

// Reflection: a control handles its own notifications, which its parent
// sends back to it. void OnX() / BOOL OnX() for WM_COMMAND codes;
// void OnX(NMHDR*, LRESULT*) / BOOL OnX(NMHDR*, LRESULT*) for WM_NOTIFY
// codes; void OnX(CCmdUI*) for the control's own command update.
#define ON_CONTROL_REFLECT(code, memberFxn) \
    MESSAGE_MAP_ENTRY(kReflectedMessageBase + WM_COMMAND, code, 0, 0, Command, void(), memberFxn)
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                           \
    MESSAGE_MAP_ENTRY(kReflectedMessageBase + WM_COMMAND, code, 0, 0, ControlReflectEx, BOOL(), \
                      memberFxn)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                          \
    MESSAGE_MAP_ENTRY(kReflectedMessageBase + WM_NOTIFY, code, 0, 0, Notify,         \
                      void(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                       \
    MESSAGE_MAP_ENTRY(kReflectedMessageBase + WM_NOTIFY, code, 0, 0, NotifyReflectEx, \
                      BOOL(NMHDR*, LRESULT*), memberFxn)
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn)                                             \
    MESSAGE_MAP_ENTRY(kReflectedMessageBase + WM_COMMAND, CN_UPDATE_COMMAND_UI, 0, 0,      \
                      UpdateCommandUI, void(CCmdUI*), memberFxn)

// Any message by number: LRESULT OnX(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    MESSAGE_MAP_ENTRY(message, 0, 0, 0, Message, LRESULT(WPARAM, LPARAM), memberFxn)
// A message whose number RegisterWindowMessage gave to the UINT variable.
#define ON_REGISTERED_MESSAGE(messageVariable, memberFxn)                                 \
    {0xFFFFFFFFu, 0, 0, 0, &message_thunks::Message,                                      \
     HandlerOf<LRESULT(WPARAM, LPARAM)>(&ThisClass::memberFxn), &(messageVariable)},
