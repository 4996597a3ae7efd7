// Main window: construction, start-up, closing, exit, help.
#include "app/Unit1.h"

#include "app/Icons.h"
#include "app/SecurityLevels.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "fsutil/VEKGeneral.h"
#include "settings/USingleInst.h"
#include "toolkit/Application.h"

#include <shellapi.h>
#include <shlobj.h>

using namespace tk;

TForm1* Form1 = nullptr;

namespace {

constexpr COLORREF kStripColor = RGB(45, 49, 58);
constexpr COLORREF kStripText = RGB(235, 238, 242);

TCreateParams MainWindowParams() {
  TCreateParams params;
  SingleInstManager().CreateParams(params);
  return params;
}

TForm1::TShellOpen& ShellOpen() {
  static TForm1::TShellOpen f;
  return f;
}

}  // namespace

void CreateProgramForms() {
  Form1 = new TForm1(&Application());
  Application().SetMainForm(Form1);
  Options = new TOptions(&Application());
  confirm = new Tconfirm(&Application());
}

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner, MainWindowParams()) {
  SetName(L"Form1");
  SetCaption(vek::TranslateText(L"Tamberlock"));
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  SetPosition(poScreenCenter);
  SetDesignClientSize(827, 601);
  FBigIcon.Reset(LoadBigIcon(biProgram));
  FSmallIcon.Reset(LoadSmallProgramIcon());
  ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(FBigIcon.Get()));
  ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(FSmallIcon.Get()));

  ImageList1 = new TImageList(this);
  LoadProgramIcons(*ImageList1);
  BuildMenus();

  StatusBar1 = new TStatusBar(this, this);
  StatusBar1->SetName(L"StatusBar1");
  PageControl1 = new TPageControl(this, this);
  PageControl1->SetName(L"PageControl1");
  PageControl1->SetAlign(alClient);
  TabSheet4 = new TTabSheet(this, PageControl1, vek::TranslateText(L"File Shredder"));
  TabSheet5 = new TTabSheet(this, PageControl1, vek::TranslateText(L"Drive Wipe"));
  TabSheet3 = new TTabSheet(this, PageControl1, vek::TranslateText(L"About"));
  BuildFileShredderPage();
  BuildDriveWipePage();
  BuildAboutPage();

  ShredderObj = new TShredder(this);
  ShredderObj->SetName(L"ShredderObj");
  ShredderObj->SetIntMethod(smZeros);
  test12 = new TShredder(this);
  test12->SetName(L"test12");
  OpenDialog1 = new TOpenDialog(this);
  OpenDialog1->SetName(L"OpenDialog1");
  VEKDropFiles2 = new vek::TVEKDropFiles(this);
  VEKDropFiles2->SetName(L"VEKDropFiles2");
  VEKDropFiles2->SetDropControl(ListView1);
  VEKDropFiles2->SetOnFileDrop([this](TComponent* s, const std::wstring& p, POINT pt) { VEKDropFiles2FileDrop(s, p, pt); });
  VEKDropFiles2->SetOnDirectoryDrop(
      [this](TComponent* s, const std::wstring& p, POINT pt) { VEKDropFiles2DirectoryDrop(s, p, pt); });
  BuildTray();
  for (TTimer** t : {&Timer3, &Timer4, &Timer5, &Timer6}) {
    *t = new TTimer(this);
    (*t)->SetEnabled(false);
  }
  Timer3->SetName(L"Timer3");
  Timer4->SetName(L"Timer4");
  Timer5->SetName(L"Timer5");
  Timer6->SetName(L"Timer6");
  Timer3->SetInterval(1000);
  Timer4->SetInterval(1000);
  Timer5->SetInterval(4000);
  Timer6->SetInterval(1000);
  Timer3->SetOnTimer([this](TComponent* s) { Timer3Timer(s); });
  Timer4->SetOnTimer([this](TComponent* s) { Timer4Timer(s); });
  Timer5->SetOnTimer([this](TComponent* s) { Timer5Timer(s); });
  Timer6->SetOnTimer([this](TComponent* s) { Timer6Timer(s); });

  SetOnShow([this](TComponent* s) { FormShow(s); });
  SetOnCloseQuery([this](TComponent* s, bool& can) { FormCloseQuery(s, can); });
  SetOnCreate([this](TComponent* s) { FormCreate(s); });
  DoCreate();
}

TForm1::~TForm1() {
  if (Form1 == this) Form1 = nullptr;
}

