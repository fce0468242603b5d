#include "message_map.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static constexpr MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static constexpr MessageMap map{nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base != nullptr ? map->base() : nullptr) {
        for (const MessageMapEntry* e = map->entries; e->message != 0; ++e) {
            if (e->message != message) continue;
            if (message != WM_COMMAND || (e->code == code && e->id == id)) return e;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, code, id);
    if (entry == nullptr) return false;
    entry->call(*this, MAKEWPARAM(id, code), 0);
    return true;
}
