# Compiler settings every target of ours shares.
function(corvanel_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wnon-virtual-dtor)
    if(CORVANEL_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER)
    # Relocations resolved at start and then made read-only, as Debian builds its programs.
    target_link_options(${target} PRIVATE LINKER:-z,relro LINKER:-z,now)
endfunction()
