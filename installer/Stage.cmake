# Lays out the release folder from the manifest that installer/CMakeLists.txt generates:
#   cmake -DMANIFEST=manifest.cmake -DSTAGE=folder -DSTAMP=file -DSTRIP=strip-program -P Stage.cmake
# Programs ship without debugging information and symbols (nine tenths of their size);
# documents get Windows line ends so Notepad shows them.
include(${MANIFEST})
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
foreach(entry IN LISTS QUELLAR_SHIPPED)
    string(REGEX REPLACE "=.*" "" name "${entry}")
    string(REGEX REPLACE "^[^=]*=" "" source "${entry}")
    file(COPY_FILE ${source} ${STAGE}/${name})
    if(name MATCHES "\\.exe$")
        execute_process(COMMAND ${STRIP} --strip-all ${STAGE}/${name} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
foreach(entry IN LISTS QUELLAR_SHIPPED_TEXTS)
    string(REGEX REPLACE "=.*" "" name "${entry}")
    string(REGEX REPLACE "^[^=]*=" "" source "${entry}")
    file(READ ${source} text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${STAGE}/${name} "${text}")
endforeach()
file(TOUCH ${STAMP})
