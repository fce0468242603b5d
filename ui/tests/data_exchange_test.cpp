#include "data_exchange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "message_box_flags.h"
#include "resource.h"
#include "support/main_dialog_model.h"
#include "support/recording_messages.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

const char kEnterNumber[] = "Digitare un numero.";
const char kPeriodRange[] = "Digitare un numero compreso tra 1e-005 e 100.";
const char kAgRange[] = "Digitare un numero compreso tra 0.0001 e 10.";

// The form as the dialog opens: the record's defaults loaded into the
// controls.
class FormExchange : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Load());
        dialog.log.clear();
        dialog.reads.clear();
        for (const DialogItem& item : dialog.Items()) ASSERT_LE(item.textWrites, 1);
        ResetWriteCounts();
    }

    bool Save() { return UpdateData(form, ExchangeDirection::Save, dialog, messages); }
    bool Load() { return UpdateData(form, ExchangeDirection::Load, dialog, messages); }

    void ResetWriteCounts() {
        for (int id = IDC_PERIOD; id <= IDC_AG; ++id) dialog.Item(id).textWrites = 0;
    }

    // The one message box of a failed save, then focus and selection on the
    // control at fault, in that order.
    void ExpectRejected(int id, const std::string& text, unsigned type, unsigned helpId) {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, text);
        EXPECT_EQ(messages.shown[0].type, type);
        EXPECT_EQ(messages.shown[0].helpId, helpId);
        const std::vector<std::string> expected{"box " + text, "focus " + std::to_string(id),
                                                "select " + std::to_string(id)};
        EXPECT_EQ(dialog.log, expected);
        EXPECT_EQ(dialog.FocusedId(), id);
        EXPECT_TRUE(dialog.Item(id).allSelected);
    }
    void ExpectNotANumber(int id) { ExpectRejected(id, kEnterNumber, MB_OK, IDS_ENTER_NUMBER); }
    void ExpectOutOfRange(int id, const std::string& text) {
        ExpectRejected(id, text, MB_OK | MB_ICONEXCLAMATION, IDS_ENTER_NUMBER_RANGE);
    }

    MainDialogModel dialog;
    RecordingMessageService messages{&dialog.log};
    ErrorFactorsFormRecord form;
};

struct FieldText {
    int id;
    const char* text;
};

