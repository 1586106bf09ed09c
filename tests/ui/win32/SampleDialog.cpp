#include "SampleDialog.h"

#include "framework/Text.h"

namespace tav::test {

TSampleDialog::TSampleDialog(TComponent* owner, TSampleSettings& settings)
    : TForm(owner, "SampleDialog", TBorderStyle::Dialog), settings_(settings) {
    SetCaption("Sample settings");
    // F1 asks for the help of the page of the focused control, else of the whole dialog.
    HelpContext = 1050;

    TAV_CREATE(PageCtl, {.Parent = this});
    TAV_CREATE(GeneralTab, {.Parent = PageCtl, .Caption = "&General", .HelpContext = 1051});
    TAV_CREATE(PortLbl, {.Parent = GeneralTab, .Caption = "&Port:"});
    TAV_CREATE(PortCoBx, {.Parent = GeneralTab,
                          .Items = {"COM1", "COM2", "COM3", "COM4"},
                          .OnChange = Handler(&TSampleDialog::PortCoBxChange)});
    TAV_CREATE(SpeedLbl, {.Parent = GeneralTab, .Caption = "&Speed:"});
    TAV_CREATE(SpeedEdBx,
               {.Parent = GeneralTab, .OnChange = Handler(&TSampleDialog::SpeedEdBxChange)});
    TAV_CREATE(SpeedUpDwn, {.Parent = GeneralTab, .Associate = SpeedEdBx});
    TAV_CREATE(NameLbl, {.Parent = GeneralTab, .Caption = "&Name:"});
    TAV_CREATE(NameEdBx,
               {.Parent = GeneralTab, .OnChange = Handler(&TSampleDialog::NameEdBxChange)});
    TAV_CREATE(LogChBx, {.Parent = GeneralTab,
                         .Caption = "&Write a log file",
                         .OnClick = Handler(&TSampleDialog::LogChBxClick)});
    TAV_CREATE(StartChBx, {.Parent = GeneralTab, .Caption = "Start &minimized"});

    TAV_CREATE(OptionsTab, {.Parent = PageCtl, .Caption = "&Options"});
    TAV_CREATE(ModeRGrp, {.Parent = OptionsTab,
                          .Caption = "&Recognition mode",
                          .Items = {"B&ytes", "&Pulse timing", "&Console"},
                          .OnClick = Handler(&TSampleDialog::ModeRGrpClick)});
    TAV_CREATE(TimeOutLbl, {.Parent = OptionsTab, .Caption = "&Time-out (ms):"});
    TAV_CREATE(TimeOutEdBx, {.Parent = OptionsTab});
    TAV_CREATE(TimeOutUpDwn, {.Parent = OptionsTab, .Associate = TimeOutEdBx});
    TAV_CREATE(BinaryChBx, {.Parent = OptionsTab, .Caption = "&Binary codes"});
    TAV_CREATE(OutputGrpBx, {.Parent = OptionsTab, .Caption = "Output"});
    TAV_CREATE(DestLbl, {.Parent = OutputGrpBx, .Caption = "&Destination:"});
    TAV_CREATE(DestCoBx, {.Parent = OutputGrpBx, .Items = {"Serial port", "TCP/IP", "DDE"}});

    TAV_CREATE(SoundsTab, {.Parent = PageCtl, .Caption = "So&unds", .HelpContext = 1052});
    TAV_CREATE(SoundsList, {.Parent = SoundsTab, .Width = 260, .Height = 120});
    TAV_CREATE(AddSoundBtn, {.Parent = SoundsTab,
                             .Caption = "&Add...",
                             .OnClick = Handler(&TSampleDialog::AddSoundBtnClick)});
    TAV_CREATE(DeleteSoundBtn, {.Parent = SoundsTab,
                                .Caption = "De&lete",
                                .OnClick = Handler(&TSampleDialog::DeleteSoundBtnClick)});

    TAV_CREATE(OkBtn, {.Parent = this, .Caption = "OK", .ModalResult = mrOk, .Default = true});
    TAV_CREATE(CancelBtn,
               {.Parent = this, .Caption = "Cancel", .ModalResult = mrCancel, .Cancel = true});
    TAV_CREATE(
        HelpBtn,
        {.Parent = this, .Caption = "&Help", .OnClick = Handler(&TSampleDialog::HelpBtnClick)});
    Lang = CreateFormLanguage(this, SampleDialogTranslations);

    SoundsList->AddColumn("Name", 100);
    SoundsList->AddColumn("File", 150);
    TimeOutUpDwn->SetRange(0, 5000);
    SpeedUpDwn->SetRange(0, 32767);

    SetLayout(Column({
        Pages(PageCtl,
              {Page(GeneralTab, Column({LabelRows({{PortLbl, PortCoBx},
                                                   {SpeedLbl, Spin(SpeedEdBx, SpeedUpDwn)},
                                                   {NameLbl, NameEdBx}}),
                                        LogChBx, StartChBx})),
               Page(OptionsTab,
                    Column({ModeRGrp, LabelRows({{TimeOutLbl, Spin(TimeOutEdBx, TimeOutUpDwn)}}),
                            BinaryChBx, Group(OutputGrpBx, LabelRows({{DestLbl, DestCoBx}}))})),
               Page(SoundsTab,
                    Column({Expand(SoundsList), Buttons({AddSoundBtn, DeleteSoundBtn})}))}),
        Buttons({OkBtn, CancelBtn, HelpBtn}),
    }));

    PortCoBx->SetItemIndex(settings_.Port);
    SpeedUpDwn->SetPosition(settings_.Speed);
    NameEdBx->SetText(settings_.Name);
    LogChBx->SetChecked(settings_.Log);
    ModeRGrp->SetItemIndex(settings_.Mode);
    TimeOutUpDwn->SetPosition(175);
}

void TSampleDialog::PortCoBxChange(TObject*) {
    settings_.Port = PortCoBx->ItemIndex();
}

void TSampleDialog::SpeedEdBxChange(TObject*) {
    settings_.Speed = SpeedUpDwn->Position();
}

void TSampleDialog::NameEdBxChange(TObject*) {
    settings_.Name = NameEdBx->Text();
}

void TSampleDialog::LogChBxClick(TObject*) {
    settings_.Log = LogChBx->Checked();
}

void TSampleDialog::ModeRGrpClick(TObject*) {
    settings_.Mode = ModeRGrp->ItemIndex();
    // Only the console mode sends anything out.
    OutputGrpBx->SetEnabled(settings_.Mode == 2);
}

void TSampleDialog::AddSoundBtnClick(TObject*) {
    TListItem* item = SoundsList->AddItem();
    item->SetCaption("Sound " + IntToStr(SoundsList->ItemCount()));
    item->AddSubItem("chime.wav");
}

// The help of the page shown; a page without help of its own has none.
void TSampleDialog::HelpBtnClick(TObject*) {
    if (const int context = PageCtl->ActivePage()->HelpContext; context != 0)
        Application().HelpContext(context);
}

void TSampleDialog::DeleteSoundBtnClick(TObject*) {
    if (const int index = SoundsList->ItemIndex(); index >= 0)
        SoundsList->DeleteItem(index);
}

namespace {
constexpr std::string_view kProperties[] = {
    "SampleDialog.Caption",
    "SampleDialog.GeneralTab.Caption",
    "SampleDialog.PortLbl.Caption",
    "SampleDialog.PortCoBx.Items",
    "SampleDialog.SpeedLbl.Caption",
    "SampleDialog.NameLbl.Caption",
    "SampleDialog.LogChBx.Caption",
    "SampleDialog.StartChBx.Caption",
    "SampleDialog.OptionsTab.Caption",
    "SampleDialog.ModeRGrp.Caption",
    "SampleDialog.ModeRGrp.Items",
    "SampleDialog.TimeOutLbl.Caption",
    "SampleDialog.BinaryChBx.Caption",
    "SampleDialog.OutputGrpBx.Caption",
    "SampleDialog.DestLbl.Caption",
    "SampleDialog.DestCoBx.Items",
    "SampleDialog.SoundsTab.Caption",
    "SampleDialog.AddSoundBtn.Caption",
    "SampleDialog.DeleteSoundBtn.Caption",
    "SampleDialog.OkBtn.Caption",
    "SampleDialog.CancelBtn.Caption",
    "SampleDialog.HelpBtn.Caption",
};
constexpr std::string_view kDirectKeys[] = {"SampleDialog.Caption"};
} // namespace

const TFormTranslations SampleDialogTranslations{"SampleDialog", ",", kProperties, kDirectKeys, {}};

} // namespace tav::test
