# A release executable ships stripped. Its debug information goes into a file beside it, which
# gdb finds through the executable's .gnu_debuglink section (the link holds the file's name and
# checksum, so the two must be kept together).
function(rvln_split_debug target debug_name)
    if(NOT CMAKE_BUILD_TYPE STREQUAL "Release")
        return()
    endif()
    if(NOT CMAKE_OBJCOPY)
        message(FATAL_ERROR "objcopy was not found; it comes with the MinGW binutils")
    endif()
    get_target_property(dir ${target} RUNTIME_OUTPUT_DIRECTORY)
    if(NOT dir)
        get_target_property(dir ${target} BINARY_DIR)
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE_NAME:${target}> ${debug_name}
        COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=${debug_name} $<TARGET_FILE_NAME:${target}>
        WORKING_DIRECTORY ${dir}
        BYPRODUCTS ${dir}/${debug_name}
        COMMENT "Moving the debug information of ${target} to ${debug_name}"
        VERBATIM)
endfunction()
