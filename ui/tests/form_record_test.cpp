#include "form_record.h"

#include <gtest/gtest.h>

#include <cmath>

#include "data_exchange.h"
#include "resource.h"
#include "spectrum.h"
#include "support/main_dialog_model.h"
#include "support/recording_messages.h"

namespace {

TEST(FormRecord, StartsWithTheDefaults) {
    const ErrorFactorsFormRecord form;
    EXPECT_EQ(form.m_dFkMax, 1.05);
    EXPECT_EQ(form.m_dFkMin, 0.95);
    EXPECT_EQ(form.m_dFmMax, 1.1);
    EXPECT_EQ(form.m_dFmMin, 0.9);
    EXPECT_EQ(form.m_dFqMax, 1.1);
    EXPECT_EQ(form.m_dFqMin, 0.9);
    EXPECT_EQ(form.m_nSpectrumType, 0);
    EXPECT_EQ(form.m_dPeriod, 1.0);
    EXPECT_EQ(form.m_dBehaviourFactor, 3.0);
    EXPECT_EQ(form.m_nSoilClass, 2);
    EXPECT_EQ(form.m_dDispMin, 0.0);
    EXPECT_EQ(form.m_dForceMin, 0.0);
    EXPECT_EQ(form.m_dDispMax, 0.0);
    EXPECT_EQ(form.m_dForceMax, 0.0);
    EXPECT_EQ(form.m_dAg, 0.35);
}

TEST(FormRecord, MapsEachMemberOntoItsOwnEngineInput) {
    ErrorFactorsFormRecord form;
    // Every value distinct, so that two crossed members cannot go unnoticed.
    form.m_dFkMax = 11;
    form.m_dFkMin = 12;
    form.m_dFmMax = 13;
    form.m_dFmMin = 14;
    form.m_dFqMax = 15;
    form.m_dFqMin = 16;
    form.m_nSpectrumType = 1;
    form.m_dPeriod = 17;
    form.m_dBehaviourFactor = 18;
    form.m_nSoilClass = 3;
    form.m_dAg = 19;
    const ErrorFactorInputs in = ToErrorFactorInputs(form);
    EXPECT_EQ(in.FkMax, 11);
    EXPECT_EQ(in.FkMin, 12);
    EXPECT_EQ(in.FmMax, 13);
    EXPECT_EQ(in.FmMin, 14);
    EXPECT_EQ(in.FqMax, 15);
    EXPECT_EQ(in.FqMin, 16);
    EXPECT_EQ(in.Spectrum, SpectrumType::Type2);
    EXPECT_EQ(in.Period, 17);
    EXPECT_EQ(in.BehaviourFactor, 18);
    EXPECT_EQ(in.Soil, SoilClass::D);
    EXPECT_EQ(in.Ag, 19);
}

TEST(FormRecord, StoresEachResultInItsOwnMember) {
    ErrorFactorsFormRecord form;
    StoreErrorFactorBounds(form, ErrorFactorBounds{0.25, 0.5, 0.75, 1.25});
    EXPECT_EQ(form.m_dDispMin, 0.25);
    EXPECT_EQ(form.m_dForceMin, 0.5);
    EXPECT_EQ(form.m_dDispMax, 0.75);
    EXPECT_EQ(form.m_dForceMax, 1.25);
}

TEST(FormRecord, IndexOutsideAGroupReachesTheEngineAsNoTableRow) {
    const int indexes[][2] = {{-1, 2}, {0, -1}, {2, 2}, {0, 5}};
    for (const auto& pair : indexes) {
        ErrorFactorsFormRecord form;
        form.m_nSpectrumType = pair[0];
        form.m_nSoilClass = pair[1];
        const ErrorFactorInputs in = ToErrorFactorInputs(form);
        EXPECT_TRUE(std::isnan(LookupSpectrumParams(in.Spectrum, in.Soil).S)) << pair[0] << ", " << pair[1];
    }
}

// The road of one calculation with the defaults: save, compute, store, load.
TEST(FormRecord, DefaultsCalculateToTheDocumentedResultTexts) {
    MainDialogModel dialog;
    RecordingMessageService messages;
    ErrorFactorsFormRecord form;
    ASSERT_TRUE(UpdateData(form, ExchangeDirection::Load, dialog, messages));
    ASSERT_TRUE(UpdateData(form, ExchangeDirection::Save, dialog, messages));
    StoreErrorFactorBounds(form, ComputeErrorFactorBounds(ToErrorFactorInputs(form)));
    ASSERT_TRUE(UpdateData(form, ExchangeDirection::Load, dialog, messages));
    EXPECT_EQ(dialog.Text(IDC_DISP_MIN), "0.84");
    EXPECT_EQ(dialog.Text(IDC_FORCE_MIN), "0.88");
    EXPECT_EQ(dialog.Text(IDC_DISP_MAX), "1.2");
    EXPECT_EQ(dialog.Text(IDC_FORCE_MAX), "1.14");
}

}  // namespace
