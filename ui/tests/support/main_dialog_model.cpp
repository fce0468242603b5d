#include "main_dialog_model.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "resource.h"

namespace {
// The main dialog's template, item by item; the style words decide where
// the radio groups end.
std::vector<DialogItem> MainDialogItems() {
    using K = ItemKind;
    return {
        {K::PushButton, 1, 0x50010001, "OK"},
        {K::Edit, IDC_PERIOD, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "T*"},
        {K::Edit, IDC_FQ_MIN, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "fqmin"},
        {K::Edit, IDC_FQ_MAX, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "fqmax"},
        {K::Edit, IDC_FK_MIN, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "fkmin"},
        {K::Edit, IDC_FK_MAX, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "fkmax"},
        {K::Edit, IDC_FM_MIN, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "fmmin"},
        {K::Edit, IDC_FM_MAX, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "fmmax"},
        {K::GroupBox, -1, 0x50000007, "Fattori di errore"},
        {K::GroupBox, -1, 0x50000007, "Valori nominali"},
        {K::RadioButton, IDC_SPECTRUM_TYPE1, 0x50020009, "Spettro EC8 tipo 1"},
        {K::RadioButton, IDC_SPECTRUM_TYPE2, 0x50000009, "Spettro EC8 tipo 2"},
        {K::GroupBox, -1, 0x50000007, "Spettro"},
        {K::PushButton, IDC_CALCULATE, 0x50010000, "Calcola fattori di errore"},
        {K::RadioButton, IDC_SOIL_A, 0x50020009, "Suolo tipo A"},
        {K::RadioButton, IDC_SOIL_B, 0x50000009, "Suolo tipo B"},
        {K::RadioButton, IDC_SOIL_C, 0x50000009, "Suolo tipo C"},
        {K::RadioButton, IDC_SOIL_D, 0x50000009, "Suolo tipo D"},
        {K::RadioButton, IDC_SOIL_E, 0x50000009, "Suolo tipo E"},
        {K::GroupBox, -1, 0x50000007, "Tipo di suolo"},
        {K::Edit, IDC_BEHAVIOUR_FACTOR, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "q*"},
        {K::Edit, IDC_DISP_MIN, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "Spostamento (min)"},
        {K::Edit, IDC_FORCE_MIN, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "Forza richiamo (min)"},
        {K::GroupBox, -1, 0x50000007, "Fattori di errore corrispondenti"},
        {K::Edit, IDC_DISP_MAX, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "Spostamento (max)"},
        {K::Edit, IDC_FORCE_MAX, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "Forza richiamo (max)"},
        {K::Picture, -1, 0x5000000E, ""},
        {K::StaticText, -1, 0x50020000, "Periodo"},
        {K::StaticText, -1, 0x50020000, "Fattore di struttura"},
        {K::Edit, IDC_AG, 0x50810080, ""},
        {K::StaticText, -1, 0x50020000, "Ag in unità g (per esempio 0.35)"},
    };
}
}  // namespace

MainDialogModel::MainDialogModel() : m_items(MainDialogItems()) {}

DialogItem& MainDialogModel::Item(int id) {
    for (DialogItem& item : m_items)
        if (item.id == id) return item;
    throw std::out_of_range("no item with id " + std::to_string(id));
}

void MainDialogModel::Type(int id, std::string text) {
    DialogItem& item = Item(id);
    item.text = std::move(text);
    item.allSelected = false;
}

void MainDialogModel::ClickRadio(int id) {
    // The group of an automatic radio button: back to its group start, then
    // on to the next group start.
    std::size_t first = static_cast<std::size_t>(&Item(id) - m_items.data());
    while (first > 0 && (m_items[first].style & kStyleGroup) == 0) --first;
    for (std::size_t i = first; i < m_items.size() && (i == first || (m_items[i].style & kStyleGroup) == 0); ++i)
        if (m_items[i].kind == ItemKind::RadioButton) m_items[i].checked = m_items[i].id == id;
}

DialogItem& MainDialogModel::At(Control c) {
    if (c == nullptr) throw std::invalid_argument("operation on no control");
    return *static_cast<DialogItem*>(c);
}

DialogControls::Control MainDialogModel::FindControl(int id) {
    for (DialogItem& item : m_items)
        if (item.id == id) return &item;
    return nullptr;
}

std::string MainDialogModel::ReadText(Control c, std::size_t maxChars) {
    DialogItem& item = At(c);
    reads.push_back({item.id, maxChars});
    if (beforeRead) beforeRead(item.id);
    return item.text.substr(0, maxChars);
}

void MainDialogModel::SetText(Control c, std::string_view text) {
    DialogItem& item = At(c);
    item.text = std::string(text);
    item.allSelected = false;
    ++item.textWrites;
    log.push_back("text " + std::to_string(item.id) + " " + item.text);
}

void MainDialogModel::SetFocus(Control c) {
    m_focused = &At(c);
    log.push_back("focus " + std::to_string(m_focused->id));
}

void MainDialogModel::SelectAllText(Control c) {
    DialogItem& item = At(c);
    if (item.kind != ItemKind::Edit) ADD_FAILURE() << "text selection on item " << item.id << ", not an edit";
    item.allSelected = true;
    log.push_back("select " + std::to_string(item.id));
}

bool MainDialogModel::IsChecked(Control c) { return At(c).checked; }

void MainDialogModel::SetChecked(Control c, bool checked) {
    DialogItem& item = At(c);
    if (item.kind != ItemKind::RadioButton) ADD_FAILURE() << "check state set on item " << item.id << ", not a radio button";
    item.checked = checked;
    log.push_back("check " + std::to_string(item.id) + (checked ? " 1" : " 0"));
}

bool MainDialogModel::IsRadioButton(Control c) { return At(c).kind == ItemKind::RadioButton; }

DialogControls::Control MainDialogModel::NextControl(Control c) {
    DialogItem* next = &At(c) + 1;
    return next != m_items.data() + m_items.size() ? next : nullptr;
}

bool MainDialogModel::StartsGroup(Control c) { return (At(c).style & kStyleGroup) != 0; }
