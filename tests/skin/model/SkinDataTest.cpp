#include "base/Exception.h"
#include "skin/model/SkinDescription.h"
#include "skin/model/SkinManage.h"
#include "skin/model/WinSkinData.h"

#include "tests/support/SkinFiles.h"
#include "tests/support/SkinMessageCatcher.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace quellar {
namespace {

using test::Bmp;
using test::SkinFile;
using test::SkinMessageCatcher;

class SkinDataTest : public ::testing::Test {
protected:
    void SetUp() override { FreeSkinManage(); }
    void TearDown() override { FreeSkinManage(); }

    // Loads the skin file of that description and those members into a fresh component the way a
    // stored "SkinStream" does.
    TSkinData& Load(const std::string& ini, std::vector<TSkinPackageEntry> members = {}) {
        data_ = std::make_unique<TSkinData>(nullptr);
        data_->SetSkinStream(SkinFile(ini, std::move(members)));
        EXPECT_TRUE(data_->LoadSkinStore());
        EXPECT_TRUE(data_->SkinLoaded());
        return *data_;
    }

    std::unique_ptr<TSkinData> data_;
};

TEST_F(SkinDataTest, DefaultsOfANewComponent) {
    TSkinData d(nullptr);
    EXPECT_FALSE(d.Active());
    EXPECT_EQ(d.DisableTag(), 99);
    EXPECT_EQ(d.SkinControls(), 0x3FFFFu);
    EXPECT_EQ(d.SkinControls() & SkinControlBit(xcFastReport), 0u);
    EXPECT_EQ(d.Version(), "2.60.4.28");
    EXPECT_TRUE(d.MenuUpdate());
    EXPECT_EQ(d.SkinFormtype(), sfMainform);
    EXPECT_EQ(d.SkinStore(), "(none)");
    EXPECT_FALSE(d.SkinLoaded());
    ASSERT_NE(d.Model().FrameLeft.get(), nullptr);
    EXPECT_EQ(d.Model().Title->Name, "Title");
    EXPECT_EQ(d.Model().Buttons->Name, "Buttons");
    EXPECT_EQ(d.Model().MenuItem.get(), nullptr);
    EXPECT_EQ(d.Model().Colours.ButtonFace, static_cast<TSkinColor>(0xFF00000F));
    EXPECT_EQ(d.MenuImagesStrip().Height(), 16);
    EXPECT_EQ(d.MenuImagesStrip().Width() % 16, 0);
}

TEST_F(SkinDataTest, DefaultSkin3rdListHasItsLinesInOrder) {
    const auto& lines = DefaultSkin3rd();
    ASSERT_EQ(lines.size(), 95u);
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 92u);
    EXPECT_EQ(lines.front(), "TTBDock=Panel");
    EXPECT_EQ(lines[2], "TImageEnMView=scrollbar");
    EXPECT_EQ(lines[4], "TRzButton=button");
    EXPECT_EQ(lines[10], "TRzDBRadioGroup=Radiogroup");
    EXPECT_EQ(lines[13], "TDBCheckboxEh=Checkbox");
    EXPECT_EQ(lines[14], "TDBCheckboxEh=Checkbox");
    EXPECT_EQ(lines[15], "TLMDCHECKBOX=Checkbox");
    EXPECT_EQ(lines[58], "TDBLookupCombobox=combobox");
    EXPECT_EQ(lines[65], "TWWRADIOGROUP=Radiogroup");
    EXPECT_EQ(lines.back(), "TOVCDBNUMERICFIELD=Edit");
    TSkinData d(nullptr);
    EXPECT_EQ(d.Skin3rd(), lines);
}

TEST_F(SkinDataTest, ColoursFollowTheRgbRulesAndMenubarFollowsButtonFace) {
    TSkinData& d =
        Load("[Colours]\r\nButtonFace=200 200 200\r\nHilight=10,20,30\r\nMenu=10 20\r\nMenuText=\r\n");
    EXPECT_EQ(d.Model().Colours.ButtonFace, 0x00C8C8C8);
    EXPECT_EQ(d.Model().Colours.Menubar, 0x00C8C8C8);
    EXPECT_EQ(d.Model().Colours.Hilight, 0x001E140A);
    EXPECT_EQ(d.Model().Colours.Menu, 0x0000000A);
    EXPECT_EQ(d.Model().Colours.MenuText, static_cast<TSkinColor>(0xFF000007)) << "empty value: the default";
    EXPECT_EQ(d.Model().Colours.TitleTextNoActive, static_cast<TSkinColor>(0xFF000013));
}