TEST_F(FormExchange, StartUpShowsTheDefaults) {
    const FieldText expected[] = {
        {IDC_FK_MAX, "1.05"}, {IDC_FK_MIN, "0.95"},      {IDC_FM_MAX, "1.1"},          {IDC_FM_MIN, "0.9"},
        {IDC_FQ_MAX, "1.1"},  {IDC_FQ_MIN, "0.9"},       {IDC_PERIOD, "1"},            {IDC_BEHAVIOUR_FACTOR, "3"},
        {IDC_AG, "0.35"},     {IDC_DISP_MIN, "0"},       {IDC_FORCE_MIN, "0"},         {IDC_DISP_MAX, "0"},
        {IDC_FORCE_MAX, "0"},
    };
    for (const FieldText& field : expected) EXPECT_EQ(dialog.Text(field.id), field.text) << field.id;

    std::vector<int> checked;
    for (const DialogItem& item : dialog.Items())
        if (item.checked) checked.push_back(item.id);
    EXPECT_EQ(checked, (std::vector<int>{IDC_SPECTRUM_TYPE1, IDC_SOIL_C}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FormExchange, SavedDefaultsKeepTheRecordBitForBit) {
    ASSERT_TRUE(Save());
    EXPECT_TRUE(form == ErrorFactorsFormRecord{});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.FocusedId(), 0);
}

struct Rewrite {
    int id;
    const char* typed;
    const char* shown;
    double value;
};

TEST_F(FormExchange, SaveAndLoadRewriteTypedTextInCanonicalForm) {
    const Rewrite cases[] = {
        {IDC_BEHAVIOUR_FACTOR, "3.0", "3", 3.0},
        {IDC_AG, "  0.35\t ", "0.35", 0.35},
        {IDC_FQ_MAX, "2d3", "2000", 2000.0},
        {IDC_PERIOD, "0.00001", "1e-005", 0.00001},
        {IDC_DISP_MIN, "1000000000000000", "1e+015", 1e15},
        {IDC_FM_MAX, "1.23456789012345678", "1.23456789012346", 1.23456789012345678},
        {IDC_FORCE_MAX, "-.5", "-0.5", -0.5},
    };
    for (const Rewrite& c : cases) dialog.Type(c.id, c.typed);
    ASSERT_TRUE(Save());
    ASSERT_TRUE(Load());
    for (const Rewrite& c : cases) {
        EXPECT_EQ(dialog.Text(c.id), c.shown) << c.typed;
        EXPECT_EQ(dialog.Item(c.id).textWrites, 1) << c.typed;
    }
    EXPECT_EQ(form.m_dBehaviourFactor, 3.0);
    EXPECT_EQ(form.m_dAg, 0.35);
    EXPECT_EQ(form.m_dFqMax, 2000.0);
    EXPECT_EQ(form.m_dPeriod, 0.00001);
    EXPECT_EQ(form.m_dDispMin, 1e15);
    EXPECT_EQ(form.m_dFmMax, 1.23456789012345678);  // the value keeps its digits; only the text is rounded
    EXPECT_EQ(form.m_dForceMax, -0.5);
}

TEST_F(FormExchange, LoadLeavesControlsWhoseTextIsAlreadyRight) {
    dialog.Item(IDC_AG).allSelected = true;  // the user's selection in a field that needs no rewrite
    dialog.Type(IDC_PERIOD, "1.0");
    ASSERT_TRUE(Save());
    dialog.Item(IDC_AG).allSelected = true;
    ASSERT_TRUE(Load());
    for (int id = IDC_PERIOD; id <= IDC_AG; ++id) {
        if (dialog.Item(id).kind != ItemKind::Edit) continue;
        EXPECT_EQ(dialog.Item(id).textWrites, id == IDC_PERIOD ? 1 : 0) << id;
    }
    EXPECT_TRUE(dialog.Item(IDC_AG).allSelected);
    EXPECT_EQ(dialog.Text(IDC_PERIOD), "1");
}

TEST_F(FormExchange, LoadShowsAnyValueAndNeverComplains) {
    form.m_dPeriod = 1000.0;
    form.m_dAg = -kInf;
    ASSERT_TRUE(Load());
    EXPECT_EQ(dialog.Text(IDC_PERIOD), "1000");
    EXPECT_EQ(dialog.Text(IDC_AG), "-1.#INF");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.FocusedId(), 0);
}

struct RangeCase {
    int id;
    const char* typed;
    bool accepted;
    double stored;  // the member afterwards, accepted or not
};

