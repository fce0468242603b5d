#include "data_exchange.h"

#include <cmath>
#include <new>
#include <stdexcept>
#include <string>

#include "message_box_flags.h"
#include "message_text.h"
#include "number_text.h"
#include "resource.h"
#include "string_resources.h"

DialogControls::Control ExchangeContext::PrepareControl(int id, bool isEdit) {
    DialogControls::Control control = m_controls.FindControl(id);
    if (control == nullptr) throw std::logic_error("exchange names a control the dialog does not hold");
    m_lastControl = control;
    m_lastControlIsEdit = isEdit;
    return control;
}

void ExchangeContext::Fail() {
    // Runs after the message box has closed, so the focus lands on the field
    // the user has to correct.
    if (IsSaving() && m_lastControl != nullptr) {
        m_controls.SetFocus(m_lastControl);
        if (m_lastControlIsEdit) m_controls.SelectAllText(m_lastControl);
    }
    throw ExchangeRejected{};
}

void ExchangeDouble(ExchangeContext& dx, int controlId, double& value) {
    DialogControls& controls = dx.Controls();
    const DialogControls::Control control = dx.PrepareControl(controlId, true);
    if (dx.IsSaving()) {
        const std::optional<double> parsed = ParseNumberText(controls.ReadText(control, kExchangeReadChars));
        if (!parsed) {
            dx.Messages().ShowMessage(LoadResourceString(IDS_ENTER_NUMBER), MB_OK, IDS_ENTER_NUMBER);
            dx.Fail();
        }
        value = *parsed;
        return;
    }
    // A formatted number is far shorter than the read limit, so a text read
    // back equal to it is the whole text. Rewriting an equal text would only
    // lose the caret and the selection.
    static_assert(kMaxNumberTextLength < kExchangeReadChars);
    const std::string text = FormatNumberText(value);
    if (controls.ReadText(control, kExchangeReadChars) != text) controls.SetText(control, text);
}

void ExchangeRadio(ExchangeContext& dx, int firstButtonId, int& value) {
    DialogControls& controls = dx.Controls();
    DialogControls::Control control = dx.PrepareControl(firstButtonId, false);
    if (dx.IsSaving()) value = -1;
    // The group runs to the next control that starts a group; group boxes,
    // buttons and edits inside it take no index.
    int index = 0;
    do {
        if (controls.IsRadioButton(control)) {
            if (dx.IsSaving()) {
                if (controls.IsChecked(control)) value = index;
            } else {
                controls.SetChecked(control, index == value);
            }
            ++index;
        }
        control = controls.NextControl(control);
    } while (control != nullptr && !controls.StartsGroup(control));
}

void ValidateDoubleRange(ExchangeContext& dx, double value, double minimum, double maximum) {
    if (!dx.IsSaving()) return;
    if (value >= minimum && value <= maximum) return;  // NaN fails both
    const std::string message = FillMessagePlaceholders(LoadResourceString(IDS_ENTER_NUMBER_RANGE),
                                                        {FormatNumberText(minimum), FormatNumberText(maximum)});
    dx.Messages().ShowMessage(message, MB_OK | MB_ICONEXCLAMATION, IDS_ENTER_NUMBER_RANGE);
    dx.Fail();
}

void DoDataExchange(ExchangeContext& dx, ErrorFactorsFormRecord& form) {
    // The error factors come before the nominal values: this order decides
    // which of several bad fields is reported.
    ExchangeDouble(dx, IDC_FK_MAX, form.m_dFkMax);
    ExchangeDouble(dx, IDC_FK_MIN, form.m_dFkMin);
    ExchangeDouble(dx, IDC_FM_MAX, form.m_dFmMax);
    ExchangeDouble(dx, IDC_FM_MIN, form.m_dFmMin);
    ExchangeDouble(dx, IDC_FQ_MAX, form.m_dFqMax);
    ExchangeDouble(dx, IDC_FQ_MIN, form.m_dFqMin);
    ExchangeRadio(dx, IDC_SPECTRUM_TYPE1, form.m_nSpectrumType);
    ExchangeDouble(dx, IDC_PERIOD, form.m_dPeriod);
    ValidateDoubleRange(dx, form.m_dPeriod, kPeriodMin, kPeriodMax);
    ExchangeDouble(dx, IDC_BEHAVIOUR_FACTOR, form.m_dBehaviourFactor);
    ExchangeRadio(dx, IDC_SOIL_A, form.m_nSoilClass);
    ExchangeDouble(dx, IDC_DISP_MIN, form.m_dDispMin);
    ExchangeDouble(dx, IDC_FORCE_MIN, form.m_dForceMin);
    ExchangeDouble(dx, IDC_DISP_MAX, form.m_dDispMax);
    ExchangeDouble(dx, IDC_FORCE_MAX, form.m_dForceMax);
    ExchangeDouble(dx, IDC_AG, form.m_dAg);
    ValidateDoubleRange(dx, form.m_dAg, kAgMin, kAgMax);
}

namespace {
// Reports a failure that is not a rejected value. Nothing may escape from
// here: if even the report fails, the exchange still just returns false.
void ReportExchangeFailure(MessageService& messages, unsigned stringId) noexcept {
    try {
        messages.ShowMessage(LoadResourceString(stringId), MB_OK | MB_ICONEXCLAMATION, stringId);
    } catch (...) {
    }
}
}  // namespace

bool RunExchange(ExchangeDirection direction, DialogControls& controls, MessageService& messages,
                 const std::function<void(ExchangeContext&)>& steps) {
    ExchangeContext dx(direction, controls, messages);
    try {
        steps(dx);
        return true;
    } catch (const ExchangeRejected&) {
        return false;  // the step has shown its message and moved the focus
    } catch (const std::bad_alloc&) {
        ReportExchangeFailure(messages, IDS_OUT_OF_MEMORY);
    } catch (...) {
        ReportExchangeFailure(messages, IDS_INTERNAL_FAILURE);
    }
    return false;
}

bool UpdateData(ErrorFactorsFormRecord& form, ExchangeDirection direction, DialogControls& controls,
                MessageService& messages) {
    return RunExchange(direction, controls, messages, [&form](ExchangeContext& dx) { DoDataExchange(dx, form); });
}
