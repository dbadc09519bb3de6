// The icon record and the shell calls: what reaches the notification area, and when.
#include "TrayTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

namespace quellar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

template <typename T> T FieldAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::string TipOf(const std::vector<std::uint8_t>& bytes) {
    const char* tip = reinterpret_cast<const char*>(bytes.data() + offsetof(NOTIFYICONDATAA, szTip));
    return std::string(tip, strnlen(tip, 64));
}

bool TipAllZeroAfter(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    for (std::size_t i = from; i < 64; ++i) {
        if (bytes[offsetof(NOTIFYICONDATAA, szTip) + i] != 0) {
            return false;
        }
    }
    return true;
}

class CoolTrayIconShell : public ::testing::Test {
protected:
    CoolTrayIconShell() : tray(std::make_unique<TCoolTrayIcon>(nullptr)) { tray->SetShell(&shell); }

    std::vector<DWORD> Commands() const {
        std::vector<DWORD> commands;
        for (const auto& call : shell.calls) {
            commands.push_back(call.command);
        }
        return commands;
    }
    const std::vector<std::uint8_t>& LastBytes() const { return shell.calls.back().bytes; }

    TTrayShellRecorder shell;
    std::unique_ptr<TCoolTrayIcon> tray;
};

TEST_F(CoolTrayIconShell, ConstructionSetsDefaultsAndTouchesNoShell) {
    EXPECT_TRUE(tray->Enabled());
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_FALSE(tray->ShowHint());
    EXPECT_FALSE(tray->CycleIcons());
    EXPECT_EQ(0u, tray->CycleInterval());
    EXPECT_EQ(0, tray->IconIndex());
    EXPECT_EQ(nullptr, tray->Icon());
    EXPECT_FALSE(tray->CycleTimerEnabled());
    EXPECT_THAT(tray->StoredProperties(), ElementsAre("CycleInterval", "ShowHint", "IconIndex"));
    EXPECT_THAT(shell.calls, IsEmpty());
    EXPECT_TRUE(IsWindow(tray->MessageWindow()));
    EXPECT_FALSE(IsWindowVisible(tray->MessageWindow()));
}

TEST_F(CoolTrayIconShell, RecordCarriesTheFixedFieldsInThePlatformLayout) {
    tray->Loaded();
    ASSERT_FALSE(shell.calls.empty());
    const auto& bytes = LastBytes();
    if constexpr (sizeof(void*) == 4) {
        EXPECT_EQ(88u, bytes.size()) << "the 32-bit program hands over the 88-byte record";
        EXPECT_EQ(24u, offsetof(NOTIFYICONDATAA, szTip));
    } else {
        EXPECT_EQ(static_cast<std::size_t>(NOTIFYICONDATAA_V1_SIZE), bytes.size());
    }
    EXPECT_EQ(bytes.size(), FieldAt<DWORD>(bytes, offsetof(NOTIFYICONDATAA, cbSize)));
    EXPECT_EQ(tray->MessageWindow(), FieldAt<HWND>(bytes, offsetof(NOTIFYICONDATAA, hWnd)));
    EXPECT_EQ(1u, FieldAt<UINT>(bytes, offsetof(NOTIFYICONDATAA, uID)));
    EXPECT_EQ(7u, FieldAt<UINT>(bytes, offsetof(NOTIFYICONDATAA, uFlags)));
    EXPECT_EQ(0x800u, FieldAt<UINT>(bytes, offsetof(NOTIFYICONDATAA, uCallbackMessage)));
}