TEST_F(SkinDataTest, GeneralElementsClampTileButButtonsAndProgressKeepIt) {
    TSkinData& d = Load("[SunkEdge]\r\nImage=e.bmp\r\nTile=2\r\n[MenuItem]\r\nImage=e.bmp\r\nTile=1\r\n"
                        "[Buttons]\r\nBitmap=e.bmp\r\nTile=2\r\n[Progress]\r\nBitmap=e.bmp\r\nTile=2\r\n"
                        "[Colours]\r\nButtonText=1 2 3\r\n",
                        {{"e.bmp", Bmp(8, 4)}});
    ASSERT_NE(d.Model().SunkEdge.get(), nullptr);
    EXPECT_EQ(d.Model().SunkEdge->Tile, 0);
    EXPECT_EQ(d.Model().MenuItem->Tile, 1);
    EXPECT_EQ(d.Model().Buttons->Tile, 2);
    ASSERT_NE(d.Model().Progress.get(), nullptr);
    EXPECT_EQ(d.Model().Progress->Tile, 2);
    EXPECT_EQ(d.Model().SunkEdge->NormalColour, -1);
    EXPECT_EQ(d.Model().SunkEdge->PressedColour2, 0x00030201) << "absent: the skin's ButtonText";
    EXPECT_EQ(d.Model().SunkEdge->FrameCount, 4);
    EXPECT_EQ(d.Model().MenuItem->FrameCount, 5);
    EXPECT_EQ(d.Model().Progress->FrameCount, 2);
}

TEST_F(SkinDataTest, ElementsWithoutAnImageKeyAreAbsentAndWithABadOneAreEmpty) {
    TSkinData& d =
        Load("[Tabs]\r\nImage=gone.bmp\r\nBorder=b.bmp\r\n[ComboButton]\r\nImage=c.bmp\r\n"
             "[UpDown.Vert]\r\nImage=c.bmp\r\nGlyphImage=c.bmp\r\n[HorzScrollThumb]\r\nImage=c.bmp\r\n",
             {{"b.bmp", Bmp(6, 6)}, {"c.bmp", Bmp(4, 2)}});
    EXPECT_EQ(d.Model().Scrollbar.get(), nullptr);
    ASSERT_NE(d.Model().Tabs.get(), nullptr);
    EXPECT_TRUE(d.Model().Tabs->Image.Empty());
    EXPECT_EQ(d.Model().Tabs->Image2.Width(), 6);
    ASSERT_NE(d.Model().ComboButton.get(), nullptr);
    EXPECT_EQ(d.Model().ComboButton->Image2, MirrorBitmap(d.Model().ComboButton->Image));
    EXPECT_EQ(d.Model().UpDownVert->Image2.Width(), 4);
    EXPECT_EQ(d.Model().UpDownVert->FrameCount, 8);
    EXPECT_EQ(d.Model().HorzScrollThumb->FrameCount, 3);
}

TEST_F(SkinDataTest, BitmapReferencesUseTheFileNamePartAndACaseSensitiveExtension) {
    EXPECT_EQ(SkinBitmapMemberName("Skins\\Dir\\Btn.bmp"), "Btn.bmp");
    EXPECT_EQ(SkinBitmapMemberName("c:btn.bmp"), "btn.bmp");
    EXPECT_EQ(SkinBitmapMemberName("btn.BMP"), "");
    EXPECT_EQ(SkinBitmapMemberName("dir\\"), "");
    EXPECT_EQ(SkinBitmapMemberName("btn.bmp.png"), "");
    TSkinData& d =
        Load("[Personality]\r\nLeft=Skins\\Dir\\Btn.bmp\r\nRight=btn.BMP\r\n", {{"btn.bmp", Bmp(10, 30)}});
    EXPECT_EQ(d.Model().FrameLeft->Image.Width(), 10) << "the member name is matched without regard to case";
    EXPECT_TRUE(d.Model().FrameRight->Image.Empty());
}

