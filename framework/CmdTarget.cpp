#include "CmdTarget.h"

#include "CmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

BOOL MessageMapEntry::Matches(const MessageCall& call) const {
    UINT entryMessage = messageVariable ? *messageVariable : message;
    return entryMessage == call.message && code == call.code && firstId <= call.id &&
           call.id <= lastId;
}

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, 0, nullptr, {}}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

namespace {

// Calls `visit` on each entry that matches `call`, most derived map first,
// until it returns TRUE; returns whether it did.
template <class Visit>
BOOL VisitMatchingEntries(const MessageMap* map, const MessageCall& call, Visit visit) {
    for (; map != nullptr; map = map->getBaseMap ? map->getBaseMap() : nullptr)
        for (const MessageMapEntry* entry = map->entries; entry->message != 0; ++entry)
            if (entry->Matches(call) && visit(*entry)) return TRUE;
    return FALSE;
}

}  // namespace

const MessageMapEntry* CCmdTarget::FindEntry(const MessageCall& call) const {
    const MessageMapEntry* found = nullptr;
    VisitMatchingEntries(GetMessageMap(), call, [&found](const MessageMapEntry& entry) {
        found = &entry;
        return TRUE;
    });
    return found;
}

BOOL CCmdTarget::DispatchEntries(MessageCall& call) {
    return VisitMatchingEntries(GetMessageMap(), call, [this, &call](const MessageMapEntry& entry) {
        return entry.thunk(this, entry, call);
    });
}

BOOL CCmdTarget::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    MessageCall call;
    call.message = WM_COMMAND;
    call.code = static_cast<UINT>(code);
    call.id = id;
    call.extra = extra;
    if (code != CN_UPDATE_COMMAND_UI && HIWORD(code) == WM_NOTIFY) {
        auto* notify = static_cast<NotifyInfo*>(extra);
        ASSERT(notify != nullptr && notify->header != nullptr);
        if (notify == nullptr || notify->header == nullptr) return FALSE;
        call.message = WM_NOTIFY;
        call.code = notify->header->code;
        call.wParam = id;
        call.lParam = reinterpret_cast<LPARAM>(notify->header);
    }
    if (handlerInfo != nullptr) {
        const MessageMapEntry* entry = FindEntry(call);
        if (entry == nullptr) return FALSE;
        handlerInfo->target = this;
        handlerInfo->entry = entry;
        return TRUE;
    }
    return DispatchEntries(call);
}

namespace message_thunks {

BOOL Command(CCmdTarget* target, const MessageMapEntry& entry, MessageCall&) {
    CallHandler<void()>(target, entry);
    return TRUE;
}

BOOL CommandWithId(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    CallHandler<void(UINT)>(target, entry, call.id);
    return TRUE;
}

BOOL CommandEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    return CallHandler<BOOL(UINT)>(target, entry, call.id);
}

BOOL UpdateCommandUI(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    // A handler that calls ContinueRouting passes the item on.
    auto* cmdUI = static_cast<CCmdUI*>(call.extra);
    cmdUI->m_bContinueRouting = FALSE;
    CallHandler<void(CCmdUI*)>(target, entry, cmdUI);
    BOOL handled = !cmdUI->m_bContinueRouting;
    cmdUI->m_bContinueRouting = FALSE;
    return handled;
}

BOOL Notify(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    auto* notify = static_cast<NotifyInfo*>(call.extra);
    CallHandler<void(NMHDR*, LRESULT*)>(target, entry, notify->header, notify->result);
    return TRUE;
}

BOOL NotifyWithId(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    auto* notify = static_cast<NotifyInfo*>(call.extra);
    CallHandler<void(UINT, NMHDR*, LRESULT*)>(target, entry, call.id, notify->header,
                                              notify->result);
    return TRUE;
}

BOOL NotifyEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    auto* notify = static_cast<NotifyInfo*>(call.extra);
    return CallHandler<BOOL(UINT, NMHDR*, LRESULT*)>(target, entry, call.id, notify->header,
                                                     notify->result);
}

BOOL NotifyReflectEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    auto* notify = static_cast<NotifyInfo*>(call.extra);
    return CallHandler<BOOL(NMHDR*, LRESULT*)>(target, entry, notify->header, notify->result);
}

BOOL ControlReflectEx(CCmdTarget* target, const MessageMapEntry& entry, MessageCall&) {
    return CallHandler<BOOL()>(target, entry);
}

BOOL Message(CCmdTarget* target, const MessageMapEntry& entry, MessageCall& call) {
    call.result = CallHandler<LRESULT(WPARAM, LPARAM)>(target, entry, call.wParam, call.lParam);
    return TRUE;
}

}  // namespace message_thunks