void TForm1::BuildMenus() {
  MainMenu1 = new TMainMenu(this);
  MainMenu1->SetName(L"MainMenu1");
  MainMenu1->SetImages(ImageList1);
  TMenuItem* file = MainMenu1->Items()->Add(vek::TranslateText(L"&File"));
  DeleteFolder1 = file->Add(vek::TranslateText(L"&Add Files..."), [this](TComponent*) { FlatSpeedButton4->ClickButton(); });
  DeleteFile1 = file->Add(vek::TranslateText(L"&Add Folder..."), [this](TComponent*) { FlatSpeedButton1->ClickButton(); });
  file->Add(L"-");
  R1 = file->Add(vek::TranslateText(L"Run as Administrator"), [this](TComponent* s) { R1Click(s); }, iiShield);
  file->Add(L"-");
  Exit1 = file->Add(vek::TranslateText(L"&Exit"), [this](TComponent* s) { Exit1Click(s); });
  TMenuItem* options = MainMenu1->Items()->Add(vek::TranslateText(L"Options"));
  s1 = options->Add(vek::TranslateText(L"Settings"), [this](TComponent* s) { s1Click(s); });
  TMenuItem* help = MainMenu1->Items()->Add(vek::TranslateText(L"&Help"));
  O2 = help->Add(vek::TranslateText(L"Online help"), [this](TComponent* s) { O2Click(s); });
  help->Add(L"-");
  About1 = help->Add(vek::TranslateText(L"&About"), [this](TComponent* s) { About1Click(s); });
  MainMenu1->AttachTo(this);
  SetDesignClientSize(827, 601);  // the menu bar took its height from the client area
}

TPanel* TForm1::ToolStrip(TTabSheet* page, const wchar_t* name) {
  auto* strip = new TPanel(this, page);
  strip->SetName(name);
  strip->SetBevelOuter(bvNone);
  strip->SetColor(kStripColor, kStripText);
  strip->SetDesignBounds(0, 0, 819, 83);
  strip->SetAlign(alTop);
  return strip;
}

TFlatSpeedButton* TForm1::ToolButton(TPanel* strip, const wchar_t* name, const wchar_t* caption, int left,
                                     int icon) {
  auto* b = new TFlatSpeedButton(this, strip, vek::TranslateText(caption));
  b->SetName(name);
  b->SetDesignBounds(left, 9, 73, 65);
  UniqueIcon picture(LoadBigIcon(static_cast<TBigIcon>(icon)));
  b->SetIcon(picture.Get());
  return b;
}

TComboBox* TForm1::LevelList(TPanel* strip, const wchar_t* name) {
  auto* label = new TLabel(this, strip);
  label->SetTextColor(kStripText);
  label->SetCaption(vek::TranslateText(L"Security level:"));
  label->SetBounds(strip->Width() - Scale(208) - label->Width() - Scale(8), Scale(33), label->Width(), label->Height());
  label->SetAnchors(akTop | akRight);
  auto* combo = new TComboBox(this, strip, csDropDownList);
  combo->SetName(name);
  combo->SetDesignBounds(0, 29, 192, 21);
  combo->SetLeft(strip->Width() - Scale(200));
  combo->SetAnchors(akTop | akRight);
  for (const wchar_t* item : kSecurityLevelNames) combo->AddItem(vek::TranslateText(item));
  return combo;
}

void TForm1::BuildFileShredderPage() {
  Panel1 = ToolStrip(TabSheet4, L"Panel1");
  FlatSpeedButton4 = ToolButton(Panel1, L"FlatSpeedButton4", L"Add files..", 8, biAddFiles);
  FlatSpeedButton1 = ToolButton(Panel1, L"FlatSpeedButton1", L"Add folder..", 84, biAddFolder);
  FlatSpeedButton2 = ToolButton(Panel1, L"FlatSpeedButton2", L"Start", 160, biStart);
  FlatSpeedButton4->SetOnClick([this](TComponent* s) { FlatSpeedButton4Click(s); });
  FlatSpeedButton1->SetOnClick([this](TComponent* s) { FlatSpeedButton1Click(s); });
  FlatSpeedButton2->SetOnClick([this](TComponent* s) { FlatSpeedButton2Click(s); });
  ComboBox1 = LevelList(Panel1, L"ComboBox1");
  ComboBox1->SetOnChange([this](TComponent* s) { ComboBox1Change(s); });

  ListView1 = new TListView(this, TabSheet4);
  ListView1->SetName(L"ListView1");
  ListView1->SetAlign(alClient);
  ListView1->AddColumn(vek::TranslateText(L"Location"), Scale(350));
  ListView1->AddColumn(vek::TranslateText(L"Name"), Scale(200));
  ListView1->AddColumn(vek::TranslateText(L"Date modified"), Scale(180));
  ListView1->AddColumn(vek::TranslateText(L"Size"), Scale(80));
  ListView1->AddGroup(0, vek::TranslateText(L"Folders"));
  ListView1->AddGroup(1, vek::TranslateText(L"Files"));
  ListView1->SetGroupView(true);
  ListView1->SetSmallImages(ImageList1);
  ListMenu = new TPopupMenu(this);
  ListMenu->SetName(L"ListMenu");
  ListMenu->Items()->Add(vek::TranslateText(L"Remove from list"), [this](TComponent*) { RemoveSelectedEntries(); });
  ListMenu->Items()->Add(vek::TranslateText(L"Clear list"), [this](TComponent*) { ClearList(); });
  ListView1->SetPopupMenu(ListMenu);
  ListView1->SetOnKeyDown([this](TComponent*, WORD& key) {
    if (key == VK_DELETE) {
      RemoveSelectedEntries();
      key = 0;
    }
  });
}

