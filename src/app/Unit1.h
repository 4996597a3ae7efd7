// Main window: pages, tool strips, menus, shred list, tray icon, timers, closing and exit.
#pragma once

#include "dropfiles/VEKDropFiles.h"
#include "engine/Shredder.h"
#include "settings/xinifile.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/Dialogs.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/FlatButtons.h"
#include "toolkit/Forms.h"
#include "toolkit/ImgList.h"
#include "toolkit/ListView.h"
#include "toolkit/Menus.h"
#include "toolkit/StdCtrls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// "<n> bytes", "<x.xx> KB" ... with the user's decimal separator; "Unable to open file <path>"
// when the file cannot be opened without sharing.
std::wstring FormatFileSize(const std::wstring& path);
// The folder's last-write time in local time; false when its entry cannot be found.
bool GetFolderTimeStamp(const std::wstring& path, SYSTEMTIME& localTime);
// The text after the last "\" or ":".
std::wstring NameOfPath(const std::wstring& path);

class TForm1 : public tk::TForm {
 public:
  explicit TForm1(tk::TComponent* AOwner);
  ~TForm1() override;
  std::wstring ClassName() const override { return L"TForm1"; }

  tk::TImageList* ImageList1;
  tk::TMainMenu* MainMenu1;
  tk::TMenuItem *DeleteFolder1, *DeleteFile1, *R1, *Exit1, *s1, *O2, *About1;
  tk::TStatusBar* StatusBar1;
  tk::TPageControl* PageControl1;
  tk::TTabSheet *TabSheet4, *TabSheet5, *TabSheet3;
  tk::TPanel *Panel1, *Panel2, *Panel3;
  tk::TFlatSpeedButton *FlatSpeedButton4, *FlatSpeedButton1, *FlatSpeedButton2, *FlatSpeedButton3, *FlatSpeedButton5;
  tk::TComboBox *ComboBox1, *ComboBox3;
  tk::TListView *ListView1, *ListView2;
  tk::TPopupMenu* ListMenu;
  tk::TLabel *lblAboutCaption, *lblLink;
  tk::TButton* pbTestOverwriteDriveFreeSpace;
  tk::TCheckBox* ckSilentOverwriteDriveFreeSpace;
  TShredder *ShredderObj, *test12;
  tk::TOpenDialog* OpenDialog1;
  vek::TVEKDropFiles* VEKDropFiles2;
  tk::TTrayIcon* TrayIcon1;
  tk::TPopupMenu* PopupMenu1;
  tk::TTimer *Timer3, *Timer4, *Timer5, *Timer6;

  void FormCreate(tk::TComponent* Sender);
  void FormShow(tk::TComponent* Sender);
  void FormCloseQuery(tk::TComponent* Sender, bool& CanClose);
  void startprogramhide();
  void Exit1Click(tk::TComponent* Sender);
  void About1Click(tk::TComponent* Sender);
  void s1Click(tk::TComponent* Sender);
  void O2Click(tk::TComponent* Sender);

  // The shred list.
  void FlatSpeedButton4Click(tk::TComponent* Sender);
  void FlatSpeedButton1Click(tk::TComponent* Sender);
  void VEKDropFiles2FileDrop(tk::TComponent* Sender, const std::wstring& DropItem, POINT DropPoint);
  void VEKDropFiles2DirectoryDrop(tk::TComponent* Sender, const std::wstring& DropItem, POINT DropPoint);
  void HandleParam(const std::wstring& Param);
  void AddFileEntry(const std::wstring& path);
  void AddFolderEntry(const std::wstring& path);
  void RemoveSelectedEntries();
  void ClearList();
  void ComboBox1Change(tk::TComponent* Sender);
  void ComboBox3Change(tk::TComponent* Sender);

  // The jobs. Only one runs at a time; a job asked for meanwhile runs when it ends.
  void FlatSpeedButton2Click(tk::TComponent* Sender);
  void cancellafilemenu();
  int CountGroupEntries(int groupId) const;
  bool JobRunning() const { return FJobRunning; }
  int JobsRun() const { return FJobsRun; }

  // The drive wipe page.
  void SomeNameICantThinkOfNow();
  void FlatSpeedButton5Click(tk::TComponent* Sender);
  void pbTestOverwriteDriveFreeSpaceClick(tk::TComponent* Sender);

  // Command line, timers, tray and elevation.
  void ProcessCommandLine(const std::vector<std::wstring>& params);
  void Timer3Timer(tk::TComponent* Sender);
  void Timer4Timer(tk::TComponent* Sender);
  void Timer5Timer(tk::TComponent* Sender);
  void Timer6Timer(tk::TComponent* Sender);
  void TrayIcon1Click(tk::TComponent* Sender);
  void S2Click(tk::TComponent* Sender);
  void H1Click(tk::TComponent* Sender);
  void A1Click(tk::TComponent* Sender);
  void R1Click(tk::TComponent* Sender);
  tk::TMenuItem *S2, *H1, *S3, *O3, *A1, *w1;

  // Starts a program elevated; raises the platform's error when it does not start. Tests
  // replace it.
  using TRunAs = std::function<void(const std::wstring& file, const std::wstring& parameters)>;
  static void SetShellRunAsFunction(TRunAs f);
  static void ShellRunAs(const std::wstring& file, const std::wstring& parameters, HWND owner);

  // The data folder that holds the settings file.
  static std::wstring DataFolder();
  // Opens the help page beside the program; tests record the call instead.
  using TShellOpen = std::function<void(const std::wstring& target, int show)>;
  static void SetShellOpenFunction(TShellOpen f);
  static std::wstring HelpPagePath();

 protected:
  bool WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void BuildMenus();
  void BuildFileShredderPage();
  void BuildDriveWipePage();
  void BuildAboutPage();
  void BuildTray();
  tk::TPanel* ToolStrip(tk::TTabSheet* page, const wchar_t* name);
  tk::TComboBox* LevelList(tk::TPanel* strip, const wchar_t* name);
  tk::TFlatSpeedButton* ToolButton(tk::TPanel* strip, const wchar_t* name, const wchar_t* caption, int left, int icon);
  void OpenHelp();
  void RunJob(std::function<void()> job);
  void StartJob();
  void ContextMenuJob();
  void WipeJob();
  void RemoveEntries(const std::vector<tk::TListItem*>& items);
  // The elevation prompt for a path that survived; true when the user asked for the restart.
  bool AskForElevation(const std::wstring& path);
  // Starts this program elevated with the paths; false (after reporting why) when it did not.
  bool RelaunchElevated(const std::vector<std::wstring>& paths);
  void BuildTrayMenu();

  std::unique_ptr<TxIniFile> FStore;
  tk::UniqueIcon FBigIcon, FSmallIcon, FAboutIcon;
  bool FHiding = false;
  bool FJobRunning = false;
  int FJobsRun = 0;
  std::vector<std::function<void()>> FPendingJobs;
  bool FRefreshPending = false;
};

extern TForm1* Form1;

// Creates the program's three windows in their order: main window, options, confirmation.
void CreateProgramForms();