TEST_F(FormExchange, PeriodAndAgAcceptTheirBoundsAndRejectWhatLiesOutside) {
    const RangeCase cases[] = {
        {IDC_PERIOD, "0.00001", true, 0.00001},
        {IDC_PERIOD, "100", true, 100.0},
        {IDC_PERIOD, "0.0000099999", false, 0.0000099999},
        {IDC_PERIOD, "100.0000000000001", false, 100.0000000000001},
        {IDC_PERIOD, "0", false, 0.0},
        {IDC_PERIOD, "1e400", false, kInf},
        {IDC_PERIOD, "-1e400", false, -kInf},
        {IDC_AG, "0.0001", true, 0.0001},
        {IDC_AG, "10", true, 10.0},
        {IDC_AG, "10.000000000000002", false, std::nextafter(10.0, 20.0)},
        {IDC_AG, "0", false, 0.0},
        {IDC_AG, "1e400", false, kInf},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.typed);
        MainDialogModel fresh;
        RecordingMessageService shown(&fresh.log);
        ErrorFactorsFormRecord record;
        ASSERT_TRUE(UpdateData(record, ExchangeDirection::Load, fresh, shown));
        fresh.log.clear();
        fresh.Type(c.id, c.typed);

        EXPECT_EQ(UpdateData(record, ExchangeDirection::Save, fresh, shown), c.accepted);
        const double stored = c.id == IDC_PERIOD ? record.m_dPeriod : record.m_dAg;
        EXPECT_EQ(stored, c.stored);
        if (c.accepted) {
            EXPECT_TRUE(shown.shown.empty());
            continue;
        }
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text, c.id == IDC_PERIOD ? kPeriodRange : kAgRange);
        EXPECT_EQ(shown.shown[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(shown.shown[0].helpId, unsigned{IDS_ENTER_NUMBER_RANGE});
        EXPECT_EQ(fresh.FocusedId(), c.id);
        EXPECT_TRUE(fresh.Item(c.id).allSelected);
        EXPECT_EQ(fresh.Text(c.id), c.typed);  // the control keeps what the user typed
    }
}

TEST_F(FormExchange, RangeFailureShowsTheBoxBeforeTheFocusMoves) {
    dialog.Type(IDC_PERIOD, "0");
    EXPECT_FALSE(Save());
    ExpectOutOfRange(IDC_PERIOD, kPeriodRange);
}

TEST_F(FormExchange, InfiniteFactorIsShownAsInfAndThatTextIsThenRejected) {
    dialog.Type(IDC_FK_MAX, "1e400");
    ASSERT_TRUE(Save());
    EXPECT_EQ(form.m_dFkMax, kInf);
    ASSERT_TRUE(Load());
    EXPECT_EQ(dialog.Text(IDC_FK_MAX), "1.#INF");

    dialog.log.clear();
    EXPECT_FALSE(Save());
    ExpectNotANumber(IDC_FK_MAX);
    EXPECT_EQ(form.m_dFkMax, kInf);
}

TEST_F(FormExchange, EveryNumberFieldRejectsTextThatIsNotANumber) {
    const int fields[] = {IDC_FK_MAX, IDC_FK_MIN,   IDC_FM_MAX,    IDC_FM_MIN,   IDC_FQ_MAX,    IDC_FQ_MIN, IDC_PERIOD,
                          IDC_BEHAVIOUR_FACTOR,     IDC_DISP_MIN,  IDC_FORCE_MIN, IDC_DISP_MAX, IDC_FORCE_MAX, IDC_AG};
    for (const int id : fields) {
        SCOPED_TRACE(id);
        MainDialogModel fresh;
        RecordingMessageService shown(&fresh.log);
        ErrorFactorsFormRecord record;
        ASSERT_TRUE(UpdateData(record, ExchangeDirection::Load, fresh, shown));
        fresh.Type(id, "abc");
        EXPECT_FALSE(UpdateData(record, ExchangeDirection::Save, fresh, shown));
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text, kEnterNumber);
        EXPECT_EQ(shown.shown[0].type, unsigned{MB_OK});
        EXPECT_EQ(shown.shown[0].helpId, unsigned{IDS_ENTER_NUMBER});
        EXPECT_EQ(fresh.FocusedId(), id);
        EXPECT_TRUE(fresh.Item(id).allSelected);
    }
}

struct FirstFailure {
    const char* name;
    std::vector<FieldText> typed;
    int focused;
    const char* message;
};

