#include "app_shell.h"

#include <string>

#include "application_title.h"
#include "message_box_rules.h"

namespace {
AppShell* g_currentApp = nullptr;

// Puts a value back when the scope ends, even when the box's call throws.
template <typename Restore>
class OnScopeExit {
public:
    explicit OnScopeExit(Restore restore) : m_restore(restore) {}
    ~OnScopeExit() { m_restore(); }
    OnScopeExit(const OnScopeExit&) = delete;
    OnScopeExit& operator=(const OnScopeExit&) = delete;

private:
    Restore m_restore;
};
}  // namespace

AppShell::AppShell(MessageBoxWindows& windows) : m_windows(windows) { g_currentApp = this; }

AppShell::~AppShell() {
    if (g_currentApp == this) g_currentApp = nullptr;
}

AppShell* CurrentAppShell() { return g_currentApp; }

void AppShell::FormTitle(std::string_view modulePath) { m_strTitle = FormApplicationTitle(modulePath); }

int AppShell::DoMessageBox(std::string_view text, unsigned type, unsigned helpId) {
    const MessageBoxOwner found = FindMessageBoxOwner(m_windows);

    // A box owned by a pop-up would leave the top-level window taking input:
    // it is disabled too while the box is open.
    const bool disableTop = found.top != nullptr && found.top != found.owner && m_windows.IsEnabled(found.top);
    if (disableTop) m_windows.Enable(found.top, false);
    OnScopeExit enableTop([&] {
        if (disableTop) m_windows.Enable(found.top, true);
    });

    // F1 while the box is open asks for the box's own topic.
    const unsigned previousContext = m_dwPromptContext;
    if (helpId != 0) m_dwPromptContext = PromptHelpContext(helpId);
    OnScopeExit restoreContext([&] { m_dwPromptContext = previousContext; });

    return m_windows.ShowBox(found.owner, std::string(text), m_strTitle, WithDefaultIcon(type));
}
