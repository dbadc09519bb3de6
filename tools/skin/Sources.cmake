# Sources of the skin tools, shared with the host-tools build (host/CMakeLists.txt).
set(QUELLAR_SKIN_TOOL_SOURCES SkinTool.cpp SkinCheck.cpp SkinViewLaunch.cpp)
set(QUELLAR_SKIN_ART_SOURCES art/Canvas.cpp art/SkinStyle.cpp art/ArtFrame.cpp art/ArtControls.cpp art/SkinArt.cpp)
