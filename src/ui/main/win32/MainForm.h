#pragma once
// The main window: the menus, the status bar (configuration file, running origins), the Run!
// button, the document and the settings, the road of the received codes, and the routines of
// the program's start and end.

#include "components/filesrc/FileSource.h"
#include "components/mixer/AudioMixer.h"
#include "components/pipe/win32/NamedPipeServerThread.h"
#include "components/sendkeys/win32/Sendkeys.h"
#include "components/serial/win32/SerialPort.h"
#include "engine/actions/ActionLabels.h"
#include "engine/actions/MessageLists.h"
#include "engine/actions/win32/ActionRoad.h"
#include "engine/document/Document.h"
#include "engine/driver/DriverOrigins.h"
#include "engine/driver/win32/Win32DriverLinks.h"
#include "engine/keyboard/win32/Win32KeyboardHook.h"
#include "engine/origins/win32/AVerForm.h"
#include "engine/origins/win32/TvCard.h"
#include "engine/serial/DeviceDefaults.h"
#include "engine/serial/DeviceTable.h"
#include "engine/serial/PowerOrigins.h"
#include "engine/serial/SerialConsole.h"
#include "engine/serial/SerialReceiver.h"
#include "engine/serial/win32/Win32PerformanceCounter.h"
#include "engine/settings/Settings.h"
#include "engine/settings/win32/LaunchAtLogon.h"
#include "engine/settings/win32/RegistryStore.h"
#include "framework/win32/ComCtrls.h"
#include "framework/win32/DrawnImages.h"
#include "framework/win32/Forms.h"
#include "framework/win32/ListView.h"
#include "framework/win32/Menus.h"
#include "framework/win32/StdCtrls.h"
#include "framework/win32/Timer.h"
#include "framework/win32/TreeView.h"
#include "support/help/win32/ProgramHelp.h"
#include "ui/lang/Lang.h"
#include "ui/main/ActionPanel.h"
#include "ui/main/DocumentFiles.h"
#include "ui/main/EditorActionLabels.h"
#include "ui/main/win32/ActionLinks.h"
#include "ui/main/win32/CommandsTreeView.h"
#include "ui/main/win32/MainRoad.h"
#include "ui/main/win32/ReportSinks.h"
#include "ui/main/win32/SerialPortLink.h"
#include "ui/main/win32/SingleInstance.h"
#include "ui/osd/win32/OnScreenDisplay.h"
#include "ui/settings/SettingsFormHost.h"
#include "ui/splash/win32/SplashForm.h"
#include "ui/tray/win32/TrayIcon.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace tav {
namespace themes {
class TStyleManager;
} // namespace themes

class TSettingsForm;
class TActionForm;

