# The portable sources of the skin engine, shared by the project build and the host-tools build
# of the Windows builds (tools/skin/host).
set(QUELLAR_SKIN_PORTABLE_SOURCES
    Bitmap32.cpp
    BitmapFile.cpp
    LZH.cpp
    LzhEncoder.cpp
    LzhTree.cpp
    MenuImages.cpp
    painter/PaintGeometry.cpp
    painter/Raster.cpp
    painter/RegionStrips.cpp
    Skin3rd.cpp
    SkinDescription.cpp
    SkinIni.cpp
    SkinManage.cpp
    SkinMessage.cpp
    SkinPackageWriter.cpp
    SkinReader.cpp
    WinSkinData.cpp)
set(QUELLAR_SKIN_NATIVE_SOURCES SkinDataPlatformNone.cpp SkinMessageStderr.cpp)
set(QUELLAR_SKIN_WIN32_SOURCES SkinDataPlatformWin32.cpp SkinMessageWin32.cpp)