TEST_F(SkinDataTest, FrameBordersReadTheirKeysAndPutHorizontalEndsLeftAndRight) {
    TSkinData& d = Load("[Personality]\r\nLeft=l.bmp\r\nLeftTopHeight=7\r\nLeftBotHeight=8\r\n"
                        "Top=l.bmp\r\nTopTopHeight=30\r\nTopBotHeight=31\r\nTopFrame=2\r\nTopStretch=0\r\n"
                        "TopTrans=0\r\n",
                        {{"l.bmp", Bmp(4, 4)}});
    EXPECT_EQ(d.Model().FrameLeft->TopHeight, 7);
    EXPECT_EQ(d.Model().FrameLeft->BottomHeight, 8);
    EXPECT_EQ(d.Model().FrameLeft->LeftWidth, 0);
    EXPECT_EQ(d.Model().FrameLeft->FrameCount, 1);
    EXPECT_EQ(d.Model().FrameLeft->Tile, 0) << "Stretch absent is 1: stretched";
    EXPECT_EQ(d.Model().FrameLeft->Trans, 1);
    EXPECT_EQ(d.Model().FrameTop->LeftWidth, 30);
    EXPECT_EQ(d.Model().FrameTop->RightWidth, 31);
    EXPECT_EQ(d.Model().FrameTop->TopHeight, 0);
    EXPECT_EQ(d.Model().FrameTop->FrameCount, 2);
    EXPECT_EQ(d.Model().FrameTop->Tile, 1) << "Stretch 0: tiled";
    EXPECT_EQ(d.Model().FrameTop->Trans, 0);
    EXPECT_TRUE(d.Model().FrameBottom->Image.Empty());
}

TEST_F(SkinDataTest, CaptionButtonSectionsAndTheirFrameCounts) {
    TSkinData& d =
        Load("[Button1]\r\nButtonImage=w60.bmp\r\n[Buttons]\r\n[BUTTON.X]\r\nButtonImage=w90.bmp\r\n"
             "[Button.Radio]\r\n[button.checkbox]\r\n[MyButton]\r\n"
             "[buttonClose]\r\nButtonImage=w60.bmp\r\nAction=-1\r\n"
             "[ButtonIcon]\r\nButtonImage=w60.bmp\r\nAction=3\r\n"
             "[ButtonIcon2]\r\nButtonImage=w60.bmp\r\nAction=3\r\nframe=2\r\nCombineOp=5\r\n",
             {{"w60.bmp", Bmp(60, 20)}, {"w90.bmp", Bmp(90, 20)}});
    const auto& b = d.Model().SysButtons;
    ASSERT_EQ(b.size(), 8u);
    EXPECT_EQ(b[0]->Name, "BUTTON1");
    EXPECT_EQ(b[0]->FrameCount, 3) << "60 x 20: ratio 3.0";
    EXPECT_EQ(b[0]->CombineOp, -1);
    EXPECT_EQ(b[1]->Name, "BUTTON.X");
    EXPECT_EQ(b[1]->FrameCount, 6) << "90 x 20: ratio 4.5";
    EXPECT_EQ(b[2]->Name, "BUTTONCLOSE");
    EXPECT_EQ(b[2]->FrameCount, 6) << "negative action";
    EXPECT_TRUE(b[3]->Image.Empty()) << "the window icon is drawn for action 3";
    EXPECT_EQ(b[4]->FrameCount, 2);
    EXPECT_EQ(b[4]->Image.Width(), 60) << "with a frame count the image stays";
    EXPECT_EQ(b[4]->CombineOp, 5);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(b[5 + k]->Action, 7 + k);
        EXPECT_EQ(b[5 + k]->Align, 100);
        EXPECT_EQ(b[5 + k]->Visibility1, 100);
        EXPECT_EQ(b[5 + k]->FrameCount, 4);
        EXPECT_TRUE(b[5 + k]->Image.Empty());
    }
}

TEST_F(SkinDataTest, MdiButtonsAreCutFromTheMdiControlsStrip) {
    TBitmap32 strip(120, 14);
    for (int x = 0; x < 120; ++x) {
        for (int y = 0; y < 14; ++y) {
            strip.SetPixel(x, y, static_cast<std::uint32_t>(x));
        }
    }
    TSkinData& d = Load("[MDICONTROLS]\r\nImage=mdi.bmp\r\n", {{"mdi.bmp", EncodeBitmapFile(strip)}});
    const auto& b = d.Model().SysButtons;
    ASSERT_EQ(b.size(), 3u);
    const int xs[3] = {42, 28, 14};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(b[k]->Image.Width(), 40);
        EXPECT_EQ(b[k]->Image.Height(), 14);
        EXPECT_EQ(b[k]->Image.Pixel(0, 0), static_cast<std::uint32_t>(40 * k));
        EXPECT_EQ(b[k]->Xcoord, xs[k]);
    }
}