void TForm1::BuildDriveWipePage() {
  Panel2 = ToolStrip(TabSheet5, L"Panel2");
  FlatSpeedButton3 = ToolButton(Panel2, L"FlatSpeedButton3", L"Refresh..", 8, biRefresh);
  FlatSpeedButton5 = ToolButton(Panel2, L"FlatSpeedButton5", L"Start", 84, biStart);
  FlatSpeedButton3->SetOnClick([this](TComponent*) { SomeNameICantThinkOfNow(); });
  FlatSpeedButton5->SetOnClick([this](TComponent* s) { FlatSpeedButton5Click(s); });
  TabSheet5->SetOnShow([this](TComponent*) { SomeNameICantThinkOfNow(); });
  // Stored between the two security lists, as the settings file has always listed it.
  ckSilentOverwriteDriveFreeSpace = new TCheckBox(this, TabSheet5, vek::TranslateText(L"Silent Mode"));
  ckSilentOverwriteDriveFreeSpace->SetName(L"ckSilentOverwriteDriveFreeSpace");
  ckSilentOverwriteDriveFreeSpace->SetVisible(false);
  ComboBox3 = LevelList(Panel2, L"ComboBox3");
  ComboBox3->SetOnChange([this](TComponent* s) { ComboBox3Change(s); });

  Panel3 = new TPanel(this, TabSheet5);
  Panel3->SetName(L"Panel3");
  Panel3->SetBevelOuter(bvNone);
  Panel3->SetDesignBounds(0, 83, 819, 49);
  Panel3->SetAlign(alTop);
  auto* band = new TLabel(this, Panel3);
  band->SetAutoSize(false);
  band->SetDesignBounds(12, 4, 795, 44);
  band->SetCaption(vek::TranslateText(
      L"Securely wipes spare and hidden data areas on your drives. All free clusters on the drives, including the "
      L"contents of deleted files and folder, \r\nwill be wiped like a new drive."));

  ListView2 = new TListView(this, TabSheet5);
  ListView2->SetName(L"ListView2");
  ListView2->SetAlign(alClient);
  ListView2->SetCheckboxes(true);
  for (const wchar_t* col : {L"Name", L"FreeSpace", L"UsedSpace", L"TotalSpace"})
    ListView2->AddColumn(vek::TranslateText(col), Scale(150));
  ListView2->AddGroup(0, vek::TranslateText(L"Hard Drives"));
  ListView2->SetGroupView(true);
  ListView2->SetSmallImages(ImageList1);

  pbTestOverwriteDriveFreeSpace = new TButton(this, TabSheet5, L"pbTestOverwriteDriveFreeSpace");
  pbTestOverwriteDriveFreeSpace->SetName(L"pbTestOverwriteDriveFreeSpace");
  pbTestOverwriteDriveFreeSpace->SetVisible(false);
  pbTestOverwriteDriveFreeSpace->SetOnClick([this](TComponent* s) { pbTestOverwriteDriveFreeSpaceClick(s); });
}