TEST_F(FormExchange, OnlyTheFirstFailureInStepOrderIsReported) {
    const FirstFailure cases[] = {
        // fkmax is step 1, T* step 8, although T* is higher up in the dialog.
        {"fkmax before T*", {{IDC_PERIOD, "x"}, {IDC_FK_MAX, "y"}}, IDC_FK_MAX, kEnterNumber},
        // Results (steps 12 to 15) come before the range of Ag (step 17).
        {"result before Ag range", {{IDC_AG, "0"}, {IDC_FORCE_MAX, "abc"}}, IDC_FORCE_MAX, kEnterNumber},
        // The range of T* (step 9) comes before q* (step 10).
        {"T* range before q*", {{IDC_BEHAVIOUR_FACTOR, "q"}, {IDC_PERIOD, "0"}}, IDC_PERIOD, kPeriodRange},
        {"fqmin before T* range", {{IDC_PERIOD, "1000"}, {IDC_FQ_MIN, ""}}, IDC_FQ_MIN, kEnterNumber},
        {"fmmax before fmmin", {{IDC_FM_MIN, "a"}, {IDC_FM_MAX, "b"}}, IDC_FM_MAX, kEnterNumber},
        {"fkmin before fqmax", {{IDC_FQ_MAX, "a"}, {IDC_FK_MIN, "b"}}, IDC_FK_MIN, kEnterNumber},
        {"q* before the results", {{IDC_DISP_MAX, "a"}, {IDC_BEHAVIOUR_FACTOR, "b"}}, IDC_BEHAVIOUR_FACTOR,
         kEnterNumber},
    };
    for (const FirstFailure& c : cases) {
        SCOPED_TRACE(c.name);
        MainDialogModel fresh;
        RecordingMessageService shown(&fresh.log);
        ErrorFactorsFormRecord record;
        ASSERT_TRUE(UpdateData(record, ExchangeDirection::Load, fresh, shown));
        for (const FieldText& field : c.typed) fresh.Type(field.id, field.text);
        EXPECT_FALSE(UpdateData(record, ExchangeDirection::Save, fresh, shown));
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text, c.message);
        EXPECT_EQ(fresh.FocusedId(), c.focused);
    }
}

struct ReadLimitCase {
    const char* name;
    std::string typed;
    bool accepted;
    double value;
};

TEST_F(FormExchange, OnlyTheFirst31CharactersOfAFieldAreRead) {
    const ReadLimitCase cases[] = {
        {"number in 31 characters, rubbish after", "0.35" + std::string(27, '0') + "xyz", true, 0.35},
        {"33 characters, the last digit unseen", "1.0000000000000000000000000000001", true, 1.0},
        {"31 blanks, the digit unseen", std::string(31, ' ') + "5", false, 0.0},
        {"30 blanks, the digit is the 31st", std::string(30, ' ') + "5", true, 5.0},
    };
    for (const ReadLimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        MainDialogModel fresh;
        RecordingMessageService shown(&fresh.log);
        ErrorFactorsFormRecord record;
        ASSERT_TRUE(UpdateData(record, ExchangeDirection::Load, fresh, shown));
        fresh.Type(IDC_FQ_MIN, c.typed);
        EXPECT_EQ(UpdateData(record, ExchangeDirection::Save, fresh, shown), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(record.m_dFqMin, c.value);
        } else {
            ASSERT_EQ(shown.shown.size(), 1u);
            EXPECT_EQ(shown.shown[0].text, kEnterNumber);
            EXPECT_EQ(fresh.FocusedId(), IDC_FQ_MIN);
        }
    }
}

TEST_F(FormExchange, BothDirectionsVisitTheNumberFieldsInStepOrderReadingAtMost31Characters) {
    const std::vector<int> stepOrder{IDC_FK_MAX,   IDC_FK_MIN,    IDC_FM_MAX,   IDC_FM_MIN,    IDC_FQ_MAX,
                                     IDC_FQ_MIN,   IDC_PERIOD,    IDC_BEHAVIOUR_FACTOR,         IDC_DISP_MIN,
                                     IDC_FORCE_MIN, IDC_DISP_MAX, IDC_FORCE_MAX, IDC_AG};
    for (const bool save : {true, false}) {
        SCOPED_TRACE(save ? "save" : "load");
        dialog.reads.clear();
        ASSERT_TRUE(save ? Save() : Load());
        std::vector<int> visited;
        for (const MainDialogModel::Read& read : dialog.reads) {
            visited.push_back(read.id);
            EXPECT_EQ(read.limit, 31u);
        }
        EXPECT_EQ(visited, stepOrder);
    }
}