class TMainForm : public TForm,
                  private IDocumentFilesView,
                  private IOriginHost,
                  private ITrayIndicator,
                  private ISerialHost,
                  private IOriginSwitch,
                  private ISettingsFormHost {
public:
    // `settingsKey` is where the settings live below HKEY_CURRENT_USER; `arguments` is the
    // command line without the program's name (at most a configuration file to open).
    explicit TMainForm(TComponent* owner, std::string settingsKey = kSettingsKey,
                       std::vector<std::string> arguments = {});
    ~TMainForm() override;

    // Creation of the window's own state; with no sender only the document part.
    void FormCreate(TObject* sender);
    // Destruction of the window's own state; with no sender only the document part.
    void FormDestroy(TObject* sender);
    // The show routine of start-up: the version check, loading the stored settings and opening
    // the configuration file and the origins. Called by the show event, or directly with no
    // sender when the program starts minimized; its body runs once.
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);

    void NewMenuClick(TObject* sender);
    void OpenMenuClick(TObject* sender);
    void ImportMenuClick(TObject* sender);
    void SaveMenuClick(TObject* sender);
    void SaveAsMenuClick(TObject* sender);
    void ExitMenuClick(TObject* sender);
    void EnableOriginMenuClick(TObject* sender);
    void TestOriginMenuClick(TObject* sender);
    void AboutMenuClick(TObject* sender);
    // The settings dialog, modal; once it closed the info socket the settings choose runs and
    // the sound list is stored.
    void SettingsMenuClick(TObject* sender);
    // The Help button and Help > Index open the help file at the main window's page.
    void HelpBtnClick(TObject* sender);
    void IndexMenuClick(TObject* sender);
    void IRTimerTimer(TObject* sender);
    void TypematicTimerTimer(TObject* sender);
    // The serial origins: the receiver's bytes and carrier-detect line, its start-up steps,
    // and the console's bytes.
    void ComPortRxChar(TObject* sender, std::int32_t count);
    void ComPortRLSDChange(TObject* sender, bool on);
    void UIRTimerTimer(TObject* sender);
    void ComPort2RxChar(TObject* sender, std::int32_t count);
    // The next action of the chain the action timer runs.
    void ActionTimerTimer(TObject* sender);

    // The commands tree and its menus. Each operation acts on the node selected when it starts
    // (for the popup's items, the node selected when the popup opened), and only while the
    // document still has it after any prompt.
    void NewRemoteMenuClick(TObject* sender);
    void NewCommandMenuClick(TObject* sender);
    void LearnMenuClick(TObject* sender);
    void RenameMenuClick(TObject* sender);
    void DeleteMenuClick(TObject* sender);
    void EnabledMenuClick(TObject* sender);
    void TypematicMenuClick(TObject* sender);
    void SoundListMenuClick(TObject* sender);
    void CopyToActionMenuClick(TObject* sender);
    // The states, checks and sound items of the Commands menu follow the selection.
    void CommandsMenuClick(TObject* sender);
    // The popup is built anew as a copy of the Commands menu.
    void CommandsPopUpMenuPopup(TObject* sender);
    void CommandsTreeStartDrag(TObject* sender);
    void CommandsTreeDragOver(TObject* sender, TObject* source, int x, int y, TDragState state,
                              bool& accept);
    void CommandsTreeDragDrop(TObject* sender, TObject* source, int x, int y);
    void CommandsTreeKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void CommandsTreeEdited(TObject* sender, TTreeNode* node, std::string& text);
    TCommandsTreeView& CommandsView() { return *commandsView_; }

    // Behind the tray icon: Run! hides the program there while the origins run; the icon's
    // double click (or the tray menu's first item) brings it back past the password.
    void RunBtnClick(TObject* sender);
    void TrayIconDblClick(TObject* sender);
    void TrayColorTimerTimer(TObject* sender);
    void TrayPopUpMenuPopup(TObject* sender);
    // Activation of the main window; also called once with no sender when the program starts
    // minimized. Presses Run! at start-up when "Load minimized" is set and ends the splash.
    void FormActivate(TObject* sender);

    // The action-item panel: the layout and item shown, the item's trigger commands, switches
    // and actions (MainActionPanel.cpp). ShowActionItem redraws the whole panel from the
    // document.
    void ShowActionItem();
    void LayoutCoBxChange(TObject* sender);
    void LayoutSetupMenuClick(TObject* sender);
    void ManageLayoutsBtnClick(TObject* sender);
    void ActionCoBxChange(TObject* sender);
    void NewBtnClick(TObject* sender);
    void DeleteBtnClick(TObject* sender);
    void RenameBtnClick(TObject* sender);
    // Appends the commands tree's selected command, or all commands of its selected remote, to
    // the shown item's trigger list.
    void TriggerTreeDragOver(TObject* sender, TObject* source, int x, int y, TDragState state,
                             bool& accept);
    void TriggerTreeDragDrop(TObject* sender, TObject* source, int x, int y);
    void TriggerTreeMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x,
                              int y);
    void TriggerTreeKeyDown(TObject* sender, WORD& key, TShiftState shift);
    void TriggerTreePopUpMenuPopup(TObject* sender);
    void DeleteTriggerClick(TObject* sender);
    void TriggeringRGrpClick(TObject* sender);
    void TrigTypeRGrpClick(TObject* sender);
    void AllAtOnceChBtnClick(TObject* sender);
    void ActionPageCtrlChange(TObject* sender);
    void NewActionBtnClick(TObject* sender);
    void RemoveBtnClick(TObject* sender);
    void PropertiesBtnClick(TObject* sender);
    void ActionsListDblClick(TObject* sender);
    void ActionsListSelectItem(TObject* sender, TListItem* item, bool selected);
    void ActionsListDragOver(TObject* sender, TObject* source, int x, int y, TDragState state,
                             bool& accept);
    void ActionsListDragDrop(TObject* sender, TObject* source, int x, int y);

    // Makes the action editor; with `continueStartup` the end of its creation runs the rest of
    // the start-up: for "Load minimized" the show routine and Run!, else showing the window.
    void CreateActionEditor(bool continueStartup);
    // The action editor, made on first use when the start-up did not make it.
    TActionForm& ActionEditor();

    TDocument& Document() { return document_; }
    TSettings& Settings() { return settings_; }
    // What the serial-port dialog needs of the program, for its openers.
    ISerialDialogHost& SerialDialogHost() { return *this; }
    // The entry that starts the program at logon, absolute below HKEY_CURRENT_USER.
    std::string RunKey = kRunKey;
    // Where every input origin delivers its data.
    TCodeReceiver& Receiver() { return road_->Receiver(); }
    TOriginControl& Origins() { return road_->Origins(); }
    // The origins' routines; until an origin is built in, opening it fails with a message.
    bool SwitchOrigin(TOrigin origin, bool active) override;

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* FileMenu = nullptr;
    TMenuItem* NewMenu = nullptr;
    TMenuItem* OpenMenu = nullptr;
    TMenuItem* SaveMenu = nullptr;
    TMenuItem* SaveAsMenu = nullptr;
    TMenuItem* ImportMenu = nullptr;
    TMenuItem* SettingsMenu = nullptr;
    TMenuItem* ExitMenu = nullptr;
    TMenuItem* CommandsMenu = nullptr;
    TMenuItem* EnableOriginMenu = nullptr;
    TMenuItem* TestOriginMenu = nullptr;
    TMenuItem* NewRemoteMenu = nullptr;
    TMenuItem* NewCommandMenu = nullptr;
    TMenuItem* LearnMenu = nullptr;
    TMenuItem* PropertiesMenu = nullptr;
    TMenuItem* EnabledMenu = nullptr;
    TMenuItem* TypematicMenu = nullptr;
    // Its first item is NoneMenu; one item per sound of the settings follows, made anew at
    // each opening of the Commands menu.
    TMenuItem* SoundMenu = nullptr;
    TMenuItem* NoneMenu = nullptr;
    TMenuItem* CopyToActionMenu = nullptr;
    TMenuItem* RenameMenu = nullptr;
    TMenuItem* DeleteMenu = nullptr;
    TMenuItem* HelpMenu = nullptr;
    TMenuItem* IndexMenu = nullptr;
    TMenuItem* AboutMenu = nullptr;
    TButton* SettingsBtn = nullptr;
    TButton* RunBtn = nullptr;
    TButton* HelpBtn = nullptr;
    TGroupBox* RemoteCommandsGrpBx = nullptr;
    TTreeView* CommandsTree = nullptr;
    // Pictures of the commands tree (and of the trigger lists, which show its nodes).
    TDrawnImageList* CommandsImgList = nullptr;
    TPopupMenu* CommandsPopUpMenu = nullptr;
    TPopupMenu* TrayPopUpMenu = nullptr;
    TMenuItem* RestoreMenu = nullptr;
    TTrayIcon* TrayIcon = nullptr;
    // Puts the "waiting" icon back 150 ms after a code was received.
    TTimer* TrayColorTimer = nullptr;
    // Panel 0: the configuration file's name; panel 1: the running origins.
    TStatusBar* StatBar = nullptr;
    // End of a code of the origins without an end marker; the recognition time-out; the
    // receiver's start-up steps.
    TTimer* IRTimer = nullptr;
    TTimer* TypematicTimer = nullptr;
    TTimer* UIRTimer = nullptr;
    // The receiver, the console and the output port of the send-data action.
    TSerialPort* ComPort = nullptr;
    TSerialPort* ComPort2 = nullptr;
    TSerialPort* ComPortData = nullptr;
    TLanguage* Lang = nullptr;
    // Draws the controls of every form with the desktop's visual style.
    themes::TStyleManager* StyleManager1 = nullptr;
    // What the actions of fired commands reach: keystrokes, the mixer, the on-screen display,
    // and the timer between the actions of a chain.
    TSendkeys* SendKeys = nullptr;
    TAudioMixer* Mixer = nullptr;
    TOnScreenDisplay* Osd = nullptr;
    TTimer* ActionTimer = nullptr;
    // The TCP peers (control and info sockets) and the DDE service of the reports.
    TTcpSockets* TcpSockets = nullptr;
    TDdeReports* DdeReports = nullptr;
    // The keyboard-hook library the program carries, written out while the window lives.
    TFileSource* VardokFileSrc = nullptr;
    // The TV card's remote (polled) and the TV application's remote (window messages).
    TTvCard* TvCard = nullptr;
    TTvApplication* TvApplication = nullptr;
    // The action-item panel.
    TMenuItem* ActionsMenu = nullptr;
    TMenuItem* LayoutSetupMenu = nullptr;
    TPageControl* EventPageCtrl = nullptr;
    TTabSheet* ExecuteActionTab = nullptr;
    TGroupBox* ActionsGrpBx = nullptr;
    TLabel* LayoutLbl = nullptr;
    TComboBox* LayoutCoBx = nullptr;
    TButton* ManageLayoutsBtn = nullptr;
    TLabel* ActionLbl = nullptr;
    TComboBox* ActionCoBx = nullptr;
    TButton* NewBtn = nullptr;
    TButton* DeleteBtn = nullptr;
    TButton* RenameBtn = nullptr;
    TPageControl* ActionPageCtrl = nullptr;
    TTabSheet* TriggerTab = nullptr;
    TTreeView* TriggerTree = nullptr;
    TPopupMenu* TriggerTreePopUpMenu = nullptr;
    TMenuItem* DeleteTrigger = nullptr;
    TRadioGroup* TriggeringRGrp = nullptr;
    TRadioGroup* TrigTypeRGrp = nullptr;
    TTabSheet* ActionListTab = nullptr;
    TListView* ActionsList = nullptr;
    // The actions' pictures: those of the list's rows, and those of the action editor's type
    // list. Each follows the DPI of the one window that shows it.
    TDrawnImageList* ActionsTransList = nullptr;
    TDrawnImageList* ActionsImgList = nullptr;
    TCheckBox* AllAtOnceChBtn = nullptr;
    TButton* NewActionBtn = nullptr;
    TButton* RemoveBtn = nullptr;
    TButton* PropertiesBtn = nullptr;

