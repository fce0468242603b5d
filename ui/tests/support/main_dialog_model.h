// An in-memory main dialog: its 43 items in template order, with their ids,
// kinds, texts and style words, behind the exchange's control operations.
// Texts, check states, focus and selection are plain fields; every call the
// exchange makes is also appended to a log, so tests can see the order of
// message boxes, focus changes and rewrites.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialog_controls.h"

enum class ItemKind { PushButton, Edit, StaticText, GroupBox, RadioButton, Picture };

struct DialogItem {
    ItemKind kind;
    int id;  // -1 for static items
    std::uint32_t style;
    std::string text;
    bool checked = false;
    int textWrites = 0;        // SetText calls
    bool allSelected = false;  // EM_SETSEL 0, -1 since the last write
};

inline constexpr std::uint32_t kStyleGroup = 0x00020000;  // WS_GROUP

class MainDialogModel final : public DialogControls {
public:
    MainDialogModel();

    // The user's side: typing replaces the text without counting as a write
    // by the program; clicking an automatic radio button clears the others
    // of its group.
    void Type(int id, std::string text);
    void ClickRadio(int id);

    DialogItem& Item(int id);
    const std::string& Text(int id) { return Item(id).text; }
    bool Checked(int id) { return Item(id).checked; }
    int FocusedId() const { return m_focused != nullptr ? m_focused->id : 0; }  // 0: no focus yet
    const std::vector<DialogItem>& Items() const { return m_items; }

    // Runs before each ReadText with the control's id; tests make it throw.
    std::function<void(int id)> beforeRead;
    // Every ReadText call: which control, with what character limit.
    struct Read {
        int id;
        std::size_t limit;
    };
    std::vector<Read> reads;
    // "focus <id>", "select <id>", "text <id> <text>", "check <id> <0|1>";
    // message stand-ins append their own entries.
    std::vector<std::string> log;

    Control FindControl(int id) override;
    std::string ReadText(Control c, std::size_t maxChars) override;
    void SetText(Control c, std::string_view text) override;
    void SetFocus(Control c) override;
    void SelectAllText(Control c) override;
    bool IsChecked(Control c) override;
    void SetChecked(Control c, bool checked) override;
    bool IsRadioButton(Control c) override;
    Control NextControl(Control c) override;
    bool StartsGroup(Control c) override;

private:
    DialogItem& At(Control c);

    std::vector<DialogItem> m_items;  // never resized: controls point into it
    DialogItem* m_focused = nullptr;
};