// Every field typed with a new value and both groups clicked to another
// button, so that the record shows which steps ran.
void TypeNewValuesEverywhere(MainDialogModel& dialog) {
    dialog.Type(IDC_FK_MAX, "1.5");
    dialog.Type(IDC_FK_MIN, "0.5");
    dialog.Type(IDC_FM_MAX, "1.25");
    dialog.Type(IDC_FM_MIN, "0.75");
    dialog.Type(IDC_FQ_MAX, "1.3");
    dialog.Type(IDC_FQ_MIN, "0.7");
    dialog.ClickRadio(IDC_SPECTRUM_TYPE2);
    dialog.Type(IDC_PERIOD, "0.6");
    dialog.Type(IDC_BEHAVIOUR_FACTOR, "4");
    dialog.ClickRadio(IDC_SOIL_E);
    dialog.Type(IDC_DISP_MIN, "7");
    dialog.Type(IDC_FORCE_MIN, "8");
    dialog.Type(IDC_DISP_MAX, "9");
    dialog.Type(IDC_FORCE_MAX, "10");
    dialog.Type(IDC_AG, "0.2");
}

void ExpectErrorFactorsAndSpectrumRead(const ErrorFactorsFormRecord& form) {
    EXPECT_EQ(form.m_dFkMax, 1.5);
    EXPECT_EQ(form.m_dFkMin, 0.5);
    EXPECT_EQ(form.m_dFmMax, 1.25);
    EXPECT_EQ(form.m_dFmMin, 0.75);
    EXPECT_EQ(form.m_dFqMax, 1.3);
    EXPECT_EQ(form.m_dFqMin, 0.7);
    EXPECT_EQ(form.m_nSpectrumType, 1);
}

void ExpectStepsFromBehaviourFactorUnchanged(const ErrorFactorsFormRecord& form) {
    EXPECT_EQ(form.m_dBehaviourFactor, 3.0);
    EXPECT_EQ(form.m_nSoilClass, 2);
    EXPECT_EQ(form.m_dDispMin, 0.0);
    EXPECT_EQ(form.m_dForceMin, 0.0);
    EXPECT_EQ(form.m_dDispMax, 0.0);
    EXPECT_EQ(form.m_dForceMax, 0.0);
    EXPECT_EQ(form.m_dAg, 0.35);
}

TEST_F(FormExchange, RangeFailureOnPeriodLeavesTheRejectedValueAndLaterStepsUntouched) {
    TypeNewValuesEverywhere(dialog);
    dialog.Type(IDC_PERIOD, "200");
    EXPECT_FALSE(Save());
    ExpectErrorFactorsAndSpectrumRead(form);
    EXPECT_EQ(form.m_dPeriod, 200.0);
    ExpectStepsFromBehaviourFactorUnchanged(form);
    EXPECT_EQ(dialog.Text(IDC_PERIOD), "200");
    EXPECT_EQ(dialog.Text(IDC_AG), "0.2");
}

TEST_F(FormExchange, ParseFailureOnBehaviourFactorLeavesItAndLaterStepsUntouched) {
    TypeNewValuesEverywhere(dialog);
    dialog.Type(IDC_BEHAVIOUR_FACTOR, "3,5");
    EXPECT_FALSE(Save());
    ExpectNotANumber(IDC_BEHAVIOUR_FACTOR);
    ExpectErrorFactorsAndSpectrumRead(form);
    EXPECT_EQ(form.m_dPeriod, 0.6);
    ExpectStepsFromBehaviourFactorUnchanged(form);
    EXPECT_EQ(dialog.Text(IDC_BEHAVIOUR_FACTOR), "3,5");
}

