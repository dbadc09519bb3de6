# The portable sources of the skin engine (package reader and decoder, skin model, painter
# geometry and raster operations, region strips, what the control skins decide), shared by the
# project build, the fuzz build and the host-tools build of the Windows builds (tools/skin/host).
# Paths are relative to skin/.
set(QUELLAR_SKIN_PORTABLE_SOURCES
    package/LZH.cpp
    package/LzhEncoder.cpp
    package/LzhTree.cpp
    package/SkinPackageWriter.cpp
    package/SkinReader.cpp
    model/Bitmap32.cpp
    model/BitmapFile.cpp
    model/MenuImages.cpp
    model/Skin3rd.cpp
    model/SkinDescription.cpp
    model/SkinIni.cpp
    model/SkinLimits.cpp
    model/SkinManage.cpp
    model/SkinMessage.cpp
    model/SkinModel.cpp
    model/WinSkinData.cpp
    controls/ControlGeometry.cpp
    controls/ControlDispatch.cpp
    controls/ControlKind.cpp
    controls/ScrollGeometry.cpp
    controls/StateFrames.cpp
    controls/TabGeometry.cpp
    form/FrameBounds.cpp
    form/FrameComposer.cpp
    form/FrameGeometry.cpp
    form/NCObject.cpp
    painter/ImageTurns.cpp
    menu/MenuItemLayout.cpp
    menu/MenuBarLayout.cpp
    painter/PaintGeometry.cpp
    painter/Bounds.cpp
    painter/Raster.cpp
    painter/RegionStrips.cpp)
set(QUELLAR_SKIN_NATIVE_SOURCES model/SkinDataPlatformNone.cpp model/SkinMessageStderr.cpp)
set(QUELLAR_SKIN_WIN32_SOURCES model/SkinDataPlatformWin32.cpp model/SkinMessageWin32.cpp)
# The Windows part: form objects (frame, caption buttons, messages) and the manager that
# watches the windows.
set(QUELLAR_SKIN_WINDOWS_ENGINE_SOURCES
    controls/ControlPaint.cpp
    controls/ControlSkinSet.cpp
    controls/ControlSkins.cpp
    controls/SkinBox.cpp
    controls/SkinButton.cpp
    controls/SkinCheckBox.cpp
    controls/SkinComBox.cpp
    controls/ControlHold.cpp
    controls/SkinControl.cpp
    controls/SkinEdit.cpp
    controls/SkinProgress.cpp
    controls/SkinScrollBar.cpp
    controls/SkinScrollDrag.cpp
    controls/SkinSizer.cpp
    controls/SkinSpeedButton.cpp
    controls/SkinStatusBar.cpp
    controls/SkinTab.cpp
    controls/SkinTab31.cpp
    controls/SkinTrackBar.cpp
    controls/SkinUpDown.cpp
    form/CaptionButtons.cpp
    form/DwmFrame.cpp
    form/FormMessages.cpp
    form/FrameFit.cpp
    form/FramePainter.cpp
    form/FrameMouse.cpp
    form/FrameRegion.cpp
    form/MdiLink.cpp
    form/MenuBarOwner.cpp
    form/WinSkinForm.cpp
    menu/MenuItemMessages.cpp
    menu/MenuItemPaint.cpp
    menu/WinSkinPopMenu.cpp
    menu/PopupMenuSkins.cpp
    painter/DrawCaption.cpp
    painter/PaintSurface.cpp
    painter/WorkArea.cpp
    manager/WinSkinManage.cpp
    manager/RequestTimer.cpp
    menu/MenuBar.cpp
    menu/MenuOwnerDraw.cpp
    menu/MenuTracking.cpp)