TEST_F(CoolTrayIconShell, IconIsAddedAtLoadModifiedOnChangesAndDeletedAtDestruction) {
    tray->Loaded();
    EXPECT_THAT(Commands(), ElementsAre(NIM_MODIFY, NIM_ADD));
    EXPECT_TRUE(shell.iconPresent);
    shell.calls.clear();

    tray->SetHint("KOR Quellar 3.3");
    tray->SetShowHint(true);
    HICON picture = test::MakeSolidIcon(RGB(255, 0, 0));
    tray->SetIcon(picture);
    tray->Refresh();
    EXPECT_THAT(Commands(), ElementsAre(NIM_MODIFY, NIM_MODIFY, NIM_MODIFY, NIM_MODIFY));
    for (const auto& call : shell.calls) {
        EXPECT_TRUE(call.result) << "every change is accepted by the area while the icon is in it";
    }
    EXPECT_EQ(tray->Icon(), FieldAt<HICON>(LastBytes(), offsetof(NOTIFYICONDATAA, hIcon)));
    EXPECT_EQ(RGB(255, 0, 0), test::IconColour(tray->Icon()));
    EXPECT_NE(picture, tray->Icon()) << "the component keeps its own copy";
    DestroyIcon(picture);
    EXPECT_EQ(RGB(255, 0, 0), test::IconColour(tray->Icon()));

    shell.calls.clear();
    tray.reset();
    EXPECT_THAT(Commands(), ElementsAre(NIM_DELETE));
    EXPECT_FALSE(shell.iconPresent);
}

TEST_F(CoolTrayIconShell, HidingAndShowingTheIconDeletesAndAddsIt) {
    tray->Loaded();
    shell.calls.clear();
    tray->SetIconVisible(false);
    EXPECT_FALSE(tray->IconVisible());
    tray->SetIconVisible(true);
    EXPECT_TRUE(tray->IconVisible());
    EXPECT_THAT(Commands(), ElementsAre(NIM_DELETE, NIM_ADD));
    EXPECT_TRUE(shell.iconPresent);
}

TEST_F(CoolTrayIconShell, TooltipIsCutTo63CharactersAndZeroFilledWhenHidden) {
    tray->Loaded();
    const std::string hint70 = std::string(60, 'h') + "0123456789";
    tray->SetHint(hint70);
    EXPECT_THAT(TipOf(LastBytes()), IsEmpty()) << "ShowHint is false after construction";
    EXPECT_TRUE(TipAllZeroAfter(LastBytes(), 0));

    tray->SetShowHint(true);
    EXPECT_EQ(hint70.substr(0, 63), TipOf(LastBytes()));
    EXPECT_TRUE(TipAllZeroAfter(LastBytes(), 63));

    tray->SetHint("short");
    EXPECT_EQ("short", TipOf(LastBytes()));
    EXPECT_TRUE(TipAllZeroAfter(LastBytes(), 5)) << "no rest of the longer hint is left behind";

    tray->SetShowHint(false);
    EXPECT_TRUE(TipAllZeroAfter(LastBytes(), 0));
}

TEST_F(CoolTrayIconShell, IndexIsClampedToTheListAndShowsThatPicture) {
    test::TTestIconList list(16);
    tray->SetIconList(&list);
    tray->SetIconIndex(20);
    EXPECT_EQ(15, tray->IconIndex());
    EXPECT_EQ(test::PictureColour(15), test::IconColour(tray->Icon()));
    EXPECT_EQ(tray->Icon(), FieldAt<HICON>(LastBytes(), offsetof(NOTIFYICONDATAA, hIcon)));

    tray->SetIconIndex(4);
    EXPECT_EQ(4, tray->IconIndex());
    EXPECT_EQ(test::PictureColour(4), test::IconColour(tray->Icon()));

    tray->SetIconIndex(-2);
    EXPECT_EQ(0, tray->IconIndex()) << "a negative index shows the first picture";
    EXPECT_EQ(test::PictureColour(0), test::IconColour(tray->Icon()));
}

TEST_F(CoolTrayIconShell, WithoutPicturesTheIndexStaysZeroAndTheIconKeepsItsPicture) {
    HICON picture = test::MakeSolidIcon(RGB(1, 2, 3));
    tray->SetIcon(picture);
    DestroyIcon(picture);
    tray->SetIconIndex(7);
    EXPECT_EQ(0, tray->IconIndex());
    EXPECT_EQ(RGB(1, 2, 3), test::IconColour(tray->Icon()));

    test::TTestIconList empty(0);
    tray->SetIconList(&empty);
    tray->SetIconIndex(3);
    EXPECT_EQ(0, tray->IconIndex());
    EXPECT_EQ(RGB(1, 2, 3), test::IconColour(tray->Icon()));
    shell.calls.clear();
    SendMessageA(tray->MessageWindow(), WM_TIMER, 1, 0);
    EXPECT_THAT(shell.calls, IsEmpty()) << "a tick with no pictures does nothing";
}