TEST_F(FormExchange, SuccessfulSaveReadsEveryStep) {
    TypeNewValuesEverywhere(dialog);
    ASSERT_TRUE(Save());
    ExpectErrorFactorsAndSpectrumRead(form);
    EXPECT_EQ(form.m_dPeriod, 0.6);
    EXPECT_EQ(form.m_dBehaviourFactor, 4.0);
    EXPECT_EQ(form.m_nSoilClass, 4);
    EXPECT_EQ(form.m_dDispMin, 7.0);
    EXPECT_EQ(form.m_dForceMin, 8.0);
    EXPECT_EQ(form.m_dDispMax, 9.0);
    EXPECT_EQ(form.m_dForceMax, 10.0);
    EXPECT_EQ(form.m_dAg, 0.2);
}

struct RadioSave {
    const char* name;
    std::vector<int> checked;  // every radio button not listed is unchecked
    int spectrum;
    int soil;
};

TEST_F(FormExchange, RadioSaveCountsOnlyRadioButtonsAndTheLastCheckedWins) {
    const RadioSave cases[] = {
        {"one each", {IDC_SPECTRUM_TYPE2, IDC_SOIL_B}, 1, 1},
        {"first of each", {IDC_SPECTRUM_TYPE1, IDC_SOIL_A}, 0, 0},
        {"both spectrum buttons", {IDC_SPECTRUM_TYPE1, IDC_SPECTRUM_TYPE2, IDC_SOIL_E}, 1, 4},
        {"two soil buttons", {IDC_SPECTRUM_TYPE1, IDC_SOIL_A, IDC_SOIL_D}, 0, 3},
        {"none checked", {}, -1, -1},
    };
    for (const RadioSave& c : cases) {
        SCOPED_TRACE(c.name);
        for (const DialogItem& item : dialog.Items())
            if (item.kind == ItemKind::RadioButton) dialog.Item(item.id).checked = false;
        for (const int id : c.checked) dialog.Item(id).checked = true;
        form.m_nSpectrumType = 7;
        form.m_nSoilClass = 7;
        ASSERT_TRUE(Save());
        EXPECT_EQ(form.m_nSpectrumType, c.spectrum);
        EXPECT_EQ(form.m_nSoilClass, c.soil);
    }
}

struct RadioLoad {
    int spectrum;
    int soil;
    std::vector<int> checked;  // in template order
};

TEST_F(FormExchange, RadioLoadChecksTheButtonOfTheIndexAndNoneOutsideTheGroup) {
    const RadioLoad cases[] = {
        {1, 4, {IDC_SPECTRUM_TYPE2, IDC_SOIL_E}},
        {0, 0, {IDC_SPECTRUM_TYPE1, IDC_SOIL_A}},
        {-1, 3, {IDC_SOIL_D}},
        // Index 2 is past the spectrum group's two buttons: the walk stops at
        // the soil group's first button, which must not take it.
        {2, 1, {IDC_SOIL_B}},
        {1, 5, {IDC_SPECTRUM_TYPE2}},
        {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), {}},
    };
    for (const RadioLoad& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spectrum << ", " << c.soil);
        form.m_nSpectrumType = c.spectrum;
        form.m_nSoilClass = c.soil;
        ASSERT_TRUE(Load());
        std::vector<int> checked;
        for (const DialogItem& item : dialog.Items())
            if (item.checked) checked.push_back(item.id);
        EXPECT_EQ(checked, c.checked);
    }
}

TEST_F(FormExchange, LoadSetsTheCheckStateOfRadioButtonsOnly) {
    ASSERT_TRUE(Load());
    std::vector<std::string> checks;
    for (const std::string& entry : dialog.log)
        if (entry.rfind("check ", 0) == 0) checks.push_back(entry);
    const std::vector<std::string> expected{"check 1007 1", "check 1008 0", "check 1010 0", "check 1011 0",
                                            "check 1012 1", "check 1013 0", "check 1014 0"};
    EXPECT_EQ(checks, expected);
}