TEST_F(SkinDataTest, CheckAndRadioFrameCountsComeFromTheirCells) {
    auto radioFrames = [this](int w, int h, const std::string& extra = "") {
        TSkinData& d =
            Load("[Buttons]\r\nRadioButton=r.bmp\r\nCheckButton=r.bmp\r\n" + extra, {{"r.bmp", Bmp(w, h)}});
        return d.Model().Buttons->RadioFrameCount;
    };
    EXPECT_EQ(radioFrames(52, 13), 4);
    EXPECT_EQ(radioFrames(96, 16), 6);
    EXPECT_EQ(radioFrames(40, 16), 4) << "at least 4";
    EXPECT_EQ(radioFrames(96, 16, "RadioButtonFrame=3\r\n"), 3);
    EXPECT_EQ(data_->Model().Buttons->CheckFrameCount, 6);
    EXPECT_EQ(data_->Model().Buttons->FrameCount, 5);
}

TEST_F(SkinDataTest, TitleSettingsAndTextColoursFromTheirThreeKeys) {
    TSkinData& d =
        Load("[Personality]\r\nTextShift=5\r\nTextShiftVert=2\r\nTextRightClip=9\r\n"
             "ActiveTextR=256\r\nActiveTextG=2\r\nActiveTextB=3\r\nInActiveTextR=1\r\n"
             "InActiveTextG=2\r\n[Fonts]\r\nFontHeight=$10\r\n[TitlebarSkin]\r\nSkinName=Demo\r\n");
    EXPECT_EQ(d.Model().SkinName, "Demo");
    EXPECT_EQ(d.Model().Title->LeftWidth, 5);
    EXPECT_EQ(d.Model().Title->TopHeight, 2);
    EXPECT_EQ(d.Model().Title->RightWidth, 9);
    EXPECT_EQ(d.Model().Title->FontHeight, 16);
    EXPECT_EQ(d.Model().Title->ActiveText, 0x00030200) << "the low 8 bits of each";
    EXPECT_EQ(d.Model().Title->InActiveText, 0x1FFFFFFF) << "not given unless all three keys are";
    EXPECT_EQ(d.Model().Title->FrameCount, 2);
}

TEST_F(SkinDataTest, PackageWithoutDescriptionStillLoadsWithDefaults) {
    data_ = std::make_unique<TSkinData>(nullptr);
    data_->SetSkinStream(BuildSkinFile({{"a.bmp", Bmp(2, 2)}}));
    EXPECT_TRUE(data_->LoadSkinStore());
    EXPECT_TRUE(data_->SkinLoaded());
    EXPECT_EQ(data_->Model().SysButtons.size(), 3u);
    EXPECT_EQ(data_->Model().Title->FontHeight, 14);
}

TEST_F(SkinDataTest, UnusablePackagesLeaveNoSkinLoaded) {
    SkinMessageCatcher messages;
    TSkinData d(nullptr);
    d.SetSkinStream({1, 2, 3});
    EXPECT_FALSE(d.LoadSkinStore());
    std::vector<std::uint8_t> huge = SkinFile("[Colours]\r\n");
    huge[3] = 0x7F;
    d.SetSkinStream(huge);
    EXPECT_FALSE(d.LoadSkinStore());
    EXPECT_FALSE(d.SkinLoaded());
}

TEST_F(SkinDataTest, ActiveWithoutASkinRequestsNothingUntilItIsSwitchedOff) {
    TSkinData d(nullptr);
    d.Loaded();
    TSkinManage& m = *SkinManage();
    m.started = 1;
    d.SetActive(true);
    EXPECT_TRUE(d.Active());
    EXPECT_EQ(m.pendingAction, 0);
    EXPECT_FALSE(m.timerEnabled);
    d.SetActive(false);
    EXPECT_EQ(m.pendingAction, saDeactivate);
    EXPECT_EQ(m.pendingSkinData, &d);
    EXPECT_TRUE(m.timerEnabled);
}

TEST_F(SkinDataTest, LoadedRegistersAndBeforeTheFirstActivationSwitchesAtOnce) {
    TSkinData& d = Load("[Colours]\r\n");
    d.Loaded();
    TSkinManage& m = *SkinManage();
    EXPECT_TRUE(m.hookInstalled);
    ASSERT_EQ(m.SkinDataList().size(), 1u);
    d.SetActive(true);
    EXPECT_TRUE(m.active) << "started is 0: no timer, the flag is set directly";
    EXPECT_FALSE(m.timerEnabled);
    data_.reset();
    EXPECT_TRUE(m.SkinDataList().empty()) << "destruction unregisters";
}

TEST_F(SkinDataTest, LoadedWithActiveButNoSkinResetsActive) {
    TSkinData d(nullptr);
    d.BeginLoading();
    d.SetActive(true);
    d.Loaded();
    EXPECT_FALSE(d.Active());
}

