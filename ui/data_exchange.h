// Moving values between the form record and the dialog's controls, in both
// directions, with the validation of the save direction.
//
// A rejected value ends the exchange with the exception ExchangeRejected:
// the step shows its message, moves the focus (save direction), then
// throws, so no later step can run. RunExchange catches it and returns
// false; nothing outside an exchange sees it.
#pragma once

#include <functional>

#include "dialog_controls.h"
#include "form_record.h"
#include "message_service.h"

enum class ExchangeDirection { Load, Save };  // record to controls, controls to record

// Only this many characters of a control's text are read: the control's
// text is copied into a buffer of 32 with its terminator.
inline constexpr std::size_t kExchangeReadChars = 31;

// The state of one exchange.
class ExchangeContext {
public:
    ExchangeContext(ExchangeDirection direction, DialogControls& controls, MessageService& messages)
        : m_direction(direction), m_controls(controls), m_messages(messages) {}

    ExchangeDirection Direction() const { return m_direction; }
    bool IsSaving() const { return m_direction == ExchangeDirection::Save; }
    DialogControls& Controls() { return m_controls; }
    MessageService& Messages() { return m_messages; }

    // Finds the control with this id and records it as the last control
    // prepared. A dialog without that id is a fault of the program: it ends
    // the exchange as an internal failure (std::logic_error).
    DialogControls::Control PrepareControl(int id, bool isEdit);

    DialogControls::Control LastControl() const { return m_lastControl; }
    bool LastControlIsEdit() const { return m_lastControlIsEdit; }

    // Ends the exchange after a rejected value whose message has been shown:
    // in the save direction the last control gets the focus, with all its
    // text selected when it is an edit. Throws ExchangeRejected.
    [[noreturn]] void Fail();

private:
    ExchangeDirection m_direction;
    DialogControls& m_controls;
    MessageService& m_messages;
    DialogControls::Control m_lastControl = nullptr;
    bool m_lastControlIsEdit = false;
};

// Thrown by ExchangeContext::Fail; caught by RunExchange.
struct ExchangeRejected {};

// A number field: parsed into value (save) or written as its text (load).
void ExchangeDouble(ExchangeContext& dx, int controlId, double& value);

// A radio group that begins with the button firstButtonId and runs to the
// next control that starts a group; value is the index of the checked
// radio button, -1 when none is.
void ExchangeRadio(ExchangeContext& dx, int firstButtonId, int& value);

// Save direction: rejects a value below minimum, above maximum or NaN, with
// the range message, and the focus on the field of the step before.
void ValidateDoubleRange(ExchangeContext& dx, double value, double minimum, double maximum);

// The form's 17 steps, in their fixed order; the same in both directions.
void DoDataExchange(ExchangeContext& dx, ErrorFactorsFormRecord& form);

// Runs one exchange with a fresh context. True when every step ran; false
// after a rejected value (its message shown, its control focused) or after
// any other failure, which is reported here: "Memoria insufficiente." for
// exhausted memory, "Errore interno dell'applicazione." for anything else.
bool RunExchange(ExchangeDirection direction, DialogControls& controls, MessageService& messages,
                 const std::function<void(ExchangeContext&)>& steps);

// One exchange of the form record: RunExchange over DoDataExchange.
bool UpdateData(ErrorFactorsFormRecord& form, ExchangeDirection direction, DialogControls& controls,
                MessageService& messages);