struct Breakdown {
    const char* name;
    std::function<void()> fault;
    const char* message;
    unsigned helpId;
};

TEST_F(FormExchange, OtherFailuresAreReportedAndEndTheExchange) {
    const Breakdown cases[] = {
        {"memory", [] { throw std::bad_alloc(); }, "Memoria insufficiente.", IDS_OUT_OF_MEMORY},
        {"anything else", [] { throw std::runtime_error("boom"); }, "Errore interno dell'applicazione.",
         IDS_INTERNAL_FAILURE},
        {"not even an exception class", [] { throw 42; }, "Errore interno dell'applicazione.", IDS_INTERNAL_FAILURE},
    };
    for (const Breakdown& c : cases) {
        SCOPED_TRACE(c.name);
        MainDialogModel fresh;
        RecordingMessageService shown(&fresh.log);
        ErrorFactorsFormRecord record;
        ASSERT_TRUE(UpdateData(record, ExchangeDirection::Load, fresh, shown));
        TypeNewValuesEverywhere(fresh);
        fresh.beforeRead = [&c](int id) {
            if (id == IDC_BEHAVIOUR_FACTOR) c.fault();
        };
        EXPECT_FALSE(UpdateData(record, ExchangeDirection::Save, fresh, shown));
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text, c.message);
        EXPECT_EQ(shown.shown[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(shown.shown[0].helpId, c.helpId);
        ExpectErrorFactorsAndSpectrumRead(record);
        EXPECT_EQ(record.m_dPeriod, 0.6);
        ExpectStepsFromBehaviourFactorUnchanged(record);
    }
}

// A message service that fails as it is asked to show the box.
class FailingMessageService final : public MessageService {
public:
    int ShowMessage(std::string_view, unsigned, unsigned) override {
        ++calls;
        throw std::bad_alloc();
    }
    int calls = 0;
};

TEST_F(FormExchange, AFailingReportStillEndsTheExchangeWithFalse) {
    FailingMessageService failing;
    dialog.Type(IDC_FK_MAX, "x");
    EXPECT_FALSE(UpdateData(form, ExchangeDirection::Save, dialog, failing));
    EXPECT_EQ(failing.calls, 2);  // the rejection's box, then the report of exhausted memory
}

TEST_F(FormExchange, AStepNamingAControlTheDialogLacksIsAnInternalFailure) {
    double value = 1.0;
    EXPECT_FALSE(RunExchange(ExchangeDirection::Save, dialog, messages,
                             [&value](ExchangeContext& dx) { ExchangeDouble(dx, 4242, value); }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Errore interno dell'applicazione.");
    EXPECT_EQ(value, 1.0);
}

TEST_F(FormExchange, RangeCheckRejectsNotANumberAndIgnoresTheLoadDirection) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(RunExchange(ExchangeDirection::Save, dialog, messages, [&](ExchangeContext& dx) {
        double period = 1.0;
        ExchangeDouble(dx, IDC_PERIOD, period);
        ValidateDoubleRange(dx, nan, 0.00001, 100.0);
    }));
    ExpectOutOfRange(IDC_PERIOD, kPeriodRange);

    messages.shown.clear();
    EXPECT_TRUE(RunExchange(ExchangeDirection::Load, dialog, messages,
                            [&](ExchangeContext& dx) { ValidateDoubleRange(dx, nan, 0.0001, 10.0); }));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FormExchange, EachExchangeStartsWithNoLastControl) {
    EXPECT_TRUE(RunExchange(ExchangeDirection::Save, dialog, messages, [](ExchangeContext& dx) {
        EXPECT_EQ(dx.LastControl(), nullptr);
        EXPECT_FALSE(dx.LastControlIsEdit());
    }));
}

}  // namespace
