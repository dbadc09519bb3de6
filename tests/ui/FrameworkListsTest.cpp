// The framework's lists, image lists and popup menus against Wine's real Win32.
#include "tests/ui/FrameworkFixture.h"

namespace quellar {
namespace {

TEST_F(Framework, PictureComboShowsItsItemsWithTheirPictures) {
    auto* images = new TImageList(form);
    images->SetSize(32, 32);
    ASSERT_TRUE(images->AddStrip(TBitmap(64, 32)));
    auto* combo = new TComboBoxEx(form);
    combo->SetParent(form);
    combo->SetImages(images);
    combo->SetItemsEx({{"Larva...", 0}, {"Mosquitoes", 1}});
    combo->SetItemIndex(1);
    HWND hwnd = combo->Handle();
    EXPECT_EQ(SendMessageA(hwnd, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(hwnd, CBEM_GETIMAGELIST, 0, 0)), images->Handle());
    char text[32] = {};
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE;
    item.iItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ASSERT_TRUE(SendMessageA(hwnd, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Mosquitoes");
    EXPECT_EQ(item.iImage, 1);
    delete images;
    EXPECT_EQ(combo->Images(), nullptr);
    EXPECT_EQ(SendMessageA(hwnd, CBEM_GETIMAGELIST, 0, 0), 0);
}

TEST_F(Framework, ComboIndexOutsideTheListSelectsNothing) {
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetItems({"Sine", "Square"});
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    form->Show();
    EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETCURSEL, 0, 0), 1);
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
}

TEST_F(Framework, PopupMenuRunsTheChosenItemWithItsPicture) {
    auto* images = new TImageList(form);
    TBitmap strip(32, 16);
    EXPECT_TRUE(images->AddStrip(strip));
    EXPECT_EQ(images->Count(), 2);
    auto* menu = new TPopupMenu(form);
    menu->SetImages(images);
    TMenuItem* start = test::AddMenuItem(form, menu->Items(), "START");
    start->SetImageIndex(0);
    test::AddMenuItem(form, menu->Items(), "-");
    test::AddMenuItem(form, menu->Items(), "STOP");
    int started = 0;
    start->OnClick = [&](TComponent*) { ++started; };
    std::string text;
    bool picture = false;
    TPopupMenu::SetPopupAnswer([&](HMENU m) {
        char buffer[64] = {};
        GetMenuStringA(m, start->Command(), buffer, sizeof(buffer), MF_BYCOMMAND);
        text = buffer;
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_BITMAP;
        GetMenuItemInfoA(m, start->Command(), FALSE, &mii);
        picture = mii.hbmpItem != nullptr;
        return static_cast<int>(start->Command());
    });
    menu->Popup(10, 10);
    TPopupMenu::SetPopupAnswer({});
    EXPECT_EQ(text, "START");
    EXPECT_TRUE(picture);
    EXPECT_EQ(started, 1);
    delete images; // the menu forgets a list that goes
    EXPECT_EQ(menu->Images(), nullptr);
}

TEST_F(Framework, ImageListTakesOnlyStripsOfItsHeight) {
    auto* list = new TImageList(form);
    list->SetSize(16, 16);
    EXPECT_FALSE(list->AddStrip(TBitmap(32, 8)));
    EXPECT_FALSE(list->AddStrip(TBitmap(20, 16)));
    EXPECT_TRUE(list->AddStrip(TBitmap(48, 16)));
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->GetIcon(3), nullptr);
    HICON icon = list->GetIcon(2);
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}

} // namespace
} // namespace quellar