void TForm1::BuildAboutPage() {
  auto* logo = new TPanel(this, TabSheet3);
  logo->SetBevelOuter(bvNone);
  logo->SetDesignBounds(40, 40, 64, 64);
  lblAboutCaption = new TLabel(this, TabSheet3);
  lblAboutCaption->SetName(L"lblAboutCaption");
  lblAboutCaption->SetDesignBounds(124, 48, 0, 0);
  lblAboutCaption->SetFontStyle(true, false, 14);
  lblAboutCaption->SetCaption(L"Tamberlock v 1.1");
  auto* blurb = new TLabel(this, TabSheet3);
  blurb->SetAutoSize(false);
  blurb->SetDesignBounds(124, 84, 620, 48);
  blurb->SetCaption(vek::TranslateText(
      L"Destroys files, folders and the free space of drives so that their former contents cannot be recovered."));
  lblLink = new TLabel(this, TabSheet3);
  lblLink->SetName(L"lblLink");
  lblLink->SetDesignBounds(124, 140, 0, 0);
  lblLink->SetFontStyle(false, true);
  lblLink->SetTextColor(RGB(0, 0, 238));
  lblLink->SetCaption(vek::TranslateText(L"Tamberlock help and home page"));
  lblLink->SetHandCursor(true);
  lblLink->SetOnClick([this](TComponent*) { OpenHelp(); });
  FAboutIcon.Reset(LoadProgramIcon(Scale(64)));
  auto* picture = new TLabel(this, logo);
  ::SetWindowLongW(picture->Handle(), GWL_STYLE, ::GetWindowLongW(picture->Handle(), GWL_STYLE) | SS_ICON);
  picture->SetAutoSize(false);
  picture->SetDesignBounds(0, 0, 64, 64);
  ::SendMessageW(picture->Handle(), STM_SETICON, reinterpret_cast<WPARAM>(FAboutIcon.Get()), 0);
}

void TForm1::BuildTray() {
  PopupMenu1 = new TPopupMenu(this);
  PopupMenu1->SetName(L"PopupMenu1");
  TrayIcon1 = new TTrayIcon(this);
  TrayIcon1->SetName(L"TrayIcon1");
  TrayIcon1->SetIcon(FSmallIcon.Get());
  TrayIcon1->SetHint(L"Tamberlock");
  TrayIcon1->SetBalloonTitle(L"Tamberlock");
  TrayIcon1->SetBalloonFlags(bfInfo);
  TrayIcon1->SetPopupMenu(PopupMenu1);
  TrayIcon1->SetOnClick([this](TComponent* s) { TrayIcon1Click(s); });
  BuildTrayMenu();
  TrayIcon1->SetVisible(true);
}

std::wstring TForm1::DataFolder() { return SpecialFolderPath(CSIDL_LOCAL_APPDATA) + L"\\Tamberlock"; }

void TForm1::FormCreate(TComponent*) {
  ComboBox1->SetItemIndex(0);
  ComboBox3->SetItemIndex(0);
  VEKDropFiles2->SetActive(true);
  ::CreateDirectoryW(DataFolder().c_str(), nullptr);
  FStore = std::make_unique<TxIniFile>(L"");
  FStore->setform(this);
  FStore->AccessProp(getP);
  SingleInstManager().SetOnProcessParam([this](const std::wstring& p) { HandleParam(p); });
  ProcessCommandLine(SingleInstManager().Parameters());
  Timer6->SetEnabled(true);
}

void TForm1::FormShow(TComponent*) { VEKDropFiles2->SetActive(true); }

bool TForm1::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  TMessage m{msg, wParam, lParam, 0};
  if (SingleInstManager().HandleMessages(Handle(), m)) {
    result = m.Result;
    return true;
  }
  if (msg == WM_SIZE && wParam == SIZE_MINIMIZED) startprogramhide();
  return TForm::WndProc(msg, wParam, lParam, result);
}

void TForm1::startprogramhide() {
  if (FHiding) return;
  FHiding = true;
  Application().Minimize();
  Hide();
  FHiding = false;
}

void TForm1::FormCloseQuery(TComponent*, bool& CanClose) {
  CanClose = false;
  startprogramhide();
  ::CreateDirectoryW(DataFolder().c_str(), nullptr);
  FStore->AccessProp(setP);
}

void TForm1::Exit1Click(TComponent*) {
  // Both windows' settings, so the file is complete even if Options was never opened; a
  // refused save leaves the program running.
  FStore->AccessProp(setP);
  if (Options) Options->SaveSettings();
  Application().Terminate();
}

void TForm1::About1Click(TComponent*) { PageControl1->SetActivePageIndex(2); }

void TForm1::s1Click(TComponent*) {
  Options->SetPosition(poOwnerFormCenter);
  Options->Show();
}

void TForm1::O2Click(TComponent*) { OpenHelp(); }

std::wstring TForm1::HelpPagePath() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L'\\') + 1) + L"help.html";
}

void TForm1::SetShellOpenFunction(TShellOpen f) { ShellOpen() = std::move(f); }

void TForm1::OpenHelp() {
  const std::wstring page = HelpPagePath();
  if (ShellOpen()) {
    ShellOpen()(page, SW_SHOW);
    return;
  }
  ::ShellExecuteW(Handle(), L"open", page.c_str(), nullptr, nullptr, SW_SHOW);
}