protected:
    void WndProc(TMessage& message) override;

private:
    // What the file operations need of the window.
    std::string FileNamePanel() const override;
    void SetFileNamePanel(const std::string& name) override;
    std::optional<std::string> AskOpenFileName() override;
    std::optional<std::string> AskSaveFileName() override;
    TSaveChangesAnswer AskSaveChanges() override;
    bool Confirm(const std::string& text) override;
    void ShowFileError(const std::string& text, const std::string& title) override;
    void ShowFileNotice(const std::string& text) override;
    std::string SaveDateText() override;
    std::string Translate(const std::string& english) override;
    void CloseOrigins() override;
    void DocumentReloaded() override;
    void ModifiedChanged() override;
    void SetBusy(bool busy) override;

    // What the origin control needs of the window.
    std::string EnableOriginCaption() const override;
    bool EnableOriginChecked() const override;
    void SetEnableOriginChecked(bool checked) override;
    void SetOriginStatus(const std::string& text) override;

    // What the recognizer needs of the tray.
    void ShowReceiving() override;
    bool IconVisible() const override;

    // What the serial origins need of the window and the process (Translate and SetBusy serve
    // the file operations too).
    void Beep() override;
    void SetHighPriority(bool high) override;
    // Also what the settings dialog sets.
    void SetTimeOutInterval(unsigned ms) override;
    // What the settings dialog and the serial-port dialog need of the window.
    const TDeviceModes& DeviceModes() const override { return serialModes_; }
    void ApplyDeviceDefaults(int row, int portKind) override;
    void FindReceiver(std::function<void(std::int32_t com)> found) override;
    void EndReceiverSearch() override;
    void StopOrigins() override { road_->Origins().StartOrigins(false); }
    void StopInfoSockets(int port) override;
    void SetLogEnabled(bool enabled) override { logEnabled_ = enabled; }
    void LanguageChosen(const std::string& file) override;
    void CopyDdeLink() override;
    bool SetLaunchAtLogon(bool enabled) override;
    // What the action executor needs of the origins.
    bool StartOrigins(bool active) override { return road_->Origins().StartOrigins(active); }
    void CreateActionRoad();
    // The action-item panel's controls, its place in the window, and its follow-up of an edit.
    void CreateActionPanel();
    TBox ActionPanelLayout();
    void ActionPanelEdited(bool changed);
    void ShowActionsList(const TAction& item);
    void UpdateActionsListButtons();
    // The trigger entry a node of the trigger tree stands for; none for a group.
    std::optional<std::size_t> TriggerEntryOf(const TTreeNode* node) const;
    // The node a drag from `source` carries: the one the commands tree's drag started from,
    // while the document still has it; none for a drag from anywhere else.
    TCommandNode* DraggedNode(TObject* source) const;
    void CreateRemotePeers();
    int SerialMessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // The IR server origin has nothing to open.
    bool OpenIRServer() { return false; }
    void CreateSerialOrigins();
    void CreateKeyboardOrigin();
    // The commands tree's events and pictures.
    void CreateCommandsTree();
    TCommandNode* TargetNode(TObject* sender) const;
    // Learning the code of `node`, unless it is a remote.
    void LearnCommand(TCommandNode* node);
    void StoreLearnedCode(TCommandNode& node);
    void ToggleSwitch(TObject* sender, bool TCommand::*flag);
    // After an edit of the tree: the Save item and the action-items panel follow.
    void CommandsEdited();

    // A request of the named pipe, on the main thread; not answered until start-up has loaded
    // the settings and the document.
    bool PipeMessage(TNamedPipeServerThread* sender, const char* buffer, int count,
                     std::string& reply);

    // Start-up steps of FormShow.
    void LoadSettings();
    void OpenStartupFile();
    // A message box of the start-up goes with the window: shown, and in front.
    void ShowWithMessages();
    void SetTrayImage(const char* resource);
    // The tray icon shows "receiving" for a moment.
    void FlashTrayIcon();
    static constexpr UINT kTrayFlashMessage = WM_APP + 0x40;
    // A newer start asks this instance to end (its thread is `start`).
    TGiveWay GiveWay(DWORD start);
    // The save question for the starts waiting on it; out of the sender's call, which must not
    // wait for the user.
    void AskGiveWay();
    static constexpr UINT kAskGiveWayMessage = WM_APP + 0x41;
    // The language file of the chosen language, empty when it does not exist.
    std::string LanguageFile() const;
    // The chosen language for the window and the action editor.
    void TranslateForms(const std::string& file);
    const ActionLabels* EditorLabels() const;

    TRegistryStore store_;
    TSettings settings_;
    TDocument document_;
    TDocumentFiles files_;
    std::vector<std::string> arguments_;
    bool startedUp_ = false;
    bool pipeReady_ = false;
    // Run! is pressed for "Load minimized" once, at start-up only.
    bool startMinimizedDone_ = false;
    // The password dialog is open: the way back from the tray is already being asked for.
    bool restoring_ = false;
    // A flash of the tray icon waits in the window's queue.
    bool flashPosted_ = false;
    // The threads of the newer starts waiting for the answer to the save question.
    std::vector<DWORD> waitingStarts_;
    // The splash screen of the start-up, or the about box shown last.
    TComponentRef<TSplashForm> splash_{this};
    // The device modes of the receiver and console ports, and whether a log file was named
    // when the program started.
    TDeviceModes serialModes_;
    bool logEnabled_ = false;
    std::unique_ptr<TDeviceDefaults> deviceDefaults_;
    // Made when it is first opened; it keeps what the user typed for the next time.
    TComponentRef<TSettingsForm> settingsForm_{this};
    TApplicationErrors errors_;
    TMessageLists messageLists_;
    TComponentRef<TActionForm> actionEditor_{this};
    TEditorActionLabels actionLabels_{[this] { return EditorLabels(); }};
    std::unique_ptr<TKeySenderLink> keysLink_;
    std::unique_ptr<TAudioMixerLink> mixerLink_;
    std::unique_ptr<TSerialPortLink> comPortLink_;
    std::unique_ptr<TSerialPortLink> comPortDataLink_;
    std::unique_ptr<TActionRoad> actionRoad_;
    std::unique_ptr<IActionPanelPrompts> panelPrompts_;
    std::unique_ptr<IActionDialogs> actionDialogs_;
    std::unique_ptr<TActionPanel> actionPanel_;
    // The trigger entry of each node of the trigger tree, as it was last drawn.
    std::unordered_map<const TTreeNode*, std::size_t> triggerEntries_;
    TReportSinks reports_{DdeReports, TcpSockets};
    std::unique_ptr<TCommandsTreeView> commandsView_;
    // The node selected when the popup opened; its items act on it.
    TCommandNode* popupTarget_ = nullptr;
    // The node selected when the last drag from the commands tree started.
    TCommandNode* draggedNode_ = nullptr;
    std::unique_ptr<TMainRoad> road_;
    std::unique_ptr<TNamedPipeServerThread> pipeThread_;
    // The help file beside the program, and the hook that shows it from the creation on.
    std::string helpFile_;
    std::unique_ptr<help::THtmlHelpSystem> helpSystem_;
    TWin32PerformanceCounter counter_;
    std::unique_ptr<TSerialPortLink> comPort2Link_;
    std::unique_ptr<TTimerPort> uirTimerPort_;
    std::unique_ptr<TSerialReceiver> serialReceiver_;
    std::unique_ptr<TSerialConsole> serialConsole_;
    std::unique_ptr<TPowerOrigins> powerOrigins_;
    // Unloaded by FormDestroy, before VardokFileSrc deletes its file with the window.
    std::unique_ptr<TWin32KeyboardHook> keyboardHook_;
    std::unique_ptr<TKeyboardOrigin> keyboardOrigin_;
    // The program carries no Windows 9x driver file, so that driver never opens.
    TWin32VxDDriver vxdDriver_{std::string()};
    std::unique_ptr<TDriverOrigins> driverOrigins_;
};

// The caption the main window bears once it runs; another instance looks for it.
extern const char* const kMainCaption;

} // namespace tav