TEST_F(SkinDataTest, SkinFileLoadsAndAsksForASkinChange) {
    const auto path = std::filesystem::temp_directory_path() / "quellar_skin_test.skn";
    {
        const auto bytes = SkinFile("[TitlebarSkin]\r\nSkinName=FromFile\r\n");
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    TSkinData d(nullptr);
    d.SetSkinFile(path.string());
    std::filesystem::remove(path);
    EXPECT_TRUE(d.SkinLoaded());
    EXPECT_EQ(d.Model().SkinName, "FromFile");
    TSkinManage& m = *SkinManage();
    EXPECT_EQ(m.dropCaptionButtonsCalls, 1);
    EXPECT_EQ(m.pendingSkinData, &d);
    EXPECT_EQ(m.pendingAction, saSkinChanged);
    EXPECT_FALSE(m.timerEnabled) << "before the first activation a skin change is dropped";
    m.started = 1;
    int changed = 0;
    d.OnSkinChanged = [&](TComponent* sender) {
        EXPECT_EQ(sender, &d);
        ++changed;
    };
    d.SetSkinFile("/nonexistent/skin99.skn");
    EXPECT_FALSE(d.SkinLoaded());
    EXPECT_EQ(d.Model().SkinName, "FromFile") << "the previous model stays in memory";
    d.SetActive(true);
    EXPECT_FALSE(m.timerEnabled) << "no skin loaded: nothing requested";
    m.ExecutePendingAction();
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(m.pendingSkinData, nullptr);
}

TEST_F(SkinDataTest, SkinStreamPropertyStoresCountAndBytesAndLoadsThem) {
    TSkinData source(nullptr);
    source.SetSkinStream(SkinFile("[TitlebarSkin]\r\nSkinName=Stored\r\n"));
    TMemoryStream stored;
    const auto props = source.DefineBinaryProperties();
    ASSERT_EQ(props.size(), 1u);
    EXPECT_EQ(props[0].name, "SkinStream");
    props[0].write(stored);
    EXPECT_EQ(stored.Size(), 4 + source.SkinStream().size());

    TSkinData target(nullptr);
    stored.SetPosition(0);
    target.DefineBinaryProperties()[0].read(stored);
    EXPECT_TRUE(target.SkinLoaded());
    EXPECT_EQ(target.Model().SkinName, "Stored");

    TSkinData empty(nullptr);
    TMemoryStream zero;
    empty.DefineBinaryProperties()[0].write(zero);
    EXPECT_EQ(zero.Bytes(), (std::vector<std::uint8_t>{0, 0, 0, 0}));

    TMemoryStream lying;
    lying.WriteInt32(0x7FFFFFFF);
    lying.WriteInt32(1);
    lying.SetPosition(0);
    EXPECT_THROW(empty.DefineBinaryProperties()[0].read(lying), EReadError);
    EXPECT_TRUE(empty.SkinStream().empty());
}

TEST_F(SkinDataTest, TheFirstMainFormSkinDataDecidesWhichClassesTheManagerSkins) {
    TSkinManage m;
    TSkinData dialog(nullptr), first(nullptr), second(nullptr);
    dialog.SetSkinFormtype(sfDialog);
    dialog.SetSkinControls(dialog.SkinControls() | SkinControlBit(xcFastReport));
    second.OnFormSkin = [](TComponent*, const std::string&, bool& doSkin) { doSkin = false; };
    m.RegisterSkinData(&dialog);
    EXPECT_TRUE(m.ShouldSkinClass("SysMonthCal32")) << "no main-form skin data: every class";
    m.RegisterSkinData(&first);
    m.RegisterSkinData(&second); // never asked
    const struct {
        const char* name;
        bool withReportForms, expected;
    } rows[] = {
        {"SysMonthCal32", false, false}, {"sysmonthcal32", false, true}, {"TfrPreviewForm", false, true},
        {"TfrPreviewForm", true, false}, {"TfrmMain", true, false},      {"TFRX", true, true},
    };
    for (const auto& row : rows) {
        first.SetSkinControls(row.withReportForms ? first.SkinControls() | SkinControlBit(xcFastReport)
                                                  : first.SkinControls() & ~SkinControlBit(xcFastReport));
        EXPECT_EQ(row.expected, m.ShouldSkinClass(row.name)) << row.name << " " << row.withReportForms;
    }
    first.OnFormSkin = [](TComponent*, const std::string& name, bool& doSkin) {
        doSkin = doSkin && name == "SysMonthCal32";
    };
    EXPECT_TRUE(m.ShouldSkinClass("SysMonthCal32")) << "the event decides alone, DoSkin preset true";
    EXPECT_FALSE(m.ShouldSkinClass("TForm1"));
}

} // namespace
} // namespace quellar