TEST_F(CoolTrayIconShell, ListChangeRestartsAtTheFirstPicture) {
    test::TTestIconList first(16);
    test::TTestIconList second(3);
    tray->SetIconList(&first);
    tray->SetIconIndex(9);
    tray->SetIconList(&second);
    EXPECT_EQ(0, tray->IconIndex());
    EXPECT_EQ(test::PictureColour(0), test::IconColour(tray->Icon()));
}

TEST_F(CoolTrayIconShell, DestroyedListAndMenuAreForgotten) {
    std::vector<std::string> log;
    test::TTestIconList list(16);
    test::TTestPopupMenu menu(&log);
    tray->SetIconList(&list);
    tray->SetIconIndex(5);
    tray->SetPopupMenu(&menu);

    list.DestroyComponent();
    EXPECT_EQ(nullptr, tray->IconList());
    EXPECT_EQ(0, tray->IconIndex());
    EXPECT_EQ(&menu, tray->PopupMenu());
    menu.DestroyComponent();
    EXPECT_EQ(nullptr, tray->PopupMenu());
}

TEST_F(CoolTrayIconShell, StoredPropertiesFollowTheDefaults) {
    test::TTestIconList list(2);
    tray->SetIconList(&list);
    tray->SetEnabled(false);
    tray->SetHint("x");
    tray->SetMinimizeToTray(true);
    tray->OnClick = [](TComponent*) {};
    EXPECT_THAT(tray->StoredProperties(),
                ElementsAre("IconList", "CycleInterval", "Enabled", "Hint", "ShowHint", "Icon", "IconIndex",
                            "MinimizeToTray", "OnClick"));
}

TEST_F(CoolTrayIconShell, InADesignerTheIconAppearsOnlyWithPreview) {
    tray->SetDesignMode(true);
    tray->Loaded();
    EXPECT_THAT(shell.calls, IsEmpty());
    EXPECT_TRUE(tray->IconVisible());

    tray->SetDesignPreview(true);
    EXPECT_THAT(Commands(), ElementsAre(NIM_ADD));
    tray->SetHint("preview");
    EXPECT_THAT(Commands(), ElementsAre(NIM_ADD, NIM_MODIFY));
    tray->SetDesignPreview(false);
    EXPECT_THAT(Commands(), ElementsAre(NIM_ADD, NIM_MODIFY, NIM_DELETE));
    EXPECT_TRUE(tray->IconVisible()) << "the preview leaves the run-time setting alone";
}

TEST_F(CoolTrayIconShell, AnswersTheLogOffQueryWithYes) {
    EXPECT_EQ(1, SendMessageA(tray->MessageWindow(), WM_QUERYENDSESSION, 0, 0));
}

TEST_F(CoolTrayIconShell, RecreatedNotificationAreaGetsTheIconBack) {
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    tray->Loaded();
    shell.iconPresent = false; // the area restarted and lost every icon
    shell.calls.clear();
    SendMessageA(tray->MessageWindow(), taskbarCreated, 0, 0);
    EXPECT_THAT(Commands(), ElementsAre(NIM_ADD));
    EXPECT_TRUE(shell.iconPresent);

    tray->SetIconVisible(false);
    shell.calls.clear();
    SendMessageA(tray->MessageWindow(), taskbarCreated, 0, 0);
    EXPECT_THAT(shell.calls, IsEmpty()) << "a hidden icon stays hidden";
}

TEST(CoolTrayIconPlatform, TheRealNotificationAreaAcceptsAddModifyAndDelete) {
    TCoolTrayIcon tray(nullptr);
    HICON picture = test::MakeSolidIcon(RGB(0, 128, 255));
    tray.SetIcon(picture);
    DestroyIcon(picture);
    tray.SetShowHint(true);
    tray.SetHint("KOR Quellar 3.3");
    EXPECT_TRUE(tray.AddTrayIcon());
    EXPECT_TRUE(tray.UpdateTrayIcon());
    EXPECT_TRUE(tray.RemoveTrayIcon());
    EXPECT_FALSE(tray.UpdateTrayIcon()) << "an icon that is not there cannot be modified";
}

} // namespace
} // namespace quellar
