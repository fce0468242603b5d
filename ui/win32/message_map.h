// Message maps: each class lists the window messages and commands it handles
// and the member function that handles each; a class's map is searched
// before its base class's.
#pragma once

#include <windows.h>

#include <cstddef>

class CCmdTarget;

struct MessageMapEntry {
    UINT message;  // WM_COMMAND for a command; 0 ends the table
    UINT code;     // WM_COMMAND only: notification code
    UINT id;       // WM_COMMAND only: control or command id
    LRESULT (*call)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);
};

// Both members are constants, so every map is built at compile time: no
// initialisation at run time and no guard around it.
struct MessageMap {
    const MessageMap* (*base)();     // the base class's map; nullptr at the root
    const MessageMapEntry* entries;  // ends with an entry whose message is 0
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of a command from this class's maps; false when no map
    // names it.
    virtual bool OnCmdMsg(UINT id, UINT code);

protected:
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* GetThisMessageMap();

    // The entry for a message, most derived map first; nullptr when none.
    const MessageMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;
};

#define DECLARE_MESSAGE_MAP()                                 \
protected:                                                    \
    static const MessageMap* GetThisMessageMap();             \
    const MessageMap* GetMessageMap() const override;

// The lambdas of the entries are written inside the class's own member
// function, so they may call its protected and private handlers.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap() {                           \
        using ThisClass [[maybe_unused]] = theClass;                            \
        using TheBaseClass = baseClass;                                         \
        static constexpr MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                   \
            {0, 0, 0, nullptr}};                                            \
        static constexpr MessageMap map{&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                        \
    }

#define ON_COMMAND(id, memberFn)                                              \
    {WM_COMMAND, 0, (id), [](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT { \
         static_cast<ThisClass&>(target).memberFn();                         \
         return 0;                                                            \
     }},

#define ON_BN_CLICKED(id, memberFn)                                                   \
    {WM_COMMAND, BN_CLICKED, (id), [](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT { \
         static_cast<ThisClass&>(target).memberFn();                                 \
         return 0;                                                                    \
     }},

#define ON_WM_SYSCOMMAND()                                                           \
    {WM_SYSCOMMAND, 0, 0, [](CCmdTarget& target, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         static_cast<ThisClass&>(target).OnSysCommand(static_cast<UINT>(wParam), lParam); \
         return 0;                                                                    \
     }},

#define ON_WM_PAINT()                                                       \
    {WM_PAINT, 0, 0, [](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {    \
         static_cast<ThisClass&>(target).OnPaint();                         \
         return 0;                                                           \
     }},

#define ON_WM_QUERYDRAGICON()                                                       \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget& target, WPARAM, LPARAM) -> LRESULT {    \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass&>(target).OnQueryDragIcon()); \
     }},
