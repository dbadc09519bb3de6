# The release's names, kept beside the version in project() so the programs' version resources
# and the setup program say the same.
set(QUELLAR_PRODUCT_NAME "KOR Quellar")
set(QUELLAR_PUBLISHER "KOR Quellar developers")
set(QUELLAR_COPYRIGHT "Copyright (c) 2026 KOR Quellar developers")

# Gives a Windows program a VERSIONINFO resource with the project's version, its own file
# description and its file name (OriginalFilename), and the programs' one application manifest
# (app/quellar.manifest). Nothing on other platforms.
function(quellar_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    set(QUELLAR_VI_NAME ${target})
    set(QUELLAR_VI_DESCRIPTION "${description}")
    set(QUELLAR_VI_MANIFEST ${PROJECT_SOURCE_DIR}/app/quellar.manifest)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${QUELLAR_VI_MANIFEST})
endfunction()
