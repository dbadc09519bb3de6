#include "SkinViewForm.h"

#include "SkinTool.h"

#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"
#include "ui/ComCtrls.h"
#include "ui/Dialogs.h"
#include "ui/ExtCtrls.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

#include <commdlg.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace quellar {

namespace {

constexpr const char* kViewerTitle = "KOR Quellar skin viewer";

// The form's own radio buttons and progress bar are not in the engine's class tables; these
// lines give them their skins the way a program names its own classes.
std::vector<std::string> ViewerSkin3rd() {
    std::vector<std::string> lines = DefaultSkin3rd();
    lines.push_back("TRadioButton=radiobutton");
    lines.push_back("TProgressBar=progress");
    return lines;
}

} // namespace

TfrmSkinView::TfrmSkinView(TComponent* owner) : TForm(owner) {
    SetCaption(kViewerTitle);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(664, 424);
    skinData_ = new TSkinData(this);
    skinData_->SetSkin3rd(ViewerSkin3rd());
    BuildStatusBar();
    BuildButtons();
    BuildValues();
    BuildScrolling();
    BuildTabs();
    BuildMenus();
    skinData_->SetActive(true);
}

TfrmSkinView::~TfrmSkinView() = default;

void TfrmSkinView::BuildStatusBar() {
    statusBar_ = new TStatusBar(this);
    statusBar_->SetBounds(0, 404, 664, 20);
    statusBar_->SetParent(this);
    statusBar_->SetPanelWidths({260, 110, 300});
}

void TfrmSkinView::BuildButtons() {
    auto* box = PlaceControl<TGroupBox>(this, this, 8, 4, 200, 168);
    box->SetCaption("Buttons");
    auto* message = PlaceControl<TButton>(this, box, 10, 20, 180, 25);
    message->SetCaption("&Message box...");
    message->OnClick = [this](TComponent*) {
        ShowMessageBox(Handle(), "This box wears the skin too.", "Information", MB_OK | MB_ICONINFORMATION);
    };
    auto* next = PlaceControl<TButton>(this, box, 10, 50, 88, 25);
    next->SetCaption("&Next skin");
    next->OnClick = [this](TComponent*) { StepSkin(1); };
    auto* disabled = PlaceControl<TButton>(this, box, 102, 50, 88, 25);
    disabled->SetCaption("Disabled");
    disabled->SetEnabled(false);
    auto* check = PlaceControl<TCheckBox>(this, box, 10, 82, 90, 20);
    check->SetCaption("&Check box");
    check->SetChecked(true);
    auto* checkOff = PlaceControl<TCheckBox>(this, box, 102, 82, 90, 20);
    checkOff->SetCaption("Disabled");
    checkOff->SetEnabled(false);
    auto* radioOne = PlaceControl<TRadioButton>(this, box, 10, 108, 90, 20);
    radioOne->SetCaption("&Radio one");
    radioOne->SetChecked(true);
    auto* radioTwo = PlaceControl<TRadioButton>(this, box, 102, 108, 90, 20);
    radioTwo->SetCaption("Radio &two");
    auto* radioOff = PlaceControl<TRadioButton>(this, box, 10, 134, 150, 20);
    radioOff->SetCaption("Disabled radio");
    radioOff->SetEnabled(false);
}

void TfrmSkinView::BuildValues() {
    auto* box = PlaceControl<TGroupBox>(this, this, 8, 176, 200, 180);
    box->SetCaption("Values");
    auto* edit = PlaceControl<TEdit>(this, box, 10, 20, 80, 21);
    edit->SetText("5");
    auto* upDown = PlaceControl<TUpDown>(this, box, 90, 20, 17, 21);
    upDown->SetRange(0, 20);
    upDown->SetPosition(5);
    upDown->SetAssociate(edit);
    skinCombo_ = PlaceControl<TComboBox>(this, box, 10, 48, 180, 21);
    skinCombo_->SetStyle(TComboBoxStyle::csDropDownList);
    skinCombo_->OnChange = [this](TComponent*) {
        const int index = skinCombo_->ItemIndex();
        if (index >= 0 && static_cast<std::size_t>(index) < skinFiles_.size()) {
            OpenSkin(
                (std::filesystem::path(skinFolder_) / skinFiles_[static_cast<std::size_t>(index)]).string());
        }
    };
    auto* words = PlaceControl<TComboBox>(this, box, 10, 76, 180, 21);
    words->SetItems({"Gnat", "Midge", "Mosquito"});
    words->SetItemIndex(2);
    trackBar_ = PlaceControl<TTrackBar>(this, box, 6, 104, 188, 30);
    trackBar_->SetRange(0, 100);
    trackBar_->SetPosition(40);
    progress_ = PlaceControl<TProgressBar>(this, box, 10, 144, 180, 18);
    progress_->SetPosition(40);
    trackBar_->OnChange = [this](TComponent*) { progress_->SetPosition(trackBar_->Position()); };
}

