#include "ui/tcpsettings/win32/AlignEdit.h"

#include "framework/win32/Pump.h"

#include <gtest/gtest.h>

using namespace tav;

namespace {

// Where the first character of the text stands in the field, in pixels from its left edge.
int TextLeft(const TEdit& edit) {
    return LOWORD(SendMessageA(edit.Handle(), EM_POSFROMCHAR, 0, 0));
}

TEST(AlignEdit, ANewFieldCentresItsTextAndEachAlignmentMovesItAtOnce) {
    TForm* form = test::NewLoadedForm(nullptr, "AlignForm");
    auto* field = new TAlignEdit(form, form, "IP1EdBx");
    field->SetBounds(0, 0, 120, 24);
    field->SetMaxLength(3);
    field->SetText("1");
    EXPECT_EQ(field->FindProperty("Alignment")->getInteger(), 2);
    const int centred = TextLeft(*field);
    EXPECT_GT(centred, field->ToPixels(field->ClientWidth()) / 4);
    field->SetFocus();
    field->SetAlignment(TAlignment::LeftJustify);
    const int left = TextLeft(*field);
    field->FindProperty("Alignment")->setInteger(1);
    EXPECT_EQ(field->Alignment(), TAlignment::RightJustify);
    const int right = TextLeft(*field);
    EXPECT_LT(left, centred);
    EXPECT_LT(centred, right);
    // The field made anew is the same control in the same place, with its text, limit and focus.
    EXPECT_EQ(TControl::FromHandle(field->Handle()), field);
    EXPECT_EQ(GetParent(field->Handle()), form->Handle());
    EXPECT_EQ(field->Text(), "1");
    EXPECT_EQ(field->Width(), 120);
    EXPECT_EQ(SendMessageA(field->Handle(), EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_TRUE(field->Focused());
    field->FindProperty("Alignment")->setInteger(7); // no such alignment
    EXPECT_EQ(field->Alignment(), TAlignment::RightJustify);
    delete form;
}

} // namespace
