// The viewer's scrolling panes and tab controls.
#include "SkinViewForm.h"

namespace quellar {

void TfrmSkinView::BuildScrolling() {}

void TfrmSkinView::BuildTabs() {}

} // namespace quellar