bool TfrmSkinView::OpenSkin(const std::string& path) {
    const std::string previous = currentFile_;
    skinData_->SetSkinFile(path);
    if (!skinData_->SkinLoaded()) {
        ShowMessageBox(Handle(), "The skin file \"" + path + "\" cannot be read: it is missing or damaged.",
                       kViewerTitle, MB_OK | MB_ICONERROR);
        if (!previous.empty() && previous != path) {
            skinData_->SetSkinFile(previous);
        }
        ShowSkinState();
        return false;
    }
    currentFile_ = path;
    std::ifstream in(path, std::ios::binary);
    warnings_ = SkinCheckWarnings(
        std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    // The manager waits a moment for further changes; a viewer shows the new skin at once.
    if (TWinSkinManage* manager = WindowsSkinManager(); manager != nullptr) {
        manager->ExecutePendingAction();
        // A window shown while it had no skin was passed over when it was activated.
        if (HandleAllocated() && manager->FindFormObject(Handle()) == nullptr) {
            manager->AttachForm(*this);
        }
    }
    ShowSkinState();
    return true;
}

void TfrmSkinView::ShowWarnings() {
    // A box stays on the screen: at most this many lines, then how many more.
    constexpr std::size_t kShown = 30;
    std::string text = warnings_.empty()       ? "The skin loads without warnings."
                       : warnings_.size() == 1 ? "1 warning:"
                                               : std::to_string(warnings_.size()) + " warnings:";
    for (std::size_t i = 0; i < warnings_.size() && i < kShown; ++i) {
        text += "\n" + warnings_[i];
    }
    if (warnings_.size() > kShown) {
        text +=
            "\n... and " + std::to_string(warnings_.size() - kShown) + " more (quellar-skin check lists all)";
    }
    ShowMessageBox(Handle(), text, "Skin warnings",
                   MB_OK | (warnings_.empty() ? MB_ICONINFORMATION : MB_ICONWARNING));
}

void TfrmSkinView::SetSkinList(const std::string& folder, const std::vector<std::string>& fileNames) {
    skinFolder_ = folder;
    skinFiles_ = fileNames;
    skinCombo_->SetItems(fileNames);
    BuildMenus();
    ShowSkinState();
}

void TfrmSkinView::OpenListed(std::size_t index) {
    if (index < skinFiles_.size()) {
        OpenSkin((std::filesystem::path(skinFolder_) / skinFiles_[index]).string());
    }
}

bool TfrmSkinView::CurrentFileIs(std::size_t index) const {
    return !currentFile_.empty() && index < skinFiles_.size() &&
           std::filesystem::path(currentFile_).filename().string() == skinFiles_[index];
}

void TfrmSkinView::StepSkin(int step) {
    if (skinFiles_.empty()) {
        return;
    }
    const auto count = static_cast<int>(skinFiles_.size());
    const std::string name = std::filesystem::path(currentFile_).filename().string();
    const auto found = std::find(skinFiles_.begin(), skinFiles_.end(), name);
    const int at =
        found == skinFiles_.end() ? (step > 0 ? -1 : 0) : static_cast<int>(found - skinFiles_.begin());
    const int next = ((at + step) % count + count) % count;
    OpenListed(static_cast<std::size_t>(next));
}

void TfrmSkinView::OpenWithDialog() {
    char file[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Handle();
    ofn.lpstrFilter = "Skin files (*.skn)\0*.skn\0All files (*.*)\0*.*\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof(file);
    ofn.lpstrTitle = "Open a skin";
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&ofn)) {
        OpenSkin(file);
    }
}

void TfrmSkinView::ShowSkinState() {
    const std::string name = std::filesystem::path(currentFile_).filename().string();
    statusBar_->SetPanelText(0, currentFile_.empty() ? "No skin" : currentFile_);
    const auto found = std::find(skinFiles_.begin(), skinFiles_.end(), name);
    const bool listed = !currentFile_.empty() && found != skinFiles_.end();
    statusBar_->SetPanelText(1, listed ? "Skin " + std::to_string(found - skinFiles_.begin() + 1) + " of " +
                                             std::to_string(skinFiles_.size())
                                       : "");
    statusBar_->SetPanelText(2,
                             skinData_->SkinLoaded() ? "Right-click for the popup menu" : "Showing no skin");
    CheckWornSkin();
    if (listed && skinCombo_->ItemIndex() != found - skinFiles_.begin()) {
        skinCombo_->SetItemIndex(static_cast<int>(found - skinFiles_.begin()));
    }
}

void TfrmSkinView::WndProc(TMessage& message) {
    if (message.Msg == WM_CONTEXTMENU) {
        POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
        if (message.LParam == -1) { // from the keyboard: below the window's top-left corner
            at = {Width() / 3, Height() / 3};
            ::ClientToScreen(Handle(), &at);
        }
        ShowPopupAt(at);
        message.Result = 0;
        return;
    }
    TForm::WndProc(message);
}

} // namespace quellar
