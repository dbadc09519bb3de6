# The settings-file routines, the settings file's place and the PC speaker driver (U_Rock1), a
# library of their own so the main window and the tests link the same code. Portable parts build everywhere; the platform's
# profile service and speaker platform only for Windows.
add_library(quellar_rock1 STATIC
    ${CMAKE_CURRENT_LIST_DIR}/U_Rock1Ini.cpp
    ${CMAKE_CURRENT_LIST_DIR}/U_Rock1IniText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/U_Rock1Profile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/U_Rock1ProfileFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/U_Rock1Platform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/U_Rock1Speaker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsFilePlace.cpp)
if(WIN32)
    target_sources(quellar_rock1 PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/U_Rock1ProfileWin32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/U_Rock1PlatformWin32.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SettingsFilePlaceWin32.cpp)
    target_link_libraries(quellar_rock1 PUBLIC shell32)
else()
    target_sources(quellar_rock1 PRIVATE ${CMAKE_CURRENT_LIST_DIR}/U_Rock1PlatformPortable.cpp)
endif()
target_include_directories(quellar_rock1 PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quellar_rock1 PUBLIC quellar_base)
quellar_warnings(quellar_rock1)
