# The hardening Debian builds its packages with, as dpkg-buildflags gives it
# with hardening=+all: stack protector, fortified functions, format checks,
# read-only relocations bound at start. Position-independent executables are
# the compilers' own default on Debian (dpkg-buildflags lists them as built
# in). Optimization and debug information stay with the build type, and the
# reproducible-build path maps are left out, so that sources are found from
# the build tree. Not for Windows: the flags are ELF's, and MinGW-w64's linker
# already makes address-randomized, non-executable-data programs.
if(WIN32)
    return()
endif()
option(ZAREN_HARDEN "Build with Debian's hardening flags (dpkg-buildflags)" ON)

function(zaren_buildflags flag result)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
                "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
                "DEB_${flag}_MAINT_STRIP=-g -O2"
                ${DPKG_BUILDFLAGS} --get ${flag}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dpkg-buildflags --get ${flag} failed")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${result} ${flags} PARENT_SCOPE)
endfunction()

if(ZAREN_HARDEN)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(NOT DPKG_BUILDFLAGS)
        message(WARNING "dpkg-buildflags (package dpkg-dev) not found: building without "
                        "Debian's hardening flags")
        return()
    endif()
    zaren_buildflags(CPPFLAGS cppflags)
    zaren_buildflags(CXXFLAGS cxxflags)
    zaren_buildflags(LDFLAGS ldflags)
    # Fortification needs optimization (glibc warns without it), and under the
    # sanitizers its checked functions would only hide calls from them.
    if(NOT ZAREN_SANITIZE AND NOT ZAREN_FUZZ)
        add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${cppflags}>")
    endif()
    add_compile_options(${cxxflags})
    add_link_options(${ldflags})
    message(STATUS "Hardening: ${cppflags} ${cxxflags} ${ldflags}")
endif()
